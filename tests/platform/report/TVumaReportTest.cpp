// The report's entries from the tree and the objects' grids, the header's lines and the page
// breaks, without a printer.
#include "ReportTestHilfen.h"

#include <gtest/gtest.h>

namespace {

using E = TVumaReport::TEintrag;

TVumaReport Report(TReportKnotenListe nodes, TDrawGridSE *grid) {
    return TVumaReport(std::move(nodes), grid, nullptr, {}, nullptr, nullptr, {});
}

TEST(VumaReport, NodesInOrderAndBelowAGridObjectItsRows) {
    TRowObjekt melder(TRows{{"Meldertext", "Flur"}, {"#Alarm", "ein"}, {"Verz\xF6gerung", "10 s"}});
    TRowObjekt liste(TRows{{"nie", "gedruckt"}}, 0);
    TDrawGridSE grid;
    auto report = Report({{0, "System", 1, nullptr},
                          {1, "Ordner", 2, &liste},
                          {2, "Melder 1", 3, &melder},
                          {1, "Ende", -1, nullptr}},
                         &grid);
    const std::vector<E> expected = {
        {E::Knoten, 0, "System", "", 1},    {E::Knoten, 1, "Ordner", "", 2},
        {E::Knoten, 2, "Melder 1", "", 3},  {E::Zeile, 2, "Meldertext", "Flur", -1},
        {E::Gruppe, 2, "Alarm", "ein", -1}, {E::Zeile, 2, "Verz\xF6gerung", "10 s", -1},
        {E::Knoten, 1, "Ende", "", -1},
    };
    EXPECT_EQ(report.BuildEintraege(), expected);
    EXPECT_EQ(liste.Builds, 0) << "an object that lists its children has no rows";
    EXPECT_EQ(melder.Builds, 1);
    EXPECT_FALSE(melder.ListViewGiven);
    EXPECT_EQ(melder.Col, -1) << "no cell to re-activate: nothing is posted";
    EXPECT_EQ(melder.Row, -1);
}

TEST(VumaReport, TheBuildForPrintingHasFlagAAndPutsItBack) {
    TRowObjekt ohne(TRows{{"a", "b"}});
    TRowObjekt mit(TRows{{"c", "d"}});
    mit.SetFlagA();
    TDrawGridSE grid;
    auto report = Report({{0, "x", -1, &ohne}, {0, "y", -1, &mit}}, &grid);
    report.BuildEintraege();
    EXPECT_TRUE(ohne.FlagAInBuild);
    EXPECT_FALSE(ohne.GetFlagA()) << "cleared again after the build";
    EXPECT_TRUE(mit.FlagAInBuild);
    EXPECT_TRUE(mit.GetFlagA()) << "an object that had it keeps it";
}

TEST(VumaReport, AGridTaggedMinusOnePrintsNoRowsAndAnEmptyGridNone) {
    TRowObjekt bereich(TRows{{"nie", "gedruckt"}}, 1, true);
    TRowObjekt leer(TRows{});
    TRowObjekt danach(TRows{{"z", "1"}});
    TDrawGridSE grid;
    auto report = Report(
        {{0, "Bereich", -1, &bereich}, {0, "Leer", -1, &leer}, {0, "Danach", -1, &danach}}, &grid);
    const std::vector<E> expected = {{E::Knoten, 0, "Bereich", "", -1},
                                     {E::Knoten, 0, "Leer", "", -1},
                                     {E::Knoten, 0, "Danach", "", -1},
                                     {E::Zeile, 0, "z", "1", -1}};
    EXPECT_EQ(report.BuildEintraege(), expected)
        << "the Tag of the area's build does not stay on the next object's";
}

TEST(VumaReport, WithoutAWorkGridOnlyTheNodes) {
    TRowObjekt melder(TRows{{"a", "b"}});
    auto report = Report({{0, "Melder", -1, &melder}}, nullptr);
    EXPECT_EQ(report.BuildEintraege().size(), 1u);
    EXPECT_EQ(melder.Builds, 0);
}

TEST(VumaReport, TheHeaderSplitsIntoItsLines) {
    const struct {
        AnsiString header;
        std::vector<AnsiString> lines;
    } cases[] = {
        {"Projekt: P", {"Projekt: P"}},
        {"Projekt: P\nGer\xE4t: G", {"Projekt: P", "Ger\xE4t: G"}},
        {"a\nb\n[c d]", {"a", "b", "[c d]"}},
        {"a\n\nc", {"a", "", "c"}},
        {"", {""}},
    };
    for (const auto &c : cases) {
        auto report = Report({}, nullptr);
        report.SetHeader(c.header);
        EXPECT_EQ(report.Header(), c.lines) << c.header;
    }
}

TEST(VumaReport, TheConstructorKeepsWhatItIsGiven) {
    TRecReportInfo info;
    info.Vorschau = true;
    info.Flag = true;
    info.Text = "Zentrale";
    TRecCharTabInfo charTab;
    charTab.Zahlen[5] = 9;
    int owner = 0;
    TVumaReport report({}, nullptr, &owner, info, nullptr, nullptr, charTab);
    EXPECT_EQ(report.Owner(), &owner);
    EXPECT_TRUE(report.Info().Vorschau);
    EXPECT_EQ(report.Info().Text, "Zentrale");
    EXPECT_EQ(report.CharTabInfo().Zahlen[5], 9);
}

TEST(VumaReport, PageBreaks) {
    using P = TVumaReport::TPlatz;
    const struct {
        std::vector<int> heights;
        int top, bottom;
        std::vector<P> expected;
    } cases[] = {
        {{}, 10, 100, {}},
        {{30, 30, 30}, 10, 100, {{1, 10}, {1, 40}, {1, 70}}},
        {{30, 30, 30, 30}, 10, 100, {{1, 10}, {1, 40}, {1, 70}, {2, 10}}},
        {{30, 31, 30}, 10, 100, {{1, 10}, {1, 40}, {2, 10}}},
        // taller than a page: alone on its page, the next entry on a new one
        {{20, 200, 20}, 10, 100, {{1, 10}, {2, 10}, {3, 10}}},
        {{200, 200}, 10, 100, {{1, 10}, {2, 10}}},
    };
    for (const auto &c : cases) {
        const auto got = TVumaReport::Umbruch(c.heights, c.top, c.bottom);
        EXPECT_EQ(got, c.expected) << testing::PrintToString(c.heights);
        for (size_t i = 0; i < got.size(); ++i) {
            if (got[i].Y != c.top) {
                EXPECT_LE(got[i].Y + c.heights[i], c.bottom) << "no entry below the page's end";
            }
        }
    }
}

} // namespace
