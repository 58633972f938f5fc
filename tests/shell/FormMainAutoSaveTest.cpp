// Autosave and recovery: where the copy goes, the list of devices open for editing, the
// restore, and the ticks that wait while a guard runs.
#include "TTestFormMain.h"
#include "TestHilfen.h"
#include "deviceinstance/TDeviceInstanz.h"
#include "foundation/RegIniNamen.h"
#include "foundation/SprTexte.h"
#include "foundation/TRegIni.h"
#include "platform/objectbase/TDataBasis.h"
#include "shell/DateiErsetzen.h"
#include "shell/TCtrlTree.h"
#include "shell/TDM.h"
#include "shell/TFormVerw.h"
#include "shell/TTreeView.h"

#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {
std::string Lies(const fs::path &p) {
    std::ifstream in(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

class FormMainOffen : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(F.Oeffne());
        F.Boxen.Clear();
    }
    TTestFormMain F;
};
} // namespace

TEST(FormMainAutoSave, WithoutADeviceNothingIsWritten) {
    TTestFormMain f;
    EXPECT_TRUE(f.Main->SaveToFile("0"));
    EXPECT_TRUE(f.Main->SaveToFile((f.Project.Dir() / "x.azs").string()));
    EXPECT_FALSE(fs::exists(f.Project.Dir() / "AZ"));
    EXPECT_FALSE(fs::exists(f.Project.Dir() / "x.azs"));
}

TEST_F(FormMainOffen, ZeroAndEmptyWriteTheAutoSaveFileInAFolderMadeForIt) {
    for (const char *target : {"0", ""}) {
        fs::remove_all(F.Project.Dir() / "AZ");
        EXPECT_TRUE(F.Main->SaveToFile(target)) << target;
        EXPECT_TRUE(fs::exists(F.AutoSaveDatei())) << target;
    }
    // The copy is the data block's text; no temporary is left beside it.
    F.Main->AktDevInst()->WriteBlob();
    EXPECT_EQ(Lies(F.AutoSaveDatei()), F.Block());
    EXPECT_EQ(std::distance(fs::directory_iterator(F.AutoSaveDatei().parent_path()),
                            fs::directory_iterator()),
              1);
}

TEST_F(FormMainOffen, AnyOtherTargetIsAFileName) {
    const fs::path alt = fs::current_path();
    fs::current_path(F.Project.Dir());
    const bool ok = F.Main->SaveToFile("00");
    fs::current_path(alt);
    EXPECT_TRUE(ok);
    EXPECT_TRUE(fs::exists(F.Project.Dir() / "00"));
    EXPECT_FALSE(fs::exists(F.AutoSaveDatei()));
    const fs::path ziel = F.Project.Dir() / "neu" / "tief" / "export.azp";
    EXPECT_TRUE(F.Main->SaveToFile(ziel.string()));
    EXPECT_EQ(Lies(ziel), Lies(F.Project.Dir() / "00"));
}

TEST_F(FormMainOffen, AFolderThatCannotBeMadeIsReported) {
    std::ofstream(F.Project.Dir() / "datei") << "x";
    const std::string ziel = (F.Project.Dir() / "datei" / "kopie.azs").string();
    EXPECT_FALSE(F.Main->SaveToFile(ziel));
    ASSERT_EQ(F.Boxen.Boxes().size(), 1u);
    EXPECT_EQ(F.Boxen.Boxes()[0].text, "Cannot create save file:\n" + ziel);
    EXPECT_EQ(F.Boxen.Boxes()[0].caption, "Error Autosave");
    EXPECT_EQ(F.Boxen.Boxes()[0].style, unsigned(MB_OK));
}

TEST(DateiErsetzen, TheNewBytesReplaceTheFileAndAFailureKeepsTheOld) {
    TTempProject p(false);
    const fs::path dir = p.Dir() / "kopien";
    fs::create_directory(dir);
    const fs::path ziel = dir / "datei.azs";
    std::ofstream(ziel) << "alt";
    TMemoryStream neu;
    neu.WriteBuffer("neuer Inhalt", 12);
    ErsetzeDatei(ziel.string(), neu);
    EXPECT_EQ(Lies(ziel), "neuer Inhalt");
    // A target that is a folder cannot be replaced: the stream's exception, nothing left over.
    const fs::path ordner = dir / "ordner.azs";
    fs::create_directory(ordner);
    EXPECT_THROW(ErsetzeDatei(ordner.string(), neu), EFCreateError);
    EXPECT_TRUE(fs::is_directory(ordner));
    EXPECT_THROW(ErsetzeDatei((dir / "fehlt" / "x").string(), neu), EFCreateError);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);
}

