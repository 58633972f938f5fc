#include "AsmTestHilfen.h"

#include "assembler/AsmBlock.h"
#include "assembler/AsmKlasse.h"
#include "platform/win/MessageBox.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

struct BlockFixture : ::testing::Test {
    TAsmKlasse Klasse{"K", 1, 0x1000, 0x1FFF, asmAusgeben};
    TMessageBoxRecorder Boxen;
};

using AsmBlock = BlockFixture;

TEST_F(AsmBlock, NameIsTestedBeforeTheClass) {
    try {
        TAsmBlock block("", nullptr, false);
        FAIL() << "no exception";
    } catch (const EAssemblerLinker &e) {
        EXPECT_EQ(e.Header, "Exception");
        EXPECT_EQ(e.Info, "EAssemblerLinker");
        EXPECT_EQ(e.Detail, "Block-Name is not defined!");
        EXPECT_EQ(e.File, "AsmBlock");
        EXPECT_EQ(e.Function, "TAsmBlock::TAsmBlock()");
    }
    try {
        TAsmBlock block("Daten", nullptr, false);
        FAIL() << "no exception";
    } catch (const EAssemblerLinker &e) {
        EXPECT_EQ(e.Detail, "Klasse == NULL!\nBlock: \"Daten\"");
    }
    EXPECT_TRUE(Boxen.Boxes().empty());
}

TEST_F(AsmBlock, ConstructorAppendsTheGivenData) {
    const uint8_t data[] = {9, 8, 7};
    TAsmBlock block("B", &Klasse, false, data, 3);
    EXPECT_THAT(Bytes(block), ElementsAre(9, 8, 7));
    EXPECT_EQ(Klasse.dwUsed, 3u);
    EXPECT_EQ(block.dwOrg, 0u);
    EXPECT_FALSE(block.bLinked);
}

TEST_F(AsmBlock, EmptyAndNullAppends) {
    TAsmBlock block("B", &Klasse, false);
    const uint8_t one = 0xAA;
    block.AddData(&one, 1);
    const tagLinkPoint none = block.AddData(&one, 0);
    EXPECT_EQ(none.block, &block);
    EXPECT_EQ(none.dwOffset, 1u);
    EXPECT_EQ(block.dwSize, 1u);
    const tagLinkPoint zeros = block.AddData(nullptr, 5);
    EXPECT_EQ(zeros.dwOffset, 1u);
    EXPECT_THAT(Bytes(block), ElementsAre(0xAA, 0, 0, 0, 0, 0));
    EXPECT_EQ(block.AddSpace(2).dwOffset, 6u);
    EXPECT_EQ(block.dwSize, 8u);
    EXPECT_EQ(Klasse.dwUsed, 8u);
}

TEST_F(AsmBlock, TextsEndInAZeroByte) {
    TAsmBlock block("B", &Klasse, false);
    EXPECT_EQ(block.AddData(AnsiString("AB")).dwOffset, 0u);
    EXPECT_EQ(block.AddData(AnsiString()).dwOffset, 3u);
    EXPECT_THAT(Bytes(block), ElementsAre('A', 'B', 0, 0));
}

TEST_F(AsmBlock, AppendingItsOwnBytesCopiesThem) {
    TAsmBlock block("B", &Klasse, false);
    block.AddData(uint8_t{1});
    block.AddData(uint8_t{2});
    for (int i = 0; i < 8; ++i)
        block.AddData(block.Data(), block.dwSize);
    ASSERT_EQ(block.dwSize, 512u);
    for (uint32_t i = 0; i < block.dwSize; ++i)
        ASSERT_EQ(block.Data()[i], i % 2 == 0 ? 1 : 2) << i;
}

struct OrderFall {
    bool swap;
    std::vector<uint8_t> word, dword;
};

class AsmBlockByteOrder : public ::testing::TestWithParam<OrderFall> {};

