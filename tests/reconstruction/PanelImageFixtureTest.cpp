// The fixture's setters against the panel cells they stand for, and its image file's frame.
#include "TPanelImageFixture.h"
#include "TempProject.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

TEST(PanelImageFixture, SettersWriteTheCellsOfTheirParameter) {
    struct Case {
        const char *what;
        std::function<void(TPanelImageFixture &)> set;
        uint32_t at;
        std::vector<unsigned char> bytes;
    };
    const Case cases[] = {
        {"variant", [](auto &p) { p.SetVariante(0x11220000); }, 0xBE1A, {0x11, 0x22, 0x00, 0x00}},
        {"event depth", [](auto &p) { p.SetEreignisspeichertiefe(160); }, 0xBE31, {160}},
        {"detector 1",
         [](auto &p) {
             p.SetMelder(1, {.MelderTyp = 2, .Aktiv = true, .EingangsTyp = 5, .Bereich = 6});
         },
         0xBEBB,
         {0xC0, 0x35}},
        {"detector 160",
         [](auto &p) { p.SetMelder(160, {.EingangsTyp = 1, .Bereich = 1}); },
         0xBFF9,
         {0x00, 0x09}},
        {"wired input", [](auto &p) { p.SetMelder(162, {.Bereich = 2}); }, 0xBFFD, {0x00, 0x10}},
        {"tamper input",
         [](auto &p) { p.SetSabotage({.MelderTyp = 1, .EingangsTyp = 3}); },
         0xBFFB,
         {0x20, 0x03}},
        {"detector text 1",
         [](auto &p) { p.SetMelderText(1, "Flur"); },
         0xAD32,
         {'F', 'l', 'u', 'r', 0}},
        {"detector text 162",
         [](auto &p) { p.SetMelderText(162, "Zentrale"); },
         0xB5F2,
         {'Z', 'e'}},
        {"editable text 5",
         [](auto &p) { p.SetEditierbarerText(5, "Eingang"); },
         0xB8D6,
         {'E', 'i'}},
        {"editable text 50",
         [](auto &p) { p.SetEditierbarerText(50, "Ende"); },
         0xBE04,
         {'E', 'n', 'd', 'e', 0}},
        {"arming text 4",
         [](auto &p) { p.SetScharfschaltBereichText(4, "Lager"); },
         0xBE5C,
         {'L', 'a'}},
        {"tamper resistor", [](auto &p) { p.SetSabotageWiderstand(3); }, 0xBE17, {0xC0}},
        {"months", [](auto &p) { p.SetUmstellung(1, 12); }, 0xBE16, {0xC1}},
        {"alarm fire",
         [](auto &p) { p.SetAlarmierung(0, {.Blitz = true, .Relais = true}, true); },
         0xBEB5,
         {0x49}},
        {"alarm SSB 2",
         [](auto &p) { p.SetAlarmierung(4, {.InnenSirene = true}, false); },
         0xBEAF,
         {0x04}},
        {"acknowledgement SSB 3",
         [](auto &p) { p.SetQuittierung(3, {.AussenSirene = true}, true, 2); },
         0xBE2C,
         {0x12}},
        {"durations", [](auto &p) { p.SetAlarmdauer(0, 1, 180, 255); }, 0xBE6E, {0, 1, 180, 255}},
        {"behaviour burglary",
         [](auto &p) { p.SetVerhaltenUegR(1, {.Blitz = true}); },
         0xBE25,
         {0x01}},
        {"display 3", [](auto &p) { p.SetAnzeige(2, 0x0F); }, 0xBE6C, {0x0F}},
        {"group addresses",
         [](auto &p) {
             p.SetGruppenAdressen({0x0901, 0x0902});
         },
         0x4000,
         {3, 0x11, 0x05, 0x09, 0x01, 0x09, 0x02}},
        {"associations",
         [](auto &p) {
             p.SetAssoziationen({{1, 3}, {2, 166}});
         },
         0x41FF,
         {2, 1, 3, 2, 166}},
    };
    for (const Case &c : cases) {
        TPanelImageFixture panel(0x1105);
        c.set(panel);
        const std::vector<unsigned char> got(panel.Image().begin() + c.at,
                                             panel.Image().begin() + c.at + c.bytes.size());
        EXPECT_EQ(got, c.bytes) << c.what;
    }
}

TEST(PanelImageFixture, BitSettersLeaveTheOtherBitsOfTheirByte) {
    TPanelImageFixture panel;
    panel.SetSabotageWiderstand(2);
    panel.SetSystemUhr(true);
    panel.SetGeraeteVersion(true);
    EXPECT_EQ(panel.Image()[0xBE17], 0x80 | 0x20 | 0x01);
    panel.SetSystemUhr(false);
    EXPECT_EQ(panel.Image()[0xBE17], 0x81);
}