// The list of devices open for editing.
TEST(FormMainRecovery, TheListCases) {
    struct TFall {
        const char *vorher; // null: no key
        bool opening;
        int id;
        const char *nachher;
        int fragen;
    };
    const TFall faelle[] = {
        {"1,2,3", true, 2, "1,2,3", 1},
        {"1,2,3", true, 4, "1,2,3,4", 0},
        {"1,2,3,4", false, 2, "1,3,4", 0},
        {nullptr, true, 5, "5", 0},
        {nullptr, false, 5, "", 0},
        {"5,1,5", false, 5, "1", 0},
        {"1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16", true, 17,
         "2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17", 0},
        // The id being opened stays listed although it is the oldest: the next one goes.
        {"1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16", true, 1, "1,3,4,5,6,7,8,9,10,11,12,13,14,15,16",
         1},
        {"1,2,3,4,5,6,7,8,9,10,11,12,13,14,15", true, 16, "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16",
         0},
    };
    for (const TFall &fall : faelle) {
        SCOPED_TRACE(std::string(fall.vorher ? fall.vorher : "-") + " " + std::to_string(fall.id));
        TTestFormMain f;
        if (fall.vorher) {
            ASSERT_TRUE(
                TRegIni().WriteString(f.DM->IniFile, RegSecOptions, RegKeyNotClosed, fall.vorher));
        }
        f.Main->RecoveryCheck(fall.opening, fall.id);
        EXPECT_EQ(f.Ini(RegSecOptions, RegKeyNotClosed), fall.nachher);
        ASSERT_EQ(static_cast<int>(f.Boxen.Boxes().size()), fall.fragen);
        for (const auto &b : f.Boxen.Boxes()) {
            EXPECT_EQ(b.text, SprText(9034));
            EXPECT_EQ(b.caption, SprText(9035));
            EXPECT_EQ(b.style, unsigned(MB_YESNO | MB_ICONINFORMATION));
        }
    }
}

TEST(FormMainRecovery, OpeningASecondTimeOffersTheCopyAndYesLeadsToTheRestore) {
    TTestFormMain f;
    ASSERT_TRUE(f.Oeffne());
    ASSERT_TRUE(f.Main->SaveToFile("0"));
    // The editing did not end in order; the next opening finds the id still listed.
    f.Boxen.Clear();
    f.Boxen.Answer(IDYES); // restore?
    f.Boxen.Answer(IDNO);  // the restore's own question
    f.Main->RecoveryCheck(true, f.Project.PanelId());
    ASSERT_EQ(f.Boxen.Boxes().size(), 2u);
    EXPECT_EQ(f.Boxen.Boxes()[0].text, SprText(9034));
    EXPECT_EQ(f.Boxen.Boxes()[1].caption, SprText(9035));
    EXPECT_EQ(f.Boxen.Boxes()[1].text.rfind(SprText(9152) + ":\n", 0), 0u);
    EXPECT_EQ(f.Ini(RegSecOptions, RegKeyNotClosed), std::to_string(f.Project.PanelId()));
}

TEST(FormMainRestore, WithoutADeviceItSaysSoAndTheTimerRunsAgain) {
    TTestFormMain f;
    f.DM->AutoSave = true;
    f.Main->RestoreSaveCopy();
    ASSERT_EQ(f.Boxen.Boxes().size(), 1u);
    EXPECT_EQ(f.Boxen.Boxes()[0].text, "Device not found!!!");
    EXPECT_EQ(f.Boxen.Boxes()[0].caption, SprText(9085));
    EXPECT_EQ(f.Boxen.Boxes()[0].style, unsigned(MB_ICONWARNING));
    EXPECT_TRUE(f.DM->TimerAutoSave.isActive());
}