TEST_P(AsmBlockByteOrder, ValuesAndConstantsAlike) {
    const OrderFall &f = GetParam();
    TAsmKlasse klasse("K", 1, 0, 0xFF, asmAusgeben);
    TAsmBlock data("D", &klasse, f.swap);
    data.AddData(uint16_t{0x1234});
    data.AddData(uint32_t{0x12345678});
    TAsmBlock pooled("P", &klasse, f.swap);
    pooled.AddConst(uint16_t{0x1234});
    pooled.AddConst(uint32_t{0x12345678});
    std::vector<uint8_t> expected = f.word;
    expected.insert(expected.end(), f.dword.begin(), f.dword.end());
    EXPECT_THAT(Bytes(data), ElementsAreArray(expected));
    EXPECT_THAT(Bytes(pooled), ElementsAreArray(expected));
}

INSTANTIATE_TEST_SUITE_P(Cases, AsmBlockByteOrder,
                         ::testing::Values(OrderFall{true, {0x12, 0x34}, {0x12, 0x34, 0x56, 0x78}},
                                           OrderFall{
                                               false, {0x34, 0x12}, {0x78, 0x56, 0x34, 0x12}}));

TEST_F(AsmBlock, SwapReversesBytes) {
    TAsmBlock block("B", &Klasse, false);
    uint16_t w = 0x1234;
    block.Swap(w);
    EXPECT_EQ(w, 0x3412);
    uint32_t d = 0x12345678;
    block.Swap(d);
    EXPECT_EQ(d, 0x78563412u);
}

TEST_F(AsmBlock, ConstantsArePooledByWidthAndValue) {
    TAsmBlock block("B", &Klasse, false);
    struct Schritt {
        std::function<tagLinkPoint()> add;
        uint32_t offset;
    };
    const Schritt schritte[] = {
        {[&] { return block.AddConst(uint8_t{0x12}); }, 0},
        {[&] { return block.AddConst(uint16_t{0x12}); }, 1},
        {[&] { return block.AddConst(uint32_t{0x12}); }, 3},
        {[&] { return block.AddConst(AnsiString("a")); }, 7},
        {[&] { return block.AddConst(AnsiString("A")); }, 9},
        {[&] { return block.AddConst(uint8_t{0x13}); }, 11},
    };
    // The second round repeats every constant: the first position again, nothing added.
    for (int round = 0; round < 2; ++round) {
        for (const Schritt &s : schritte) {
            const tagLinkPoint punkt = s.add();
            EXPECT_EQ(punkt.block, &block);
            EXPECT_EQ(punkt.dwOffset, s.offset) << "round " << round;
        }
        EXPECT_EQ(block.dwSize, 12u);
    }
}

TEST(AsmConst, FindAnswersTheFirstEqualNode) {
    TAsmKlasse klasse("K", 1, 0, 0xFF, asmAusgeben);
    TAsmBlock block("B", &klasse, false);
    TConstWORD pool(5, MakeLinkPoint(&block, 0));
    pool.Add(6, MakeLinkPoint(&block, 2));
    pool.Add(6, MakeLinkPoint(&block, 4));
    tagLinkPoint out = MakeLinkPoint(nullptr, 99);
    EXPECT_TRUE(pool.Find(6, &out));
    EXPECT_EQ(out.dwOffset, 2u);
    out = MakeLinkPoint(nullptr, 99);
    EXPECT_FALSE(pool.Find(7, &out));
    EXPECT_EQ(out.block, nullptr);
    EXPECT_EQ(out.dwOffset, 99u);
}

TEST(AsmConst, ALongChainIsDestroyedWithoutRecursion) {
    auto kette = std::make_unique<TAsmKette<TConstDWORD>>();
    for (uint32_t i = 0; i < 1000000; ++i)
        kette->Append(std::make_unique<TConstDWORD>(i, MakeLinkPoint(nullptr, i)));
    tagLinkPoint out{};
    ASSERT_TRUE(kette->First()->Find(999999, &out));
    EXPECT_EQ(out.dwOffset, 999999u);
    kette.reset();
}

