// The detector: kinds and areas, the variant of the wired input, its name, its grid and the
// rows shown by kind, the handlers with their requests and questions, and Paste.
#include "objectmodel/TAzMelder.h"
#include "AzTestHilfen.h"
#include "FakeMainWindow.h"
#include "foundation/TDatenManager.h"
#include "objectmodel/E_DataBasis.h"
#include "platform/objectbase/MainWindowMessages.h"
#include "platform/vcl/Cp1252.h"
#include "platform/win/MessageBox.h"

#include <cctype>
#include <cstdio>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace {

using namespace T_DB_EnumAzMelder;
using Items = std::vector<AnsiString>;

struct MelderTest : ::testing::Test {
    TFakeMainWindow main;
    TMessageBoxRecorder boxes;
    TAzMelder melder{main.Handle(), 1, 20, "SB 1", 40};
    TDrawGridSE grid;

    void Show() {
        melder.BuildInfoWindow(&grid, nullptr, false, -1, -1);
        main.ClearLog();
    }
    // Chooses the item of a row whose text is given and delivers the posts.
    void Waehle(int rowId, const AnsiString &text) {
        const int row = RowOf(grid, rowId);
        ASSERT_GE(row, 0) << rowId;
        grid.ActivateCell(1, row);
        const Items &items = grid.Cells(1, row).Items;
        for (size_t i = 0; i < items.size(); ++i)
            if (items[i] == text) {
                grid.SelectItem(static_cast<int>(i));
                DeliverPostedMessages();
                return;
            }
        ADD_FAILURE() << "no item " << text;
    }
    const TDatenStruktur *Record() { return main.FindDatenSatz(1, 40); }
};

TEST_F(MelderTest, DefaultsAndTheirWord) {
    EXPECT_EQ(melder.GetMelderBereich(), eMelderSb1);
    EXPECT_EQ(melder.GetSicherungsBereichMelder(), 1);
    EXPECT_EQ(melder.GetMelderArt(), TAzMelder::eMelderSofort);
    EXPECT_EQ(melder.GetIndexMelderText(), 0);
    EXPECT_EQ(melder.GetMelderTyp(), 0);
    EXPECT_TRUE(melder.GetAktivBei());
    EXPECT_EQ(melder.GetMelderNr(), 0);
    EXPECT_EQ(melder.GetMelderText(), "Neuer Eingang");
    EXPECT_EQ(melder.GetMelderParameterblock(), 0x8009u);
    EXPECT_EQ(melder.GetTyp(), 6124);
    EXPECT_EQ(melder.GetIcon(), 33);
    EXPECT_EQ(melder.ListStyle(), 1);
    EXPECT_EQ(melder.GetQuickHelpIndexOffset(), 104);
    EXPECT_FALSE(melder.AllowChild(6124));
}

TEST(TAzMelderBereich, KindSetsTheAreaAndResetsTheSettings) {
    struct Case {
        int kind;
        uint32_t variante;
        bool ok;
        int bereich;
    };
    const Case cases[] = {
        {0, 0x11330000, true, 5},  {1, 0x11330000, true, 6},
        {2, 0x11330000, true, 1},  {2, 0x00330000, true, 6},
        {3, 0, true, 1},           {4, 0, true, 2},
        {5, 0, true, 3},           {6, 0, true, 4},
        {7, 0x11330000, false, 4}, {-1, 0x11330000, false, 4},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.kind);
        TFakeMainWindow main;
        TAzMelder m(main.Handle(), 1, 2, "", 3);
        TDatenStruktur rec;
        rec.Param3 = 5;
        rec.Param4 = 4;
        rec.Param5 = 9;
        rec.Param6 = 2;
        rec.Param7 = 77;
        rec.Bool3 = false;
        m.InitFromDB(rec);
        m.SetVarianteAz(c.variante);
        EXPECT_EQ(m.SetMelderBereich(static_cast<TEnumMelder>(c.kind)), c.ok);
        EXPECT_EQ(m.GetMelderBereich(), c.kind);
        EXPECT_EQ(m.GetSicherungsBereichMelder(), c.bereich);
        if (c.ok)
            EXPECT_EQ(m.GetMelderParameterblock(),
                      AzMelderParameterblock(1, c.bereich, 0, 0, true));
        else
            EXPECT_EQ(m.GetMelderParameterblock(), AzMelderParameterblock(5, 4, 9, 2, false));
        EXPECT_TRUE(main.Log().empty());
    }
}