TEST_F(FormMainOffen, RestoreWithoutACopySaysSo) {
    F.DM->AutoSave = true;
    F.Main->RestoreSaveCopy();
    ASSERT_EQ(F.Boxen.Boxes().size(), 1u);
    EXPECT_EQ(F.Boxen.Boxes()[0].text, SprText(9131) + ":\n" + F.AutoSaveDatei().string());
    EXPECT_TRUE(F.DM->TimerAutoSave.isActive());
}

TEST_F(FormMainOffen, RestoreAnsweredNoChangesNothing) {
    ASSERT_TRUE(F.Main->SaveToFile("0"));
    TDataBasis *root = F.Main->AktDevInst()->GetDevice();
    ASSERT_NE(root, nullptr);
    F.DM->AutoSave = true;
    F.Boxen.Answer(IDNO);
    F.Main->RestoreSaveCopy();
    ASSERT_EQ(F.Boxen.Boxes().size(), 1u);
    EXPECT_EQ(F.Main->AktDevInst()->GetDevice(), root);
    EXPECT_TRUE(F.DM->TimerAutoSave.isActive());
}

TEST_F(FormMainOffen, RestoreTakesTheCopyBackAndRebuildsTheTrees) {
    TDeviceInstanz *device = F.Main->AktDevInst();
    TDatenStruktur *record = device->GetDatenSatz(device->GetDevice());
    const AnsiString vorher = record->String4;
    ASSERT_TRUE(F.Main->SaveToFile("0"));
    record->String4 = "geaendert";
    F.Boxen.Answer(IDYES);
    F.Main->RestoreSaveCopy();
    const auto texte = F.BoxTexte();
    EXPECT_NE(std::find(texte.begin(), texte.end(), SprText(9148)), texte.end());
    EXPECT_EQ(std::find(texte.begin(), texte.end(), SprText(9149)), texte.end());
    TDeviceInstanz *jetzt = F.Main->AktDevInst();
    EXPECT_EQ(jetzt->GetDatenSatz(jetzt->GetDevice())->String4, vorher);
    TFormVerw *w = F.Main->GetActiveFormVerw();
    ASSERT_NE(w, nullptr);
    EXPECT_GT(w->Tree->topLevelItemCount(), 0);
    EXPECT_FALSE(w->CtrlTree()->IsUpdating());
}

// The import's check of the group addresses is cancelled: the device refuses the copy.
class TGaAbgelehnt : public TTestDialoge {
public:
    int GaCheck(TDatenManager<TDatenStruktur> *, std::vector<RecNewGroupAddr> &,
                std::map<int, TRecGroupAddrInfo> &, bool, const TObjektMap &,
                const TObjektMap &) override {
        return 2;
    }
};

// A copy the device refuses (one that does not read, one whose group-address check is
// cancelled) says so and leaves the active window showing the device as it is.
TEST_F(FormMainOffen, ARefusedRestoreKeepsTheDeviceInTheWindow) {
    struct Fall {
        const char *name;
        bool unlesbar;
    };
    const Fall faelle[] = {{"a copy that does not read", true}, {"the check cancelled", false}};
    for (const Fall &fall : faelle) {
        SCOPED_TRACE(fall.name);
        TFormVerw *w = F.Main->GetActiveFormVerw();
        ASSERT_NE(w, nullptr);
        const int melder = AnzahlTyp(w->Tree, 6124);
        ASSERT_GT(melder, 0);
        ASSERT_TRUE(F.Main->SaveToFile("0"));
        if (fall.unlesbar)
            std::ofstream(F.AutoSaveDatei(), std::ios::binary | std::ios::trunc) << "kaputt";
        else
            F.Main->SetDeviceDialoge(std::make_unique<TGaAbgelehnt>());
        F.Boxen.Clear();
        F.Boxen.Answer(IDYES);
        F.Main->RestoreSaveCopy();
        F.Main->SetDeviceDialoge(std::make_unique<TTestDialoge>());
        const auto texte = F.BoxTexte();
        EXPECT_NE(std::find(texte.begin(), texte.end(), SprText(9149)), texte.end());
        EXPECT_EQ(std::find(texte.begin(), texte.end(), SprText(9148)), texte.end());
        EXPECT_EQ(AnzahlTyp(w->Tree, 6124), melder);
        EXPECT_NE(KnotenTyp(w->Tree, F.Main->AktDevInst()->GetDevice()->GetTyp()), nullptr);
        EXPECT_FALSE(w->CtrlTree()->IsUpdating());
    }
}

