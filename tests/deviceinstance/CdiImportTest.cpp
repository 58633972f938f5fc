// Import and copy through the bus tool: a panel's data block taken over by another panel of the
// same project (copy) or of another project (import), and a reconstructed block. Every id the
// records carry becomes the target's; links go by group-address word, or go after a copy.
#include "PanelBaumTest.h"

#include "foundation/SprTexte.h"
#include "foundation/TDatenManager.h"
#include "platform/busobjects/TVumaEtsDevice.h"
#include "platform/bustool/TEts2Cdi.h"
#include "platform/bustool/TEtsMeter.h"
#include "platform/bustool/TEtsProgressDialog.h"
#include "platform/recobase/TVumaDatenbank.h"

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr uint16_t kWort101 = 0x0801; // 1/0/1
constexpr uint16_t kWort102 = 0x0802; // 1/0/2
constexpr uint16_t kWort115 = 0x0905; // 1/1/5

template <class T = TDataBasis> std::vector<T *> ObjekteVon(TDeviceInstanz &device, int typ) {
    std::vector<T *> out;
    for (const auto &[handle, object] : device.GetObjekte())
        if (object->GetTyp() == typ)
            if (auto *t = dynamic_cast<T *>(object.get()))
                out.push_back(t);
    return out;
}

std::vector<TObjektBasis::RecGrpAdrId> Links(const TEtsObjekt *object) {
    return object ? object->GetSubGroupLinks() : std::vector<TObjektBasis::RecGrpAdrId>{};
}

// The records of the device's configuration as it would be written now.
std::vector<TDatenStruktur> Datensaetze(TDeviceInstanz &device) {
    TMemoryStream leer;
    TMemoryStream stream;
    TDatenManager<TDatenStruktur> store(&leer);
    device.CopyStrukturDatenToDB(&store, &stream);
    std::vector<TDatenStruktur> out;
    for (TDatenStruktur *r = store.GetFirst(); r; r = store.GetNext())
        out.push_back(*r);
    return out;
}

// The settings of a configuration: every record by handle but the root, the bus objects and
// the records that carry their further links.
std::map<int, std::string> Einstellungen(TDeviceInstanz &device) {
    const std::vector<TDatenStruktur> records = Datensaetze(device);
    std::set<int> busObjekte;
    for (const TDatenStruktur &r : records)
        if (r.Typ == TEtsObjekt::Typ)
            busObjekte.insert(r.Handle);
    std::map<int, std::string> out;
    for (const TDatenStruktur &r : records)
        if (r.Typ != 105 && r.Typ != TEtsObjekt::Typ && !busObjekte.count(r.Parent))
            out[r.Handle] = r.GetDatensatzZeile();
    return out;
}

// A bus object's record without what the conversion changes: the bus tool's ids and links.
std::map<int, std::string> BusObjektEinstellungen(TDeviceInstanz &device) {
    std::map<int, std::string> out;
    for (TDatenStruktur r : Datensaetze(device))
        if (r.Typ == TEtsObjekt::Typ) {
            r.Param9 = r.Param10 = r.Param14 = r.Param15 = r.Next = 0;
            out[r.Handle] = r.GetDatensatzZeile();
        }
    return out;
}

TMemoryStream StromAus(const AnsiString &text) {
    TMemoryStream stream;
    stream.WriteBuffer(text.data(), static_cast<long long>(text.size()));
    stream.SetPosition(0);
    return stream;
}

// A panel device of a project as the target of an import or a copy: its instance, to which that
// project's fake hands the messages and which is the bus tool's current device while it lives.
class TZiel {
public:
    TZiel(TFakeDienste &dienste, int32_t deviceId, TDeviceInstanz *danach)
        : FDienste(dienste), FDanach(danach), FVorher(dienste.Project().Cdi().GetCurrentDevice()) {
        DAL_DEVICE record{};
        record.size = sizeof(record);
        EXPECT_EQ(Cdi().DalGetDeviceData(DAL_BY_ID, deviceId, -1, -1, -1, -1, &record), DAL_OK);
        Device = std::make_unique<TDeviceInstanzAz>(&dienste, &record, &dienste);
        dienste.SetDevice(Device.get());
        Cdi().SetCurrentDevice(deviceId);
        Dialog = std::make_unique<TEtsProgressDialog>(&Cdi(), Cdi().CoMeterDlgOpen(nullptr, 2));
    }
    ~TZiel() {
        Dialog.reset();
        FDienste.SetDevice(FDanach);
        Device.reset();
        Cdi().SetCurrentDevice(FVorher);
    }
    TZiel(const TZiel &) = delete;
    TZiel &operator=(const TZiel &) = delete;

