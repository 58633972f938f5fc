#include "AsmTestHilfen.h"

#include "platform/vcl/Cp1252.h"
#include "platform/win/MessageBox.h"

#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace {

const AnsiString kEintragen = Utf8ToAnsi("Links eintragen (auflösen)");

TEST(TAssemblerName, NoneOrZeroIsOhneName) {
    EXPECT_EQ(TAssembler().Name(), "ohne Name");
    EXPECT_EQ(TAssembler("0").Name(), "ohne Name");
    EXPECT_EQ(TAssembler("").Name(), "ohne Name");
    EXPECT_EQ(TAssembler("Panel").Name(), "Panel");
}

TEST(TAssemblerKlasse, EndBelowStartIsWrappedAndNotListed) {
    TAssembler assembler;
    try {
        assembler.NewKlasse("Texte", 7, 0xB8D6, 0x10, asmAusgeben);
        FAIL() << "no exception";
    } catch (const EAssemblerLinker &e) {
        EXPECT_EQ(e.Header, "Exception: AssemblerLinkler");
        EXPECT_EQ(e.Info, "THROW_EAssemblerLinker");
        EXPECT_EQ(e.Detail, "AsmKlasse konnte nicht instanziert werden\nsName = 'Texte'\nnTyp = "
                            "7\ndwStart = 0x0000B8D6\ndwEnde = 0x00000010\nTEnumAsmKlasse = 1");
        EXPECT_EQ(e.File, "Assembler");
        EXPECT_EQ(e.Function, "TAssembler::NewKlasse");
    }
    EXPECT_EQ(assembler.FirstKlasse(), nullptr);
    TAsmKlasse *k = assembler.NewKlasse("K", 1, 0, 1, asmAusgeben);
    EXPECT_EQ(assembler.FirstKlasse(), k);
}

TEST(TAssemblerBlock, TheBlocksOwnReportPassesUnchanged) {
    TAssembler assembler;
    try {
        assembler.NewBlock("B", nullptr, false);
        FAIL() << "no exception";
    } catch (const EAssemblerLinker &e) {
        EXPECT_EQ(e.Header, "Exception");
        EXPECT_EQ(e.File, "AsmBlock");
        EXPECT_THAT(e.Detail, StartsWith("Klasse == NULL!"));
    }
    EXPECT_EQ(assembler.FirstBlock(), nullptr);
}

TEST(TAssemblerLinken, WithoutBlocksNothingHappens) {
    TAssembler assembler;
    assembler.NewKlasse("K", 1, 0x100, 0x1FF, asmAusgeben);
    EXPECT_NO_THROW(assembler.Linken());
    EXPECT_EQ(assembler.FirstBlock(), nullptr);
}

TEST(TAssemblerLinken, BlocksOfAClassFollowInCreationOrderAtEvenAddresses) {
    TAssembler assembler;
    TAsmKlasse *k = assembler.NewKlasse("K", 1, 0x1000, 0x1FFF, asmAusgeben);
    TAsmKlasse *other = assembler.NewKlasse("L", 1, 0x3001, 0x3FFF, asmAusgeben);
    TAsmBlock *a = assembler.NewBlock("A", k, false);
    TAsmBlock *x = assembler.NewBlock("X", other, false);
    TAsmBlock *b = assembler.NewBlock("B", k, false);
    TAsmBlock *y = assembler.NewBlock("Y", other, false);
    TAsmBlock *c = assembler.NewBlock("C", k, false);
    a->AddSpace(3);
    x->AddSpace(5);
    b->AddSpace(4);
    y->AddSpace(1);
    c->AddSpace(1);
    assembler.Linken();
    EXPECT_EQ(a->dwOrg, 0x1000u);
    EXPECT_EQ(b->dwOrg, 0x1004u);
    EXPECT_EQ(c->dwOrg, 0x1008u);
    // The class start is taken as it is, the next block starts even.
    EXPECT_EQ(x->dwOrg, 0x3001u);
    EXPECT_EQ(y->dwOrg, 0x3006u);
    for (const TAsmBlock *blk : {a, b, c, x, y})
        EXPECT_TRUE(blk->bLinked);
    // The padding is not charged.
    EXPECT_EQ(k->dwUsed, 8u);
}

struct BreiteFall {
    int width;
    bool swap;
    std::vector<uint8_t> bytes;
};

class TAssemblerLinkBreite : public ::testing::TestWithParam<BreiteFall> {};