TEST(TAzMelderName, WiredInputAndNumberedDetectors) {
    TFakeMainWindow main;
    TAzMelder m(main.Handle(), 1, 2, "SB Feuermelder", 3);
    m.SetMelderNr(12);
    m.SetMelderBereich(eFeuermelder);
    EXPECT_EQ(m.GetName(true), "Neuer Eingang - (Eingang 12 SB Feuermelder)");
    m.SetMelderBereich(eVerdrahtet);
    m.SetName("Verdrahteter Melder-Eingang Alarmzentrale");
    EXPECT_EQ(m.GetName(false), "Neuer Eingang - Verdrahteter Melder-Eingang Alarmzentrale");
}

// The wired input follows a new variant word.
struct VarianteCase {
    int bereich;
    uint32_t variante;
    bool ok;
    int neuerBereich;
    bool meldung;
};
void PrintTo(const VarianteCase &c, std::ostream *os) {
    *os << "area " << c.bereich << " variant " << std::hex << c.variante;
}

class MelderVarianteTest : public ::testing::TestWithParam<VarianteCase> {};

TEST_P(MelderVarianteTest, ReplacesAMissingAreaTellsAndWrites) {
    const VarianteCase &c = GetParam();
    TFakeMainWindow main;
    TMessageBoxRecorder boxes;
    TAzMelder m(main.Handle(), 1, 2, "", 3);
    m.SetVarianteAz(0x11224488);
    m.SetMelderBereich(eVerdrahtet);
    TDatenStruktur rec;
    m.Write(rec);
    rec.Param4 = c.bereich;
    m.InitFromDB(rec);
    main.ClearLog();

    EXPECT_EQ(m.ChangeVarianteAz(c.variante), c.ok);
    EXPECT_EQ(m.GetVarianteAz(), c.variante);
    EXPECT_EQ(m.GetSicherungsBereichMelder(), c.neuerBereich);
    ASSERT_EQ(boxes.Boxes().size(), c.meldung ? 1u : 0u);
    if (c.meldung) {
        EXPECT_EQ(boxes.Boxes()[0].owner, nullptr);
        EXPECT_EQ(boxes.Boxes()[0].caption, "Verdrahteter Melder-Eingang Alarmzentrale");
        EXPECT_EQ(boxes.Boxes()[0].text,
                  "Der parametrierte Sicherungs-Bereich des verdrahteten Melders\n\rexistiert in "
                  "der neuen Konfiguration nicht. Es wird der Bereich SB 1 eingestellt.");
        EXPECT_EQ(boxes.Boxes()[0].style, 0x30u);
    }
    if (!c.ok) {
        EXPECT_TRUE(main.Log().empty());
        return;
    }
    EXPECT_EQ(main.Trace(), (Trace{"1127", "1130"}));
    const TDatenStruktur *written = main.FindDatenSatz(1, 3);
    ASSERT_NE(written, nullptr);
    EXPECT_EQ(written->Param4, c.neuerBereich);
}

