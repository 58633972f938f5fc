// The fixture's setters against the panel cells they stand for, and its image file's frame.
#include "TPanelImageFixture.h"

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
         [](auto &p) { p.SetMelder(1, {.MelderTyp = 2, .Aktiv = true, .EingangsTyp = 5, .Bereich = 6}); },
         0xBEBB, {0xC0, 0x35}},
        {"detector 160", [](auto &p) { p.SetMelder(160, {.EingangsTyp = 1, .Bereich = 1}); }, 0xBFF9, {0x00, 0x09}},
        {"wired input", [](auto &p) { p.SetMelder(162, {.Bereich = 2}); }, 0xBFFD, {0x00, 0x10}},
        {"tamper input", [](auto &p) { p.SetSabotage({.MelderTyp = 1, .EingangsTyp = 3}); }, 0xBFFB, {0x20, 0x03}},
        {"detector text 1", [](auto &p) { p.SetMelderText(1, "Flur"); }, 0xAD32, {'F', 'l', 'u', 'r', 0}},
        {"detector text 162", [](auto &p) { p.SetMelderText(162, "Zentrale"); }, 0xB5F2, {'Z', 'e'}},
        {"editable text 5", [](auto &p) { p.SetEditierbarerText(5, "Eingang"); }, 0xB8D6, {'E', 'i'}},
        {"editable text 50", [](auto &p) { p.SetEditierbarerText(50, "Ende"); }, 0xBE04, {'E', 'n', 'd', 'e', 0}},
        {"arming text 4", [](auto &p) { p.SetScharfschaltBereichText(4, "Lager"); }, 0xBE5C, {'L', 'a'}},
        {"tamper resistor", [](auto &p) { p.SetSabotageWiderstand(3); }, 0xBE17, {0xC0}},
        {"months", [](auto &p) { p.SetUmstellung(1, 12); }, 0xBE16, {0xC1}},
        {"alarm fire", [](auto &p) { p.SetAlarmierung(0, {.Blitz = true, .Relais = true}, true); }, 0xBEB5, {0x49}},
        {"alarm SSB 2", [](auto &p) { p.SetAlarmierung(4, {.InnenSirene = true}, false); }, 0xBEAF, {0x04}},
        {"acknowledgement SSB 3",
         [](auto &p) { p.SetQuittierung(3, {.AussenSirene = true}, true, 2); }, 0xBE2C, {0x12}},
        {"durations", [](auto &p) { p.SetAlarmdauer(0, 1, 180, 255); }, 0xBE6E, {0, 1, 180, 255}},
        {"behaviour burglary", [](auto &p) { p.SetVerhaltenUegR(1, {.Blitz = true}); }, 0xBE25, {0x01}},
        {"display 3", [](auto &p) { p.SetAnzeige(2, 0x0F); }, 0xBE6C, {0x0F}},
        {"group addresses", [](auto &p) { p.SetGruppenAdressen({0x0901, 0x0902}); }, 0x4000,
         {3, 0x11, 0x05, 0x09, 0x01, 0x09, 0x02}},
        {"associations", [](auto &p) { p.SetAssoziationen({{1, 3}, {2, 166}}); }, 0x41FF, {2, 1, 3, 2, 166}},
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
