// The quick-help pane with fixture description files: the entered cell's section (the last to
// the end, a missing number empty, "#id5" beside "#id50"), one load per help number, read-only
// text, the host floating and closed, ShowQuickHelp stored and read, two windows' panes apart,
// the main window's show, hide and raise, the separator; and pictures of the pane.
#include "TestHilfen.h"
#include "foundation/RegIniNamen.h"
#include "foundation/TRegIni.h"
#include "platform/grid/TCell.h"
#include "shell/TDrawGridSEView.h"
#include "shell/TFDockMeld.h"
#include "shell/TListView.h"
#include "shell/WinColor.h"

#include <QMainWindow>
#include <QPixmap>
#include <QTextEdit>

#include <filesystem>
#include <fstream>

namespace {

// Sections 50, 5, 6 (the last, to the end of the file) and none for 7.
constexpr char kRtf[] = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Parameterhilfe\\par "
                        "#id50\\par Abschnitt f\\'fcnfzig\\par "
                        "#id5\\par Abschnitt f\\'fcnf\\par zweite Zeile\\par "
                        "#id6\\par Abschnitt sechs bis zum Ende\\par }";

class QuickHelp : public ::testing::Test {
protected:
    void SetUp() override {
        Schreibe(kRtf);
        W = H.NeuesFenster();
    }
    void Schreibe(const char *inhalt) {
        std::ofstream(H.DM->ProgramFolder + "az_deu.rtf", std::ios::binary) << inhalt;
    }
    // A grid whose rows carry the help numbers; entering row r raises the enter-cell closure.
    static void Zeilen(TFormVerw *w, std::initializer_list<int> nummern) {
        w->Grid.InitGrid(2);
        w->Grid.SetRowCount(static_cast<int>(nummern.size()));
        int r = 0;
        for (int n : nummern) {
            w->Grid.Cells(0, r).HelpIndex = n;
            w->Grid.Cells(1, r).HelpIndex = n;
            w->Grid.Cells(1, r).Kind = TCell::ckEdit;
            ++r;
        }
    }
    static std::string Text(TFormVerw *w) {
        return w->QuickHelpRichEdit()->toPlainText().toStdString();
    }
    AnsiString ShowQuickHelp() {
        AnsiString v;
        TRegIni().ReadString(H.DM->IniFile, RegSecOptions, RegKeyShowQuickHelp, v, "<fehlt>");
        return v;
    }
    TTestHaupt H;
    TFormVerw *W = nullptr;
};

TEST_F(QuickHelp, TheEnteredCellsSection) {
    W->CreateMeldeFenster();
    ASSERT_NE(W->QuickHelpRichEdit(), nullptr);
    Zeilen(W, {5, 6, 7, 50});
    const struct {
        int row;
        const char *soll;
    } faelle[] = {
        {0, "Abschnitt fünf\nzweite Zeile\n"},
        {1, "Abschnitt sechs bis zum Ende\n"},
        {2, ""},
        {3, "Abschnitt fünfzig\n"},
        {0, "Abschnitt fünf\nzweite Zeile\n"},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.row);
        W->Grid.SetActiveCell(1, f.row);
        EXPECT_EQ(Text(W), f.soll);
        EXPECT_EQ(W->LastHelpNumber(), W->Grid.Cells(1, f.row).HelpIndex);
        EXPECT_TRUE(W->QuickHelpRichEdit()->isReadOnly());
    }
}

TEST_F(QuickHelp, TheSameHelpNumberTwiceLoadsOnce) {
    W->CreateMeldeFenster();
    Zeilen(W, {5, 5, 6});
    W->Grid.SetActiveCell(1, 0);
    ASSERT_EQ(Text(W), "Abschnitt fünf\nzweite Zeile\n");
    Schreibe("{\\rtf1 #id5\\par neu\\par #id6\\par sechs\\par }");
    W->Grid.SetActiveCell(1, 1);
    EXPECT_EQ(Text(W), "Abschnitt fünf\nzweite Zeile\n");
    W->Grid.SetActiveCell(1, 2);
    W->Grid.SetActiveCell(1, 0);
    EXPECT_EQ(Text(W), "neu\n");
}