INSTANTIATE_TEST_SUITE_P(Faelle, MelderVarianteTest,
                         ::testing::Values(VarianteCase{1, 0x00000000, true, 2,
                                                        true}, // to SB 2, message names SB 1
                                           VarianteCase{3, 0x00000000, true, 1, true},
                                           VarianteCase{2, 0x11000000, true, 1, true},
                                           VarianteCase{4, 0x11224400, true, 1, true},
                                           VarianteCase{1, 0x11330000, true, 1, false},
                                           VarianteCase{4, 0x11224488, true, 4, false},
                                           VarianteCase{5, 0x00000000, false, 5, false},
                                           VarianteCase{6, 0x11330000, false, 6, false}),
                         [](const auto &info) {
                             char name[32];
                             std::snprintf(name, sizeof name, "Area%dVariant%08X",
                                           info.param.bereich,
                                           static_cast<unsigned>(info.param.variante));
                             return std::string(name);
                         });

// Rows shown by kind, area and input type, and what a hidden row sets.
struct RowsCase {
    const char *name;
    int kind;
    int bereich;
    int art;
    int typ;
    bool aktiv;
    std::vector<int> rows;
    int artNachher, typNachher;
    bool aktivNachher;
};
void PrintTo(const RowsCase &c, std::ostream *os) {
    *os << c.name;
}

class MelderRowsTest : public ::testing::TestWithParam<RowsCase> {};

