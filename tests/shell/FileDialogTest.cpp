// The main window's open and save dialogs through the modal driver: what the driver sees of the
// settings, the chosen file with the default extension, cancel, and a reused dialog set up anew.
#include "platform/dialogs/TModalDialog.h"
#include "shell/QtUebersetzung.h"
#include "shell/TFileDialog.h"

#include <QPushButton>
#include <QDialogButtonBox>
#include <QFileDialog>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct FilterFall {
    const char *filter;
    std::vector<std::string> soll;
};

TEST(FileDialogFilter, PairsBecomeQtNameFilters) {
    const FilterFall faelle[] = {
        {"", {}},
        {"Exportdateien|*.azx", {"Exportdateien (*.azx)"}},
        {"Vorlagen (*.azp)|*.azp|Alle Dateien|*.*",
         {"Vorlagen (*.azp)", "Alle Dateien (*.*)"}},
        // The catalogue's own form, blanks around the bars.
        {"Alarmzentrale (*.azx) |*.azx| Alle Dateien (*.*) | *.*",
         {"Alarmzentrale (*.azx)", "Alle Dateien (*.*)"}},
        // Other words in parentheses are no patterns: Qt takes the last parentheses.
        {"Abbild (Zentrale)|*.x19", {"Abbild (Zentrale) (*.x19)"}},
        {"Bilder|*.x19;*.hex", {"Bilder (*.x19 *.hex)"}},
        // A description without its pattern is no filter.
        {"Text|*.txt|Rest", {"Text (*.txt)"}},
    };
    for (const FilterFall &f : faelle) {
        SCOPED_TRACE(f.filter);
        EXPECT_EQ(TFileDialogFenster::NameFilters(f.filter), f.soll);
    }
}

TEST(FileDialog, TheDriverSeesTheSettingsAndChoosesAFile) {
    TSaveDialog dialog;
    dialog.Title = "Export";
    dialog.Filter = "Exportdateien|*.azx|Alle Dateien|*.*";
    dialog.FilterIndex = 2;
    dialog.DefaultExt = "azx";
    dialog.InitialDir = "/tmp";
    dialog.FileName = "geraet";
    dialog.Options |= ofOverwritePrompt;
    TModalDriverScope driver([](TModalDialog &d) {
        auto *f = dynamic_cast<TFileDialogFenster *>(&d);
        EXPECT_NE(f, nullptr);
        if (!f)
            return 2;
        EXPECT_EQ(f->windowTitle().toStdString(), "Export");
        EXPECT_EQ(f->Dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(f->Dialog->nameFilters().size(), 2);
        EXPECT_EQ(f->Dialog->selectedNameFilter().toStdString(), "Alle Dateien (*.*)");
        EXPECT_EQ(f->Dialog->defaultSuffix().toStdString(), "azx");
        EXPECT_EQ(f->Dialog->directory().absolutePath().toStdString(), "/tmp");
        EXPECT_FALSE(f->Dialog->testOption(QFileDialog::DontConfirmOverwrite));
        f->Waehle("/tmp/ausgabe");
        return 1;
    });
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(driver.Count(), 1);
    // The default extension completes the name.
    EXPECT_EQ(dialog.FileName, "/tmp/ausgabe.azx");
}

TEST(FileDialog, CancelKeepsTheFileName) {
    TOpenDialog dialog;
    dialog.FileName = "/tmp/alt.azx";
    TModalDriverScope driver([](TModalDialog &d) {
        auto *f = dynamic_cast<TFileDialogFenster *>(&d);
        EXPECT_NE(f, nullptr);
        if (f) {
            EXPECT_EQ(f->Dialog->acceptMode(), QFileDialog::AcceptOpen);
            f->Waehle("/tmp/neu.azx");
        }
        return 2;
    });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.FileName, "/tmp/alt.azx");
}

TEST(FileDialog, AnOpenDialogWithAnExtensionKeepsItAndMustExistAsked) {
    TOpenDialog dialog;
    dialog.DefaultExt = "azx";
    dialog.Options |= ofFileMustExist;
    TModalDriverScope driver([](TModalDialog &d) {
        auto &f = dynamic_cast<TFileDialogFenster &>(d);
        EXPECT_EQ(f.Dialog->fileMode(), QFileDialog::ExistingFile);
        f.Waehle("/tmp/vorlage.azp");
        return 1;
    });
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FileName, "/tmp/vorlage.azp");
}

TEST(FileDialog, ClearSetsItUpAnew) {
    TOpenDialog dialog;
    dialog.DefaultExt = "azx";
    dialog.Filter = "A|*.a";
    dialog.FilterIndex = 3;
    dialog.InitialDir = "/tmp";
    dialog.Title = "T";
    dialog.Options = ofAllowMultiSelect;
    dialog.FileName = "x";
    dialog.Clear();
    EXPECT_EQ(dialog.DefaultExt, "");
    EXPECT_EQ(dialog.Filter, "");
    EXPECT_EQ(dialog.FilterIndex, 1);
    EXPECT_EQ(dialog.InitialDir, "");
    EXPECT_EQ(dialog.Title, "");
    EXPECT_EQ(dialog.Options, TOpenOptions(ofHideReadOnly | ofEnableSizing));
    EXPECT_EQ(dialog.FileName, "");
}

TEST(FileDialog, AChoiceWithoutANameIsACancel) {
    TSaveDialog dialog;
    TModalDriverScope driver([](TModalDialog &) { return 1; });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.FileName, "");
}

} // namespace

TEST(FileDialog, QtsOwnTextsAreGermanWhenQtHasTheTranslation) {
    if (!InstallQtUebersetzung())
        GTEST_SKIP() << "Qt's German translation is not installed";
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    auto *knoepfe = dialog.findChild<QDialogButtonBox *>();
    ASSERT_NE(knoepfe, nullptr);
    QPushButton *speichern = knoepfe->button(QDialogButtonBox::Save);
    ASSERT_NE(speichern, nullptr);
    EXPECT_EQ(speichern->text().remove('&'), "Speichern");
    EXPECT_EQ(knoepfe->button(QDialogButtonBox::Cancel)->text().remove('&'), "Abbrechen");
}