    TEts2Cdi &Cdi() { return FDienste.Project().Cdi(); }
    TProjectDatabase &Db() { return FDienste.Project().Database(); }
    int32_t Id() const { return Device->GetDeviceId(); }
    std::vector<TEtsObjekt *> BusObjekte() { return ObjekteVon<TEtsObjekt>(*Device, 806); }
    // The object that came from the source's object with that handle.
    TEtsObjekt *Objekt(int handle) {
        TDataBasis *o = Device->FindHandle(handle);
        return dynamic_cast<TEtsObjekt *>(o);
    }
    long RootDeviceId() {
        const auto *root = dynamic_cast<TVumaEtsDevice *>(Device->GetDevice());
        return root ? root->GetDeviceId() : -1;
    }

    std::unique_ptr<TDeviceInstanzAz> Device;
    std::unique_ptr<TEtsProgressDialog> Dialog;

private:
    TFakeDienste &FDienste;
    TDeviceInstanz *FDanach;
    int32_t FVorher;
};

// The source: a new panel whose two bus objects are linked, the first to 1/0/1 and 1/0/2, the
// second to 1/1/5; its data block as the bus tool would hand it over.
class CdiImport : public TPanelFixture {
protected:
    CdiImport() {
        std::vector<TEtsObjekt *> objekte;
        for (TEtsObjekt *o : Alle<TEtsObjekt>(TEtsObjekt::Typ))
            if (o->GetNumberSelectableGrpAdr() > 1)
                objekte.push_back(o);
        EXPECT_GE(objekte.size(), 2u);
        if (objekte.size() < 2)
            return;
        Erstes = objekte[0]->GetHandle();
        Zweites = objekte[1]->GetHandle();
        // The addresses first: the device reads the project's tree once.
        const int32_t eins = Db().AddGroupAddress(1, 0, 1, "Eins");
        const int32_t zwei = Db().AddGroupAddress(1, 0, 2, "Zwei");
        const int32_t fuenf = Db().AddGroupAddress(1, 1, 5, "Fuenf");
        EXPECT_TRUE(Device->LinkToSubGroup(eins, Erstes, true));
        EXPECT_TRUE(Device->LinkToSubGroup(zwei, Erstes, true));
        EXPECT_TRUE(Device->LinkToSubGroup(fuenf, Zweites, true));
        EXPECT_EQ(Db().Links(Panel()).size(), 3u);
        // A setting of its own, which no new panel has.
        TDataBasis *sb = Bereich(1);
        sb->SetName("Lager");
        sb->Write(*Device->GetDatenSatz(sb));
        Quelle = Schreiben();
        QuellEinstellungen = Einstellungen(*Device);
        QuellBusObjekte = BusObjektEinstellungen(*Device);
        Boxes.Clear();
    }

