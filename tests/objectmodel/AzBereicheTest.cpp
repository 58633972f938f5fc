// The area classes: fire and hold-up areas, security areas 1 to 4 and arming areas 1 to 4.
#include "AzTestHilfen.h"
#include "FakeMainWindow.h"
#include "objectmodel/TAzScharfschaltBereich.h"
#include "objectmodel/TAzSicherungsBereich.h"
#include "objectmodel/TAzSicherungsBereichFeuerUeberfall.h"
#include "platform/objectbase/MainWindowMessages.h"
#include "platform/win/MessageBox.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string>

namespace {

template <class T> std::function<std::unique_ptr<TDataBasis>(HWND)> Make(const char *name) {
    return [name](HWND w) -> std::unique_ptr<TDataBasis> {
        return std::make_unique<T>(w, 1, 3, name, 8);
    };
}

// Fire and hold-up areas.
struct ListeCase {
    const char *name;
    std::function<std::unique_ptr<TDataBasis>(HWND)> make;
    int typ, icon, help;
};
void PrintTo(const ListeCase &c, std::ostream *os) {
    *os << c.name;
}

class ListeBereichTest : public ::testing::TestWithParam<ListeCase> {};

TEST_P(ListeBereichTest, ListsItsDetectorsAndHasNoRows) {
    const ListeCase &c = GetParam();
    TFakeMainWindow main;
    const auto bereich = c.make(main.Handle());
    EXPECT_EQ(bereich->GetTyp(), c.typ);
    EXPECT_EQ(bereich->GetIcon(), c.icon);
    EXPECT_EQ(bereich->GetQuickHelpIndexOffset(), c.help);
    EXPECT_EQ(bereich->ListStyle(), 0);
    EXPECT_EQ(bereich->GetName(true), "Bereich");
    EXPECT_FALSE(bereich->AllowChild(6124));

    TDrawGridSE grid;
    bereich->BuildInfoWindow(&grid, nullptr, false, 1, 1);
    EXPECT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.Cells(1, 0).Kind, TCell::ckEmpty);
    EXPECT_EQ(grid.Tag, 0);
    EXPECT_TRUE(grid.OnExitCell) << "the handlers are installed";
    bereich->SetFlagA();
    bereich->BuildInfoWindow(&grid, nullptr, false, 1, 1);
    EXPECT_EQ(grid.Tag, -1);
    EXPECT_EQ(grid.RowCount(), 1);
    DeliverPostedMessages();
    EXPECT_TRUE(main.Log().empty()) << "no 1136";
}

INSTANTIATE_TEST_SUITE_P(
    Bereiche, ListeBereichTest,
    ::testing::Values(ListeCase{"Feuer", Make<TAzSicherungsBereichFeuer>("Bereich"), 6123, 32, 100},
                      ListeCase{"Ueberfall", Make<TAzSicherungsBereichUeberfall>("Bereich"), 6125,
                                34, 102}),
    [](const auto &info) { return std::string(info.param.name); });

// Security and arming areas: one editable text, shown with the area's short tag.
struct TextBereichCase {
    const char *name;
    std::function<std::unique_ptr<TDataBasis>(HWND)> make;
    int typ, icon, help;
    const char *treeName;
    const char *caption;
    int maxLength;
};
void PrintTo(const TextBereichCase &c, std::ostream *os) {
    *os << c.name;
}

class TextBereichTest : public ::testing::TestWithParam<TextBereichCase> {
protected:
    TFakeMainWindow main;
    TDrawGridSE grid;
};

TEST_P(TextBereichTest, EntryAndTreeName) {
    const TextBereichCase &c = GetParam();
    const auto bereich = c.make(main.Handle());
    EXPECT_EQ(bereich->GetTyp(), c.typ);
    EXPECT_EQ(bereich->GetIcon(), c.icon);
    EXPECT_EQ(bereich->GetQuickHelpIndexOffset(), c.help);
    EXPECT_EQ(bereich->ListStyle(), 1);
    EXPECT_EQ(bereich->GetName(true), c.treeName);
    EXPECT_FALSE(bereich->AllowChild(6124));
    EXPECT_FALSE(bereich->AllowDrop(bereich.get()));
}

TEST_P(TextBereichTest, OneEditRowAndOne1136) {
    const TextBereichCase &c = GetParam();
    const auto bereich = c.make(main.Handle());
    bereich->BuildInfoWindow(&grid, nullptr, false, 1, 0);
    ASSERT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.Cells(0, 0).Text, c.caption);
    const TCell &cell = grid.Cells(1, 0);
    EXPECT_EQ(cell.RowId, 1);
    EXPECT_EQ(cell.Kind, TCell::ckEdit);
    EXPECT_EQ(cell.MaxLength, c.maxLength);
    EXPECT_EQ(cell.HelpIndex, c.help + 1);
    EXPECT_EQ(grid.Tag, 0);
    DeliverPostedMessages();
    EXPECT_EQ(main.Trace(), Trace{"1136"});

    main.ClearLog();
    bereich->SetFlagA();
    bereich->BuildInfoWindow(&grid, nullptr, false, -1, -1);
    EXPECT_EQ(grid.Tag, -1);
    EXPECT_EQ(grid.RowCount(), 1);
    DeliverPostedMessages();
    EXPECT_TRUE(main.Log().empty());
}