TEST_F(QuickHelp, TheTextCannotBeTypedInto) {
    W->CreateMeldeFenster();
    Zeige(W);
    Zeilen(W, {6});
    W->Grid.SetActiveCell(1, 0);
    W->QuickHelpRichEdit()->setFocus();
    QTest::keyClicks(W->QuickHelpRichEdit(), "xyz");
    EXPECT_EQ(Text(W), "Abschnitt sechs bis zum Ende\n");
    EXPECT_TRUE(W->QuickHelpRichEdit()->isReadOnly());
}

TEST_F(QuickHelp, WithoutPaneOrFileEnteringACellDoesNothing) {
    Zeilen(W, {5});
    W->Grid.SetActiveCell(1, 0);
    EXPECT_EQ(W->LastHelpNumber(), 0);
    W->ShowOnlineHilfe(5); // no pane: nothing to fill
    W->CreateMeldeFenster();
    std::filesystem::remove(H.DM->ProgramFolder + "az_deu.rtf");
    W->Grid.SetActiveCell(1, 0);
    EXPECT_EQ(W->LastHelpNumber(), 0);
    EXPECT_EQ(Text(W), "");
}

TEST_F(QuickHelp, ThePaneDocksAtTheBottomOfTheRightPane) {
    W->CreateMeldeFenster();
    TFDockMeld *host = W->QuickHelpPanel();
    ASSERT_NE(host, nullptr);
    EXPECT_EQ(W->InfoFenster->dockWidgetArea(host), Qt::BottomDockWidgetArea);
    EXPECT_EQ(host->allowedAreas(), Qt::BottomDockWidgetArea);
    EXPECT_FALSE(host->isFloating());
    EXPECT_EQ(host->widget(), W->QuickHelpRichEdit());
    EXPECT_EQ(host->windowTitle().toStdString(), "Parameter Hilfe");
    EXPECT_EQ(W->QuickHelpRichEdit()->palette().color(QPalette::Base),
              WinColorToQColor(0x80000018));
    EXPECT_NE(W->QuickHelpSplitter(), nullptr);
    // A second call keeps the pane it has.
    QTextEdit *edit = W->QuickHelpRichEdit();
    W->CreateMeldeFenster();
    EXPECT_EQ(W->QuickHelpRichEdit(), edit);
}

TEST_F(QuickHelp, ClosingTheFloatingPaneThenTheWindowStoresZero) {
    W->CreateMeldeFenster();
    Zeige(W);
    QCoreApplication::processEvents();
    TFDockMeld *host = W->QuickHelpPanel();
    const QRect angedockt = host->DockedRect();
    EXPECT_EQ(angedockt, QRect(host->mapToGlobal(QPoint(0, 0)), host->size()));
    EXPECT_FALSE(angedockt.isEmpty());
    Zeilen(W, {5});
    W->Grid.SetActiveCell(1, 0);
    host->setFloating(true);
    EXPECT_TRUE(host->isVisible());
    // The design size (the title bar may ask for a pixel more).
    EXPECT_EQ(host->width(), TFDockMeld::kBreite);
    EXPECT_GE(host->height(), TFDockMeld::kHoehe);
    // The window offers the place the pane came from for docking again.
    const std::array<int, 4> soll = {angedockt.left(), angedockt.top(),
                                     angedockt.left() + angedockt.width(),
                                     angedockt.top() + angedockt.height()};
    EXPECT_EQ(W->DockRect(), soll);
    std::array<int, 4> rect{};
    EXPECT_TRUE(W->FormDockOver(rect));
    EXPECT_EQ(rect, soll);
    host->close();
    EXPECT_EQ(W->QuickHelpRichEdit(), nullptr);
    EXPECT_EQ(W->QuickHelpSplitter(), nullptr);
    EXPECT_EQ(W->LastHelpNumber(), 0);
    EXPECT_FALSE(host->isVisible());
    H.Schliesse(W);
    EXPECT_EQ(ShowQuickHelp(), "0");
}