    // A copy of the source panel in its own project, as the bus tool makes it (parameters and
    // switched objects, no links); its instance.
    std::unique_ptr<TZiel> Kopie() {
        const int32_t id =
            Db().CopyDevice(Panel(), Db().EnsureLine(1, 1), FNaechsteAdresse++, "Kopie");
        return std::make_unique<TZiel>(Dienste, id, Device.get());
    }
    // A panel of another project that took the source's parameters, as the bus tool's import
    // makes it, behind other devices so that none of its ids is the source's. The group
    // addresses of the words are made in `adressen` order; `links` of them the bus tool links
    // to the objects as its import does.
    std::unique_ptr<TZiel> Import(const std::vector<uint16_t> &adressen,
                                  const std::vector<std::pair<int, uint16_t>> &links = {}) {
        TProjectDatabase &db = Fremd.Project().Database();
        const int32_t line = db.EnsureLine(1, 1);
        db.AddSwitchingDevice(line, FNaechsteAdresse++, "Schalter");
        const int32_t id = db.AddPanelDevice(line, FNaechsteAdresse++, "Alarmzentrale");
        for (const auto &p : Db().ChangedParameters(Panel()))
            db.SetParameterValue(id, p.id, p.value, nullptr);
        if (!db.SubGroupId(3, 7, 200))
            db.AddGroupAddress(3, 7, 200, "Fremd");
        for (const uint16_t w : adressen)
            if (!db.SubGroupId(w >> 11, (w >> 8) & 7, w & 0xFF))
                db.AddGroupAddress(w >> 11, (w >> 8) & 7, w & 0xFF, "GA " + std::to_string(w));
        for (const auto &[handle, wort] : links) {
            const int nummer = SourceObjektNummer(handle);
            EXPECT_GT(db.Link(*db.DeviceObjectId(id, nummer),
                              *db.SubGroupId(wort >> 11, (wort >> 8) & 7, wort & 0xFF), false),
                      0);
        }
        return std::make_unique<TZiel>(Fremd, id, nullptr);
    }
    int SourceObjektNummer(int handle) {
        return static_cast<int>(
            dynamic_cast<TEtsObjekt *>(Device->FindHandle(handle))->GetObjectNumber());
    }
    // The sub group of a word in the other project.
    long FremdeId(uint16_t wort) {
        return *Fremd.Project().Database().SubGroupId(wort >> 11, (wort >> 8) & 7, wort & 0xFF);
    }
    // Every bus object of the target has the target's ids.
    void IdsDesZiels(TZiel &ziel) {
        EXPECT_EQ(ziel.RootDeviceId(), ziel.Id());
        EXPECT_EQ(ziel.Device->GetDatenSatz(ziel.Device->GetDevice())->Param4, ziel.Id());
        const auto objekte = ziel.BusObjekte();
        EXPECT_EQ(objekte.size(), QuellBusObjekte.size());
        for (TEtsObjekt *o : objekte) {
            SCOPED_TRACE(o->GetName(true));
            const int32_t erwartet =
                *ziel.Db().DeviceObjectId(ziel.Id(), static_cast<int>(o->GetObjectNumber()));
            EXPECT_EQ(o->GetDeviceObjectId(), erwartet);
            EXPECT_EQ(ziel.Device->GetDatenSatz(o)->Param10, erwartet) << "the record too";
            DAL_DEVICE_OBJECT d{};
            d.size = sizeof(d);
            ASSERT_EQ(ziel.Cdi().DalGetDeviceObjectData(DAL_BY_ID, erwartet, -1, &d), DAL_OK);
            EXPECT_EQ(o->GetCommObjectId(), d.commObjectId);
            EXPECT_EQ(ziel.Device->GetDatenSatz(o)->Param9, d.commObjectId);
        }
    }

    TFakeDienste Fremd;
    TEtsMeterRecorder Meter;
    AnsiString Quelle;
    std::map<int, std::string> QuellEinstellungen;
    std::map<int, std::string> QuellBusObjekte;
    int Erstes = 0;
    int Zweites = 0;
    int FNaechsteAdresse = 20; // of the next device made
};

TEST_F(CdiImport, ACopiedPanelKeepsItsSettingsWithTheTargetsIdsAndNoLinks) {
    auto ziel = Kopie();
    ASSERT_NE(ziel->Id(), Panel());
    TMemoryStream quelle = StromAus(Quelle);
    EXPECT_TRUE(ziel->Device->VumaCdiCopy(&quelle, 0, ziel->Dialog.get()));
    EXPECT_TRUE(Boxes.Boxes().empty()) << (Boxes.Boxes().empty() ? "" : Boxes.Boxes()[0].text);

    IdsDesZiels(*ziel);
    for (TEtsObjekt *o : ziel->BusObjekte()) {
        EXPECT_TRUE(o->GetSubGroupLinks().empty()) << o->GetName(true);
        EXPECT_EQ(ziel->Device->GetDatenSatz(o)->Param14, 0);
        EXPECT_EQ(ziel->Device->GetDatenSatz(o)->Param15, 0);
    }
    EXPECT_EQ(Einstellungen(*ziel->Device), QuellEinstellungen);
    EXPECT_EQ(BusObjektEinstellungen(*ziel->Device), QuellBusObjekte);
    EXPECT_TRUE(ziel->Db().Links(ziel->Id()).empty());
    EXPECT_EQ(Db().Links(Panel()).size(), 3u) << "the source keeps its links";

    // Stored and read again, the copy is the same.
    ASSERT_TRUE(ziel->Device->WriteBlob());
    TZiel wieder(Dienste, ziel->Id(), Device.get());
    ASSERT_TRUE(wieder.Device->GetDataFromServer(0, false));
    IdsDesZiels(wieder);
    for (TEtsObjekt *o : wieder.BusObjekte())
        EXPECT_TRUE(o->GetSubGroupLinks().empty());
}