TEST_P(MelderRowsTest, RowIdsAndHiddenRowValues) {
    const RowsCase &c = GetParam();
    TFakeMainWindow main;
    TAzMelder m(main.Handle(), 1, 2, "", 3);
    m.SetVarianteAz(0x110044CC);
    TDatenStruktur rec;
    m.Write(rec);
    rec.Param8 = c.kind;
    rec.Param4 = c.bereich;
    rec.Param3 = c.art;
    rec.Param6 = c.typ;
    rec.Bool3 = c.aktiv;
    m.InitFromDB(rec);
    main.ClearLog();
    TDrawGridSE grid;
    m.BuildInfoWindow(&grid, nullptr, false, -1, -1);
    EXPECT_EQ(RowIds(grid), c.rows);
    EXPECT_EQ(m.GetMelderArt(), c.artNachher);
    EXPECT_EQ(m.GetMelderTyp(), c.typNachher);
    EXPECT_EQ(m.GetAktivBei(), c.aktivNachher);
    DeliverPostedMessages();
    EXPECT_TRUE(main.Log().empty()) << "hidden rows change the members only";
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, MelderRowsTest,
    ::testing::Values(RowsCase{"SbDetector", 3, 1, 1, 1, false, {2, 4, 5, 6}, 1, 1, false},
                      RowsCase{"SbSabotage", 4, 2, 2, 2, true, {2, 4, 6}, 2, 0, true},
                      RowsCase{"SbSabotageSe", 5, 3, 3, 1, true, {2, 4, 6}, 3, 0, true},
                      RowsCase{"SbVerschluss", 6, 4, 5, 2, true, {2, 4, 6}, 5, 0, true},
                      RowsCase{"SbStoerungKeepsType", 3, 1, 4, 2, true, {2, 4, 5, 6}, 4, 2, true},
                      RowsCase{"Fire", 0, 5, 4, 2, false, {2, 4, 6}, 4, 2, false},
                      RowsCase{"HoldUp", 1, 6, 2, 1, true, {2, 4, 6}, 2, 1, true},
                      RowsCase{"WiredInArea1", 2, 1, 0, 1, false, {1, 2, 4}, 0, 1, true},
                      RowsCase{"WiredInArea6", 2, 6, 0, 1, false, {1, 4}, 1, 1, true},
                      RowsCase{"WiredInArea5", 2, 5, 2, 0, true, {1, 4}, 1, 0, true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(MelderTest, GridOfADetectorOfSecurityArea1) {
    melder.BuildInfoWindow(&grid, nullptr, false, -1, -1);
    ASSERT_EQ(RowIds(grid), (std::vector<int>{2, 4, 5, 6}));
    const char *captions[] = {"Eingangs-Typ", "Melder-Text", "Melder-Typ", "Eingang aktiv bei"};
    for (int r = 0; r < 4; ++r) {
        SCOPED_TRACE(r);
        EXPECT_EQ(grid.Cells(0, r).Text, captions[r]);
        EXPECT_EQ(grid.Cells(0, r).Kind, TCell::ckCaption);
        EXPECT_EQ(grid.Cells(1, r).Kind, TCell::ckComboBox);
        EXPECT_EQ(grid.Cells(1, r).HelpIndex, 104 + grid.Cells(1, r).RowId);
    }
    // The input types with their values, the detector's selected by value.
    const TCell &art = grid.Cells(1, 0);
    EXPECT_EQ(art.Items, (Items{"Melder sofort", Utf8ToAnsi("Melder verzögert"), "Sabotage",
                                "Sabotage-Schalteinrichtung", Utf8ToAnsi("Verschluß")}));
    std::vector<int> werte;
    for (const TComboWert &w : art.Werte)
        werte.push_back(w.Wert);
    EXPECT_EQ(werte, (std::vector<int>{1, 0, 2, 3, 5}));
    EXPECT_EQ(art.ItemIndex, 0);
    // The text row: a drop-down with edit field over the sorted list, the text selected.
    const TCell &text = grid.Cells(1, 1);
    EXPECT_EQ(text.Style, csDropDown);
    EXPECT_FALSE(text.Flag);
    EXPECT_EQ(text.Items,
              Items(melder.GetMelderTextListe().begin(), melder.GetMelderTextListe().end()));
    ASSERT_EQ(text.Items.size(), 21u);
    EXPECT_EQ(text.Items[static_cast<size_t>(text.ItemIndex)], "Neuer Eingang");
    EXPECT_EQ(text.Text, "Neuer Eingang");
    EXPECT_EQ(grid.Cells(1, 2).Items, (Items{"Kontakt", "Bewegung", "Glasbruch"}));
    EXPECT_EQ(grid.Cells(1, 2).ItemIndex, 0);
    EXPECT_EQ(grid.Cells(1, 3).Items, (Items{"0", "1"}));
    EXPECT_EQ(grid.Cells(1, 3).ItemIndex, 1);
}

TEST(TAzMelderGrid, WiredInputOffersOnlyTheExistingAreas) {
    TFakeMainWindow main;
    TAzMelder m(main.Handle(), 1, 2, "", 3);
    m.SetVarianteAz(0x110044CC); // SB 1, SB 3, SB 4
    m.SetMelderBereich(eVerdrahtet);
    TDrawGridSE grid;
    m.BuildInfoWindow(&grid, nullptr, false, -1, -1);
    const TCell &area = grid.Cells(1, 0);
    EXPECT_EQ(grid.Cells(0, 0).Text, "Sicherungsbereich");
    EXPECT_EQ(area.Items, (Items{"SB 1", "SB 3", "SB 4"}));
    std::vector<int> werte;
    for (const TComboWert &w : area.Werte)
        werte.push_back(w.Wert);
    EXPECT_EQ(werte, (std::vector<int>{1, 3, 4}));
    EXPECT_EQ(area.ItemIndex, 0);
    const TCell &typ = grid.Cells(1, 1);
    EXPECT_EQ(typ.Items, (Items{"Melder sofort", Utf8ToAnsi("Melder verzögert")}));

    m.SetVarianteAz(0);
    m.BuildInfoWindow(&grid, nullptr, false, -1, -1);
    EXPECT_TRUE(grid.Cells(1, 0).Items.empty());
    EXPECT_EQ(grid.Cells(1, 0).ItemIndex, -1);
}

TEST(TAzMelderGrid, InputTypesOfFireAndHoldUpDetectors) {
    const std::pair<TEnumMelder, Items> cases[] = {
        {eFeuermelder, {"Melder sofort", Utf8ToAnsi("Störung")}},
        {eUeberfallmelder, {"Melder sofort", "Sabotage"}},
    };
    for (const auto &[kind, items] : cases) {
        TFakeMainWindow main;
        TAzMelder m(main.Handle(), 1, 2, "", 3);
        m.SetMelderBereich(kind);
        TDrawGridSE grid;
        m.BuildInfoWindow(&grid, nullptr, false, -1, -1);
        EXPECT_EQ(grid.Cells(1, 0).Items, items);
        EXPECT_EQ(grid.Cells(1, 0).ItemIndex, 0);
    }
}

TEST(TAzMelderTextListe, SortedWithoutRegardToCaseAndTheTextFound) {
    TFakeMainWindow main;
    TAzMelder m(main.Handle(), 1, 2, "", 3);
    int index = -2;
    m.SetMelderTextListe(index);
    const TStringList &liste = m.GetMelderTextListe();
    ASSERT_EQ(liste.Count(), 21);
    EXPECT_EQ(liste[0], "Abstellraum");
    EXPECT_EQ(liste[20], "Wohnzimmer");
    EXPECT_EQ(liste[index], "Neuer Eingang");
    const auto klein = [](AnsiString t) {
        for (char &ch : t)
            ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        return t;
    };
    for (int i = 1; i < liste.Count(); ++i)
        EXPECT_LE(klein(liste[i - 1]), klein(liste[i])) << i;

    // A text equal to a preset stands twice; a lower-case one sorts beside its preset and the
    // first case-insensitive match is found.
    TDatenStruktur rec;
    m.Write(rec);
    rec.String4 = "bad";
    m.InitFromDB(rec);
    m.SetMelderTextListe(index);
    EXPECT_EQ(m.GetMelderTextListe()[2], "Archiv");
    EXPECT_EQ(m.GetMelderTextListe()[3], "Bad");
    EXPECT_EQ(m.GetMelderTextListe()[4], "bad");
    EXPECT_EQ(index, 3);
    rec.String4 = "Flur";
    m.InitFromDB(rec);
    m.SetMelderTextListe(index);
    EXPECT_EQ(m.GetMelderTextListe().Count(), 21);
    EXPECT_EQ(m.GetMelderTextListe()[index], "Flur");
    EXPECT_EQ(m.GetMelderTextListe()[index + 1], "Flur");
}

// An input-type change: the sabotage input of a switching device is offered, withdrawn or kept.
struct ArtCase {
    const char *name;
    int alt;
    const char *neu;
    LRESULT antwort10; // whether the switching devices use it
    int frage;         // answer to the question, 0 when none is asked
    std::vector<int> codes;
    int artNachher;
};
void PrintTo(const ArtCase &c, std::ostream *os) {
    *os << c.name;
}

class MelderArtTest : public ::testing::TestWithParam<ArtCase> {};

constexpr int Anmelden = AzRequest::SaboSeAnmelden;
constexpr int Zugeordnet = AzRequest::SaboSeZugeordnet;
constexpr int Loeschen = AzRequest::SaboSeLoeschen;

TEST_P(MelderArtTest, RequestsQuestionAndTheWrittenType) {
    const ArtCase &c = GetParam();
    TFakeMainWindow main;
    TMessageBoxRecorder boxes;
    if (c.frage)
        boxes.Answer(c.frage);
    TAzMelder m(main.Handle(), 1, 20, "SB 2", 40);
    m.SetMelderBereich(eMelderSb2);
    m.SetMelderNr(17);
    TDatenStruktur rec;
    m.Write(rec);
    rec.Param3 = c.alt;
    m.InitFromDB(rec);
    main.Script(WM_AZ_DEVICE_REQUEST, [&](RDeviceRequest &r) {
        main.Note("request " + std::to_string(r.Code));
        return r.Code == AzRequest::SaboSeZugeordnet ? c.antwort10 : LRESULT(1);
    });
    for (int i = 0; i < 3; ++i)
        main.Script(WM_AZ_DEVICE_REQUEST, [&](RDeviceRequest &r) {
            main.Note("request " + std::to_string(r.Code));
            return LRESULT(1);
        });
    TDrawGridSE grid;
    m.BuildInfoWindow(&grid, nullptr, false, -1, -1);
    main.ClearLog();

    const int row = RowOf(grid, TAzMelder::RowEingangsTyp);
    grid.ActivateCell(1, row);
    const Items items = grid.Cells(1, row).Items;
    int index = -1;
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i] == c.neu)
            index = static_cast<int>(i);
    ASSERT_GE(index, 0);
    grid.SelectItem(index);
    DeliverPostedMessages();

    Trace soll;
    for (const int code : c.codes) {
        soll.push_back("1133");
        soll.push_back("request " + std::to_string(code));
    }
    soll.insert(soll.end(), {"1127", "1130", "1126"});
    EXPECT_EQ(main.Trace(), soll);
    for (const auto &r : main.Requests(WM_AZ_DEVICE_REQUEST)) {
        EXPECT_EQ(r.Wert, 17);
        EXPECT_EQ(r.Wert2, 2);
        EXPECT_EQ(r.Handle, 40);
        EXPECT_EQ(r.Sender, &m);
    }
    ASSERT_EQ(boxes.Boxes().size(), c.frage ? 1u : 0u);
    if (c.frage) {
        EXPECT_EQ(boxes.Boxes()[0].owner, main.Handle());
        EXPECT_EQ(boxes.Boxes()[0].caption, "Sabotage Schalteinrichtung");
        EXPECT_EQ(boxes.Boxes()[0].text,
                  Utf8ToAnsi("Die Sabotage Schalteinrichtung ist in der Scharfschaltung "
                             "zugeordnet. \n\rSoll diese Zuordnung gelöscht werden?"));
        EXPECT_EQ(boxes.Boxes()[0].style, 0x24u);
    }
    EXPECT_EQ(m.GetMelderArt(), c.artNachher);
    EXPECT_EQ(main.FindDatenSatz(1, 40)->Param3, c.artNachher);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, MelderArtTest,
    ::testing::Values(
        ArtCase{"PlainChange", 1, "Melder verz\xF6gert", 0, 0, {}, 0},
        ArtCase{"BecomesSabotageSe", 1, "Sabotage-Schalteinrichtung", 0, 0, {Anmelden}, 3},
        ArtCase{"LeavesUnassigned", 3, "Melder sofort", 0, 0, {Zugeordnet, Loeschen}, 1},
        ArtCase{"LeavesAssignedYes", 3, "Melder sofort", 1, IDYES, {Zugeordnet, Loeschen}, 1},
        ArtCase{"LeavesAssignedNo", 3, "Verschlu\xDF", 1, IDNO, {Zugeordnet}, 3}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(MelderTest, UnchangedChoicesDoNothing) {
    Show();
    Waehle(TAzMelder::RowEingangsTyp, "Melder sofort");
    Waehle(TAzMelder::RowMelderTyp, "Kontakt");
    Waehle(TAzMelder::RowAktivBei, "1");
    Waehle(TAzMelder::RowMelderText, "Neuer Eingang");
    EXPECT_TRUE(main.Log().empty());
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(MelderTest, TypeActiveLevelAndPresetTextWriteAndRefreshTheOthers) {
    Show();
    Waehle(TAzMelder::RowMelderTyp, "Glasbruch");
    EXPECT_EQ(main.Trace(), (Trace{"1127", "1130", "1163"}));
    EXPECT_EQ(Record()->Param6, 2);
    main.ClearLog();
    Waehle(TAzMelder::RowAktivBei, "0");
    EXPECT_EQ(main.Trace(), (Trace{"1127", "1130", "1163"}));
    EXPECT_FALSE(Record()->Bool3);
    main.ClearLog();
    Waehle(TAzMelder::RowMelderText, "Kueche");
    EXPECT_EQ(main.Trace(), (Trace{"1127", "1130", "1163"}));
    EXPECT_EQ(Record()->String4, "Kueche");
    EXPECT_EQ(melder.GetMelderParameterblock(), 0x4009u) << "type 2, active at 0";
}

TEST_F(MelderTest, ATypedTextOfFifteenCharactersIsRefused) {
    Show();
    const int row = RowOf(grid, TAzMelder::RowMelderText);
    grid.ActivateCell(1, row);
    grid.ComboText("Vierzehn Zeich"); // 14
    DeliverPostedMessages();
    EXPECT_EQ(main.Trace(), (Trace{"1127", "1130", "1163"}));
    EXPECT_EQ(melder.GetMelderText(), "Vierzehn Zeich");

    main.ClearLog();
    grid.ComboText("Fuenfzehn Zeich"); // 15
    DeliverPostedMessages();
    EXPECT_EQ(main.Trace(), (Trace{"1126"}));
    EXPECT_EQ(melder.GetMelderText(), "Vierzehn Zeich");
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].owner, nullptr);
    EXPECT_EQ(boxes.Boxes()[0].text, Utf8ToAnsi("Die maximale Textlänge wurde überschritten."));
    EXPECT_EQ(boxes.Boxes()[0].caption, "Fehler");
    EXPECT_EQ(boxes.Boxes()[0].style, 0u);

    // Leaving the cell puts the rebuilt list into it with the detector's text and refreshes
    // the tree names.
    main.ClearLog();
    grid.LeaveCell();
    DeliverPostedMessages();
    EXPECT_EQ(main.Trace(), (Trace{"1138"}));
    const TCell &cell = grid.Cells(1, row);
    EXPECT_EQ(cell.Items.size(), 21u);
    EXPECT_EQ(cell.Text, "Vierzehn Zeich");
    EXPECT_EQ(cell.Items[static_cast<size_t>(cell.ItemIndex)], "Vierzehn Zeich");
}

TEST_F(MelderTest, WiredInputChoosesItsArea) {
    melder.SetVarianteAz(0x110044CC);
    melder.SetMelderBereich(eVerdrahtet);
    Show();
    Waehle(TAzMelder::RowSicherungsBereich, "SB 3");
    EXPECT_EQ(main.Trace(), (Trace{"1127", "1130", "1126"}));
    EXPECT_EQ(Record()->Param4, 3);
    EXPECT_EQ(melder.GetSicherungsBereichMelder(), 3);
}

TEST_F(MelderTest, OtherHandlersAndOtherEditors) {
    Show();
    TCell cell;
    cell.RowId = TAzMelder::RowMelderTyp;
    grid.ComboBox()->ItemIndex = 2;
    melder.GridComboBoxChange(grid.EditField(), cell, 1, 1); // not a combo box
    melder.GridComboBoxChange(nullptr, cell, 1, 1);
    cell.RowId = TAzMelder::RowMelderText;
    melder.GridExitCell(&grid, grid.EditField(), cell, 1, 1); // not a combo box
    melder.GridExitCell(nullptr, grid.ComboBox(), cell, 1, 1);
    melder.GridSpinEditChange(nullptr, cell, 1, 1);
    cell.Data = nullptr;
    melder.GridEllipseClick(&grid, cell, 1, 1);
    DeliverPostedMessages();
    EXPECT_TRUE(main.Log().empty());
    EXPECT_EQ(melder.GetMelderTyp(), 0);

    melder.GridSpinEditChange(&grid, cell, 1, 1);
    DeliverPostedMessages();
    EXPECT_EQ(main.Trace(), (Trace{"1127", "1130"}));
    main.ClearLog();
    cell.Data = &melder;
    melder.GridEllipseClick(&grid, cell, 3, 4);
    DeliverPostedMessages();
    EXPECT_EQ(main.Trace(), (Trace{"1127", "1130", "1126"}));
}

// A clipboard store from record lines.
std::unique_ptr<TDatenManager<TDatenStruktur>> Store(const std::vector<TDatenStruktur> &records) {
    AnsiString text;
    for (const TDatenStruktur &r : records)
        text += r.GetDatensatzZeile() + "\r\n";
    return std::make_unique<TDatenManager<TDatenStruktur>>(text.data(),
                                                           static_cast<int32_t>(text.size()));
}

TDatenStruktur Kopie(int16_t typ, int art, const char *text) {
    TDatenStruktur r;
    r.Typ = typ;
    r.Handle = 900;
    r.Name = "Kopie";
    r.Param3 = art;
    r.Param4 = 3;
    r.Param5 = 11;
    r.Param6 = 2;
    r.Param7 = 55;
    r.Param8 = 5;
    r.Param9 = 99;
    r.Bool3 = false;
    r.String4 = text;
    return r;
}

TEST_F(MelderTest, PasteTakesTheSettingsOfTheFirstDetectorAndKeepsItsPlace) {
    melder.SetMelderNr(7);
    const auto store =
        Store({Kopie(6121, 0, "Texte"), Kopie(6124, 5, "Erster"), Kopie(6124, 2, "Zweiter")});
    AnsiString message;
    EXPECT_TRUE(melder.Paste(store.get(), message));
    EXPECT_EQ(message, "Neuer Eingang - (Eingang 7 SB 1):\n");
    EXPECT_EQ(melder.GetMelderArt(), 5);
    EXPECT_EQ(melder.GetIndexMelderText(), 11);
    EXPECT_EQ(melder.GetMelderTyp(), 2);
    EXPECT_FALSE(melder.GetAktivBei());
    EXPECT_EQ(melder.GetMelderText(), "Erster");
    EXPECT_EQ(melder.GetMelderBereich(), eMelderSb1);
    EXPECT_EQ(melder.GetSicherungsBereichMelder(), 1);
    EXPECT_EQ(melder.GetMelderNr(), 7);
    EXPECT_EQ(melder.GetName(true), "Erster - (Eingang 7 SB 1)");
    EXPECT_TRUE(main.Log().empty()) << "the record is not written here";
    TDatenStruktur rec;
    melder.Write(rec);
    EXPECT_EQ(rec.Param7, 55);
    EXPECT_EQ(rec.Handle, 40);
}

TEST_F(MelderTest, PasteWithoutADetectorRecordRaisesAndChangesNothing) {
    const auto ohne = Store({Kopie(6121, 0, "Texte")});
    const auto leer = Store({});
    for (TDatenManager<TDatenStruktur> *store :
         {ohne.get(), leer.get(), static_cast<TDatenManager<TDatenStruktur> *>(nullptr)}) {
        AnsiString message;
        try {
            melder.Paste(store, message);
            ADD_FAILURE() << "no exception";
        } catch (const E_DataBasis &e) {
            EXPECT_EQ(e.Code, 3);
            EXPECT_EQ(e.Message, "Neuer Eingang - (Eingang 0 SB 1):\n");
            EXPECT_EQ(e.Info, "SB 1");
            EXPECT_EQ(e.File, "AzMelder");
            EXPECT_GT(e.Line, 0);
            EXPECT_EQ(e.ClassName, "E_DataBasis");
            const E_DataBasis copy = e;
            EXPECT_EQ(copy.MessageText(), e.MessageText());
        }
        EXPECT_EQ(melder.GetMelderText(), "Neuer Eingang");
        EXPECT_EQ(melder.GetMelderParameterblock(), 0x8009u);
    }
}

TEST(TAzMelderOhneSchreiber, OneMessageNothingWritten) {
    TFakeMainWindow main;
    TMessageBoxRecorder boxes;
    TAzMelder m(main.Handle(), 1, 2, "", 3);
    m.SetMelderNr(5);
    EXPECT_FALSE(m.WriteDataToDb());
    EXPECT_FALSE(m.ClearDbParameter());
    EXPECT_EQ(boxes.Boxes().size(), 2u);
    EXPECT_EQ(main.Trace(), (Trace{"1170", "1170"}));
}

} // namespace