TEST_F(QuickHelp, AWindowClosedWithItsPaneStoresOneAndTheNextOpensWithIt) {
    W->CreateMeldeFenster();
    H.Schliesse(W);
    EXPECT_EQ(ShowQuickHelp(), "1");
    TFormVerw *neu = H.NeuesFenster();
    ASSERT_NE(neu->QuickHelpRichEdit(), nullptr);
    EXPECT_EQ(neu->InfoFenster->dockWidgetArea(neu->QuickHelpPanel()), Qt::BottomDockWidgetArea);
}

TEST_F(QuickHelp, TheDockedPanesCloseButtonSwitchesItOffAndItCanComeBack) {
    W->CreateMeldeFenster();
    Zeige(W);
    TFDockMeld *host = W->QuickHelpPanel();
    host->close();
    EXPECT_EQ(W->QuickHelpRichEdit(), nullptr);
    // Made again: the same host, docked again, with a new text.
    W->CreateMeldeFenster();
    EXPECT_EQ(W->QuickHelpPanel(), host);
    ASSERT_NE(W->QuickHelpRichEdit(), nullptr);
    EXPECT_TRUE(host->isVisible());
    EXPECT_FALSE(host->isFloating());
    EXPECT_EQ(host->widget(), W->QuickHelpRichEdit());
}

TEST_F(QuickHelp, ClosingOneWindowsFloatingPaneLeavesTheOthers) {
    TFormVerw *a = W;
    TFormVerw *b = H.NeuesFenster();
    a->CreateMeldeFenster();
    b->CreateMeldeFenster();
    Zeige(a);
    Zeige(b);
    // B is the active window; A's pane floats too.
    a->QuickHelpPanel()->setFloating(true);
    b->QuickHelpPanel()->setFloating(true);
    b->QuickHelpPanel()->close();
    EXPECT_EQ(b->QuickHelpRichEdit(), nullptr);
    ASSERT_NE(a->QuickHelpRichEdit(), nullptr);
    EXPECT_TRUE(a->QuickHelpPanel()->isVisible());
    // Docking A's again keeps it.
    a->QuickHelpPanel()->setFloating(false);
    EXPECT_TRUE(a->QuickHelpPanel()->isVisible());
    EXPECT_NE(a->QuickHelpRichEdit(), nullptr);
}

TEST_F(QuickHelp, TheMainWindowShowsHidesAndRaisesThePane) {
    // Without a pane nothing happens.
    W->ZeigeMeldeFenster();
    W->VerbergeMeldeFenster();
    W->HebeMeldeFenster();
    EXPECT_EQ(W->QuickHelpPanel(), nullptr);
    W->CreateMeldeFenster();
    Zeige(W);
    W->QuickHelpPanel()->setFloating(true);
    W->VerbergeMeldeFenster();
    EXPECT_FALSE(W->QuickHelpPanel()->isVisible());
    W->ZeigeMeldeFenster();
    EXPECT_TRUE(W->QuickHelpPanel()->isVisible());
    W->VerbergeMeldeFenster();
    W->HebeMeldeFenster();
    EXPECT_TRUE(W->QuickHelpPanel()->isVisible());
    // A pane switched off stays off.
    W->QuickHelpPanel()->close();
    W->ZeigeMeldeFenster();
    EXPECT_FALSE(W->QuickHelpPanel()->isVisible());
}

TEST_F(QuickHelp, MovingTheSeparatorDropsTheGridsEditor) {
    W->CreateMeldeFenster();
    Zeige(W);
    Zeilen(W, {5});
    W->GridView->show();
    W->Grid.ActivateCell(1, 0);
    int col = -1, row = -1;
    ASSERT_NE(W->Grid.GetActiveCell(col, row), 0);
    // A drag on the dock site itself: the separator between the grid and the pane.
    const QPoint p(W->InfoFenster->width() / 2, W->QuickHelpPanel()->geometry().top() - 2);
    QTest::mousePress(W->InfoFenster, Qt::LeftButton, Qt::NoModifier, p);
    QTest::mouseRelease(W->InfoFenster, Qt::LeftButton, Qt::NoModifier, p + QPoint(0, -10));
    EXPECT_EQ(W->Grid.GetActiveCell(col, row), 0);
}

