// The reconstruction driver on fixture image files: each failing step with its box and the
// output left as it was, the readers it cuts out of the image, the records it writes (the same
// as the folder reconstructors make on the image's bytes), the replaced values shown after a
// good write, and the reconstruction file.
#include "reconstruction/TRecoAz.h"
#include "TRecoAzTestHilfen.h"
#include "TRecoUmgebung.h"
#include "foundation/SprTexte.h"
#include "foundation/TDatenManager.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <set>

namespace {

namespace fs = std::filesystem;

// A stream that takes no byte: every write of the record database fails.
class TVolleStream : public TMemoryStream {
public:
    long long Write(const void *, long long) override { return 0; }
};

class Driver : public TRecoAzFixture {
protected:
    Driver() { Panel = TRecoUmgebung::VollesPanel(); }

    // The record count after each folder step (5 to 12) of a run on the whole image.
    std::vector<int> ZaehleSchritte() {
        Schreibe();
        TRecoAz reco(Image.string());
        EXPECT_TRUE(reco.CreateDataManagementUserSoftware());
        EXPECT_TRUE(reco.CreateDataManagementMelderTexte());
        EXPECT_TRUE(reco.CreateDataManagementBcuSoftware());
        EXPECT_TRUE(reco.CreateObjektManagement());
        uint32_t variante = 0;
        const std::function<bool()> schritte[] = {
            [&] { return reco.RecoAzSystemParam(variante); },
            [&] { return reco.RecoAzOrdnerSicherungsBereich(variante); },
            [&] { return reco.RecoAzOrdnerScharfschaltung(variante); },
            [&] { return reco.RecoAzOrdnerAlarmierung(variante); },
            [&] { return reco.RecoAzOrdnerAnzeige(variante); },
            [&] { return reco.RecoAzEditierbareTexte(); },
            [&] { return reco.RecoAzOrdnerSystemUeberwachung(); },
            [&] { return reco.RecoAzDatumUhrzeit(); },
        };
        std::vector<int> counts;
        for (const auto &schritt : schritte) {
            EXPECT_TRUE(schritt());
            counts.push_back(reco.GetDatenbank()->Count());
        }
        return counts;
    }

