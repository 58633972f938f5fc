#include "AsmTestHilfen.h"

#include "assembler/AsmKlasse.h"

#include <gtest/gtest.h>

#include <limits>

using ::testing::StartsWith;

namespace {

struct KapazitaetFall {
    uint32_t anfang, ende, kapazitaet;
};

class AsmKlasseKapazitaet : public ::testing::TestWithParam<KapazitaetFall> {};

TEST_P(AsmKlasseKapazitaet, FromItsLimits) {
    const KapazitaetFall &f = GetParam();
    TAsmKlasse klasse("K", 3, f.anfang, f.ende, asmAusgeben);
    EXPECT_EQ(klasse.dwCapacity, f.kapazitaet);
    EXPECT_EQ(klasse.Frei(), f.kapazitaet);
    EXPECT_EQ(klasse.Anfang(), f.anfang);
    EXPECT_EQ(klasse.Ende(), f.ende);
    EXPECT_EQ(klasse.nPointerSize, 4);
    EXPECT_EQ(klasse.dwUsed, 0u);
}

INSTANTIATE_TEST_SUITE_P(Cases, AsmKlasseKapazitaet,
                         ::testing::Values(KapazitaetFall{0, 0, 0},
                                           KapazitaetFall{0xB8D6, 0xBFFE, 1833},
                                           KapazitaetFall{0x1000, 0x1000, 1},
                                           KapazitaetFall{0, 0xFFFE, 0xFFFF}));

TEST(AsmKlasse, EndBelowStartIsRefused) {
    try {
        TAsmKlasse klasse("K", 1, 0x100, 0xFF, asmAusgeben);
        FAIL() << "no exception";
    } catch (const EAssemblerLinker &e) {
        EXPECT_EQ(e.Header, "Exception");
        EXPECT_EQ(e.Info, "EAssemblerLinker");
        EXPECT_EQ(e.Detail, "dwEnde < dwAnfang");
        EXPECT_EQ(e.File, "AsmKlasse");
        EXPECT_EQ(e.Function, "TAsmKlasse::TAsmKlasse()");
    }
}

TEST(AsmKlasse, ChargeBeyondCapacityThrowsNumberedAndStaysCharged) {
    TAsmKlasse klasse("K", 1, 0x10, 0x19, asmAusgeben);
    klasse.AddData(4);
    EXPECT_EQ(klasse.Frei(), 6u);
    klasse.AddData(6);
    EXPECT_EQ(klasse.Frei(), 0u);
    try {
        klasse.AddData(1);
        FAIL() << "no exception";
    } catch (const E_Assembler &e) {
        EXPECT_EQ(e.Nummer, 1000);
        EXPECT_STREQ(e.what(), "Assembler: #1000");
    }
    EXPECT_EQ(klasse.dwUsed, 11u);
    // The difference would wrap: nothing is free once over.
    EXPECT_EQ(klasse.Frei(), 0u);
}

TEST(AsmKlasse, ClassWithoutRangeTakesNothing) {
    TAsmKlasse klasse("K", 1, 0, 0, asmAusgeben);
    EXPECT_NO_THROW(klasse.AddData(0));
    EXPECT_THROW(klasse.AddData(1), E_Assembler);
    EXPECT_EQ(klasse.Frei(), 0u);
}

TEST(AsmKlasse, HugeChargeDoesNotWrapBackBelowCapacity) {
    TAsmKlasse klasse("K", 1, 0, 99, asmAusgeben);
    klasse.AddData(50);
    EXPECT_THROW(klasse.AddData(std::numeric_limits<uint32_t>::max() - 10), E_Assembler);
    EXPECT_EQ(klasse.Frei(), 0u);
    EXPECT_THROW(klasse.AddData(1), E_Assembler);
}

TEST(AsmKlasse, AddAppendsBehindTheLastOfTheList) {
    TAsmKlasse a("A", 1, 0, 1, asmAusgeben);
    auto b = std::make_unique<TAsmKlasse>("B", 1, 0, 1, asmAusgeben);
    auto c = std::make_unique<TAsmKlasse>("C", 1, 0, 1, asmAusgeben);
    TAsmKlasse *bp = b.get();
    a.Add(std::move(b));
    a.Add(std::move(c));
    ASSERT_EQ(a.Next(), bp);
    ASSERT_NE(bp->Next(), nullptr);
    EXPECT_EQ(bp->Next()->sName, "C");
    EXPECT_EQ(bp->Next()->Next(), nullptr);
}

TEST(AsmExceptions, TheirMessages) {
    const EAssemblerLinker e("Kopf", "Info", "Detail", "Datei", 42, "Funktion");
    EXPECT_EQ(e.Message, "Header: Kopf\nInfo: Info\nDetail: Detail\nFile: Datei\nLine: 42\n"
                         "Function: Funktion");
    EXPECT_EQ(e.Line, 42);
    const Exception &base = e;
    EXPECT_THAT(base.Message, StartsWith("Header: Kopf\n"));
    EXPECT_EQ(E_Assembler(7).Message, "Assembler: #7");
}

struct PunktFall {
    uintptr_t blockA;
    uint32_t offsetA;
    uintptr_t blockB;
    uint32_t offsetB;
    bool gleich;
};

class LinkPointVergleich : public ::testing::TestWithParam<PunktFall> {};

TEST_P(LinkPointVergleich, BlockAndOffsetBothCount) {
    const PunktFall &f = GetParam();
    auto *a = reinterpret_cast<TAsmBlock *>(f.blockA);
    auto *b = reinterpret_cast<TAsmBlock *>(f.blockB);
    const tagLinkPoint pa = MakeLinkPoint(a, f.offsetA);
    EXPECT_EQ(pa.block, a);
    EXPECT_EQ(pa.dwOffset, f.offsetA);
    EXPECT_EQ(CompLinkPoint(pa, MakeLinkPoint(b, f.offsetB)), f.gleich);
}

INSTANTIATE_TEST_SUITE_P(Cases, LinkPointVergleich,
                         ::testing::Values(PunktFall{0x10, 4, 0x10, 4, true},
                                           PunktFall{0x10, 4, 0x10, 5, false},
                                           PunktFall{0x10, 4, 0x20, 4, false},
                                           PunktFall{0, 0, 0, 0, true}));

} // namespace
