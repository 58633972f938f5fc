// The bus tool's data events in process: the device id parameter, import and copy with the
// meter, and their failures.
#include "TTestFormMain.h"
#include "TestHilfen.h"
#include "deviceinstance/TDeviceInstanzAz.h"
#include "foundation/SprTexte.h"
#include "objectmodel/TAzMelder.h"
#include "platform/bustool/TEtsMeter.h"
#include "platform/dialogs/TModalDialog.h"
#include "shell/ProgrammDialoge.h"
#include "shell/TCtrlTree.h"
#include "shell/TFileDialog.h"
#include "shell/TFormVerw.h"
#include "shell/TTreeView.h"

#include <QFileDialog>
#include <QLabel>
#include <QProgressBar>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace fs = std::filesystem;

namespace {
bool Enthaelt(const std::vector<std::string> &calls, const std::string &call) {
    return std::find(calls.begin(), calls.end(), call) != calls.end();
}

std::string Lies(const fs::path &file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
} // namespace

TEST(FormMainDaten, TheDeviceIdParameterIsWrittenAndReadBack) {
    TTestFormMain f;
    const long panel = f.Project.PanelId();
    ASSERT_TRUE(f.Main->SetParamDeviceIdToEts(panel));
    int oldId = 0;
    EXPECT_TRUE(f.Main->GetParamDeviceIdFromEts(panel, oldId));
    EXPECT_EQ(oldId, panel);
    EXPECT_TRUE(f.Boxen.Boxes().empty());
}

TEST(FormMainDaten, ADeviceWithoutTheParameterGivesTheNotFoundBox) {
    TTestFormMain f;
    int oldId = 7;
    EXPECT_FALSE(f.Main->GetParamDeviceIdFromEts(9999, oldId));
    EXPECT_EQ(oldId, 7);
    ASSERT_EQ(f.Boxen.Boxes().size(), 1u);
    EXPECT_EQ(f.Boxen.Boxes()[0].text, SprText(9100) + "\n\nDeviceId");
    EXPECT_EQ(f.Boxen.Boxes()[0].caption, "GetDeviceParameter");
}

TEST(FormMainDaten, ARefusedWriteOfTheParameterIsReported) {
    TTestFormMain f;
    f.Project.Database().InjectFailure("CoSetDeviceParameterValueLong", 1);
    EXPECT_FALSE(f.Main->SetParamDeviceIdToEts(f.Project.PanelId()));
    ASSERT_EQ(f.Boxen.Boxes().size(), 1u);
    EXPECT_EQ(f.Boxen.Boxes()[0].text, SprText(9102) + "\n\nDeviceId");
}

TEST(FormMainDaten, ACopyWhoseSourceBlockCannotBeReadFailsWith9094) {
    TTestFormMain f;
    TEtsMeterRecorder meter;
    f.Project.Database().InjectFailure("BlobRead", 1);
    EXPECT_FALSE(f.Main->CopyDevice(f.Project.PanelId(), f.Project.PanelId(), 0));
    ASSERT_EQ(f.Boxen.Boxes().size(), 1u);
    EXPECT_EQ(f.Boxen.Boxes()[0].text, SprText(9094));
    EXPECT_EQ(f.Boxen.Boxes()[0].caption, SprText(9194));
    EXPECT_TRUE(Enthaelt(meter.Calls(), "open 13"));
    EXPECT_EQ(meter.Calls().back(), "close");
}

TEST(FormMainDaten, AnAbortedCopyFails) {
    TTestFormMain f;
    TEtsMeterRecorder meter;
    meter.Abort();
    EXPECT_FALSE(f.Main->CopyDevice(f.Project.PanelId(), f.Project.PanelId(), 0));
    ASSERT_EQ(f.Boxen.Boxes().size(), 1u);
    EXPECT_EQ(f.Boxen.Boxes()[0].text, SprText(9094));
    EXPECT_EQ(meter.Calls().back(), "close");
}

TEST(FormMainDaten, AnAbortedImportFailsAndKeepsItsFile) {
    TTestFormMain f;
    const long panel = f.Project.PanelId();
    ASSERT_TRUE(f.Main->SetParamDeviceIdToEts(panel));
    const fs::path datei = f.Project.Dir() / (std::to_string(panel) + ".azp");
    std::ofstream(datei) << "#kein Block\r\n";
    TEtsMeterRecorder meter;
    meter.Abort();
    EXPECT_FALSE(f.Main->ImportDevice(panel));
    ASSERT_FALSE(f.Boxen.Boxes().empty());
    EXPECT_EQ(f.Boxen.Boxes().back().text.rfind(SprText(9095), 0), 0u);
    EXPECT_EQ(f.Boxen.Boxes().back().caption, SprText(9196));
    EXPECT_TRUE(fs::exists(datei));
    EXPECT_TRUE(Enthaelt(meter.Calls(), "open 2"));
}

TEST(FormMainDaten, AnImportWithoutItsFileAndACancelledDialogGivesTwoBoxes) {
    TTestFormMain f;
    const long panel = f.Project.PanelId();
    ASSERT_TRUE(f.Main->SetParamDeviceIdToEts(panel));
    TEtsMeterRecorder meter;
    AnsiString titel;
    TModalDriverScope driver([&](TModalDialog &d) {
        if (auto *fenster = dynamic_cast<TFileDialogFenster *>(&d))
            titel = fenster->Settings().Title;
        return 2;
    });
    EXPECT_FALSE(f.Main->ImportDevice(panel));
    EXPECT_EQ(driver.Count(), 1);
    EXPECT_EQ(titel, SprText(9196));
    ASSERT_EQ(f.Boxen.Boxes().size(), 2u);
    EXPECT_EQ(f.Boxen.Boxes()[0].text, SprText(9106) + "\nDeviceId = " + std::to_string(panel));
    EXPECT_EQ(f.Boxen.Boxes()[1].text.rfind(SprText(9095), 0), 0u);
}

TEST(FormMainDaten, AnImportWhoseDeviceRecordCannotBeReadFails) {
    TTestFormMain f;
    f.Project.Database().InjectFailure("DalGetDeviceData", 1);
    EXPECT_FALSE(f.Main->ImportDevice(f.Project.PanelId()));
    ASSERT_EQ(f.Boxen.Boxes().size(), 1u);
    EXPECT_EQ(f.Boxen.Boxes()[0].text, SprText(9095));
    EXPECT_EQ(f.Boxen.Boxes()[0].caption, SprText(9196));
}

TEST(FormMainDaten, AnExportWhoseDeviceDoesNotLoadAnswersZeroWithItsBox) {
    TTestFormMain f;
    const long panel = f.Project.PanelId();
    // The block cannot be read, nor after the new device was written: the device does not load.
    f.Project.Database().InjectFailure("BlobRead", 2);
    bool done = false;
    int result = -1;
    f.Main->OnCdiExportDevice(&done, &result, f.Main->Cdi(), 0, panel, nullptr);
    EXPECT_TRUE(done);
    EXPECT_EQ(result, 0);
    ASSERT_FALSE(f.Boxen.Boxes().empty());
    EXPECT_EQ(f.Boxen.Boxes().back().text, "TFormMain::OnCdiExportDevice, SetDevice");
    EXPECT_EQ(f.Boxen.Boxes().back().caption, "Fehler");
    EXPECT_FALSE(
        fs::exists(f.Project.Dir() / "AZ" / "AutoSave" / (std::to_string(panel) + ".azp")));
}

TEST(FormMainDaten, CompilerAndDownloadAnswerFalse) {
    TTestFormMain f;
    EXPECT_FALSE(f.Main->Compiler(0, f.Project.PanelId(), 0));
    EXPECT_FALSE(f.Main->Download(0, f.Project.PanelId(), 0, 0, 0, 0, 0, 0));
}

namespace {
// A driver that names the file in every file dialog (empty: cancels it).
TModalDriver WaehleDatei(const std::string &file) {
    return [file](TModalDialog &d) {
        auto *fenster = dynamic_cast<TFileDialogFenster *>(&d);
        if (!fenster || file.empty())
            return 2;
        fenster->Waehle(file);
        return 1;
    };
}
} // namespace

TEST(FormMainVorlage, ACancelledExportShowsNoBox) {
    TTestFormMain f;
    ASSERT_TRUE(f.Oeffne());
    const size_t vorher = f.Boxen.Boxes().size();
    TModalDriverScope driver(WaehleDatei(""));
    f.Main->Export();
    EXPECT_EQ(driver.Count(), 1);
    EXPECT_EQ(f.Boxen.Boxes().size(), vorher);
}

TEST(FormMainVorlage, ExportIntoAMissingFolderMakesItAndImportTakesTheFileBack) {
    TTestFormMain f;
    ASSERT_TRUE(f.Oeffne());
    const fs::path datei = f.Project.Dir() / "neu" / "vorlage.azx";
    {
        TModalDriverScope driver(WaehleDatei(datei.string()));
        f.Main->Export();
    }
    ASSERT_TRUE(fs::exists(datei));
    ASSERT_FALSE(f.Boxen.Boxes().empty());
    EXPECT_EQ(f.Boxen.Boxes().back().text, SprText(9130));
    EXPECT_TRUE(f.Main->DatenImport(datei.string()));
}

TEST(FormMainVorlage, NoToTheImportQuestionOpensNoDialog) {
    TTestFormMain f;
    ASSERT_TRUE(f.Oeffne());
    const size_t vorher = f.Boxen.Boxes().size();
    f.Boxen.Answer(IDNO);
    TModalDriverScope driver(WaehleDatei(""));
    f.Main->Import();
    EXPECT_EQ(driver.Count(), 0);
    EXPECT_EQ(f.Boxen.Boxes().size(), vorher + 1);
    EXPECT_EQ(f.Boxen.Boxes().back().text, SprText(9150));
}

TEST(FormMainVorlage, ABadFileGivesTheFailureBox) {
    TTestFormMain f;
    ASSERT_TRUE(f.Oeffne());
    const fs::path datei = f.Project.Dir() / "kaputt.azx";
    std::ofstream(datei) << "keine Vorlage\r\n";
    f.Boxen.Answer(IDYES);
    TModalDriverScope driver(WaehleDatei(datei.string()));
    f.Main->Import();
    ASSERT_FALSE(f.Boxen.Boxes().empty());
    EXPECT_EQ(f.Boxen.Boxes().back().text, SprText(9149));
}

namespace {
// The open device's template written through the export command.
void Exportiere(TTestFormMain &f, const fs::path &datei) {
    TModalDriverScope driver(WaehleDatei(datei.string()));
    f.Main->Export();
    EXPECT_EQ(driver.Count(), 1);
}
} // namespace

TEST(FormMainVorlage, ATemplateImportedIntoTheChangedDeviceRestoresIt) {
    TTestFormMain f;
    ASSERT_TRUE(f.Oeffne());
    auto *device = dynamic_cast<TDeviceInstanzAz *>(f.Main->AktDevInst());
    ASSERT_NE(device, nullptr);
    TFormVerw *w = f.Main->GetActiveFormVerw();
    ASSERT_NE(w, nullptr);
    const fs::path datei = f.Project.Dir() / "vorlage.azx";
    Exportiere(f, datei);
    const std::string vorlage = Lies(datei);
    ASSERT_FALSE(vorlage.empty());
    const int melder = device->GetAnzahlMelder();
    const int knoten = AnzahlTyp(w->Tree, 6124);
    ASSERT_FALSE(device->GetMelderNrUsed().empty());
    TAzMelder *weg = device->GetPointerInstMelder(device->GetMelderNrUsed().front());
    ASSERT_NE(weg, nullptr);
    ASSERT_TRUE(device->DeleteAzMelder(weg));
    DeliverPostedMessages();
    ASSERT_EQ(device->GetAnzahlMelder(), melder - 1);

    EXPECT_TRUE(f.Main->DatenImport(datei.string()));
    DeliverPostedMessages();
    EXPECT_EQ(device->GetAnzahlMelder(), melder);
    EXPECT_EQ(AnzahlTyp(w->Tree, 6124), knoten);
    EXPECT_FALSE(w->CtrlTree()->IsUpdating());
    // What the device holds now exports as the template did.
    const fs::path wieder = f.Project.Dir() / "wieder.azx";
    Exportiere(f, wieder);
    EXPECT_EQ(Lies(wieder), vorlage);
}

TEST(FormMainVorlage, ABadFileStillWritesTheParametersAndKeepsTheTree) {
    TTestFormMain f;
    ASSERT_TRUE(f.Oeffne());
    TFormVerw *w = f.Main->GetActiveFormVerw();
    ASSERT_NE(w, nullptr);
    const int knoten = AnzahlTyp(w->Tree, 6124);
    ASSERT_GT(knoten, 0);
    // The root's pulse, changed in the bus tool behind the editor's back.
    const long panel = f.Project.PanelId();
    const std::optional<int32_t> impuls = f.Project.Parameter(10110);
    ASSERT_TRUE(impuls.has_value());
    f.Project.Database().SetParameterValue(panel, 10110, *impuls + 1, nullptr);
    const fs::path datei = f.Project.Dir() / "kaputt.azx";
    std::ofstream(datei) << "keine Vorlage\r\n";
    f.Boxen.Clear();
    f.Boxen.Answer(IDYES);
    TModalDriverScope driver(WaehleDatei(datei.string()));
    f.Main->Import();
    ASSERT_FALSE(f.Boxen.Boxes().empty());
    EXPECT_EQ(f.Boxen.Boxes().back().text, SprText(9149));
    EXPECT_EQ(f.Boxen.Boxes().back().caption, SprText(9013));
    // The device's parameters went into the bus tool all the same.
    EXPECT_EQ(f.Project.Parameter(10110), impuls);
    // The refused import left the tree as it was, and no update open.
    EXPECT_EQ(AnzahlTyp(w->Tree, 6124), knoten);
    EXPECT_FALSE(w->CtrlTree()->IsUpdating());
}

namespace {
// Shows the window offscreen (a file dialog at a size a user would give it, any other at its
// own), lets it settle (the file dialog lists its folder in the background) and grabs it into
// the test program's folder; true when written.
bool Foto(QWidget &w, const std::string &name) {
    if (dynamic_cast<TFileDialogFenster *>(&w))
        w.resize(720, 460);
    else
        w.adjustSize();
    w.show();
    QTest::qWait(300);
    const bool ok = w.grab().save(
        QString::fromStdString((fs::current_path() / (name + ".png")).string()), "PNG");
    w.hide();
    return ok;
}
} // namespace

TEST(FormMainVorlage, TheTemplateDialogsAndTheImportMeterAsTheUserSeesThem) {
    TTestFormMain f;
    ASSERT_TRUE(f.Oeffne());
    const std::string vorlagen = SprText(11211);
    {
        TModalDriverScope driver([&](TModalDialog &d) {
            auto *fenster = dynamic_cast<TFileDialogFenster *>(&d);
            EXPECT_NE(fenster, nullptr);
            if (!fenster)
                return 2;
            EXPECT_EQ(fenster->Dialog->acceptMode(), QFileDialog::AcceptSave);
            EXPECT_EQ(fenster->windowTitle(), QtText(SprText(9011)));
            EXPECT_EQ(fenster->Dialog->defaultSuffix(), "azx");
            EXPECT_EQ(fenster->Dialog->nameFilters().size(), 2);
            EXPECT_TRUE(Foto(*fenster, "vorlage_export"));
            return 2;
        });
        f.Main->Export();
        EXPECT_EQ(driver.Count(), 1);
    }
    f.Boxen.Answer(IDYES);
    {
        TModalDriverScope driver([&](TModalDialog &d) {
            auto *fenster = dynamic_cast<TFileDialogFenster *>(&d);
            EXPECT_NE(fenster, nullptr);
            if (!fenster)
                return 2;
            EXPECT_EQ(fenster->Dialog->acceptMode(), QFileDialog::AcceptOpen);
            EXPECT_EQ(fenster->Dialog->fileMode(), QFileDialog::ExistingFile);
            EXPECT_EQ(fenster->windowTitle(), QtText(SprText(9013)));
            EXPECT_TRUE(Foto(*fenster, "vorlage_import"));
            return 2;
        });
        f.Main->Import();
        EXPECT_EQ(driver.Count(), 1);
    }

    // The bus tool's import without its file: the meter is open while the user looks for it.
    const long panel = f.Project.PanelId();
    ASSERT_TRUE(f.Main->SetParamDeviceIdToEts(panel));
    TEtsMeterForm *meter = nullptr;
    int art = 0;
    const TEtsMeterFactory vorher =
        SetEtsMeterFactory([&](HWND, int kind) -> std::unique_ptr<TEtsMeterView> {
            auto form = std::make_unique<TEtsMeterForm>(nullptr);
            meter = form.get();
            art = kind;
            return form;
        });
    {
        TModalDriverScope driver([&](TModalDialog &d) {
            auto *fenster = dynamic_cast<TFileDialogFenster *>(&d);
            EXPECT_NE(fenster, nullptr);
            if (!fenster)
                return 2;
            EXPECT_EQ(fenster->Dialog->acceptMode(), QFileDialog::AcceptOpen);
            EXPECT_EQ(fenster->Dialog->defaultSuffix(), "azp");
            EXPECT_EQ(fenster->windowTitle(), QtText(SprText(9196)));
            EXPECT_TRUE(Foto(*fenster, "geraet_import_datei"));
            EXPECT_NE(meter, nullptr);
            if (meter) {
                EXPECT_EQ(meter->windowTitle(), QtText(SprText(9196)));
                EXPECT_TRUE(Foto(*meter, "geraet_import_meter"));
            }
            return 2;
        });
        EXPECT_FALSE(f.Main->ImportDevice(panel));
        EXPECT_EQ(driver.Count(), 1);
    }
    SetEtsMeterFactory(vorher);
    EXPECT_EQ(art, 2);
}