// Ticks that arrive while a guard runs (a modal loop) wait until the outermost guard ends.
TEST_F(FormMainOffen, TheAutoSaveTickWaitsAtDepth) {
    F.DM->AutoSave = true;
    bool drinnen = true;
    F.Main->Bewacht("Test", [&] {
        // A loaded machine may be slow to tick: wait until the tick has come at least once.
        int ticks = 0;
        auto c = QObject::connect(&F.DM->TimerAutoSave, &QTimer::timeout, [&] { ++ticks; });
        F.DM->TimerAutoSave.start(1);
        ASSERT_TRUE(QTest::qWaitFor([&] { return ticks > 0; }, 10000));
        QObject::disconnect(c);
        drinnen = fs::exists(F.AutoSaveDatei());
        F.DM->TimerAutoSave.stop();
    });
    EXPECT_FALSE(drinnen);
    EXPECT_TRUE(fs::exists(F.AutoSaveDatei()));
}

TEST_F(FormMainOffen, TheCloseTickWaitsAtDepthAndLeavesAnOpenEditorAlone) {
    F.Main->HideMainWindow();
    bool drinnen = true;
    F.Main->Bewacht("Test", [&] {
        // A loaded machine may be slow to tick: wait until the tick has come at least once.
        int ticks = 0;
        auto c = QObject::connect(&F.Main->TimerTimeoutClose, &QTimer::timeout, [&] { ++ticks; });
        F.Main->TimerTimeoutClose.start(1);
        ASSERT_TRUE(QTest::qWaitFor([&] { return ticks > 0; }, 10000));
        QObject::disconnect(c);
        drinnen = F.Main->Beendet();
        F.Main->TimerTimeoutClose.stop();
    });
    EXPECT_FALSE(drinnen);
    EXPECT_TRUE(F.Main->Beendet());
}

TEST_F(FormMainOffen, TheCloseTimeOutClosesOnlyAHiddenEditor) {
    ASSERT_TRUE(F.Main->isVisible());
    F.Main->TimerTimeoutCloseTimer();
    EXPECT_FALSE(F.Main->Beendet());
    F.Main->HideMainWindow();
    F.Main->TimerTimeoutCloseTimer();
    EXPECT_TRUE(F.Main->Beendet());
}

// Minutes from the settings file that the options would not offer: 0 or less is no autosave
// (never a timer of no interval), more than the options' most is their most. The editor is
// opened as the bus tool opens it, which starts the timer; a short spin of the event loop
// shows whether it ticks at once.
TEST(FormMainAutoSave, StoredMinutesOutsideTheOptionsRangeNeverTickAtOnce) {
    const struct {
        const char *stored;
        bool laeuft;
        int minuten;
    } faelle[] = {{"0", false, 0},  {"-5", false, 0},    {"1", true, 1}, {"60", true, 60},
                  {"61", true, 60}, {"50000", true, 60}, {"7", true, 7}};
    for (const auto &fall : faelle) {
        SCOPED_TRACE(fall.stored);
        TTestFormMain f({{RegSecOptions, RegKeyAutoSave, "1"},
                         {RegSecOptions, RegKeyAutoSaveMinuten, fall.stored}});
        ASSERT_TRUE(f.Oeffne());
        int ticks = 0;
        auto c = QObject::connect(&f.DM->TimerAutoSave, &QTimer::timeout, [&] { ++ticks; });
        QTest::qWait(50);
        QObject::disconnect(c);
        EXPECT_EQ(ticks, 0);
        EXPECT_FALSE(fs::exists(f.AutoSaveDatei()));
        EXPECT_EQ(f.DM->TimerAutoSave.isActive(), fall.laeuft);
        if (fall.laeuft) {
            EXPECT_EQ(f.DM->TimerAutoSave.interval(), fall.minuten * 60000);
        }
    }
}
