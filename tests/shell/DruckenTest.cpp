// Printing the active project window: the header from the device's texts, the tree's nodes as
// the report takes them, the full panel into a PDF file page by page, the preview, and the one
// report object replaced by the next print.
#include "TestHilfen.h"

#include "ReportTestHilfen.h"
#include "platform/vcl/Cp1252.h"
#include "platform/win/CursorHourGlass.h"
#include "DruckTestHilfen.h"
#include "shell/TDrucken.h"

#include <QPrinter>

#include <chrono>
#include <cstdio>

namespace {

using TInfo = TDeviceInstanz::TDeviceEtsInfo;

TEST(DruckKopf, LinesFromTheDevicesTexts) {
    const struct {
        TInfo info;
        std::string kopf; // UTF-8
    } cases[] = {
        {{"Alarmzentrale", "", "Haus", "01.01.001"},
         "Projekt: Haus\nGerät: Alarmzentrale, Phys.Adr.: 01.01.001"},
        {{"Alarmzentrale", "Zentrale", "Haus", "01.01.001"},
         "Projekt: Haus\nGerät: Alarmzentrale, Phys.Adr.: 01.01.001\n[Zentrale]"},
        {{"AZ", "Erdgeschoss\r\nNord", "P", "1"},
         "Projekt: P\nGerät: AZ, Phys.Adr.: 1\n[Erdgeschoss Nord]"},
        {{"AZ", "a\r\nb\r\nc", "", ""}, "Projekt: \nGerät: AZ, Phys.Adr.: \n[a b c]"},
        {{"AZ", Utf8ToAnsi("Tür\r\n\r\nSüd"), "P", "1"},
         "Projekt: P\nGerät: AZ, Phys.Adr.: 1\n[Tür  Süd]"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(AnsiToUtf8(TDrucken::Kopf(c.info)), c.kopf) << c.kopf;
}

TEST(DruckKopf, TheReportInformationOfBothCommands) {
    for (const bool vorschau : {true, false}) {
        const TRecReportInfo info = TDrucken::ReportInfo(vorschau);
        EXPECT_EQ(info.Vorschau, vorschau);
        EXPECT_TRUE(info.Flag);
        EXPECT_EQ(info.Flags, (std::array<bool, 4>{}));
        EXPECT_TRUE(info.Text.empty());
        EXPECT_TRUE(info.Text2.empty());
    }
}

class Drucken : public VollesFenster {};

TEST_F(Drucken, TheNodesAsTheTreeHasThem) {
    const TReportKnotenListe nodes = TDrucken::Knoten(*W->Tree);
    std::vector<const QTreeWidgetItem *> items;
    for (QTreeWidgetItemIterator it(W->Tree); *it; ++it)
        items.push_back(*it);
    ASSERT_EQ(nodes.size(), items.size()) << "every node, depth first";
    ASSERT_GT(nodes.size(), 160u);
    for (size_t i = 0; i < nodes.size(); ++i) {
        const TTreeNode *node = AsNode(const_cast<QTreeWidgetItem *>(items[i]));
        ASSERT_NE(node, nullptr);
        int level = 0;
        for (const QTreeWidgetItem *p = items[i]->parent(); p; p = p->parent())
            ++level;
        EXPECT_EQ(nodes[i].Level, level) << i;
        EXPECT_EQ(nodes[i].Data, node->Data()) << i;
        EXPECT_EQ(nodes[i].ImageIndex, node->ImageIndex) << i;
        EXPECT_EQ(AnsiToUtf8(nodes[i].Text), items[i]->text(0).toStdString()) << i;
    }
}

TEST_F(Drucken, TheFullPanelPageByPage) {
    const auto pdf = TestOrdner("vollespanel") / "panel.pdf";
    TPdfDrucker drucker(pdf);
    TDrucken drucken;
    TInfo ets;
    H.Device->GetDeviceEtsInfo(ets);
    ASSERT_FALSE(ets.ProjectName.empty());
    std::vector<TCursor> cursors;
    const TCursorHandler previous = SetCursorHandler([&](TCursor c) { cursors.push_back(c); });
    const auto start = std::chrono::steady_clock::now();
    const bool ok = drucken.MakeDrucken(TDrucken::ReportInfo(false), H.Device.get(), W,
                                        H.GetHandle(), H.DM->ImageList1);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now() - start)
                        .count();
    SetCursorHandler(previous);
    ASSERT_TRUE(ok);
    std::printf("full panel printed to PDF in %lld ms, %d pages\n", static_cast<long long>(ms),
                drucken.Report()->Seiten());
    EXPECT_EQ(drucker.Owner, H.GetHandle()) << "the main window's handle";
    EXPECT_EQ(cursors, (std::vector<TCursor>{crHourGlass, crDefault}));
    ASSERT_NE(drucken.Report(), nullptr) << "the report object stays";
    EXPECT_EQ(drucken.Report()->Info().Text, ets.ProductText);
    EXPECT_FALSE(drucken.Report()->Info().Vorschau);

    const int pages = PdfSeiten(pdf);
    EXPECT_EQ(pages, drucken.Report()->Seiten());
    ASSERT_GE(pages, 5) << "four areas with 160 detectors and their rows";
    const std::string alles = PruefeSeiten(pdf, pages, ets);
    // Every node of the tree, detectors included.
    int melder = 0;
    for (QTreeWidgetItemIterator it(W->Tree); *it; ++it) {
        EXPECT_NE(alles.find((*it)->text(0).toStdString()), std::string::npos)
            << (*it)->text(0).toStdString();
        const TTreeNode *n = AsNode(*it);
        melder += n && n->Data() && n->Data()->GetTyp() == 6124;
    }
    EXPECT_GE(melder, 160);
    // A detector's grid rows, as its own build shows them.
    TTreeNode *erster = KnotenTyp(W->Tree, 6124);
    ASSERT_NE(erster, nullptr);
    TDrawGridSE grid;
    erster->Data()->SetFlagA();
    erster->Data()->BuildInfoWindow(&grid, nullptr, false, -1, -1);
    erster->Data()->ClearFlagA();
    ASSERT_GT(grid.RowCount(), 1);
    for (int r = 0; r < grid.RowCount(); ++r) {
        if (!grid.Cells(0, r).Text.empty()) {
            EXPECT_NE(alles.find(AnsiToUtf8(grid.Cells(0, r).Text)), std::string::npos)
                << AnsiToUtf8(grid.Cells(0, r).Text);
        }
    }
    // The first pages as images, to look at.
    const std::string cmd = "pdftoppm -r 50 -png -f 1 -l 2 '" + pdf.string() + "' '" +
                            (pdf.parent_path() / "seite").string() + "'";
    EXPECT_EQ(std::system(cmd.c_str()), 0);
}

TEST_F(Drucken, ThePreviewOfTheFullPanel) {
    const auto folder = TestOrdner("vorschau");
    TDrucken drucken;
    TVorschauFoto foto(folder / "vorschau.png");
    TPdfDrucker drucker(folder / "nie.pdf");
    EXPECT_TRUE(drucken.MakeDrucken(TDrucken::ReportInfo(true), H.Device.get(), W, H.GetHandle(),
                                    H.DM->ImageList1));
    EXPECT_EQ(foto.Gezeigt, 1);
    EXPECT_TRUE(foto.Gespeichert);
    EXPECT_EQ(drucker.Aufrufe, 0);
    ASSERT_NE(drucken.Report(), nullptr);
    EXPECT_TRUE(drucken.Report()->Info().Vorschau);
}

TEST_F(Drucken, PrintingTwiceDeletesTheFirstReportBeforeTheSecond) {
    TPdfDrucker drucker(TestOrdner("zweimal") / "a.pdf");
    std::vector<std::string> log;
    {
        TZaehlDrucken drucken(log);
        ASSERT_TRUE(drucken.MakeDrucken(TDrucken::ReportInfo(false), H.Device.get(), W,
                                        H.GetHandle(), H.DM->ImageList1));
        EXPECT_EQ(log, (std::vector<std::string>{"+1"})) << "the report stays after printing";
        ASSERT_TRUE(drucken.MakeDrucken(TDrucken::ReportInfo(false), H.Device.get(), W,
                                        H.GetHandle(), H.DM->ImageList1));
        EXPECT_EQ(log, (std::vector<std::string>{"+1", "-1", "+2"}));
    }
    EXPECT_EQ(log, (std::vector<std::string>{"+1", "-1", "+2", "-2"}))
        << "the owner's end deletes the last one";
}

TEST_F(Drucken, NothingWithoutADeviceOrAWindow) {
    TPdfDrucker drucker(TestOrdner("nichts") / "a.pdf");
    TDrucken drucken;
    EXPECT_FALSE(drucken.MakeDrucken(TDrucken::ReportInfo(false), nullptr, W, H.GetHandle(),
                                     H.DM->ImageList1));
    EXPECT_FALSE(drucken.MakeDrucken(TDrucken::ReportInfo(false), H.Device.get(), nullptr,
                                     H.GetHandle(), H.DM->ImageList1));
    EXPECT_EQ(drucken.Report(), nullptr);
    EXPECT_EQ(drucker.Aufrufe, 0);
}

} // namespace