TEST_F(CdiImport, AnImportIntoAnotherProjectKeepsSettingsAndLinksByWord) {
    // The other project holds the addresses in reverse order of the source's links.
    auto ziel = Import({kWort115, kWort102, kWort101},
                       {{Erstes, kWort101}, {Erstes, kWort102}, {Zweites, kWort115}});
    ASSERT_LT(FremdeId(kWort102), FremdeId(kWort101));
    const auto busLinks = ziel->Db().Links(ziel->Id());
    TMemoryStream quelle = StromAus(Quelle);
    EXPECT_TRUE(ziel->Device->VumaCdiImport(&quelle, ziel->Dialog.get()));
    EXPECT_TRUE(Boxes.Boxes().empty()) << (Boxes.Boxes().empty() ? "" : Boxes.Boxes()[0].text);

    IdsDesZiels(*ziel);
    using L = TObjektBasis::RecGrpAdrId;
    EXPECT_EQ(Links(ziel->Objekt(Erstes)),
              (std::vector<L>{{FremdeId(kWort101), kWort101}, {FremdeId(kWort102), kWort102}}))
        << "both links, in their order";
    EXPECT_EQ(Links(ziel->Objekt(Zweites)), (std::vector<L>{{FremdeId(kWort115), kWort115}}));
    for (TEtsObjekt *o : ziel->BusObjekte()) {
        if (o->GetHandle() != Erstes && o->GetHandle() != Zweites) {
            EXPECT_TRUE(o->GetSubGroupLinks().empty());
        }
    }
    EXPECT_EQ(Einstellungen(*ziel->Device), QuellEinstellungen);
    EXPECT_EQ(BusObjektEinstellungen(*ziel->Device), QuellBusObjekte);
    EXPECT_EQ(ziel->Db().Links(ziel->Id()).size(), busLinks.size()) << "the bus tool's stay";

    // Stored and read again: the links are the other project's.
    ASSERT_TRUE(ziel->Device->WriteBlob());
    TZiel wieder(Fremd, ziel->Id(), nullptr);
    ASSERT_TRUE(wieder.Device->GetDataFromServer(0, false));
    EXPECT_EQ(Links(wieder.Objekt(Erstes)),
              (std::vector<L>{{FremdeId(kWort101), kWort101}, {FremdeId(kWort102), kWort102}}));
    IdsDesZiels(wieder);
}

TEST_F(CdiImport, TheMeterShowsEveryStep) {
    auto ziel = Import({kWort101, kWort102, kWort115});
    TMemoryStream quelle = StromAus(Quelle);
    EXPECT_TRUE(ziel->Device->VumaCdiImport(&quelle, ziel->Dialog.get()));
    const std::vector<std::string> anfang(
        Meter.Calls().begin(), Meter.Calls().begin() + std::min<size_t>(Meter.Calls().size(), 10));
    const AnsiString erstes = ziel->BusObjekte().front()->GetName(true);
    EXPECT_EQ(anfang, (std::vector<std::string>{
                          "open 2", "position 10", "text0 " + SprText(9156), "position 15",
                          "text0 " + SprText(9018), "position 20", "text1 " + SprText(9025),
                          "position 21", "text1 " + SprText(9193), "position 22"}));
    // One step per bus object.
    const auto n = static_cast<int>(ziel->BusObjekte().size());
    EXPECT_EQ(std::count_if(Meter.Calls().begin(), Meter.Calls().end(),
                            [](const std::string &c) { return c.rfind("text2 ", 0) == 0; }),
              n);
    EXPECT_EQ(Meter.Calls().back(), "position " + std::to_string(22 + n));
    EXPECT_NE(std::find(Meter.Calls().begin(), Meter.Calls().end(), "text2 " + erstes),
              Meter.Calls().end());
}

