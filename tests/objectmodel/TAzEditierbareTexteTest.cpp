// The editable texts: the 50 texts with their ids, the foldable grid, editing, the chain of
// sub-records and its faults.
#include "objectmodel/TAzEditierbareTexte.h"
#include "AzTestHilfen.h"
#include "FakeMainWindow.h"
#include "platform/objectbase/MainWindowMessages.h"
#include "platform/vcl/Cp1252.h"
#include "platform/win/MessageBox.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace {

// The texts by key as the panel's parameter list gives them: first parameter id and default.
struct TextSoll {
    int key;
    int paramId;
    const char *text; // UTF-8
};

const TextSoll TexteSoll[] = {
    {0, 12631, "Initialisiere"},
    {1, 12651, "Buswiederkehr"},
    {2, 12681, "Ende"},
    {3, 12806, "untergeordnete"},
    {4, 12621, "Sabotage"},
    {5, 12626, "Schalteinr."},
    {6, 12641, "Feuer"},
    {7, 12646, "Überfall"},
    {8, 12666, "Feuermelder"},
    {9, 12671, "Überfallmelder"},
    {10, 12731, "Bereit zum"},
    {11, 12736, "Scharfschalten"},
    {12, 12761, "nicht bereit"},
    {13, 12766, "nicht scharf"},
    {14, 12836, "unsch.schalten"},
    {15, 12841, "Unscharf"},
    {16, 12846, "schalten"},
    {17, 12851, "Scharf"},
    {18, 12856, "Unscharf"},
    {19, 12636, "Alarmz. fehlt"},
    {20, 12656, ""},
    {21, 12661, ""},
    {22, 12676, ""},
    {23, 12686, "offen"},
    {24, 12691, "unverschlossen"},
    {25, 12696, "Bewegung"},
    {26, 12701, "Glasbruch"},
    {27, 12706, "Sabotage"},
    {28, 12711, "Sabotage (SE)"},
    {29, 12716, "Störung"},
    {30, 12721, "Alarm"},
    {31, 12726, "Meldertest"},
    {32, 12741, "Störung"},
    {33, 12746, "OK"},
    {34, 12751, "Alarmzentrale"},
    {35, 12756, "Störung"},
    {36, 12771, "Ausfall ÜG"},
    {37, 12776, "Alarmz. Sabo."},
    {38, 12781, "verdr. Melder"},
    {39, 12786, "Alarmzentrale"},
    {40, 12791, "Sabo Gehäuse"},
    {41, 12796, "Alarmgeber"},
    {42, 12801, "Überstrom"},
    {43, 12811, "Netzausfall"},
    {44, 12816, "< 60 Minuten"},
    {45, 12821, "Akku"},
    {46, 12826, "Störung"},
    {47, 12831, "Melder fehlt"},
    {48, 12861, "Programmier-"},
    {49, 12866, "versuch"},
};

struct TexteTest : ::testing::Test {
    TFakeMainWindow main;
    TMessageBoxRecorder boxes;
    TAzEditierbareTexte texte{main.Handle(), 1, 1, "Editierbare Texte", 6};
    TDrawGridSE grid;

    TexteTest() {
        TDatenStruktur own;
        own.Handle = 6;
        own.Parent = 1;
        own.System = 1;
        main.AddDatenSatz(own);
        TDatenStruktur root;
        root.Handle = 1;
        root.System = 1;
        main.AddDatenSatz(root);
        texte.KonvertHandle(&main.HandleTable());
    }

    // The texts that the chain behind the object's record holds, in chain order.
    std::vector<AnsiString> Kette() {
        std::vector<AnsiString> out;
        const TDatenStruktur *rec = main.FindDatenSatz(1, 6);
        for (int next = rec ? rec->Next : 0; next > 0;) {
            const TDatenStruktur *sub = main.FindDatenSatz(1, next);
            if (!sub) {
                ADD_FAILURE() << "chain broken at " << next;
                break;
            }
            EXPECT_EQ(sub->Typ, 2);
            EXPECT_EQ(sub->Parent, 6);
            out.push_back(sub->String1);
            next = sub->Next;
        }
        return out;
    }
    void Show() {
        texte.BuildInfoWindow(&grid, nullptr, false, -1, -1);
        main.ClearLog();
    }
};

