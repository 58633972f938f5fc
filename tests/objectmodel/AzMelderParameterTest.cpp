// The detector's pure helpers: the parameter word, the parameter ids and the area test.
#include "objectmodel/AzMelderParameter.h"

#include <gtest/gtest.h>

namespace {

using namespace T_DB_EnumAzMelder;

TEST(AzMelderParameterblock, PacksTheFieldsIntoTheirBits) {
    struct Case {
        int art, bereich, text, typ;
        bool aktiv;
        uint32_t wort;
    };
    const Case cases[] = {
        {1, 1, 0, 0, true, 0x8009},                                // a new detector
        {1, 7, 0, 0, true, 0x8039},                                // the sabotage input's defaults
        {1, 7, 0, 2, true, 0xC039},                                // sabotage input with type 2
        {0, 0, 0, 0, false, 0x0000}, {5, 6, 127, 3, true, 0xFFF5}, // every field at its largest
        {3, 4, 1, 1, false, 0x2063}, {2, 5, 64, 0, true, 0x902A},
    };
    for (const Case &c : cases)
        EXPECT_EQ(AzMelderParameterblock(c.art, c.bereich, c.text, c.typ, c.aktiv), c.wort)
            << c.art << " " << c.bereich << " " << c.text << " " << c.typ << " " << c.aktiv;
}

TEST(AzMelderParameterblock, AValueOutOfRangeStaysInItsField) {
    // A damaged record: each value is cut to its field, its neighbours keep theirs.
    EXPECT_EQ(AzMelderParameterblock(-1, 0, 0, 0, false), 0x0007u);
    EXPECT_EQ(AzMelderParameterblock(0, 9, 0, 0, false), 0x0008u);
    EXPECT_EQ(AzMelderParameterblock(0, 0, 200, 0, false), 200u % 128u << 6);
    EXPECT_EQ(AzMelderParameterblock(0, 0, 0, 4, false), 0x0000u);
    EXPECT_EQ(AzMelderParameterblock(1, 1, -1, 0, true), 0x9FC9u);
}

TEST(AzMelderParamIds, NumberFormulaAndTheWiredInput) {
    struct Case {
        TEnumMelder kind;
        int nummer;
        int16_t wort, text;
    };
    const Case cases[] = {
        {eMelderSb1, 1, 3010, 11011},
        {eMelderSb2, 7, 3070, 11071},
        {eFeuermelder, 160, 4600, 12601},
        {eUeberfallmelder, 2, 3020, 11021},
        // The wired input: its own ids with the number the object model gives (0) and with
        // the number the reconstruction gives (162), which by the formula would write the
        // text over the editable text at 12621.
        {eVerdrahtet, 0, 4620, 12611},
        {eVerdrahtet, 162, 4620, 12611},
        // 16-bit wrap of a number out of range.
        {eMelderSb4, 6500, static_cast<int16_t>(68000 % 65536),
         static_cast<int16_t>(76001 % 65536)},
    };
    for (const Case &c : cases) {
        const TAzMelderParamIds ids = AzMelderParamIds(c.kind, c.nummer);
        EXPECT_EQ(ids.Wort, c.wort) << int(c.kind) << " " << c.nummer;
        EXPECT_EQ(ids.Text, c.text) << int(c.kind) << " " << c.nummer;
    }
}

TEST(AzSicherungsBereichExistiert, OneByteOfTheVariantWordPerArea) {
    struct Case {
        uint32_t variante;
        bool sb1, sb2, sb3, sb4;
    };
    const Case cases[] = {
        {0x00000000, false, false, false, false}, // "Konfiguration 1"
        {0x11330000, true, true, false, false},   // the default
        {0x110044CC, true, false, true, true},    {0x11000098, true, false, false, true},
        {0x00000100, false, false, true, false},  {0x01000000, true, false, false, false},
        {0x00010000, false, true, false, false},  {0x00000001, false, false, false, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.variante);
        EXPECT_EQ(AzSicherungsBereichExistiert(c.variante, 1), c.sb1);
        EXPECT_EQ(AzSicherungsBereichExistiert(c.variante, 2), c.sb2);
        EXPECT_EQ(AzSicherungsBereichExistiert(c.variante, 3), c.sb3);
        EXPECT_EQ(AzSicherungsBereichExistiert(c.variante, 4), c.sb4);
    }
    EXPECT_FALSE(AzSicherungsBereichExistiert(0xFFFFFFFF, 0));
    EXPECT_FALSE(AzSicherungsBereichExistiert(0xFFFFFFFF, 5));
}

} // namespace
