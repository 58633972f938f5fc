// A panel through the whole reconstruction road without the main window: the device instance
// builds a full four-area panel and writes its device parameters into the project, the panel
// is programmed from the project, read out over the simulated bus into an image file, rebuilt
// by the driver, and imported by a fresh instance of the device; its records then equal the
// kept ones field for field, but for what the panel does not hold.
#include "AzVollesPanel.h"
#include "DeviceTestHilfen.h"
#include "RoundTripVergleich.h"
#include "TPanelImageFixture.h"
#include "TRecoAzTestHilfen.h"
#include "foundation/SprTexte.h"
#include "foundation/TDatenManager.h"
#include "objectmodel/RDeviceRequest.h"
#include "objectmodel/TAzMelder.h"
#include "objectmodel/TAzSystem.h"
#include "platform/dialogs/ShowDetailMessageBox.h"
#include "platform/dialogs/ShowRecoErrors.h"
#include "platform/vcl/Cp1252.h"
#include "platform/vcl/TStringList.h"
#include "reconstruction/TRecoAz.h"
#include "reconstruction/TRecoAzZielsystem.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace roundtrip;

class RoundTrip : public TDeviceFixture {
protected:
    std::unique_ptr<TDeviceInstanzAz> NeueInstanz() {
        Dienste.SetDevice(nullptr);
        const DAL_DEVICE record = Dienste.PanelRecord();
        auto device = std::make_unique<TDeviceInstanzAz>(&Dienste, &record, &Dienste);
        Dienste.SetDevice(device.get());
        return device;
    }

    TDataBasis *Erstes(int typ) {
        for (const auto &[handle, object] : Device->GetObjekte())
            if (object->GetTyp() == typ)
                return object.get();
        return nullptr;
    }
    // A new panel of the device instance with detectors in each of its security areas and in
    // the fire and hold-up areas, and bus objects linked to group addresses.
    void Baue() {
        Device = NeueInstanz();
        Dienste.Dialoge.VarianteSkript = [](uint32_t &variante) {
            variante = 0x113344CC;
            return 1;
        };
        ASSERT_EQ(Device->CreateNewDevice(0), 1);
        // Four security areas, as the root's grid applies a new variant.
        auto *root = dynamic_cast<TAzSystem *>(Device->GetDevice());
        ASSERT_NE(root, nullptr);
        root->SetParamVarianteAz(0x113344CC);
        RDeviceRequest anwenden(*root, AzRequest::VarianteAnwenden);
        anwenden.Variante = 0x113344CC;
        ASSERT_EQ(Device->UserDeviceMessage(0, &anwenden), 1);
        root->WriteDatensatz();
        const std::pair<int, int> bereiche[] = {{0, 6123}, {1, 6125}, {3, 6127},
                                                {4, 6128}, {5, 6129}, {6, 6130}};
        for (const auto &[art, typ] : bereiche) {
            // The areas the new panel's variant has.
            TDataBasis *parent = Erstes(typ);
            if (!parent)
                continue;
            for (int i = 0; i < 3; ++i)
                ASSERT_TRUE(Device->CreateAzMelder(Dienste.GetHandle(), parent, true, art)) << art;
        }
        TProjectDatabase &db = Dienste.Project().Database();
        std::vector<int32_t> ids;
        for (int sub = 1; sub <= 3; ++sub)
            ids.push_back(db.AddGroupAddress(1, 0, sub, "A " + std::to_string(sub)));
        TEtsObjekt *melder = Device->GetObjectFromObjectNr(0);
        ASSERT_NE(melder, nullptr);
        ASSERT_TRUE(Device->LinkToSubGroup(ids[0], melder->GetHandle(), true));
        TEtsObjekt *status = Device->GetObjectFromObjectNr(166);
        ASSERT_NE(status, nullptr);
        ASSERT_TRUE(Device->LinkToSubGroup(ids[1], status->GetHandle(), true));
        TEtsObjekt *zweiter = Device->GetObjectFromObjectNr(1);
        ASSERT_NE(zweiter, nullptr);
        ASSERT_TRUE(Device->LinkToSubGroup(ids[2], zweiter->GetHandle(), true));
    }