TEST_F(CdiImport, AWordMissingInTheTargetIsReportedOnceAndItsLinkGoesHereAndInTheBusTool) {
    // The other project has no 1/0/2; its bus tool links the first object to 1/0/1 and to two
    // addresses the data do not know.
    auto ziel = Import({kWort101, kWort115, 0x1A05, 0x1A06},
                       {{Erstes, 0x1A05}, {Erstes, kWort101}, {Erstes, 0x1A06}});
    TMemoryStream quelle = StromAus(Quelle);
    EXPECT_TRUE(ziel->Device->VumaCdiImport(&quelle, ziel->Dialog.get()));

    TEtsObjekt *objekt = ziel->Objekt(Erstes);
    ASSERT_NE(objekt, nullptr);
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(Boxes.Boxes()[0].text,
              SprText(9132) + "\n1/0/2\n" + SprText(9135) + ": " + objekt->GetName(true));
    EXPECT_EQ(Boxes.Boxes()[0].caption, SprText(9041));
    EXPECT_EQ(Boxes.Boxes()[0].style, 0u);
    using L = TObjektBasis::RecGrpAdrId;
    EXPECT_EQ(Links(objekt), (std::vector<L>{{FremdeId(kWort101), kWort101}}));
    const TDatenStruktur *record = ziel->Device->GetDatenSatz(objekt);
    EXPECT_EQ(record->Param14, FremdeId(kWort101));
    EXPECT_EQ(record->Next, 0) << "no record for a second link";
    const auto busLinks = ziel->Db().Links(ziel->Id());
    ASSERT_EQ(busLinks.size(), 1u) << "the links the object does not hold are gone";
    EXPECT_EQ(busLinks[0].groupAddress, kWort101);
}

TEST_F(CdiImport, AnUnlinkTheBusToolRefusesStopsTheImport) {
    auto ziel = Import({kWort101, kWort115, 0x1A05}, {{Erstes, 0x1A05}});
    ziel->Db().InjectFailure("CoUnlinkObjectFromSubGroup", 1);
    TMemoryStream quelle = StromAus(Quelle);
    EXPECT_FALSE(ziel->Device->VumaCdiImport(&quelle, ziel->Dialog.get()));
    TEtsObjekt *objekt = ziel->Objekt(Erstes);
    ASSERT_NE(objekt, nullptr);
    ASSERT_EQ(Boxes.Boxes().size(), 2u);
    EXPECT_EQ(Boxes.Boxes()[0].text.substr(0, SprText(9132).size()), SprText(9132));
    EXPECT_EQ(Boxes.Boxes()[1].text, SprText(9099) + "\n" + objekt->GetName(true));
    EXPECT_EQ(Boxes.Boxes()[1].caption, SprText(9041));
    EXPECT_EQ(Boxes.Boxes()[1].style, unsigned(MB_ICONERROR));
    // The record follows the object as far as it was converted.
    EXPECT_EQ(ziel->Device->GetDatenSatz(objekt)->Param10, objekt->GetDeviceObjectId());
    EXPECT_EQ(ziel->Device->GetDatenSatz(objekt)->Param14, FremdeId(kWort101));
}

TEST_F(CdiImport, AnObjectTheTargetDoesNotHaveStopsTheConversion) {
    // A new panel of the other project: the source's objects are not switched on there.
    TProjectDatabase &db = Fremd.Project().Database();
    const int32_t id = db.AddPanelDevice(db.EnsureLine(1, 1), 20, "Alarmzentrale");
    TZiel ziel(Fremd, id, nullptr);
    TMemoryStream quelle = StromAus(Quelle);
    EXPECT_FALSE(ziel.Device->VumaCdiImport(&quelle, ziel.Dialog.get()));
    ASSERT_FALSE(Boxes.Boxes().empty());
    const auto &box = Boxes.Boxes().back();
    EXPECT_EQ(box.text.substr(0, SprText(9116).size() + 1), SprText(9116) + "\n");
    EXPECT_EQ(box.caption, SprText(9041));
    EXPECT_EQ(Boxes.Boxes().size(), 1u) << "the conversion stops at the first";
}

