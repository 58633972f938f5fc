// The reconstruction's front end in process: the physical address as a number, the image
// dialogs, the rebuild of the open panel from its memory (into the device and its windows, and
// for the bus tool), a stream the device refuses, the read-out's exception, the bus-table
// event, the round trip with its links, and the bus tool's failures during a rebuild for it.
#include "RoundTripVergleich.h"
#include "TRecoUmgebung.h"
#include "TTestFormMain.h"
#include "TestHilfen.h"
#include "deviceinstance/TDeviceInstanz.h"
#include "deviceinstance/TDeviceInstanzAz.h"
#include "foundation/RegIniNamen.h"
#include "foundation/SprTexte.h"
#include "objectmodel/AzMelderParameter.h"
#include "objectmodel/RDeviceRequest.h"
#include "objectmodel/TAzMelder.h"
#include "objectmodel/TAzSystem.h"
#include "platform/busobjects/TEtsObjekt.h"
#include "platform/bustool/TEts2Cdi_Extended1.h"
#include "platform/bustool/TEtsMeter.h"
#include "platform/dialogs/DlgProgress.h"
#include "platform/dialogs/ShowDetailMessageBox.h"
#include "platform/dialogs/ShowRecoErrors.h"
#include "platform/dialogs/TModalDialog.h"
#include "platform/vcl/Streams.h"
#include "platform/win/CursorHourGlass.h"
#include "platform/win/Profile.h"
#include "reconstruction/TRecoAz.h"
#include "shell/TCtrlTree.h"
#include "shell/TDM.h"
#include "shell/TFileDialog.h"
#include "shell/TFormVerw.h"
#include "shell/TTreeView.h"

#include <QAction>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <utility>

namespace fs = std::filesystem;