TEST_F(TexteTest, FiftyTextsByKeyWithTheirIdsAndDefaults) {
    const auto &map = texte.Texte();
    ASSERT_EQ(map.size(), 50u);
    for (const TextSoll &s : TexteSoll) {
        SCOPED_TRACE(s.key);
        const auto &t = map.at(s.key);
        EXPECT_EQ(t.ParamId, s.paramId);
        EXPECT_EQ(t.Label, Utf8ToAnsi(s.text));
        EXPECT_EQ(t.Text, Utf8ToAnsi(s.text));
    }
    EXPECT_EQ(texte.GetTyp(), 6121);
    EXPECT_EQ(texte.GetIcon(), 30);
    EXPECT_EQ(texte.ListStyle(), 1);
    EXPECT_EQ(texte.GetQuickHelpIndexOffset(), 30);
    EXPECT_TRUE(texte.IsVisible());
    for (int g = 0; g < 4; ++g)
        EXPECT_EQ(texte.GetGruppenStatus(g), TCell::gtsCollapsed);
}

TEST_F(TexteTest, FoldedGridShowsTheFourGroupCaptions) {
    texte.BuildInfoWindow(&grid, nullptr, false, -1, -1);
    ASSERT_EQ(RowIds(grid), (std::vector<int>{6, 7, 8, 9}));
    const char *captions[] = {"Allgemein", "Melder / Sabotage", "Scharfschaltung", "Alarmierung"};
    for (int r = 0; r < 4; ++r) {
        EXPECT_EQ(grid.Cells(0, r).Text, captions[r]);
        EXPECT_EQ(grid.Cells(0, r).Kind, TCell::ckGroupTitle);
        EXPECT_EQ(grid.Cells(1, r).Text, "");
        EXPECT_EQ(grid.Cells(0, r).GroupState, TCell::gtsCollapsed);
    }
    EXPECT_TRUE(grid.OnGroupTitleClick);
}

TEST_F(TexteTest, FlagAUnfoldsEveryGroupAndSkipsTheEmptyTexts) {
    texte.SetFlagA();
    texte.BuildInfoWindow(&grid, nullptr, false, -1, -1);
    std::vector<int> soll{6, 10, 11, 12, 13, 7, 14, 15, 16, 17, 18, 19, 8};
    for (int id = 20; id <= 28; ++id)
        soll.push_back(id);
    soll.push_back(9);
    for (int id = 29; id <= 59; ++id)
        if (id < 30 || id > 32)
            soll.push_back(id);
    ASSERT_EQ(RowIds(grid), soll);
    ASSERT_EQ(grid.RowCount(), 51);
    const int r = RowOf(grid, 10 + 9); // key 9
    EXPECT_EQ(grid.Cells(0, r).Text, Utf8ToAnsi("Überfallmelder"));
    EXPECT_EQ(grid.Cells(1, r).Kind, TCell::ckEdit);
    EXPECT_EQ(grid.Cells(1, r).Text, Utf8ToAnsi("Überfallmelder"));
    EXPECT_EQ(grid.Cells(1, r).MaxLength, 14);
    EXPECT_EQ(grid.Cells(1, r).HelpIndex, 58);
}