    // The records the panel's configuration is kept in, its device parameters written.
    std::map<int, TDatenStruktur> Behalte() {
        // As in the fixture's own check: the objects whose ids an area or type picks write
        // nothing until the instance chose their ids after the load; the others write theirs.
        Device->WriteDataToDb();
        return Datensaetze(Schreiben());
    }
    // The panel as the bus tool programs it from the project.
    TPanelImageFixture Programmiert() {
        TTempProject &project = Dienste.Project();
        return TPanelImageFixture::FromProject(project.Database(), project.PanelId());
    }
    // The panel's memory read out over the bus, rebuilt and imported by a fresh instance:
    // its records.
    std::map<int, TDatenStruktur> Rekonstruiere(const TPanelImageFixture &panel) {
        TTempProject &project = Dienste.Project();
        EXPECT_TRUE(project.Database().SetMemoryImage(project.PanelId(), panel.Image()));
        AnsiString image =
            (project.Dir() / "Az" / "Reconstruction" / (std::to_string(project.PanelId()) + ".x19"))
                .string();
        {
            TRecoAzZielsystem readOut(&project.Cdi(), 0x1101, Dienste.GetHandle(), false, image,
                                      false);
            EXPECT_TRUE(readOut.ReadoutDeviceImage());
        }
        TMemoryStream stream;
        const fs::path azr = fs::path(image).replace_extension("azr");
        {
            TRecoAz reco(image);
            EXPECT_TRUE(reco.RecoDeviceImage(&stream, true, azr.string()));
        }
        EXPECT_TRUE(Details.Boxes().empty());
        EXPECT_EQ(DateiText(azr), StreamBytes(stream));
        stream.SetPosition(0);
        Device = NeueInstanz();
        EXPECT_EQ(Device->VumaImport(&stream, true), 1);
        return Datensaetze(Schreiben());
    }
    static const TDatenStruktur *Einer(const std::map<int, TDatenStruktur> &records, int typ) {
        const TDatenStruktur *found = nullptr;
        for (const auto &[handle, r] : records)
            if (r.Typ == typ)
                found = found ? nullptr : &r;
        return found;
    }

    TShowDetailMessageBoxRecorder Details;
    TShowRecoErrorsRecorder Meldungen;
};

TEST_F(RoundTrip, TheRebuiltPanelsRecordsAreTheKeptOnes) {
    Baue();
    const std::map<int, TDatenStruktur> kept = Behalte();
    const std::map<int, TDatenStruktur> rebuilt = Rekonstruiere(Programmiert());
    EXPECT_TRUE(Meldungen.Anzeigen().empty()) << "nothing to replace";

    std::multimap<int, std::string> ausser = kNichtImPanel;
    ausser.insert(kOhneAbgleich.begin(), kOhneAbgleich.end());
    const TUnterschiede u = Vergleiche(kept, rebuilt, ausser);
    EXPECT_TRUE(u.Doppelt.empty()) << Zeilen(u.Doppelt);
    EXPECT_TRUE(u.Fehlend.empty()) << "not rebuilt:\n" << Zeilen(u.Fehlend);
    EXPECT_TRUE(u.Zusaetzlich.empty()) << "rebuilt but not kept:\n" << Zeilen(u.Zusaetzlich);
    EXPECT_TRUE(u.Felder.empty()) << Zeilen(u.Felder);
    EXPECT_GT(u.Verglichen, 100u);
}

TEST_F(RoundTrip, CellsOutsideTheirSetsComeBackAsTheirDefaultsAndAreReported) {
    Baue();
    const std::map<int, TDatenStruktur> kept = Behalte();
    TPanelImageFixture panel = Programmiert();
    panel.SetEreignisspeichertiefe(100);
    panel.SetImpulsScharfUnscharf(1);
    panel.SetAbfrageIntervall(1);
    const std::map<int, TDatenStruktur> rebuilt = Rekonstruiere(panel);

    const TDatenStruktur *root = Einer(rebuilt, 105);
    const TDatenStruktur *ueberwachung = Einer(rebuilt, 6145);
    ASSERT_NE(root, nullptr);
    ASSERT_NE(ueberwachung, nullptr);
    EXPECT_EQ(root->Param12, 80);
    EXPECT_EQ(root->Param9, 5);
    EXPECT_EQ(ueberwachung->Param3, 10);
    // What was in its set came back as it was kept.
    EXPECT_EQ(root->Param10, Einer(kept, 105)->Param10);
    EXPECT_EQ(root->Param7, Einer(kept, 105)->Param7);
    ASSERT_EQ(Meldungen.Anzeigen().size(), 1u);
    std::vector<std::pair<AnsiString, AnsiString>> gemeldet;
    for (const TRecoErrorEintrag &e : Meldungen.Anzeigen()[0].Liste)
        gemeldet.emplace_back(e.Parameter, e.Standard);
    EXPECT_EQ(gemeldet, (std::vector<std::pair<AnsiString, AnsiString>>{
                            {"Interner Parameter: Ereignisspeichertiefe", "80"},
                            {SprText(11054), "5"},
                            {SprText(11032), "10"}}));
}

} // namespace