TEST(AsmBlockKapazitaet, FullClassShowsTheBlocksBoxAndKeepsTheGrowth) {
    for (const uint32_t n : {1833u, 1834u}) {
        SCOPED_TRACE(n);
        TMessageBoxRecorder boxen;
        TAsmKlasse klasse("Texte", 1, 0xB8D6, 0xBFFE, asmAusgeben);
        TAsmBlock block("TexteBlock", &klasse, true);
        const std::vector<uint8_t> bytes = Muster(n);
        if (n <= klasse.dwCapacity) {
            EXPECT_NO_THROW(block.AddData(bytes.data(), n));
            EXPECT_TRUE(boxen.Boxes().empty());
            EXPECT_EQ(klasse.Frei(), 0u);
            continue;
        }
        try {
            block.AddData(bytes.data(), n);
            FAIL() << "no exception";
        } catch (const E_Assembler &) {
            FAIL() << "the class's own report came through";
        } catch (const Exception &e) {
            EXPECT_THAT(e.Message, ::testing::StartsWith("Block: 'TexteBlock'\n"));
            EXPECT_THAT(e.Message, EndetMitOrt("AsmBlock"));
            ASSERT_EQ(boxen.Boxes().size(), 1u);
            const TMessageBoxRecorder::TBox &box = boxen.Boxes()[0];
            EXPECT_EQ(box.caption, "TAsmBlock::AddData-Error");
            EXPECT_EQ(box.text, e.Message);
            EXPECT_EQ(box.style, unsigned{MB_OK | MB_ICONERROR});
        }
        EXPECT_EQ(block.dwSize, n);
        EXPECT_EQ(klasse.dwUsed, n);
        EXPECT_EQ(klasse.Frei(), 0u);
    }
}

TEST_F(AsmBlock, SizeBeyond32BitsIsAnAllocationFailure) {
    TAsmKlasse weit("W", 1, 0, 0xFFFFFFFE, asmAusgeben);
    TAsmBlock block("Gross", &weit, false);
    block.AddData(uint8_t{1});
    EXPECT_THROW(block.AddData(nullptr, std::numeric_limits<uint32_t>::max()), Exception);
    ASSERT_EQ(Boxen.Boxes().size(), 2u);
    EXPECT_EQ(Boxen.Boxes()[0].caption, "TAsmBlock::AddData-Error");
    EXPECT_THAT(Boxen.Boxes()[0].text,
                ::testing::StartsWith("(BYTE *New = (BYTE *)new BYTE[dwNew]) Block: 'Gross'\n"));
    EXPECT_THAT(Boxen.Boxes()[1].text, ::testing::StartsWith("Block: 'Gross'\n"));
    EXPECT_EQ(block.dwSize, 1u);
    EXPECT_EQ(weit.dwUsed, 1u);
}

struct BereichFall {
    const char *name;
    bool ownBlock; // false: the point names no block
    uint32_t offset, n;
    bool ok;
};

class AsmBlockBereich : public ::testing::TestWithParam<BereichFall> {};