TEST(PanelImageFixture, ValuesThePanelCannotHoldAreRefused) {
    TPanelImageFixture panel;
    EXPECT_THROW(panel.SetMelder(161, {}), std::out_of_range);
    EXPECT_THROW(panel.SetMelder(1, {.Bereich = 8}), std::out_of_range);
    EXPECT_THROW(panel.SetMelderText(1, "fifteen bytes!!"), std::out_of_range);
    EXPECT_THROW(panel.SetAlarmierung(2, {}, false), std::out_of_range);
    EXPECT_THROW(panel.SetUmstellung(16, 1), std::out_of_range);
}

TEST(PanelImageFixture, TheImageFileHoldsTheThreeBlocksInTheirFrames) {
    TPanelImageFixture panel(0x1105);
    const std::string text = panel.X19Text();
    EXPECT_EQ(text.rfind("<UserSoftware>\r\nSX \r\nS00600004844521B\r\nS113B8D6", 0), 0u);
    EXPECT_NE(text.find("S9030000FC\r\n</UserSoftware>\r\n<MelderTexte>\r\nSX \r\n"),
              std::string::npos);
    EXPECT_TRUE(text.ends_with("\r\nS9030000FC\r\n</BcuSoftware>\r\n"));
    size_t lines = 0;
    for (const char c : text)
        lines += c == '\n';
    EXPECT_EQ(lines, 393u);
    // The last UserSoftware line carries the bytes 0xBFF6..0xBFFE.
    EXPECT_NE(text.find("\nS10CBFF6"), std::string::npos);
    EXPECT_EQ(TPanelImageFixture::SRecordLine("S1", 0x1234, {0xAB}), "S1041234AB0A\r\n");
}

} // namespace

namespace {

TEST(PanelImageFixtureFromProject, TheDownloadPlacesParametersTextsAndLinks) {
    TTempProject project;
    TProjectDatabase &db = project.Database();
    const int32_t panel = project.PanelId();
    auto set = [&](int id, int32_t value) {
        ASSERT_TRUE(db.SetParameterValue(panel, id, value, nullptr)) << id;
    };
    set(10070, 0x11224498);
    set(3010, 0x8039);      // detector 1: active, input type 1, area 7, text 0
    set(4620, 0x0010);      // the wired input's word, slot 162
    set(11011, 0x466C7572); // "Flur"
    set(12611, 0x5A656E74); // the wired input's text "Zentrale"
    set(12612, 0x72616C65);
    set(12621, 0x45696E67); // the first editable text by id: "Eing" ...
    set(12622, 0x616E6700); // ... "ang"
    set(13900, 1);          // burglary: flash
    set(16540, 1);          // fire alarm: relay
    set(10030, 10);
    set(10040, 3);
    set(8000, 1); // switches the date and time objects on
    const int32_t a = db.AddGroupAddress(1, 0, 1, "Uhr");
    const int32_t b = db.AddGroupAddress(1, 0, 2, "Datum");
    ASSERT_GT(db.Link(project.DeviceObject(224), b, true), 0);
    ASSERT_GT(db.Link(project.DeviceObject(223), b, false), 0);
    ASSERT_GT(db.Link(project.DeviceObject(223), a, true), 0);

    const TPanelImageFixture image = TPanelImageFixture::FromProject(db, panel);
    const auto &m = image.Image();
    auto bytes = [&](uint32_t at, size_t n) {
        return std::vector<unsigned char>(m.begin() + at, m.begin() + at + n);
    };
    EXPECT_EQ(bytes(0xBE1A, 4), std::vector<unsigned char>({0x11, 0x22, 0x44, 0x98}));
    EXPECT_EQ(bytes(0xBEBB, 2), std::vector<unsigned char>({0x80, 0x39}));
    EXPECT_EQ(bytes(0xBFFD, 2), std::vector<unsigned char>({0x00, 0x10}));
    EXPECT_EQ(bytes(0xAD32, 5), std::vector<unsigned char>({'F', 'l', 'u', 'r', 0}));
    EXPECT_EQ(bytes(0xB5F2, 9),
              std::vector<unsigned char>({'Z', 'e', 'n', 't', 'r', 'a', 'l', 'e', 0}));
    EXPECT_EQ(bytes(0xB8D6, 8), std::vector<unsigned char>({'E', 'i', 'n', 'g', 'a', 'n', 'g', 0}));
    EXPECT_EQ(m[0xBE25], 0x01);
    EXPECT_EQ(m[0xBEB5], 0x08);
    EXPECT_EQ(m[0xBE16], 0x3A);
    // Its own address stays first; the two addresses ascending; 223 sends on 1/0/1 first.
    EXPECT_EQ(bytes(0x4000, 7),
              std::vector<unsigned char>({3, 0x11, 0x01, 0x08, 0x01, 0x08, 0x02}));
    EXPECT_EQ(bytes(0x41FF, 7), std::vector<unsigned char>({3, 1, 223, 2, 223, 2, 224}));
    EXPECT_EQ(m[0x43FC], 231) << "the object table of a fresh panel";
}

} // namespace