TEST_F(TexteTest, ClickingAGroupCaptionFoldsAndUnfoldsIt) {
    Show();
    const int row = RowOf(grid, TAzEditierbareTexte::RowAlarmierung);
    grid.ClickGroupTitle(0, row);
    EXPECT_EQ(texte.GetGruppenStatus(3), TCell::gtsExpanded);
    DeliverPostedMessages();
    ASSERT_EQ(main.Trace(), Trace{"1126"});
    EXPECT_EQ(main.Log()[0].WParam, 0u);
    EXPECT_EQ(main.Log()[0].LParam, row);

    texte.BuildInfoWindow(&grid, nullptr, false, -1, -1);
    EXPECT_EQ(grid.RowCount(), 4 + 28);
    EXPECT_EQ(RowOf(grid, 29), 4);
    EXPECT_EQ(RowOf(grid, 59), grid.RowCount() - 1);
    EXPECT_EQ(RowOf(grid, 30), -1);

    main.ClearLog();
    grid.ClickGroupTitle(0, RowOf(grid, TAzEditierbareTexte::RowAlarmierung));
    EXPECT_EQ(texte.GetGruppenStatus(3), TCell::gtsCollapsed);
    texte.BuildInfoWindow(&grid, nullptr, false, -1, -1);
    EXPECT_EQ(grid.RowCount(), 4);
    DeliverPostedMessages();
    EXPECT_EQ(main.Trace(), Trace{"1126"});
}

TEST_F(TexteTest, AGroupTitleStateWithoutAToggleOrAnotherRowPostsNothing) {
    Show();
    TCell cell;
    cell.RowId = TAzEditierbareTexte::RowErsterText; // an edit row, not a group
    texte.GridGroupTitleClick(&grid, cell, 0, 1);
    cell.RowId = 5;
    texte.GridGroupTitleClick(&grid, cell, 0, 1);
    DeliverPostedMessages();
    EXPECT_TRUE(main.Log().empty());
}

TEST_F(TexteTest, LeavingAnEditedTextWritesTheChainAndRefreshesTheOthers) {
    texte.SetFlagA();
    Show();
    const int row = RowOf(grid, 10); // key 0
    grid.ActivateCell(1, row);
    grid.LeaveCell(); // unchanged: nothing
    DeliverPostedMessages();
    EXPECT_TRUE(main.Log().empty());

    grid.ActivateCell(1, row);
    grid.EditText("Start");
    grid.LeaveCell();
    DeliverPostedMessages();
    // The record, the modified mark, one new record per text, then the refresh.
    Trace soll{"1127", "1130"};
    soll.insert(soll.end(), 50, "1127");
    soll.push_back("1163");
    EXPECT_EQ(main.Trace(), soll);
    EXPECT_EQ(texte.Texte().at(0).Text, "Start");
    const std::vector<AnsiString> kette = Kette();
    ASSERT_EQ(kette.size(), 50u);
    EXPECT_EQ(kette[0], "Start");
    EXPECT_EQ(kette[9], Utf8ToAnsi("Überfallmelder"));
    EXPECT_EQ(kette[20], "");
}

TEST_F(TexteTest, AnotherEditorOrARowWithoutTextChangesNothing) {
    texte.SetFlagA();
    Show();
    TCell cell;
    cell.RowId = 10;
    grid.EditField()->Text = "Neu";
    texte.GridExitCell(&grid, grid.ComboBox(), cell, 1, 1);
    texte.GridExitCell(&grid, nullptr, cell, 1, 1);
    texte.GridExitCell(nullptr, grid.EditField(), cell, 1, 1);
    cell.RowId = 60; // one past the last text
    texte.GridExitCell(&grid, grid.EditField(), cell, 1, 1);
    DeliverPostedMessages();
    EXPECT_TRUE(main.Log().empty());
    EXPECT_EQ(texte.Texte().at(0).Text, "Initialisiere");
}