TEST_F(CdiImport, AStopEndsWhereTheUserAskedIt) {
    struct TFall {
        const char *Name;
        bool Kopie;
        int Ab;       // the stop is asked for from this position on
        int Letzte;   // the last position shown
        bool Geladen; // the source's records were loaded
    };
    const TFall faelle[] = {
        {"import at 10", false, 10, 10, false},
        {"import at 15", false, 15, 15, true},
        {"import at 20", false, 20, 20, true},
        {"import at 21", false, 21, 21, true},
        {"import at 23 (the first object)", false, 23, 23, true},
        {"copy at 10", true, 10, 10, false},
        // A copy is not stopped after loading the records and the group addresses.
        {"copy at 15", true, 15, 21, true},
        {"copy at 20", true, 20, 21, true},
    };
    for (const TFall &f : faelle) {
        SCOPED_TRACE(f.Name);
        TEtsMeterRecorder meter;
        meter.AbortFromPosition(f.Ab);
        auto ziel = f.Kopie ? Kopie() : Import({kWort101, kWort102, kWort115});
        // The target has a configuration of its own, which a stop at once leaves as it was.
        ASSERT_EQ(ziel->Device->CreateNewDevice(0), 1);
        Boxes.Clear();
        const auto vorher = Datensaetze(*ziel->Device);
        TMemoryStream quelle = StromAus(Quelle);
        const bool ergebnis = f.Kopie ? ziel->Device->VumaCdiCopy(&quelle, 0, ziel->Dialog.get())
                                      : ziel->Device->VumaCdiImport(&quelle, ziel->Dialog.get());
        EXPECT_FALSE(ergebnis);
        EXPECT_EQ(meter.Calls().back(), "position " + std::to_string(f.Letzte));
        EXPECT_EQ(Einstellungen(*ziel->Device) == QuellEinstellungen, f.Geladen);
        if (!f.Geladen) {
            const auto nachher = Datensaetze(*ziel->Device);
            ASSERT_EQ(nachher.size(), vorher.size());
            for (size_t i = 0; i < vorher.size(); ++i)
                EXPECT_EQ(nachher[i].GetDatensatzZeile(), vorher[i].GetDatensatzZeile());
        }
        EXPECT_TRUE(Boxes.Boxes().empty());
    }
}

TEST_F(CdiImport, WithoutADialogNothingStops) {
    auto ziel = Import({kWort101, kWort102, kWort115});
    TMemoryStream quelle = StromAus(Quelle);
    EXPECT_TRUE(ziel->Device->VumaCdiImport(&quelle, nullptr));
    IdsDesZiels(*ziel);
    EXPECT_FALSE(ziel->Device->VumaCdiImport(nullptr, nullptr)) << "no source";
    EXPECT_FALSE(ziel->Device->VumaCdiCopy(nullptr, 0, nullptr));
}

TEST_F(CdiImport, AnUnknownModeLeavesTheLinksAsTheyAre) {
    const auto vorher = Links(dynamic_cast<TEtsObjekt *>(Device->FindHandle(Erstes)));
    EXPECT_TRUE(Device->KonvertEtsIds(7, nullptr));
    ASSERT_FALSE(Boxes.Boxes().empty());
    EXPECT_EQ(Boxes.Boxes()[0].text, "Groupaddress: Unknown convert.\nNumber: 7");
    EXPECT_EQ(Boxes.Boxes()[0].caption, "TDeviceInstanz::KonvertEtsIds");
    EXPECT_EQ(Links(dynamic_cast<TEtsObjekt *>(Device->FindHandle(Erstes))), vorher);
}

TEST_F(CdiImport, WithoutAnObjectTheLinkOperationsAnswer0) {
    bool fehlt = true;
    EXPECT_EQ(Device->KonvertEtsGAIds(nullptr, fehlt), 0);
    EXPECT_FALSE(fehlt);
    EXPECT_EQ(Device->UnlinkUnknownGA(nullptr), 0);
    EXPECT_TRUE(Device->LinkEtsAssociationToObjekt(nullptr));
}