TEST_P(AsmBlockBereich, ReadAndWriteStayInsideThePointsBlock) {
    const BereichFall &f = GetParam();
    TMessageBoxRecorder boxen;
    TAsmKlasse klasse("K", 1, 0, 0xFF, asmAusgeben);
    TAsmBlock caller("Rufer", &klasse, false);
    TAsmBlock target("Ziel", &klasse, false);
    const std::vector<uint8_t> original = Muster(8);
    target.AddData(original.data(), 8);
    const tagLinkPoint point = MakeLinkPoint(f.ownBlock ? &target : nullptr, f.offset);

    std::vector<uint8_t> out(f.n + 1, 0xEE);
    const std::vector<uint8_t> in(f.n + 1, 0x55);
    if (f.ok) {
        caller.Read(point, out.data(), f.n);
        EXPECT_TRUE(std::equal(out.begin(), out.begin() + f.n, original.begin() + f.offset));
        caller.Write(point, in.data(), f.n);
        for (uint32_t i = 0; i < 8; ++i)
            EXPECT_EQ(target.Data()[i], i >= f.offset && i < f.offset + f.n ? 0x55 : original[i]);
        EXPECT_TRUE(boxen.Boxes().empty());
        return;
    }
    EXPECT_THROW(caller.Read(point, out.data(), f.n), Exception);
    EXPECT_THROW(caller.Write(point, in.data(), f.n), Exception);
    EXPECT_EQ(out, std::vector<uint8_t>(f.n + 1, 0xEE));
    EXPECT_EQ(Bytes(target), original);
    ASSERT_EQ(boxen.Boxes().size(), 2u);
    EXPECT_EQ(boxen.Boxes()[0].caption, "TAsmBlock::Read-Error");
    EXPECT_EQ(boxen.Boxes()[1].caption, "TAsmBlock::Write-Error");
    for (const auto &box : boxen.Boxes()) {
        // The detail names the block the call was made on.
        EXPECT_THAT(box.text, ::testing::StartsWith("Block: 'Rufer'\n"));
        EXPECT_THAT(box.text, EndetMitOrt("AsmBlock"));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, AsmBlockBereich,
                         ::testing::Values(BereichFall{"whole", true, 0, 8, true},
                                           BereichFall{"to the last byte", true, 5, 3, true},
                                           BereichFall{"nothing at the end", true, 8, 0, true},
                                           BereichFall{"one past", true, 6, 3, false},
                                           BereichFall{"offset past", true, 9, 0, false},
                                           BereichFall{"wrapping offset", true, 0xFFFFFFFE, 4,
                                                       false},
                                           BereichFall{"no block", false, 0, 1, false}),
                         [](const auto &info) {
                             std::string name = info.param.name;
                             for (char &c : name)
                                 if (c == ' ')
                                     c = '_';
                             return name;
                         });

TEST_F(AsmBlock, BlockRefReservesThePointerWidthAndRecordsTheLink) {
    TAsmBlock ziel("Ziel", &Klasse, false);
    TAsmBlock block("B", &Klasse, false);
    block.AddData(uint8_t{7});
    const tagLinkPoint a = block.AddBlockRef(&ziel, "a");
    Klasse.nPointerSize = 2;
    const tagLinkPoint b = block.AddBlockRef(MakeLinkPoint(&ziel, 3), "b");
    EXPECT_EQ(a.dwOffset, 1u);
    EXPECT_EQ(b.dwOffset, 5u);
    EXPECT_EQ(block.dwSize, 7u);
    const TAsmLink *first = block.FirstLink();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->sInfo, "a");
    EXPECT_TRUE(CompLinkPoint(first->Des, a));
    EXPECT_TRUE(CompLinkPoint(first->Src, MakeLinkPoint(&ziel, 0)));
    const TAsmLink *second = first->Next();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->sInfo, "b");
    EXPECT_TRUE(CompLinkPoint(second->Src, MakeLinkPoint(&ziel, 3)));
    EXPECT_EQ(second->Next(), nullptr);
    const tagLinkPoint des = MakeLinkPoint(&ziel, 4);
    EXPECT_TRUE(CompLinkPoint(block.SetBlockRef(des, a, "c"), des));
}

TEST_F(AsmBlock, ANegativePointerWidthReservesNothing) {
    TAsmBlock block("B", &Klasse, false);
    Klasse.nPointerSize = -1;
    try {
        block.AddBlockRef(&block, "x");
        FAIL() << "no exception";
    } catch (const Exception &e) {
        EXPECT_THAT(e.Message, ::testing::StartsWith(
                                   "TAsmBlock::AddBlockRef()\nnPointerSize = -1 Block: 'B'\n"));
        EXPECT_THAT(e.Message, EndetMitOrt("AsmBlock"));
    }
    EXPECT_EQ(block.dwSize, 0u);
    EXPECT_EQ(block.FirstLink(), nullptr);
}

TEST(AsmLink, BlockAndOffsetFormIsThePointForm) {
    const TAsmLink link(nullptr, 12, MakeLinkPoint(nullptr, 3), "info");
    EXPECT_TRUE(CompLinkPoint(link.Des, MakeLinkPoint(nullptr, 12)));
    EXPECT_EQ(link.Src.dwOffset, 3u);
    EXPECT_EQ(link.sInfo, "info");
}

} // namespace