TEST_F(TexteTest, TheChainIsWrittenInPlaceAndReadBack) {
    ASSERT_TRUE(texte.WriteDatensatz());
    EXPECT_EQ(main.DatenSatzCount(), 2 + 50);
    std::vector<AnsiString> kette = Kette();
    ASSERT_EQ(kette.size(), 50u);
    for (const TextSoll &s : TexteSoll)
        EXPECT_EQ(kette[static_cast<size_t>(s.key)], Utf8ToAnsi(s.text)) << s.key;

    // A second write keeps the chain's records: no deletion, no fresh handle, the new text
    // in the same record.
    const int ersterAlt = main.FindDatenSatz(1, 6)->Next;
    const TDatenStruktur *letzterAlt = main.FindDatenSatz(1, ersterAlt);
    for (int i = 1; i < 50; ++i)
        letzterAlt = main.FindDatenSatz(1, letzterAlt->Next);
    const int letzterHandle = letzterAlt->Handle;
    texte.SetFlagA();
    Show();
    grid.ActivateCell(1, RowOf(grid, 10)); // key 0
    grid.EditText("Start");
    grid.LeaveCell();
    DeliverPostedMessages();
    for (const auto &entry : main.Log())
        EXPECT_NE(entry.Msg, UINT(WM_AZ_DELETE_NEXT_DATENSATZ));
    EXPECT_EQ(main.FindDatenSatz(1, 6)->Next, ersterAlt);
    EXPECT_EQ(main.FindDatenSatz(1, ersterAlt)->String1, "Start");
    EXPECT_EQ(main.DatenSatzCount(), 2 + 50);
    EXPECT_EQ(Kette().size(), 50u);
    EXPECT_EQ(main.HandleTable().GetNewHandle(), letzterHandle + 1); // none used up

    // A text longer than the panel's 14 characters is kept whole in the chain.
    TDatenStruktur rec = *main.FindDatenSatz(1, 6);
    main.FindDatenSatz(1, rec.Next)->String1 = "Zwanzig Zeichen lang";
    TAzEditierbareTexte gelesen(main.Handle(), 1, 1, "", 6);
    gelesen.InitFromDB(rec);
    EXPECT_EQ(gelesen.Texte().at(0).Text, "Zwanzig Zeichen lang");
    EXPECT_EQ(gelesen.Texte().at(49).Text, "versuch");
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(TexteTest, AShortChainLeavesTheRestAtTheirDefaults) {
    TDatenStruktur rec;
    rec.Handle = 6;
    rec.Parent = 1;
    rec.System = 1;
    rec.Typ = 6121;
    rec.Next = 100;
    for (int h = 100; h < 103; ++h) {
        TDatenStruktur sub;
        sub.Handle = h;
        sub.Parent = 6;
        sub.System = 1;
        sub.Typ = 2;
        sub.String1 = "T" + std::to_string(h);
        sub.Next = h < 102 ? h + 1 : 0;
        main.AddDatenSatz(sub);
    }
    texte.InitFromDB(rec);
    EXPECT_EQ(texte.Texte().at(0).Text, "T100");
    EXPECT_EQ(texte.Texte().at(1).Text, "T101");
    EXPECT_EQ(texte.Texte().at(2).Text, "T102");
    EXPECT_EQ(texte.Texte().at(3).Text, "untergeordnete");
    EXPECT_TRUE(boxes.Boxes().empty());
}

// A chained record that cannot be had ends the walk, is reported once and nothing dangles:
// the device answers no record, or makes an empty one for a handle it does not hold.
struct FehlendCase {
    const char *name;
    bool keineAntwort;
};
void PrintTo(const FehlendCase &c, std::ostream *os) {
    *os << c.name;
}

class TexteFehlendTest : public ::testing::TestWithParam<FehlendCase> {};

TEST_P(TexteFehlendTest, StopsAndReportsOnce) {
    TFakeMainWindow main;
    TMessageBoxRecorder boxes;
    TDatenStruktur sub;
    sub.Handle = 100;
    sub.Parent = 6;
    sub.System = 1;
    sub.Typ = 2;
    sub.String1 = "Erster";
    sub.Next = 555; // not in the device
    main.AddDatenSatz(sub);
    TDatenStruktur rec;
    rec.Handle = 6;
    rec.System = 1;
    rec.Parent = 1;
    rec.Next = GetParam().keineAntwort ? 555 : 100;
    main.AnswerNoRecord = GetParam().keineAntwort;

    TAzEditierbareTexte texte(main.Handle(), 1, 1, "", 6);
    texte.InitFromDB(rec);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].caption, "TAzEditierbareTexte::InitFromDB");
    EXPECT_NE(boxes.Boxes()[0].text.find("555"), std::string::npos);
    EXPECT_EQ(texte.Texte().at(0).Text, GetParam().keineAntwort ? "Initialisiere" : "Erster");
    EXPECT_EQ(texte.Texte().at(1).Text, "Buswiederkehr");
}