TEST_F(CdiImport, WriteAllWritesEveryObjectsRecord) {
    TDataBasis *feuer = Bereich(0);
    feuer->SetName("Brandabschnitt");
    ASSERT_NE(Device->GetDatenSatz(feuer)->Name, "Brandabschnitt");
    EXPECT_TRUE(Device->WriteAll());
    EXPECT_EQ(Device->GetDatenSatz(feuer)->Name, "Brandabschnitt");

    const DAL_DEVICE record = Dienste.PanelRecord();
    TDeviceInstanzAz leer(&Dienste, &record, &Dienste);
    EXPECT_FALSE(leer.WriteAll()) << "no object";
}

// A reconstruction: the records of a panel rebuilt from its memory, written as the
// reconstruction's record database writes them.
class Rekonstruktion : public TPanelFixture {
protected:
    static constexpr int16_t kMelderObjekte = 10; // value 3: detector 1's bus object (number 0)

    // Root, security area 1, detector 1 and its bus object switched on by parameter 10.
    // The words of its links as the reconstruction read them from the panel; a line that does
    // not read on request.
    TMemoryStream Strom(const std::vector<uint16_t> &worte = {}, bool kaputt = false) {
        TVumaDatenbank db;
        TDatenStruktur *root = db.CreateDatensatz(0, 105, 0);
        root->Name = "Zentrale";
        TDatenStruktur *sb = db.CreateDatensatz(1, 6127, root->Handle);
        sb->Name = "Sicherungsbereich 1";
        TDatenStruktur *melder = db.CreateDatensatz(1, 6124, sb->Handle);
        melder->Name = "Melder 1";
        TDatenStruktur *objekt = db.CreateDatensatz(1, TEtsObjekt::Typ, melder->Handle);
        objekt->Name = "Melder 1";
        objekt->Param4 = 0;
        objekt->Param8 = ObjektTyp() + 1;
        objekt->Param16 = kMelderObjekte;
        objekt->Param17 = 3;
        const int handle = objekt->Handle;
        TDatenStruktur *letzter = objekt;
        for (size_t i = 0; i < worte.size(); ++i) {
            if (i == 0) {
                objekt->Param15 = worte[0];
                continue;
            }
            TDatenStruktur *glied = db.CreateDatensatz(1, TDataBasis::TypNebenDatensatz, handle);
            glied->Param15 = worte[i];
            letzter->Next = glied->Handle;
            letzter = glied;
        }
        TMemoryStream stream;
        EXPECT_TRUE(db.Write(&stream, Device->GetVersion()));
        if (kaputt) {
            AnsiString text(reinterpret_cast<const char *>(stream.Memory()),
                            static_cast<size_t>(stream.Size()));
            text.insert(text.find("</DB>"), "1,2,3\r\n");
            return StromAus(text);
        }
        return stream;
    }
    // The bus type of the panel's object 0.
    int ObjektTyp() {
        DAL_DEVICE_OBJECT d{};
        d.size = sizeof(d);
        EXPECT_EQ(Dienste.Project().Cdi().DalGetDeviceObjectData(
                      DAL_BY_ID, Dienste.Project().DeviceObject(0), -1, &d),
                  DAL_OK);
        return d.type;
    }
    TEtsProgressDialog Dialog{&Dienste.Project().Cdi(),
                              Dienste.Project().Cdi().CoMeterDlgOpen(nullptr, 2)};
};

TEST_F(Rekonstruktion, TheBusToolsObjectsAreSwitchedByTheRebuiltRecords) {
    ASSERT_FALSE(AktiveObjekte().empty());
    ASSERT_NE(AktiveObjekte(), std::vector<int>{0});
    TMemoryStream strom = Strom();
    EXPECT_TRUE(Device->ReconstructionItToolImport(&strom, &Dialog));
    EXPECT_TRUE(Boxes.Boxes().empty()) << (Boxes.Boxes().empty() ? "" : Boxes.Boxes()[0].text);
    EXPECT_EQ(AktiveObjekte(), std::vector<int>{0}) << "the new panel's objects are gone";
    EXPECT_EQ(Parameter(kMelderObjekte), 3);
    const auto objekte = Alle<TEtsObjekt>(TEtsObjekt::Typ);
    ASSERT_EQ(objekte.size(), 1u);
    EXPECT_EQ(objekte[0]->GetDeviceObjectId(), Dienste.Project().DeviceObject(0));
    EXPECT_EQ(Device->GetDatenSatz(Device->GetDevice())->Param4, Panel());
    EXPECT_EQ(Device->GetObjekte().size(), 4u);
}