TEST_P(TextBereichTest, LeavingAChangedTextWritesItAndRefreshesTreeAndOthers) {
    const TextBereichCase &c = GetParam();
    const auto bereich = c.make(main.Handle());
    bereich->BuildInfoWindow(&grid, nullptr, false, -1, -1);
    grid.ActivateCell(1, 0);
    grid.LeaveCell();
    DeliverPostedMessages();
    EXPECT_TRUE(main.Log().empty()) << "unchanged";

    grid.ActivateCell(1, 0);
    grid.EditText("Lager");
    grid.LeaveCell();
    DeliverPostedMessages();
    EXPECT_EQ(main.Trace(), (Trace{"1127", "1130", "1163", "1138"}));
    const TDatenStruktur *rec = main.FindDatenSatz(1, 8);
    ASSERT_NE(rec, nullptr);
    EXPECT_EQ(rec->String4, "Lager");
    EXPECT_EQ(rec->Typ, c.typ);
    const std::string tree = c.treeName;
    EXPECT_EQ(bereich->GetName(true), "Lager" + tree.substr(tree.find(" (")));

    // Another editor changes nothing.
    main.ClearLog();
    TCell cell;
    cell.RowId = 1;
    grid.EditField()->Text = "Anders";
    grid.OnExitCell(&grid, grid.SpinEdit(), cell, 1, 0);
    grid.OnExitCell(&grid, nullptr, cell, 1, 0);
    DeliverPostedMessages();
    EXPECT_TRUE(main.Log().empty());
}

TEST_P(TextBereichTest, ALoadedTextIsKeptWholeAndMayBeEmpty) {
    const TextBereichCase &c = GetParam();
    const auto bereich = c.make(main.Handle());
    TDatenStruktur rec;
    bereich->Write(rec);
    rec.String4 = "Ein Text von zwanzig";
    bereich->InitFromDB(rec);
    TDatenStruktur out;
    bereich->Write(out);
    EXPECT_EQ(out.String4, "Ein Text von zwanzig");
    rec.String4 = "";
    bereich->InitFromDB(rec);
    const std::string tree = c.treeName;
    EXPECT_EQ(bereich->GetName(true), tree.substr(tree.find(" (")));
}

TEST_P(TextBereichTest, DefaultNameGoesToTheRecordNameNotTheCaption) {
    const TextBereichCase &c = GetParam();
    const auto bereich = c.make(main.Handle());
    main.Script(WM_AZ_DEVICE_REQUEST_2, [](RDeviceRequest &r) {
        *r.Text = "Vorgabe";
        return LRESULT(1);
    });
    main.Script(WM_AZ_DEVICE_REQUEST_2, LRESULT(0));
    EXPECT_TRUE(bereich->DatenAbgleich(true, true));
    EXPECT_EQ(bereich->GetName(true), c.treeName);
    TDatenStruktur rec;
    bereich->Write(rec);
    EXPECT_EQ(rec.Name, "Vorgabe");
    EXPECT_FALSE(bereich->DatenAbgleich(true, true));
    ASSERT_EQ(main.Requests(WM_AZ_DEVICE_REQUEST_2).size(), 2u);
    EXPECT_EQ(main.Requests(WM_AZ_DEVICE_REQUEST_2)[0].Code, AzRequest::DefaultName);
}

INSTANTIATE_TEST_SUITE_P(
    Bereiche, TextBereichTest,
    ::testing::Values(
        TextBereichCase{"SB1", Make<TAzSicherungsBereich1>("R"), 6127, 36, 116,
                        "Sicherungs-Bereich 1 (SB 1)", "Bezeichnung Sicherungs-Bereich", 0},
        TextBereichCase{"SB2", Make<TAzSicherungsBereich2>("R"), 6128, 37, 116,
                        "Sicherungs-Bereich 2 (SB 2)", "Bezeichnung Sicherungs-Bereich", 0},
        TextBereichCase{"SB3", Make<TAzSicherungsBereich3>("R"), 6129, 38, 116,
                        "Sicherungs-Bereich 3 (SB 3)", "Bezeichnung Sicherungs-Bereich", 0},
        TextBereichCase{"SB4", Make<TAzSicherungsBereich4>("R"), 6130, 39, 116,
                        "Sicherungs-Bereich 4 (SB 4)", "Bezeichnung Sicherungs-Bereich", 0},
        TextBereichCase{"SSB1", Make<TAzScharfschaltBereich1>("R"), 6132, 41, 124, "SSB 1 (SSB 1)",
                        "Text Scharfschalt-Bereich", 14},
        TextBereichCase{"SSB2", Make<TAzScharfschaltBereich2>("R"), 6133, 42, 126, "SSB 2 (SSB 2)",
                        "Text Scharfschalt-Bereich", 14},
        TextBereichCase{"SSB3", Make<TAzScharfschaltBereich3>("R"), 6134, 43, 128, "SSB 3 (SSB 3)",
                        "Text Scharfschalt-Bereich", 14},
        TextBereichCase{"SSB4", Make<TAzScharfschaltBereich4>("R"), 6135, 44, 130, "SSB 4 (SSB 4)",
                        "Text Scharfschalt-Bereich", 14}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ScharfschaltBereich, BareTextAndNumber) {
    TFakeMainWindow main;
    TAzScharfschaltBereich3 bereich(main.Handle(), 1, 3, "Scharfschalt-Bereich 3", 8);
    EXPECT_EQ(bereich.GetTextScharfschaltBereich(), "SSB 3");
    EXPECT_EQ(bereich.GetNummer(), 3);
    TMessageBoxRecorder boxes;
    EXPECT_FALSE(bereich.WriteDataToDb());
    EXPECT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(main.Trace(), Trace{"1170"});
}

} // namespace