INSTANTIATE_TEST_SUITE_P(Faelle, TexteFehlendTest,
                         ::testing::Values(FehlendCase{"NoAnswer", true},
                                           FehlendCase{"EmptyRecordMade", false}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(TexteOhneHandles, AChainThatCannotBeMadeIsReportedOnce) {
    TFakeMainWindow main;
    TMessageBoxRecorder boxes;
    TAzEditierbareTexte texte(main.Handle(), 1, 1, "", 6); // no handle table
    TDatenStruktur rec;
    rec.Next = 0;
    texte.Write(rec);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].caption, "TAzEditierbareTexte::Write");
    EXPECT_EQ(rec.Next, 0);
    EXPECT_EQ(rec.Typ, 6121);
}

TEST_F(TexteTest, ALongerChainIsCutBehindTheFiftiethText) {
    ASSERT_TRUE(texte.WriteDatensatz());
    // An older chain of 52 records: two more behind the last text.
    TDatenStruktur *last = main.FindDatenSatz(1, main.FindDatenSatz(1, 6)->Next);
    while (last->Next > 0)
        last = main.FindDatenSatz(1, last->Next);
    for (int h : {900, 901}) {
        TDatenStruktur extra;
        extra.Handle = h;
        extra.Parent = 6;
        extra.System = 1;
        extra.Typ = 2;
        last->Next = h;
        main.AddDatenSatz(extra);
        last = main.FindDatenSatz(1, h);
    }
    main.ClearLog();
    ASSERT_TRUE(texte.WriteDatensatz());
    const auto &log = main.Log();
    const auto it = std::find_if(
        log.begin(), log.end(), [](const auto &e) { return e.Msg == WM_AZ_DELETE_NEXT_DATENSATZ; });
    ASSERT_NE(it, log.end());
    const auto kette = AzMsg::DeleteNextDatenSatz::Decode(it->WParam, it->LParam);
    EXPECT_EQ(kette.System, 1);
    EXPECT_EQ(kette.Handle, 6);
    EXPECT_EQ(kette.Next, 900);
    EXPECT_EQ(Kette().size(), 50u);
}

TEST_F(TexteTest, StoredTextsSurviveAWriteThatCannotExtendTheChain) {
    // A chain of three stored texts; the handle table then has no handle left.
    TDatenStruktur *rec = main.FindDatenSatz(1, 6);
    rec->Next = 100;
    for (int h = 100; h < 103; ++h) {
        TDatenStruktur sub;
        sub.Handle = h;
        sub.Parent = 6;
        sub.System = 1;
        sub.Typ = 2;
        sub.Next = h < 102 ? h + 1 : 0;
        sub.String1 = "T" + std::to_string(h);
        main.AddDatenSatz(sub);
    }
    texte.InitFromDB(*main.FindDatenSatz(1, 6));
    while (main.HandleTable().GetNewHandle() != 0) {
    }
    ASSERT_TRUE(texte.WriteDatensatz());
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].caption, "TAzEditierbareTexte::Write");
    EXPECT_EQ(Kette(), (std::vector<AnsiString>{"T100", "T101", "T102"}));
}

TEST(TexteOhneSchreiber, OneMessageForAllFiftyTexts) {
    TFakeMainWindow main;
    TMessageBoxRecorder boxes;
    TAzEditierbareTexte texte(main.Handle(), 1, 1, "", 6);
    EXPECT_FALSE(texte.WriteDataToDb());
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "Die Parameter konnten nicht in der Ets gespeichert werden.");
    EXPECT_EQ(boxes.Boxes()[0].caption, "Fehler beim Zugriff auf Ets");
    EXPECT_EQ(boxes.Boxes()[0].style, 0u);
    EXPECT_EQ(main.Trace(), Trace{"1170"});
}

} // namespace