namespace {

std::string DateiText(const fs::path &file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The import's check of the group addresses is cancelled: the device refuses the stream.
class TAbgelehnt : public TTestDialoge {
public:
    int GaCheck(TDatenManager<TDatenStruktur> *, std::vector<RecNewGroupAddr> &,
                std::map<int, TRecGroupAddrInfo> &, bool, const TObjektMap &,
                const TObjektMap &) override {
        return 2;
    }
};

class FormMainRekonstruktion : public ::testing::Test {
protected:
    FormMainRekonstruktion() {
        // The full panel, its bus tables cut to the detectors 1 and 2, the arming inputs and
        // the status object, each on a group address of its own that the project has.
        std::vector<uint16_t> adressen;
        std::vector<TPanelImageFixture::TAssoziation> assoziationen;
        for (const int o : kVerbunden) {
            adressen.push_back(static_cast<uint16_t>(0x0800 + o));
            assoziationen.push_back(
                {static_cast<uint8_t>(adressen.size()), static_cast<uint8_t>(o)});
            f.Project.Database().AddGroupAddress(1, 0, o, "GA " + std::to_string(o));
        }
        Panel.SetGruppenAdressen(adressen);
        Panel.SetAssoziationen(assoziationen);
    }
    static constexpr int kVerbunden[] = {0, 1, 162, 163, 164, 165, 166};
    ~FormMainRekonstruktion() override {
        if (f.Main && f.Main->Cdi())
            f.Main->Cdi()->SetEibMonitor({});
    }
    // The editor open on the panel, whose memory is the fixture's.
    void Oeffne() {
        ASSERT_TRUE(f.Project.Database().SetMemoryImage(f.Project.PanelId(), Panel.Image()));
        ASSERT_TRUE(f.Oeffne());
        ASSERT_NE(f.Main->AktDevInst(), nullptr);
        f.Boxen.Clear();
    }
    TDeviceInstanz &Device() { return *f.Main->AktDevInst(); }
    // The fixture's image file in the project's folder.
    AnsiString Image() {
        const fs::path file = f.Project.Dir() / "fremd" / "1101.x19";
        fs::create_directories(file.parent_path());
        Panel.WriteX19(file);
        return file.string();
    }
    // Every project window's tree takes updates.
    bool Aktualisierbar() const {
        for (TFormVerw *w : f.Main->FormVerwList())
            if (!w->Tree->updatesEnabled())
                return false;
        return true;
    }
    // How many detectors the current device has.
    int Melder() {
        int n = 0;
        for (const auto &[handle, object] : Device().GetObjekte())
            n += dynamic_cast<TAzMelder *>(object.get()) != nullptr;
        return n;
    }
    // The texts of the reconstruction's result boxes.
    std::vector<AnsiString> Ergebnisse() const {
        std::vector<AnsiString> out;
        for (const auto &b : f.Boxen.Boxes())
            if (b.caption == SprText(11384))
                out.push_back(b.text);
        return out;
    }
    void SchreibeIni(const char *key, const char *value) {
        WritePrivateProfileString(RegSecReconstruction, key, value, f.DM->IniFile.c_str());
        f.Main->GetRegData();
    }

    TPanelImageFixture Panel = TRecoUmgebung::VollesPanel();
    TTestFormMain f;
    TShowDetailMessageBoxRecorder Details;
    TShowRecoErrorsRecorder Meldungen;
    TCursorRecorder Cursors;
};

TEST(FormMainRekonstruktionAdresse, ThePhysicalAddressTextAsANumber) {
    const std::pair<const char *, uint16_t> faelle[] = {{"1.1.5", 0x1105},
                                                        {"15.15.255", 0xFFFF},
                                                        {"16.1.1", 0},
                                                        {"1.x.5", 0},
                                                        {"01.01.001", 0x1101},
                                                        {"1.1", 0},
                                                        {"", 0}};
    for (const auto &[text, wert] : faelle)
        EXPECT_EQ(TFormMain::MergeGrpAdrStringToWord(text), wert) << text;
}

TEST_F(FormMainRekonstruktion, TheCommandsAreBoundAndTheImageCommandsFollowTheSettings) {
    QAction *geraet = f.DM->Action(TDM::AReconstructDevice);
    EXPECT_TRUE(geraet->isEnabled());
    EXPECT_TRUE(f.Main->M_Rekonstruktion->menuAction()->isVisible());
    for (TDM::TAktion a : {TDM::AReadDeviceImage, TDM::AReconstructDeviceImage}) {
        EXPECT_FALSE(f.DM->Action(a)->isVisible());
        EXPECT_FALSE(f.DM->Execute(a)) << "disabled without the setting";
    }
    SchreibeIni(RegKeyMenueReadAndReconstructDeviceImage, "1");
    f.Main->BindRekonstruktion();
    for (TDM::TAktion a : {TDM::AReadDeviceImage, TDM::AReconstructDeviceImage}) {
        EXPECT_TRUE(f.DM->Action(a)->isVisible());
        EXPECT_TRUE(f.DM->Action(a)->isEnabled());
    }
}

TEST_F(FormMainRekonstruktion, WithoutADeviceTheImageCommandsDoNothing) {
    TModalDriverScope driver([](TModalDialog &) { return 2; });
    AnsiString datei;
    EXPECT_FALSE(f.Main->ReadDeviceImage(true, datei));
    EXPECT_FALSE(f.Main->ReconstructDeviceImage(true, AnsiString(), false));
    EXPECT_EQ(driver.Count(), 0);
    EXPECT_TRUE(f.Boxen.Boxes().empty());
}

TEST_F(FormMainRekonstruktion, CancelledImageDialogsGiveFalseWithoutABox) {
    Oeffne();
    std::vector<std::pair<TFileDialog::TArt, AnsiString>> dialoge;
    std::vector<TOpenOptions> optionen;
    TModalDriverScope driver([&](TModalDialog &d) {
        if (auto *fenster = dynamic_cast<TFileDialogFenster *>(&d)) {
            const TFileDialog &s = fenster->Settings();
            dialoge.emplace_back(s.Art(), s.Title);
            EXPECT_EQ(s.Filter, SprText(24205));
            EXPECT_EQ(s.DefaultExt, "x19");
            EXPECT_EQ(s.FilterIndex, 1);
            optionen.push_back(s.Options);
        }
        return 2;
    });
    AnsiString file = "vorher";
    EXPECT_FALSE(f.Main->ReadDeviceImage(true, file));
    EXPECT_EQ(file, "vorher");
    EXPECT_FALSE(f.Main->ReconstructDeviceImage(true, "", false));
    EXPECT_TRUE(f.Boxen.Boxes().empty());
    ASSERT_EQ(dialoge.size(), 2u);
    EXPECT_EQ(dialoge[0], std::make_pair(TFileDialog::Speichern, SprText(24219)));
    EXPECT_EQ(dialoge[1], std::make_pair(TFileDialog::Oeffnen, SprText(24206)));
    // A new image file can be named; the image to rebuild must exist.
    EXPECT_EQ(optionen[0] & (ofPathMustExist | ofFileMustExist), ofPathMustExist);
    EXPECT_EQ(optionen[1] & (ofPathMustExist | ofFileMustExist), ofPathMustExist | ofFileMustExist);
    EXPECT_FALSE(fs::exists(Device().GetImageFile()));
}

TEST_F(FormMainRekonstruktion, TheCommandRebuildsTheOpenPanelFromItsMemory) {
    Oeffne();
    const int vorher = Melder();
    ASSERT_TRUE(f.DM->Execute(TDM::AReconstructDevice));
    ASSERT_FALSE(f.Boxen.Boxes().empty());
    EXPECT_EQ(f.Boxen.Boxes().back().text, SprText(24208));
    EXPECT_EQ(f.Boxen.Boxes().back().caption, SprText(11384));
    // The one result box (the alignment asks about the arming areas' switching devices,
    // which the project lacks).
    EXPECT_EQ(Ergebnisse(), std::vector<AnsiString>{SprText(24208)});
    EXPECT_TRUE(Details.Boxes().empty());
    // The image named by the device, its records beside it.
    const fs::path image = Device().GetImageFile();
    EXPECT_EQ(DateiText(image), Panel.X19Text());
    const fs::path azr = Device().GetReconstructionFile();
    EXPECT_NE(DateiText(azr).find(TRecoAz::kHeader), std::string::npos);
    // All 160 detectors and the wired input, in the device and its window.
    EXPECT_GT(Melder(), vorher);
    EXPECT_EQ(Melder(), 161);
    TFormVerw *aktiv = f.Main->GetActiveFormVerw();
    ASSERT_NE(aktiv, nullptr);
    EXPECT_GT(aktiv->Tree->topLevelItemCount(), 0);
    EXPECT_TRUE(Aktualisierbar());
    EXPECT_EQ(Cursors.Cursors().front(), crHourGlass);
    EXPECT_EQ(Cursors.Cursors().back(), crDefault);
}

TEST_F(FormMainRekonstruktion, WithoutSavingTheRecordsNoReconstructionFileIsWritten) {
    Oeffne();
    SchreibeIni(RegKeySaveRecoDataInFile, "0");
    const AnsiString image = Image();
    EXPECT_TRUE(f.Main->ReconstructDeviceImage(false, image, false));
    EXPECT_FALSE(fs::exists(Device().GetReconstructionFile()));
    EXPECT_EQ(f.Boxen.Boxes().back().text, SprText(24208));
}

TEST_F(FormMainRekonstruktion, AStreamTheDeviceRefusesGives24207AndTheWindowsStayUpdatable) {
    Oeffne();
    f.Main->SetDeviceDialoge(std::make_unique<TAbgelehnt>());
    const int vorher = Melder();
    EXPECT_FALSE(f.Main->ReconstructDeviceImage(false, Image(), false));
    ASSERT_EQ(f.Boxen.Boxes().size(), 1u);
    EXPECT_EQ(f.Boxen.Boxes()[0].text, SprText(24207));
    EXPECT_EQ(f.Boxen.Boxes()[0].caption, SprText(11384));
    EXPECT_EQ(Melder(), vorher) << "the device is as it was";
    EXPECT_TRUE(Aktualisierbar());
    // The active window still shows the device.
    TFormVerw *aktiv = f.Main->GetActiveFormVerw();
    ASSERT_NE(aktiv, nullptr);
    EXPECT_EQ(AnzahlTyp(aktiv->Tree, 6124), vorher);
    // The windows take the next rebuild.
    f.Main->SetDeviceDialoge(std::make_unique<TTestDialoge>());
    f.Boxen.Clear();
    EXPECT_TRUE(f.Main->ReconstructDeviceImage(false, Image(), false));
    EXPECT_EQ(f.Boxen.Boxes().back().text, SprText(24208));
    EXPECT_TRUE(Aktualisierbar());
}

TEST_F(FormMainRekonstruktion, AnImageThatDoesNotRebuildGives24209) {
    Oeffne();
    const fs::path kaputt = f.Project.Dir() / "kaputt.x19";
    std::ofstream(kaputt) << "kein Image\r\n";
    EXPECT_FALSE(f.Main->ReconstructDeviceImage(false, kaputt.string(), false));
    ASSERT_FALSE(f.Boxen.Boxes().empty());
    EXPECT_EQ(f.Boxen.Boxes().back().text, SprText(24209));
    EXPECT_FALSE(Details.Boxes().empty()) << "the driver's own box came first";
    EXPECT_TRUE(Aktualisierbar());
}

TEST_F(FormMainRekonstruktion, ForTheBusToolTheRebuiltDetectorsWriteTheirDeviceParameters) {
    Oeffne();
    EXPECT_TRUE(f.Main->ReconstructDeviceImage(false, Image(), true));
    EXPECT_TRUE(Ergebnisse().empty());
    int gesetzt = 0;
    for (const auto &[handle, object] : Device().GetObjekte()) {
        auto *melder = dynamic_cast<TAzMelder *>(object.get());
        if (!melder)
            continue;
        const TAzMelderParamIds ids =
            AzMelderParamIds(melder->GetMelderBereich(), melder->GetMelderNr());
        const std::optional<int32_t> wert =
            f.Project.Database().ParameterValue(f.Project.PanelId(), ids.Wort);
        ASSERT_TRUE(wert.has_value()) << melder->GetMelderNr();
        EXPECT_EQ(static_cast<uint32_t>(*wert), melder->GetMelderParameterblock())
            << melder->GetMelderNr();
        gesetzt += *wert != 0;
    }
    EXPECT_GT(gesetzt, 100) << "the import had cleared them";
}

TEST_F(FormMainRekonstruktion, TheBusTableEventWritesTheReportAlsoForAnObjectOfAnUnknownType) {
    // Object 3's type byte in the object table (count, flag-table pointer, four bytes each).
    constexpr size_t kTypByte = 0x43FC + 3 + 4 * 3 + 3;
    Panel.Image()[kTypByte] = 16;
    ASSERT_TRUE(f.Project.Database().SetMemoryImage(f.Project.PanelId(), Panel.Image()));
    const fs::path folder = f.Project.Dir() / "Bustabellen";
    fs::create_directories(folder);
    f.Ereignis("DoReconstruct " + std::to_string(f.Project.PanelId()) + " 0 0 " +
               (folder / "bild.x19").string());
    ASSERT_FALSE(f.Zeilen.empty());
    EXPECT_EQ(f.Zeilen.back(), "Answer 1 1");
    const std::string report = DateiText(folder / "ItRecoCommunicationData.txt");
    EXPECT_NE(report.find("\r\n3_DataPointType=16\r\n3_LengthInBits=0\r\n"), std::string::npos)
        << report;
    const int objekte = Panel.Image()[0x43FC];
    EXPECT_NE(report.find("\r\n" + std::to_string(objekte - 1) + "_LengthInBits="),
              std::string::npos)
        << "every object after it is listed";
    EXPECT_TRUE(f.Boxen.Boxes().empty());
}

TEST_F(FormMainRekonstruktion, TheReadOutsExceptionIsShownWithItsText) {
    Oeffne();
    // The first block read fails every attempt once the panel was identified.
    bool identifiziert = false;
    f.Main->Cdi()->SetEibMonitor([&](const TEibAufruf &call) {
        if (!identifiziert && call.Call == "EibReadMemBlock" && call.Last == 0xB6E8) {
            identifiziert = true;
            f.Project.Database().InjectFailure("EibReadMemBlock", 3);
        }
    });
    f.Main->ReconstructDevice();
    ASSERT_TRUE(identifiziert);
    ASSERT_EQ(f.Boxen.Boxes().size(), 2u);
    const AnsiString meldung = f.Boxen.Boxes()[0].text;
    EXPECT_EQ(f.Boxen.Boxes()[0].caption.rfind("TRecoAzZielsystem::", 0), 0u);
    EXPECT_EQ(f.Boxen.Boxes()[1].text, SprText(24249) + "\n\n" + meldung);
    EXPECT_EQ(f.Boxen.Boxes()[1].caption, SprText(24248));
    EXPECT_EQ(Cursors.Cursors().back(), crDefault);

    // From the image command the exception reaches the guard, which shows its text.
    f.Boxen.Clear();
    identifiziert = false;
    SchreibeIni(RegKeyMenueReadAndReconstructDeviceImage, "1");
    f.Main->BindRekonstruktion();
    const fs::path ziel = f.Project.Dir() / "ausgelesen.x19";
    TModalDriverScope driver([&](TModalDialog &d) {
        auto *fenster = dynamic_cast<TFileDialogFenster *>(&d);
        if (!fenster)
            return 2;
        fenster->Waehle(ziel.string());
        return 1;
    });
    EXPECT_TRUE(f.DM->Execute(TDM::AReadDeviceImage));
    ASSERT_TRUE(identifiziert);
    ASSERT_EQ(f.Boxen.Boxes().size(), 2u);
    EXPECT_EQ(f.Boxen.Boxes()[1].text, f.Boxen.Boxes()[0].text);
    EXPECT_EQ(f.Boxen.Boxes()[1].caption, "TFormMain::AReadDeviceImage");
}

TEST_F(FormMainRekonstruktion, AnInteractiveReadOutSavesTheChosenFileAndSaysSo) {
    Oeffne();
    const fs::path ziel = f.Project.Dir() / "neu" / "ausgelesen";
    fs::create_directories(ziel.parent_path());
    TModalDriverScope driver([&](TModalDialog &d) {
        auto *fenster = dynamic_cast<TFileDialogFenster *>(&d);
        if (!fenster)
            return 2;
        fenster->Waehle(ziel.string());
        return 1;
    });
    AnsiString file;
    EXPECT_TRUE(f.Main->ReadDeviceImage(true, file));
    EXPECT_EQ(file, ziel.string() + ".x19");
    EXPECT_EQ(DateiText(file), Panel.X19Text());
    ASSERT_EQ(f.Boxen.Boxes().size(), 1u);
    EXPECT_EQ(f.Boxen.Boxes()[0].text, SprText(24220));
    EXPECT_EQ(f.Boxen.Boxes()[0].caption, SprText(11384));
    // Not interactive: the device's own image file, and no box.
    f.Boxen.Clear();
    EXPECT_TRUE(f.Main->ReadDeviceImage(false, file));
    EXPECT_EQ(file, Device().GetImageFile());
    EXPECT_TRUE(f.Boxen.Boxes().empty());
}

// A new panel takes the four-area variant.
class TVierBereiche : public TTestDialoge {
public:
    int DefinitionAlarmzentrale(uint32_t &variante, const AnsiString &) override {
        variante = kVariante;
        return 1;
    }
    static constexpr uint32_t kVariante = 0x113344CC;
};

class FormMainRundreise : public FormMainRekonstruktion {
protected:
    TDeviceInstanzAz &Az() { return dynamic_cast<TDeviceInstanzAz &>(Device()); }
    TDataBasis *Erstes(int typ) {
        for (const auto &[handle, object] : Device().GetObjekte())
            if (object->GetTyp() == typ)
                return object.get();
        return nullptr;
    }
    // The current device's records as its data block holds them.
    std::map<int, TDatenStruktur> Datensaetze() {
        TMemoryStream out;
        Device().CopyStrukturDatenToDB(nullptr, &out);
        return roundtrip::Datensaetze(AnsiString(reinterpret_cast<const char *>(out.Memory()),
                                                 static_cast<size_t>(out.Size())));
    }
    // The group-address words of a bus object's links (its record and the chain behind it).
    static std::multiset<int> Woerter(const std::map<int, TDatenStruktur> &records, int nummer) {
        std::multiset<int> out;
        for (const auto &[handle, r] : records) {
            if (r.Typ != 806 || r.Param4 != nummer)
                continue;
            std::set<int> gesehen;
            for (const TDatenStruktur *c = &r; c && gesehen.insert(c->Handle).second;) {
                if (c->Param15 > 0)
                    out.insert(c->Param15);
                const auto it = records.find(c->Next);
                c = c->Next > 0 && it != records.end() ? &it->second : nullptr;
            }
        }
        return out;
    }
    // A new four-area panel as the bus tool makes it: three detectors in each security area and in
    // the fire and hold-up areas, bus objects with one link and one with two.
    void Baue() {
        // As the bus tool makes a device: no window shows it yet.
        f.Main->SetDeviceDialoge(std::make_unique<TVierBereiche>());
        bool done = false;
        int result = 0;
        f.Main->Cdi()->OnCdiCreateDevice(&done, &result, f.Main->Cdi(), 0, f.Project.PanelId(), "");
        ASSERT_EQ(result, 1);
        ASSERT_NE(f.Main->AktDevInst(), nullptr);
        auto *root = dynamic_cast<TAzSystem *>(Device().GetDevice());
        ASSERT_NE(root, nullptr);
        root->SetParamVarianteAz(TVierBereiche::kVariante);
        RDeviceRequest anwenden(*root, AzRequest::VarianteAnwenden);
        anwenden.Variante = TVierBereiche::kVariante;
        ASSERT_EQ(Az().UserDeviceMessage(0, &anwenden), 1);
        root->WriteDatensatz();
        const std::pair<int, int> bereiche[] = {{0, 6123}, {1, 6125}, {3, 6127},
                                                {4, 6128}, {5, 6129}, {6, 6130}};
        for (const auto &[art, typ] : bereiche) {
            TDataBasis *parent = Erstes(typ);
            ASSERT_NE(parent, nullptr) << typ;
            for (int i = 0; i < 3; ++i)
                ASSERT_TRUE(Az().CreateAzMelder(f.Main->GetHandle(), parent, false, art)) << art;
        }
        TProjectDatabase &db = f.Project.Database();
        std::vector<int32_t> ids;
        for (int sub = 1; sub <= 4; ++sub)
            ids.push_back(db.AddGroupAddress(2, 0, sub, "A " + std::to_string(sub)));
        const std::pair<int, int> links[] = {{0, 0}, {166, 1}, {1, 2}, {166, 3}};
        for (const auto &[objekt, id] : links) {
            TEtsObjekt *o = Device().GetObjectFromObjectNr(objekt);
            ASSERT_NE(o, nullptr) << objekt;
            ASSERT_TRUE(Device().LinkToSubGroup(ids[static_cast<size_t>(id)], o->GetHandle(), true))
                << objekt;
        }
        Device().WriteDataToDb();
        ASSERT_TRUE(Device().WriteBlob());
    }
};

TEST_F(FormMainRundreise, TheCommandGivesBackTheKeptRecordsButWhatThePanelDoesNotHold) {
    ASSERT_NO_FATAL_FAILURE(Baue());
    const std::map<int, TDatenStruktur> kept = Datensaetze();
    const std::set<std::tuple<int, int, bool>> links = f.Project.SendingLinks();
    ASSERT_EQ(links.size(), 4u);
    ASSERT_TRUE(f.Oeffne());
    const TPanelImageFixture programmiert =
        TPanelImageFixture::FromProject(f.Project.Database(), f.Project.PanelId());
    ASSERT_TRUE(f.Project.Database().SetMemoryImage(f.Project.PanelId(), programmiert.Image()));
    f.Boxen.Clear();
    ASSERT_TRUE(f.DM->Execute(TDM::AReconstructDevice));
    EXPECT_EQ(Ergebnisse(), std::vector<AnsiString>{SprText(24208)});
    EXPECT_TRUE(Meldungen.Anzeigen().empty()) << "nothing to replace";
    const std::map<int, TDatenStruktur> rebuilt = Datensaetze();
    // Left open: the bus objects' values that the instance takes from the bus tool when it
    // aligns them stay 0 after the import, the main window's alignment notwithstanding.
    std::multimap<int, std::string> ausser = roundtrip::kNichtImPanel;
    ausser.insert({{806, "Param6"}, {806, "Param7"}, {806, "Param12"}});
    const roundtrip::TUnterschiede u = roundtrip::Vergleiche(kept, rebuilt, ausser);
    EXPECT_TRUE(u.Doppelt.empty()) << roundtrip::Zeilen(u.Doppelt);
    EXPECT_TRUE(u.Fehlend.empty()) << "not rebuilt:\n" << roundtrip::Zeilen(u.Fehlend);
    EXPECT_TRUE(u.Zusaetzlich.empty()) << "rebuilt but not kept:\n"
                                       << roundtrip::Zeilen(u.Zusaetzlich);
    EXPECT_GT(u.Verglichen, 150u);
    // The object with two links has both again, in the panel's order: only its links' words
    // and ids may change places.
    std::vector<std::string> andere;
    for (const std::string &d : u.Felder)
        if (d.find("/806#166/") == std::string::npos ||
            (d.find(" Param14: ") == std::string::npos &&
             d.find(" Param15: ") == std::string::npos))
            andere.push_back(d);
    EXPECT_TRUE(andere.empty()) << roundtrip::Zeilen(andere);
    EXPECT_EQ(Woerter(kept, 166), Woerter(rebuilt, 166));
    EXPECT_EQ(Woerter(rebuilt, 166).size(), 2u);
    EXPECT_EQ(Woerter(rebuilt, 0).size(), 1u);
    // Every object sends on the address it sent on before (the panel lists it first).
    EXPECT_EQ(f.Project.SendingLinks(), links);
}

// The bus tool's reconstruct event on the panel of FormMainRundreise (detectors, linked bus
// objects, its data block) with the full panel's image, one of the bus tool's calls failing
// once the import into the project has begun: the event fails, and the project keeps the
// panel's parameters, objects and links as they were.
struct TAusfall {
    const char *Call;
    int Mal;
};
void PrintTo(const TAusfall &a, std::ostream *os) {
    *os << a.Call << " x" << a.Mal;
}
// The case's name: the call without its class, once or every time.
std::string AusfallName(const ::testing::TestParamInfo<TAusfall> &info) {
    std::string name = info.param.Call;
    name.erase(0, name.rfind(':') + 1);
    return name + (info.param.Mal == 1 ? "Einmal" : "Immer");
}

class FormMainRekonstruktionAusfall : public FormMainRundreise,
                                      public ::testing::WithParamInterface<TAusfall> {
protected:
    // What the bus tool holds of the panel: its parameters off their defaults, the objects
    // switched on, its links by object in link order with their send flags, its data block.
    struct TStand {
        std::vector<std::pair<int32_t, int32_t>> Parameter;
        std::vector<int> Objekte;
        std::vector<std::tuple<int, int, bool>> Links;
        std::string Block;
        bool operator==(const TStand &) const = default;
    };
    TStand Stand() {
        TStand s;
        TProjectDatabase &db = f.Project.Database();
        s.Parameter = f.Project.ChangedParameters();
        s.Objekte = f.Project.ActiveObjects();
        for (const TLinkRow &l : db.Links(f.Project.PanelId()))
            s.Links.emplace_back(l.objectNumber, l.groupAddress, l.sending);
        s.Block = f.Block();
        return s;
    }
    // The reconstruct event for the panel with the image; its answer line.
    std::string Rekonstruiere(const AnsiString &image) {
        f.Ereignis("DoReconstruct " + std::to_string(f.Project.PanelId()) + " 0 2 " + image);
        return f.Zeilen.empty() ? std::string() : f.Zeilen.back();
    }
};

// The bus tool's meter opens when the import into the project begins.
class TBeimImport {
public:
    explicit TBeimImport(std::function<void()> aktion)
        : FVorher(SetEtsMeterFactory([this](HWND, int) -> std::unique_ptr<TEtsMeterView> {
              if (FAktion)
                  std::exchange(FAktion, nullptr)();
              return nullptr;
          })),
          FAktion(std::move(aktion)) {}
    ~TBeimImport() { SetEtsMeterFactory(std::move(FVorher)); }
    TBeimImport(const TBeimImport &) = delete;
    TBeimImport &operator=(const TBeimImport &) = delete;
    bool Geschehen() const { return !FAktion; }

private:
    TEtsMeterFactory FVorher;
    std::function<void()> FAktion;
};

TEST_P(FormMainRekonstruktionAusfall, AFailedImportLeavesTheProjectAsItWas) {
    ASSERT_NO_FATAL_FAILURE(Baue());
    const AnsiString image = Image();
    const TStand vorher = Stand();
    ASSERT_EQ(vorher.Links.size(), 4u);
    ASSERT_FALSE(vorher.Block.empty());
    f.Boxen.Clear();
    {
        TBeimImport ausfall(
            [&] { f.Project.Database().InjectFailure(GetParam().Call, GetParam().Mal); });
        EXPECT_EQ(Rekonstruiere(image), "Answer 1 0");
        EXPECT_TRUE(ausfall.Geschehen());
    }
    f.Project.Database().ClearFailures();
    EXPECT_EQ(Ergebnisse(), std::vector<AnsiString>{SprText(24207)});
    const TStand nachher = Stand();
    EXPECT_EQ(nachher.Parameter, vorher.Parameter);
    EXPECT_EQ(nachher.Objekte, vorher.Objekte);
    EXPECT_EQ(nachher.Links, vorher.Links);
    EXPECT_TRUE(nachher.Block == vorher.Block);
}

// The import fails and the bus tool then refuses to make links again: the parameters come
// back, and the user is told that the device could not be wholly restored.
TEST_F(FormMainRekonstruktionAusfall, ARestoreTheBusToolRefusesIsSaid) {
    ASSERT_NO_FATAL_FAILURE(Baue());
    const AnsiString image = Image();
    const TStand vorher = Stand();
    f.Boxen.Clear();
    {
        TBeimImport ausfall([&] {
            f.Project.Database().InjectFailure("DalGetDeviceObjectData", 1);
            f.Project.Database().InjectFailure("CoLinkObjectToSubGroup", 1000);
        });
        EXPECT_EQ(Rekonstruiere(image), "Answer 1 0");
        EXPECT_TRUE(ausfall.Geschehen());
    }
    f.Project.Database().ClearFailures();
    EXPECT_EQ(Ergebnisse(), (std::vector<AnsiString>{SprText(24207), SprText(9149)}));
    const TStand nachher = Stand();
    EXPECT_EQ(nachher.Parameter, vorher.Parameter);
    EXPECT_EQ(nachher.Objekte, vorher.Objekte);
    EXPECT_NE(nachher.Links, vorher.Links) << "the refused links are not there";
}

// What the project holds of the panel cannot be read once the device has loaded: the import
// does not begin.
class FormMainRekonstruktionUnlesbar : public FormMainRekonstruktionAusfall {};

TEST_P(FormMainRekonstruktionUnlesbar, WithoutWhatTheProjectHoldsTheImportDoesNotBegin) {
    ASSERT_NO_FATAL_FAILURE(Baue());
    const AnsiString image = Image();
    const TStand vorher = Stand();
    f.Boxen.Clear();
    TEtsMeterRecorder meter;
    bool geladen = false;
    const TDlgProgressHandler bisher =
        SetDlgProgressHandler([&](TDlgProgressAktion aktion, int, const TDlgProgressDaten *) {
            if (aktion == TDlgProgressAktion::Stop && !geladen) {
                geladen = true;
                f.Project.Database().InjectFailure(GetParam().Call, GetParam().Mal);
            }
        });
    const std::string antwort = Rekonstruiere(image);
    SetDlgProgressHandler(bisher);
    f.Project.Database().ClearFailures();
    ASSERT_TRUE(geladen);
    EXPECT_EQ(antwort, "Answer 1 0");
    EXPECT_EQ(Ergebnisse(), std::vector<AnsiString>{SprText(24207)});
    EXPECT_TRUE(meter.Calls().empty()) << "no import was begun";
    EXPECT_TRUE(Stand() == vorher);
}

INSTANTIATE_TEST_SUITE_P(Aufrufe, FormMainRekonstruktionAusfall,
                         ::testing::Values(TAusfall{"DalGetDeviceObjectData", 1},
                                           TAusfall{"DalGetCommunicationObjectData", 1000},
                                           TAusfall{"DalGetDeviceParamData", 1000},
                                           TAusfall{"TEtsDeviceParam::SetDeviceParamData", 1000}),
                         AusfallName);
INSTANTIATE_TEST_SUITE_P(Aufrufe, FormMainRekonstruktionUnlesbar,
                         ::testing::Values(TAusfall{"DalGetDeviceParamData", 1},
                                           TAusfall{"DalGetDeviceObjectData", 1},
                                           TAusfall{"DalGetSubgroupToObjectData", 1}),
                         AusfallName);

} // namespace
