// The device parameters that the detector inputs, the arming areas and the editable texts
// write, into a temporary simulated project: ids, values and their order.
#include "AzTestHilfen.h"
#include "FakeMainWindow.h"
#include "objectmodel/TAzEditierbareTexte.h"
#include "objectmodel/TAzMelder.h"
#include "objectmodel/TAzSabotageKontakt.h"
#include "objectmodel/TAzScharfschaltBereich.h"
#include "platform/win/MessageBox.h"
#include "tests/platform/bustool/TempProject.h"

#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace T_DB_EnumAzMelder;
using Parameter = std::pair<int, int32_t>;

// A panel text as the panel reads it: the first 14 bytes, first character in the top byte of
// the first parameter, the fourth parameter holding bytes 12 and 13 in its low half.
std::vector<Parameter> Text(int id, const std::string &text) {
    unsigned char b[16] = {};
    for (size_t i = 0; i < 14 && i < text.size(); ++i)
        b[i] = static_cast<unsigned char>(text[i]);
    std::vector<Parameter> out;
    for (int i = 0; i < 3; ++i)
        out.push_back(
            {id + i, static_cast<int32_t>(uint32_t(b[4 * i]) << 24 | uint32_t(b[4 * i + 1]) << 16 |
                                          uint32_t(b[4 * i + 2]) << 8 | b[4 * i + 3])});
    out.push_back({id + 3, static_cast<int32_t>(uint32_t(b[12]) << 8 | b[13])});
    return out;
}

// Where a write fetches the writer (1170) once more: the detector's text does.
constexpr int kFetch = -1170;
const std::vector<Parameter> Fetch{{kFetch, 0}};