TEST_P(TAssemblerLinkBreite, TheAddressInTheBlocksByteOrder) {
    const BreiteFall &f = GetParam();
    TAssembler assembler;
    TAsmKlasse *code = assembler.NewKlasse("Code", 1, 0x100, 0x1FF, asmAusgeben);
    TAsmKlasse *daten = assembler.NewKlasse("Daten", 1, 0x12340, 0x1234FF, asmAusgeben);
    code->nPointerSize = f.width;
    TAsmBlock *block = assembler.NewBlock("Tabelle", code, f.swap);
    TAsmBlock *ziel = assembler.NewBlock("Ziel", daten, f.swap);
    ziel->AddSpace(0x10);
    block->AddData(uint8_t{0xAB});
    block->AddBlockRef(MakeLinkPoint(ziel, 0x16), "Zeiger");
    block->AddData(uint8_t{0xCD});
    assembler.Linken();
    std::vector<uint8_t> expected{0xAB};
    expected.insert(expected.end(), f.bytes.begin(), f.bytes.end());
    expected.push_back(0xCD);
    EXPECT_THAT(Bytes(*block), ElementsAreArray(expected));
}

// The target is 0x12340 + 0x16 = 0x00012356.
INSTANTIATE_TEST_SUITE_P(Cases, TAssemblerLinkBreite,
                         ::testing::Values(BreiteFall{1, false, {0x56}},
                                           BreiteFall{1, true, {0x56}},
                                           BreiteFall{2, false, {0x56, 0x23}},
                                           BreiteFall{2, true, {0x23, 0x56}},
                                           BreiteFall{4, false, {0x56, 0x23, 0x01, 0x00}},
                                           BreiteFall{4, true, {0x00, 0x01, 0x23, 0x56}}));

TEST(TAssemblerLinken, DefaultWidthHoldsTheTargetsOrigin) {
    TAssembler assembler;
    TAsmKlasse *k = assembler.NewKlasse("K", 1, 0xB8D6, 0xBFFE, asmAusgeben);
    TAsmBlock *first = assembler.NewBlock("Erster", k, false);
    TAsmBlock *ziel = assembler.NewBlock("Ziel", k, false);
    const tagLinkPoint ref = first->AddBlockRef(ziel, "Ziel");
    ziel->AddData(uint8_t{1});
    EXPECT_EQ(ref.dwOffset, 0u);
    EXPECT_EQ(first->dwSize, 4u);
    assembler.Linken();
    EXPECT_EQ(ziel->dwOrg, 0xB8DAu);
    EXPECT_THAT(Bytes(*first), ElementsAre(0xDA, 0xB8, 0, 0));
}

TEST(TAssemblerLinken, UnsupportedWidthIsReportedWithItsPhase) {
    TMessageBoxRecorder boxen;
    TAssembler assembler;
    TAsmKlasse *k = assembler.NewKlasse("K", 1, 0, 0xFF, asmAusgeben);
    k->nPointerSize = 3;
    TAsmBlock *block = assembler.NewBlock("B", k, false);
    EXPECT_EQ(block->AddBlockRef(block, "selbst").dwOffset, 0u);
    EXPECT_EQ(block->dwSize, 3u);
    try {
        assembler.Linken();
        FAIL() << "no exception";
    } catch (const EAssemblerLinker &e) {
        EXPECT_EQ(e.Header, "Exception: AssemblerLinkler");
        EXPECT_EQ(e.Info, kEintragen);
        EXPECT_EQ(e.Detail, "TAssembler::Linken: 'BlockLauf->Klasse->nPointerSize' not supported!");
        EXPECT_EQ(e.File, "Assembler");
        EXPECT_EQ(e.Function, "TAssembler::Linken");
    }
    EXPECT_TRUE(boxen.Boxes().empty());
    EXPECT_THAT(Bytes(*block), ElementsAre(0, 0, 0));
}

struct PassFall {
    const char *name;
    uint32_t des; // offset of the link in a block of 8 bytes, width 4
    bool ok;
};

class TAssemblerLinkPasst : public ::testing::TestWithParam<PassFall> {};

TEST_P(TAssemblerLinkPasst, OnlyInsideItsBlock) {
    const PassFall &f = GetParam();
    TMessageBoxRecorder boxen;
    TAssembler assembler;
    TAsmKlasse *k = assembler.NewKlasse("Tabellen", 1, 0x2000, 0x2FFF, asmAusgeben);
    TAsmBlock *block = assembler.NewBlock("B", k, false);
    block->AddSpace(8);
    block->SetBlockRef(MakeLinkPoint(nullptr, f.des), MakeLinkPoint(block, 2), "x");
    if (f.ok) {
        assembler.Linken();
        EXPECT_EQ(block->Data()[f.des], 0x02);
        EXPECT_EQ(block->Data()[f.des + 1], 0x20);
        EXPECT_TRUE(boxen.Boxes().empty());
        return;
    }
    try {
        assembler.Linken();
        FAIL() << "no exception";
    } catch (const EAssemblerLinker &e) {
        EXPECT_EQ(e.Info, kEintragen);
        ASSERT_EQ(boxen.Boxes().size(), 1u);
        const auto &box = boxen.Boxes()[0];
        EXPECT_EQ(box.caption, "TAssembler::Linken()-Error");
        EXPECT_EQ(box.text, e.Detail);
        EXPECT_EQ(box.style, unsigned{MB_OK | MB_ICONERROR});
        EXPECT_THAT(e.Detail, StartsWith(Utf8ToAnsi("Link passt nicht in Block 'B': Klasse "
                                                    "'Tabellen', Offset 0x") +
                                         AsmFormat("%08X", f.des) +
                                         Utf8ToAnsi(", Breite 4, Blockgröße 8\n")));
        EXPECT_THAT(e.Detail, EndetMitOrt("Assembler"));
    }
    // Nothing was written outside: the block's bytes are untouched.
    EXPECT_EQ(Bytes(*block), std::vector<uint8_t>(8, 0));
}