TEST_F(QuickHelp, PicturesOfThePaneDockedAndFloating) {
    W->CreateMeldeFenster();
    Zeige(W);
    Zeilen(W, {5});
    W->ListView->hide();
    W->GridView->show();
    W->Grid.Cells(0, 0).Text = "Eingang";
    W->Grid.Cells(0, 0).Kind = TCell::ckCaption;
    W->Grid.Cells(1, 0).Text = "Melder 1";
    W->Grid.Repaint();
    W->Grid.SetActiveCell(1, 0);
    QCoreApplication::processEvents();
    const std::filesystem::path dir = std::filesystem::current_path();
    EXPECT_TRUE(
        W->grab().save(QString::fromStdString((dir / "quickhelp_angedockt.png").string()), "PNG"));
    W->QuickHelpPanel()->setFloating(true);
    QCoreApplication::processEvents();
    EXPECT_TRUE(W->QuickHelpPanel()->grab().save(
        QString::fromStdString((dir / "quickhelp_schwebend.png").string()), "PNG"));
}

} // namespace

namespace {

using QuickHelpPanel = VollesFenster;

// On the full panel: a detector's grid row entered shows the section of the row's help number.
TEST_F(QuickHelpPanel, TheEnteredRowOfADetectorShowsItsSection) {
    W->CreateMeldeFenster();
    Zeige(W);
    TTreeNode *melder = KnotenTyp(W->Tree, 6124);
    ASSERT_NE(melder, nullptr);
    W->Tree->scrollToItem(melder);
    W->Tree->setCurrentItem(melder);
    H.Zustellen();
    int row = -1;
    for (int r = 1; r < W->Grid.RowCount() && row < 0; ++r)
        if (W->Grid.Cells(1, r).HelpIndex > 0)
            row = r;
    ASSERT_GE(row, 0) << "no row with a help number";
    const int nummer = W->Grid.Cells(1, row).HelpIndex;
    const std::string rtf = "{\\rtf1 #id" + std::to_string(nummer) + "\\par Hilfe zu Zeile " +
                            std::to_string(row) + "\\par #id" + std::to_string(nummer + 1) +
                            "\\par anderes\\par }";
    std::ofstream(H.DM->ProgramFolder + "az_deu.rtf", std::ios::binary) << rtf;
    W->Grid.SetActiveCell(1, row);
    EXPECT_EQ(W->QuickHelpRichEdit()->toPlainText().toStdString(),
              "Hilfe zu Zeile " + std::to_string(row) + "\n");
    QCoreApplication::processEvents();
    EXPECT_TRUE(W->grab().save(
        QString::fromStdString((std::filesystem::current_path() / "quickhelp_melder.png").string()),
        "PNG"));
}

TEST_F(QuickHelpPanel, AChildListClearsThePaneSoTheSameCellLoadsAgain) {
    W->CreateMeldeFenster();
    Zeige(W);
    TTreeNode *melder = KnotenTyp(W->Tree, 6124);
    W->Tree->setCurrentItem(melder);
    H.Zustellen();
    const int nummer = W->Grid.Cells(1, 1).HelpIndex;
    ASSERT_GT(nummer, 0);
    std::ofstream(H.DM->ProgramFolder + "az_deu.rtf", std::ios::binary)
        << "{\\rtf1 #id" << nummer << "\\par erst\\par }";
    W->Grid.SetActiveCell(1, 1);
    ASSERT_EQ(W->QuickHelpRichEdit()->toPlainText().toStdString(), "erst\n");
    // A folder shows its child list: the pane is emptied and forgets the number.
    W->Tree->setCurrentItem(KnotenTyp(W->Tree, 6122));
    H.Zustellen();
    EXPECT_EQ(W->QuickHelpRichEdit()->toPlainText().toStdString(), "");
    EXPECT_EQ(W->LastHelpNumber(), 0);
    std::ofstream(H.DM->ProgramFolder + "az_deu.rtf", std::ios::binary)
        << "{\\rtf1 #id" << nummer << "\\par wieder\\par }";
    W->Tree->setCurrentItem(melder);
    H.Zustellen();
    W->Grid.SetActiveCell(1, 1);
    EXPECT_EQ(W->QuickHelpRichEdit()->toPlainText().toStdString(), "wieder\n");
}

} // namespace