TEST_F(Rekonstruktion, TheWordsReadFromThePanelBecomeLinksOfThisProject) {
    const int32_t eins = Db().AddGroupAddress(1, 0, 1, "Eins");
    Db().AddGroupAddress(1, 0, 3, "Drei");
    TMemoryStream strom = Strom({kWort101, kWort102});
    EXPECT_TRUE(Device->ReconstructionItToolImport(&strom, &Dialog));
    const auto objekte = Alle<TEtsObjekt>(TEtsObjekt::Typ);
    ASSERT_EQ(objekte.size(), 1u);
    EXPECT_EQ(Links(objekte[0]), (std::vector<TObjektBasis::RecGrpAdrId>{{eins, kWort101}}));
    EXPECT_EQ(Device->GetDatenSatz(objekte[0])->Param14, eins);
    ASSERT_EQ(Boxes.Boxes().size(), 1u) << "1/0/2 is not in the project";
    EXPECT_EQ(Boxes.Boxes()[0].text.substr(0, SprText(9132).size() + 7),
              SprText(9132) + "\n1/0/2\n");
}

TEST_F(Rekonstruktion, AParameterTheBusToolRefusesMakesTheResultFalse) {
    // The object is on already; the write of its parameter fails.
    ASSERT_TRUE(Db().SetParameterValue(Panel(), kMelderObjekte, 3, nullptr));
    const DAL_DEVICE record = Dienste.PanelRecord();
    Device = std::make_unique<TDeviceInstanzAz>(&Dienste, &record, &Dienste);
    Dienste.SetDevice(Device.get());
    Db().InjectFailure("TEtsDeviceParam::SetDeviceParamData", 1);
    TMemoryStream strom = Strom();
    EXPECT_FALSE(Device->ReconstructionItToolImport(&strom, &Dialog));
    EXPECT_EQ(Device->GetObjekte().size(), 4u) << "loaded and converted all the same";
    EXPECT_EQ(Alle<TEtsObjekt>(TEtsObjekt::Typ).at(0)->GetDeviceObjectId(),
              Dienste.Project().DeviceObject(0));
}

TEST_F(Rekonstruktion, RecordsThatDoNotReadChangeNothing) {
    const auto objekte = AktiveObjekte();
    const AnsiString vorher = Schreiben();
    TMemoryStream strom = Strom({}, true);
    EXPECT_FALSE(Device->ReconstructionItToolImport(&strom, &Dialog));
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(Boxes.Boxes()[0].text.substr(0, SprText(9121).size()), SprText(9121));
    EXPECT_EQ(Boxes.Boxes()[0].caption, SprText(9041));
    EXPECT_EQ(AktiveObjekte(), objekte) << "the bus tool's objects stay";
    EXPECT_EQ(Schreiben(), vorher);
}

TEST_F(Rekonstruktion, AStopAtOnceChangesNothing) {
    TEtsMeterRecorder meter;
    meter.Abort();
    TEtsProgressDialog dialog(&Dienste.Project().Cdi(),
                              Dienste.Project().Cdi().CoMeterDlgOpen(nullptr, 2));
    const auto objekte = AktiveObjekte();
    const AnsiString vorher = Schreiben();
    TMemoryStream strom = Strom();
    EXPECT_FALSE(Device->ReconstructionItToolImport(&strom, &dialog));
    EXPECT_EQ(meter.Calls(),
              (std::vector<std::string>{"open 2", "text0 " + SprText(9155), "position 10"}));
    EXPECT_EQ(AktiveObjekte(), objekte);
    EXPECT_EQ(Schreiben(), vorher);
}

} // namespace