INSTANTIATE_TEST_SUITE_P(Cases, TAssemblerLinkPasst,
                         ::testing::Values(PassFall{"ends_at_the_last_byte", 4, true},
                                           PassFall{"one_past", 5, false},
                                           PassFall{"wrapping_offset", 0xFFFFFFFE, false},
                                           PassFall{"far_past", 0x80000000, false}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(TAssemblerLinken, ALinkWithoutSourceBlockIsRefused) {
    TMessageBoxRecorder boxen;
    TAssembler assembler;
    TAsmKlasse *k = assembler.NewKlasse("K", 1, 0, 0xFF, asmAusgeben);
    TAsmBlock *block = assembler.NewBlock("B", k, false);
    block->AddBlockRef(MakeLinkPoint(nullptr, 4), "leer");
    try {
        assembler.Linken();
        FAIL() << "no exception";
    } catch (const EAssemblerLinker &e) {
        EXPECT_EQ(e.Info, kEintragen);
        EXPECT_THAT(e.Detail, HasSubstr("'B'"));
        EXPECT_THAT(e.Detail, EndetMitOrt("Assembler"));
    }
    ASSERT_EQ(boxen.Boxes().size(), 1u);
    EXPECT_EQ(boxen.Boxes()[0].caption, "TAssembler::Linken()-Error");
}

struct KlassenEndeFall {
    uint32_t zweiter; // size of the second block in a class 0x1000..0x1004 after 3 bytes
    bool ok;
};

class TAssemblerKlassenEnde : public ::testing::TestWithParam<KlassenEndeFall> {};

TEST_P(TAssemblerKlassenEnde, APlacedBlockEndsInsideItsClass) {
    const KlassenEndeFall &f = GetParam();
    TMessageBoxRecorder boxen;
    TAssembler assembler;
    TAsmKlasse *k = assembler.NewKlasse("Klein", 1, 0x1000, 0x1004, asmAusgeben);
    TAsmKlasse *next = assembler.NewKlasse("Nachbar", 1, 0x1005, 0x10FF, asmAusgeben);
    TAsmBlock *a = assembler.NewBlock("A", k, false);
    TAsmBlock *b = assembler.NewBlock("B", k, false);
    TAsmBlock *n = assembler.NewBlock("N", next, false);
    a->AddSpace(3);
    // Two bytes still fit the class's charge; the padding would push them past its end.
    b->AddSpace(f.zweiter);
    n->AddSpace(2);
    if (f.ok) {
        assembler.Linken();
        EXPECT_EQ(b->dwOrg, 0x1004u);
        return;
    }
    try {
        assembler.Linken();
        FAIL() << "no exception";
    } catch (const EAssemblerLinker &e) {
        EXPECT_EQ(e.Header, "Exception: AssemblerLinkler");
        EXPECT_EQ(e.Info, "ungelinkte Blocks suchen");
        EXPECT_THAT(e.Detail, HasSubstr("'B'"));
        EXPECT_THAT(e.Detail, HasSubstr("'Klein'"));
    }
    EXPECT_TRUE(boxen.Boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, TAssemblerKlassenEnde,
                         ::testing::Values(KlassenEndeFall{1, true}, KlassenEndeFall{2, false}));

TEST(TAssemblerLinken, AFurtherRunPlacesAnewAndRewritesTheLinks) {
    TAssembler assembler;
    TAsmKlasse *k = assembler.NewKlasse("K", 1, 0x10, 0xFF, asmAusgeben);
    k->nPointerSize = 1;
    TAsmBlock *a = assembler.NewBlock("A", k, false);
    TAsmBlock *b = assembler.NewBlock("B", k, false);
    a->AddBlockRef(b, "b");
    b->AddSpace(1);
    assembler.Linken();
    EXPECT_THAT(Bytes(*a), ElementsAre(0x12));
    a->AddSpace(2);
    assembler.Linken();
    EXPECT_EQ(b->dwOrg, 0x14u);
    EXPECT_THAT(Bytes(*a), ElementsAre(0x14, 0, 0));
}

} // namespace