std::vector<Parameter> Plus(std::vector<Parameter> a, const std::vector<Parameter> &b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TAzMelder *Melder(TFakeMainWindow &main, std::vector<std::unique_ptr<TDataBasis>> &objects,
                  TEnumMelder kind, int nummer) {
    auto m = std::make_unique<TAzMelder>(main.Handle(), 1, 2, "", 10 + nummer);
    m->SetVarianteAz(0x11330000);
    m->SetMelderBereich(kind);
    m->SetMelderNr(nummer);
    TAzMelder *raw = m.get();
    objects.push_back(std::move(m));
    return raw;
}

struct WriteCase {
    const char *name;
    // Makes the object(s) in the main window's process and writes; answers the write's result.
    std::function<bool(TFakeMainWindow &, std::vector<std::unique_ptr<TDataBasis>> &)> write;
    std::vector<Parameter> expected;
};
void PrintTo(const WriteCase &c, std::ostream *os) {
    *os << c.name;
}

class WriteDataToDbTest : public ::testing::TestWithParam<WriteCase> {};

TEST_P(WriteDataToDbTest, WritesItsParametersInOrderIntoTheProject) {
    const WriteCase &c = GetParam();
    TFakeMainWindow main;
    TTempProject &project = main.UseTemporaryProject();
    TMessageBoxRecorder boxes;
    std::vector<std::unique_ptr<TDataBasis>> objects;
    EXPECT_TRUE(c.write(main, objects));
    Trace soll{"1170"};
    for (const auto &[id, wert] : c.expected)
        soll.push_back(id == kFetch ? "1170" : std::to_string(id) + "=" + std::to_string(wert));
    EXPECT_EQ(main.Trace(), soll);
    for (const auto &[id, wert] : c.expected) {
        if (id != kFetch) {
            EXPECT_EQ(project.Parameter(id), wert) << id;
        }
    }
    EXPECT_TRUE(boxes.Boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Klassen, WriteDataToDbTest,
                         ::testing::Values(
                             WriteCase{
                                 "Detector1",
                                 [](TFakeMainWindow &main, auto &objects) {
                                     return Melder(main, objects, eMelderSb1, 1)->WriteDataToDb();
                                 },
                                 Plus(Plus({{3010, 0x8009}}, Fetch), Text(11011, "Neuer Eingang"))},
                             WriteCase{"Detector7",
                                       [](TFakeMainWindow &main, auto &objects) {
                                           TAzMelder *m = Melder(main, objects, eMelderSb2, 7);
                                           TDatenStruktur rec;
                                           m->Write(rec);
                                           rec.Param3 = 5; // "Verschluss"
                                           rec.Param5 = 3; // text index
                                           rec.Param6 = 1; // "Bewegung"
                                           rec.Bool3 = false;
                                           rec.String4 = "Haustuer vorn!";
                                           m->InitFromDB(rec);
                                           main.ClearLog();
                                           return m->WriteDataToDb();
                                       },
                                       Plus(Plus({{3070, 0x20D5}}, Fetch), Text(11071, "Haustuer vorn!"))},
                             WriteCase{"Detector160",
                                       [](TFakeMainWindow &main, auto &objects) {
                                           return Melder(main, objects, eFeuermelder, 160)
                                               ->WriteDataToDb();
                                       },
                                       Plus(Plus({{4600, 0x8029}}, Fetch), Text(12601, "Neuer Eingang"))},
                             WriteCase{
                                 "WiredInputNumber0",
                                 [](TFakeMainWindow &main, auto &objects) {
                                     return Melder(main, objects, eVerdrahtet, 0)->WriteDataToDb();
                                 },
                                 Plus(Plus({{4620, 0x8009}}, Fetch), Text(12611, "Neuer Eingang"))},
                             WriteCase{"WiredInputNumber162",
                                       [](TFakeMainWindow &main, auto &objects) {
                                           return Melder(main, objects, eVerdrahtet, 162)
                                               ->WriteDataToDb();
                                       },
                                       Plus(Plus({{4620, 0x8009}}, Fetch), Text(12611, "Neuer Eingang"))},
                             WriteCase{"Detector7Cleared",
                                       [](TFakeMainWindow &main, auto &objects) {
                                           return Melder(main, objects, eMelderSb1, 7)
                                               ->ClearDbParameter();
                                       },
                                       Plus(Plus({{3070, 0}}, Fetch), Text(11071, ""))},
                             WriteCase{"SabotageInput",
                                       [](TFakeMainWindow &main, auto &objects) {
                                           objects.push_back(std::make_unique<TAzSabotageKontakt>(
                                               main.Handle(), 1, 2, "", 4));
                                           return static_cast<TAzSabotageKontakt &>(*objects.back())
                                               .WriteDataToDb();
                                       },
                                       {{4630, 0}, {4610, 0x8039}}},
                             WriteCase{"SabotageInput47KOhm",
                                       [](TFakeMainWindow &main, auto &objects) {
                                           auto k = std::make_unique<TAzSabotageKontakt>(
                                               main.Handle(), 1, 2, "", 4);
                                           TDrawGridSE grid;
                                           k->BuildInfoWindow(&grid, nullptr, false, -1, -1);
                                           grid.ActivateCell(1, 0);
                                           grid.SelectItem(2);
                                           DeliverPostedMessages();
                                           main.ClearLog();
                                           objects.push_back(std::move(k));
                                           return static_cast<TAzSabotageKontakt &>(*objects.back())
                                               .WriteDataToDb();
                                       },
                                       {{4630, 2}, {4610, 0x8039}}},
                             WriteCase{"ArmingArea1Default",
                                       [](TFakeMainWindow &main, auto &objects) {
                                           objects.push_back(
                                               std::make_unique<TAzScharfschaltBereich1>(
                                                   main.Handle(), 1, 2, "", 5));
                                           return static_cast<TAzScharfschaltBereich &>(
                                                      *objects.back())
                                               .WriteDataToDb();
                                       },
                                       {{19101, 0x53534220},
                                        {19102, 0x31000000},
                                        {19103, 0},
                                        {19104, 0}}},
                             WriteCase{"ArmingArea4SixteenCharacters",
                                       [](TFakeMainWindow &main, auto &objects) {
                                           auto b = std::make_unique<TAzScharfschaltBereich4>(
                                               main.Handle(), 1, 2, "", 5);
                                           TDatenStruktur rec;
                                           b->Write(rec);
                                           rec.String4 = "ABCDEFGHIJKLMNOP";
                                           b->InitFromDB(rec);
                                           main.ClearLog();
                                           objects.push_back(std::move(b));
                                           return static_cast<TAzScharfschaltBereich &>(
                                                      *objects.back())
                                               .WriteDataToDb();
                                       },
                                       {{19401, 0x41424344},
                                        {19402, 0x45464748},
                                        {19403, 0x494A4B4C},
                                        {19404, 19790}}},
                             WriteCase{"ArmingArea2Empty",
                                       [](TFakeMainWindow &main, auto &objects) {
                                           auto b = std::make_unique<TAzScharfschaltBereich2>(
                                               main.Handle(), 1, 2, "", 5);
                                           TDatenStruktur rec;
                                           b->Write(rec);
                                           rec.String4 = "";
                                           b->InitFromDB(rec);
                                           main.ClearLog();
                                           objects.push_back(std::move(b));
                                           return static_cast<TAzScharfschaltBereich &>(
                                                      *objects.back())
                                               .WriteDataToDb();
                                       },
                                       {{19201, 0}, {19202, 0}, {19203, 0}, {19204, 0}}}),
                         [](const auto &info) { return std::string(info.param.name); });

// The 50 texts by key: first parameter id and default (Windows-1252).
const std::pair<int, const char *> Texte[] = {
    {12631, "Initialisiere"},
    {12651, "Buswiederkehr"},
    {12681, "Ende"},
    {12806, "untergeordnete"},
    {12621, "Sabotage"},
    {12626, "Schalteinr."},
    {12641, "Feuer"},
    {12646, "\xDC"
            "berfall"},
    {12666, "Feuermelder"},
    {12671, "\xDC"
            "berfallmelder"},
    {12731, "Bereit zum"},
    {12736, "Scharfschalten"},
    {12761, "nicht bereit"},
    {12766, "nicht scharf"},
    {12836, "unsch.schalten"},
    {12841, "Unscharf"},
    {12846, "schalten"},
    {12851, "Scharf"},
    {12856, "Unscharf"},
    {12636, "Alarmz. fehlt"},
    {12656, ""},
    {12661, ""},
    {12676, ""},
    {12686, "offen"},
    {12691, "unverschlossen"},
    {12696, "Bewegung"},
    {12701, "Glasbruch"},
    {12706, "Sabotage"},
    {12711, "Sabotage (SE)"},
    {12716, "St\xF6rung"},
    {12721, "Alarm"},
    {12726, "Meldertest"},
    {12741, "St\xF6rung"},
    {12746, "OK"},
    {12751, "Alarmzentrale"},
    {12756, "St\xF6rung"},
    {12771, "Ausfall \xDCG"},
    {12776, "Alarmz. Sabo."},
    {12781, "verdr. Melder"},
    {12786, "Alarmzentrale"},
    {12791, "Sabo Geh\xE4use"},
    {12796, "Alarmgeber"},
    {12801, "\xDC"
            "berstrom"},
    {12811, "Netzausfall"},
    {12816, "< 60 Minuten"},
    {12821, "Akku"},
    {12826, "St\xF6rung"},
    {12831, "Melder fehlt"},
    {12861, "Programmier-"},
    {12866, "versuch"},
};

TEST(EditierbareTexteWriteDataToDb, FiftyTextsInKeyOrderTheThreeEmptyOnesAsZeros) {
    TFakeMainWindow main;
    TTempProject &project = main.UseTemporaryProject();
    TAzEditierbareTexte texte(main.Handle(), 1, 1, "", 6);
    // Key 0 edited in the grid.
    texte.SetFlagA();
    TDrawGridSE grid;
    texte.BuildInfoWindow(&grid, nullptr, false, -1, -1);
    grid.ActivateCell(1, RowOf(grid, TAzEditierbareTexte::RowErsterText));
    grid.EditText("Start");
    grid.LeaveCell();
    DeliverPostedMessages();
    main.ClearLog();

    EXPECT_TRUE(texte.WriteDataToDb());
    std::vector<Parameter> soll;
    for (size_t key = 0; key < 50; ++key)
        soll = Plus(soll, Text(Texte[key].first, key == 0 ? "Start" : Texte[key].second));
    Trace trace{"1170"};
    for (const auto &[id, wert] : soll)
        trace.push_back(std::to_string(id) + "=" + std::to_string(wert));
    EXPECT_EQ(main.Trace(), trace);
    for (const auto &[id, wert] : soll)
        EXPECT_EQ(project.Parameter(id), wert) << id;
    EXPECT_EQ(project.Parameter(12631), 0x53746172);
    EXPECT_EQ(project.Parameter(12632), 0x74000000);
    for (const int leer : {12656, 12661, 12676})
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(project.Parameter(leer + i), 0) << leer + i;
}

TEST(EditierbareTexteWriteDataToDb, TheWiredInputNumbered162LeavesTheEditableTextsAlone) {
    TFakeMainWindow main;
    TTempProject &project = main.UseTemporaryProject();
    TAzEditierbareTexte texte(main.Handle(), 1, 1, "", 6);
    ASSERT_TRUE(texte.WriteDataToDb());
    std::vector<std::unique_ptr<TDataBasis>> objects;
    ASSERT_TRUE(Melder(main, objects, eVerdrahtet, 162)->WriteDataToDb());
    for (const auto &[id, wert] : Text(12621, "Sabotage"))
        EXPECT_EQ(project.Parameter(id), wert) << id;
    EXPECT_EQ(project.Parameter(4620), 0x8009);
}

// The classes with panel texts have the text operations under their own names.
template <class T> void ExpectTextOperations(T &object, TFakeMainWindow &main, TTempProject &project) {
    main.ClearLog();
    EXPECT_TRUE(object.SetStringToDeviceParamData(19101, "abc"));
    EXPECT_EQ(main.Trace(), (Trace{"1170", "19101=1633837824", "19102=0", "19103=0", "19104=0"}));
    EXPECT_EQ(project.Parameter(19101), 0x61626300);
    EXPECT_EQ(T::SwapDword(0x11223344u), 0x44332211u);
    AnsiString text = "ABCDEFGHIJKLMNOP";
    T::SetLengthTexte(text, 14);
    EXPECT_EQ(text, "ABCDEFGHIJKLMN");
    T::SetLengthTexte(text, 20);
    EXPECT_EQ(text, "ABCDEFGHIJKLMN");
}

TEST(TextOperations, DetectorEditableTextsAndArmingAreaHaveThemUnderTheirNames) {
    TFakeMainWindow main;
    TTempProject &project = main.UseTemporaryProject();
    TAzMelder melder(main.Handle(), 1, 2, "", 3);
    ExpectTextOperations(melder, main, project);
    TAzEditierbareTexte texte(main.Handle(), 1, 1, "", 6);
    ExpectTextOperations(texte, main, project);
    TAzScharfschaltBereich1 bereich(main.Handle(), 1, 2, "", 5);
    ExpectTextOperations(static_cast<TAzScharfschaltBereich &>(bereich), main, project);
}

} // namespace