    fs::path Azr = Project.Dir() / "Az" / "Reconstruction" / "4711.azr";
};

TEST_F(Driver, EachFailingStepShowsItsBoxAndLeavesTheOutputAsItWas) {
    const std::vector<int> counts = ZaehleSchritte();
    struct Case {
        const char *name;
        TImageFehler fehler;
        const char *block;
        std::optional<int> limit; // records the database may make
        bool volleStream;
        int text;
    };
    const Case cases[] = {
        {"no image file", TImageFehler::Keiner, "", std::nullopt, false, 24211},
        {"no UserSoftware", TImageFehler::OhneAbschnitt, "UserSoftware", std::nullopt, false,
         24211},
        {"no MelderTexte", TImageFehler::OhneAbschnitt, "MelderTexte", std::nullopt, false, 24224},
        {"no BcuSoftware", TImageFehler::OhneAbschnitt, "BcuSoftware", std::nullopt, false, 24222},
        {"short BcuSoftware", TImageFehler::Kurz, "BcuSoftware", std::nullopt, false, 24222},
        {"short UserSoftware", TImageFehler::Kurz, "UserSoftware", std::nullopt, false, 24211},
        {"system record", TImageFehler::Keiner, "", 0, false, 24212},
        {"security-area folder", TImageFehler::Keiner, "", counts[0], false, 11387},
        {"within the detectors", TImageFehler::Keiner, "", counts[0] + 100, false, 11387},
        {"arming folder", TImageFehler::Keiner, "", counts[1], false, 11388},
        {"alarm folder", TImageFehler::Keiner, "", counts[2], false, 11389},
        {"display folder", TImageFehler::Keiner, "", counts[3], false, 11390},
        {"editable texts", TImageFehler::Keiner, "", counts[4], false, 11393},
        {"last editable text", TImageFehler::Keiner, "", counts[5] - 1, false, 11393},
        {"system monitoring", TImageFehler::Keiner, "", counts[5], false, 11391},
        {"date and time", TImageFehler::Keiner, "", counts[6], false, 11392},
        {"its last bus object", TImageFehler::Keiner, "", counts[7] - 1, false, 11392},
        {"the write", TImageFehler::Keiner, "", std::nullopt, true, 24213},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Details.Clear();
        fs::remove(Image);
        if (std::string(c.name) != "no image file")
            Schreibe(c.fehler, c.block);
        TRecoAz reco(Image.string());
        reco.GetDatenbank()->SetLimit(c.limit);
        const std::string vorher = "schon da";
        TVolleStream voll;
        TMemoryStream normal;
        TMemoryStream &out = c.volleStream ? voll : normal;
        if (!c.volleStream)
            out.WriteBuffer(vorher.data(), static_cast<long long>(vorher.size()));
        EXPECT_FALSE(reco.RecoDeviceImage(&out, true, Azr.string()));
        PruefeFehlerbox(Details.Boxes(), SprText(c.text), "TRecoAz::RecoDeviceImage",
                        "TRecoAz.cpp");
        EXPECT_EQ(StreamBytes(out), c.volleStream ? "" : vorher);
        EXPECT_FALSE(fs::exists(Azr));
        EXPECT_TRUE(Meldungen.Anzeigen().empty()) << "replaced values shown after a failure";
    }
}

TEST_F(Driver, EachStepNamesItsOwnSourceLine) {
    const std::vector<int> counts = ZaehleSchritte();
    std::set<AnsiString> zeilen;
    for (const int limit : counts) {
        TRecoAz reco(Image.string());
        reco.GetDatenbank()->SetLimit(limit);
        TMemoryStream out;
        reco.RecoDeviceImage(&out, false, "");
    }
    // The last count is the whole run: no failure there.
    ASSERT_EQ(Details.Boxes().size(), counts.size() - 1);
    for (const TDetailMessageBox &box : Details.Boxes())
        zeilen.insert(box.Zeile);
    EXPECT_EQ(zeilen.size(), counts.size() - 1);
}

TEST_F(Driver, WithoutAnOutputStreamNothingIsShown) {
    Schreibe();
    TRecoAz reco(Image.string());
    EXPECT_FALSE(reco.RecoDeviceImage(nullptr, true, Azr.string()));
    EXPECT_TRUE(Details.Boxes().empty());
    EXPECT_FALSE(fs::exists(Azr));
}

TEST_F(Driver, TheAddressTableReaderCoversTheCountByteAndNWords) {
    Panel.SetGruppenAdressen({0x0901, 0x0902, 0x0A03, 0x0B04}); // N = 5 with the own address
    Schreibe();
    TRecoAz reco(Image.string());
    EXPECT_FALSE(reco.CreateObjektManagement()) << "without the BcuSoftware reader";
    EXPECT_EQ(reco.GetAdressTabelle(), nullptr);
    ASSERT_TRUE(reco.CreateDataManagementBcuSoftware());
    ASSERT_TRUE(reco.CreateObjektManagement());
    const TRecoDataManagament *adressen = reco.GetAdressTabelle();
    ASSERT_NE(adressen, nullptr);
    EXPECT_EQ(adressen->First(), 0x4000u);
    EXPECT_EQ(adressen->Last(), 0x400Au);
    unsigned short wort = 0;
    EXPECT_TRUE(adressen->GetWordFromAddr(0x4009, wort));
    EXPECT_EQ(wort, 0x0B04);
    unsigned char byte = 0;
    EXPECT_FALSE(adressen->GetByteFromAddr(0x400B, byte));
}

TEST_F(Driver, TheRecordsAreThoseTheFoldersMakeOnTheImagesBytes) {
    Schreibe();
    TRecoAz reco(Image.string());
    TMemoryStream out;
    ASSERT_TRUE(reco.RecoDeviceImage(&out, false, ""));
    EXPECT_TRUE(Details.Boxes().empty());
    EXPECT_TRUE(Meldungen.Anzeigen().empty()) << "nothing to replace in the full panel";

    TRecoUmgebung umgebung(Panel.Image());
    uint32_t variante = 0;
    ASSERT_TRUE(umgebung.Alle(variante));
    TMemoryStream erwartet;
    ASSERT_TRUE(umgebung.Datenbank.Write(&erwartet, TRecoAz::kHeader));
    EXPECT_EQ(StreamBytes(out), StreamBytes(erwartet));
    EXPECT_NE(StreamBytes(out).find("Version=SX Version: 1. 1 Typ:VUMA/Alarmzentrale\r\n"),
              std::string::npos);
    EXPECT_EQ(reco.GetDatenbank()->Count(), umgebung.Datenbank.Count());
}

TEST_F(Driver, ADefaultedVariantBuildsAreasOneAndTwoAndIsShownAfterTheWrite) {
    Panel.SetVariante(0x12345678);
    Schreibe();
    TRecoAz reco(Image.string());
    TMemoryStream out;
    ASSERT_TRUE(reco.RecoDeviceImage(&out, false, ""));
    TVumaDatenbank &db = *reco.GetDatenbank();
    EXPECT_EQ(db.Find(1)->Typ, 105);
    EXPECT_EQ(static_cast<uint32_t>(db.Find(1)->Param7), 0x11330000u);
    std::set<int> bereiche;
    for (int h = 1; h <= db.Count(); ++h)
        if (db.Find(h)->Typ >= 6127 && db.Find(h)->Typ <= 6130)
            bereiche.insert(db.Find(h)->Typ);
    EXPECT_EQ(bereiche, (std::set<int>{6127, 6128}));
    ASSERT_EQ(Meldungen.Anzeigen().size(), 1u);
    const auto &liste = Meldungen.Anzeigen()[0].Liste;
    ASSERT_FALSE(liste.empty());
    EXPECT_EQ(liste[0], (TRecoErrorEintrag{SprText(11384), SprText(11027), SprText(11331), ""}));
}

TEST_F(Driver, TheShownListNamesEachDetectorThatNoAreaTakes) {
    // Two areas: detector 12 names SB 3, detector 20 no area at all; the wired input keeps its
    // place whatever its code.
    Panel.SetVariante(0x11220000);
    for (int n = 1; n <= 162; ++n)
        if (n != 161)
            Panel.SetMelder(n, {.EingangsTyp = 1, .Bereich = 1});
    Panel.SetMelder(12, {.EingangsTyp = 1, .Bereich = 3});
    Panel.SetMelderText(12, "Lager");
    Panel.SetMelder(20, {.MelderTyp = 1, .Bereich = 0});
    Panel.SetMelderText(20, "Keller");
    Panel.SetMelder(162, {.EingangsTyp = 1, .Bereich = 0});
    Schreibe();
    TRecoAz reco(Image.string());
    TMemoryStream out;
    ASSERT_TRUE(reco.RecoDeviceImage(&out, false, ""));
    ASSERT_EQ(Meldungen.Anzeigen().size(), 1u);
    EXPECT_EQ(Meldungen.Anzeigen()[0].Caption, SprText(24248));
    const TRecoErrorEintrag sb3{"Melder 12", SprText(11057), "keiner", "Lager"};
    const TRecoErrorEintrag keiner{"Melder 20", SprText(11057), "keiner", "Keller"};
    EXPECT_EQ(Meldungen.Anzeigen()[0].Liste, (std::vector<TRecoErrorEintrag>{sb3, keiner}));
    // The records stay as they are made: in no area, with their number and text.
    TVumaDatenbank &db = *reco.GetDatenbank();
    std::map<int, std::pair<int, AnsiString>> ohne;
    for (int h = 1; h <= db.Count(); ++h)
        if (db.Find(h)->Typ == 6124 && db.Find(h)->Parent == 0)
            ohne[db.Find(h)->Param9] = {db.Find(h)->Param4, db.Find(h)->String4};
    EXPECT_EQ(ohne,
              (std::map<int, std::pair<int, AnsiString>>{{12, {3, "Lager"}}, {20, {0, "Keller"}}}));
}

TEST_F(Driver, WithTheSaveFlagOffNoFileIsWritten) {
    Schreibe();
    TRecoAz reco(Image.string());
    TMemoryStream out;
    ASSERT_TRUE(reco.RecoDeviceImage(&out, false, Azr.string()));
    EXPECT_GT(out.Size(), 0);
    EXPECT_FALSE(fs::exists(Azr));
    EXPECT_FALSE(fs::exists(Azr.parent_path()));
}

TEST_F(Driver, TheSavedFileHoldsExactlyTheStreamAndItsMissingFolderIsMade) {
    Schreibe();
    ASSERT_FALSE(fs::exists(Azr.parent_path()));
    TRecoAz reco(Image.string());
    TMemoryStream out;
    ASSERT_TRUE(reco.RecoDeviceImage(&out, true, Azr.string()));
    EXPECT_TRUE(Details.Boxes().empty());
    ASSERT_TRUE(fs::exists(Azr));
    EXPECT_EQ(DateiText(Azr), StreamBytes(out));
    // It is a record file the store reads back.
    TMemoryStream datei;
    datei.LoadFromFile(Azr.string());
    EXPECT_EQ(datei.Size(), out.Size());
}

TEST_F(Driver, AnExistingReconstructionFileIsReplaced) {
    Schreibe();
    fs::create_directories(Azr.parent_path());
    std::ofstream(Azr, std::ios::binary) << std::string(200000, 'x');
    TRecoAz reco(Image.string());
    TMemoryStream out;
    ASSERT_TRUE(reco.RecoDeviceImage(&out, true, Azr.string()));
    EXPECT_EQ(DateiText(Azr), StreamBytes(out));
}

TEST_F(Driver, AFileThatCannotBeWrittenGivesTheSaveBoxAndFalse) {
    Schreibe();
    // The folder's place is taken by a file: the folder cannot be made.
    std::ofstream(Project.Dir() / "Az", std::ios::binary) << "kein Ordner";
    struct Case {
        const char *name;
        AnsiString file;
    };
    const Case cases[] = {
        {"folder blocked", Azr.string()},
        {"no file name", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Details.Clear();
        TRecoAz reco(Image.string());
        TMemoryStream out;
        EXPECT_FALSE(reco.RecoDeviceImage(&out, true, c.file));
        ASSERT_EQ(Details.Boxes().size(), 1u);
        EXPECT_EQ(Details.Boxes()[0].Text, SprText(24213));
        EXPECT_EQ(Details.Boxes()[0].Methode, "TRecoAz::RecoDeviceImage");
        EXPECT_GT(out.Size(), 0) << "the records were written before the file";
    }
}

TEST_F(Driver, AFolderWithoutTheUserSoftwareReaderDoesNothing) {
    Schreibe();
    TRecoAz reco(Image.string());
    uint32_t variante = 7;
    EXPECT_TRUE(reco.RecoAzSystemParam(variante));
    EXPECT_TRUE(reco.RecoAzOrdnerSicherungsBereich(variante));
    EXPECT_TRUE(reco.RecoAzEditierbareTexte());
    EXPECT_TRUE(reco.RecoAzDatumUhrzeit());
    EXPECT_EQ(variante, 7u);
    EXPECT_EQ(reco.GetDatenbank()->Count(), 0);
}

} // namespace
