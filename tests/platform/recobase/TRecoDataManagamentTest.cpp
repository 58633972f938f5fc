// The block reader: its limits, the byte order of words and double words, bit fields, copies.
#include "platform/recobase/TRecoDataManagament.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// A block 0x1000..0x1007 with the bytes 0x10, 0x21, 0x32, ... 0x87.
class Reader : public ::testing::Test {
protected:
    Reader() {
        for (unsigned i = 0; i < 8; ++i) {
            const unsigned char b = static_cast<unsigned char>(0x10 + 0x11 * i);
            Stream.WriteBuffer(&b, 1);
        }
    }
    TMemoryStream Stream;
    TRecoDataManagament Daten{&Stream, 0x1000, 0x1007, 0, false};
};

TEST_F(Reader, BytesFromTheFirstToTheLastAddressAndNoneBeyond) {
    unsigned char b = 0xEE;
    EXPECT_TRUE(Daten.GetByteFromAddr(0x1000, b));
    EXPECT_EQ(b, 0x10);
    EXPECT_TRUE(Daten.GetByteFromAddr(0x1007, b));
    EXPECT_EQ(b, 0x87);
    b = 0xEE;
    EXPECT_FALSE(Daten.GetByteFromAddr(0x1008, b));
    EXPECT_FALSE(Daten.GetByteFromAddr(0x0FFF, b));
    EXPECT_EQ(b, 0xEE) << "a failed read leaves the value";
    EXPECT_TRUE(Daten.GetByte(0, b));
    EXPECT_EQ(b, 0x10);
    EXPECT_TRUE(Daten.GetByte(7, b));
    EXPECT_EQ(b, 0x87);
    EXPECT_FALSE(Daten.GetByte(8, b));
    EXPECT_FALSE(Daten.GetByte(0xFFFFFFFF, b));
}

TEST_F(Reader, WordsAndDoubleWordsAreTakenHighByteFirst) {
    unsigned short w = 0;
    EXPECT_TRUE(Daten.GetWordFromAddr(0x1000, w));
    EXPECT_EQ(w, 0x1021);
    EXPECT_TRUE(Daten.GetWordFromAddr(0x1006, w));
    EXPECT_EQ(w, 0x7687);
    EXPECT_FALSE(Daten.GetWordFromAddr(0x1007, w)) << "its second byte lies beyond the block";
    EXPECT_TRUE(Daten.GetWord(1, w));
    EXPECT_EQ(w, 0x2132);
    EXPECT_FALSE(Daten.GetWord(7, w));
    EXPECT_FALSE(Daten.GetWord(0xFFFFFFFF, w)) << "no wrap at the top of the offsets";
    uint32_t d = 0;
    EXPECT_TRUE(Daten.GetDWordFromAddr(0x1000, d));
    EXPECT_EQ(d, 0x10213243u);
    EXPECT_TRUE(Daten.GetDWordFromAddr(0x1004, d));
    EXPECT_EQ(d, 0x54657687u);
    EXPECT_FALSE(Daten.GetDWordFromAddr(0x1005, d));
}

TEST_F(Reader, BitFieldsAreRightAlignedFromTheLowestBit) {
    // 0x1007 holds 0x87 = 1000 0111.
    const std::tuple<int, int, bool, int> cases[] = {
        {0, 1, true, 1},  {0, 3, true, 7},  {3, 1, true, 0},    {3, 5, true, 0x10},
        {7, 1, true, 1},  {6, 2, true, 2},  {0, 8, true, 0x87}, {1, 2, true, 3},
        {7, 2, false, 0}, {8, 1, false, 0}, {0, 9, false, 0},   {0, 0, false, 0},
    };
    for (const auto &[first, count, ok, value] : cases) {
        unsigned char v = 0xEE;
        EXPECT_EQ(Daten.GetBitsFromAddr(0x1007, static_cast<unsigned char>(first),
                                        static_cast<unsigned char>(count), v),
                  ok)
            << first << "+" << count;
        EXPECT_EQ(v, ok ? value : 0xEE) << first << "+" << count;
    }
    unsigned char v = 0;
    EXPECT_FALSE(Daten.GetBitsFromAddr(0x1008, 0, 1, v));
}

TEST_F(Reader, AMemoryBlockReplacesTheTargetStreamsContent) {
    TMemoryStream target;
    target.WriteBuffer("alt", 3);
    ASSERT_TRUE(Daten.GetMemoryBlock(0x1002, 3, &target));
    EXPECT_EQ(target.Position(), 0);
    ASSERT_EQ(target.Size(), 3);
    EXPECT_EQ(target.Memory()[0], 0x32);
    EXPECT_EQ(target.Memory()[2], 0x54);
    ASSERT_TRUE(Daten.GetMemoryBlock(0x1000, 8, &target));
    EXPECT_EQ(target.Size(), 8);

    const std::tuple<uint32_t, uint32_t> bad[] = {
        {0x1000, 9}, {0x1007, 2}, {0x0FFF, 1}, {0x1000, 0}};
    for (const auto &[address, length] : bad) {
        EXPECT_FALSE(Daten.GetMemoryBlock(address, length, &target)) << address << "," << length;
        EXPECT_EQ(target.Size(), 8) << "the target stays as it was";
    }
    EXPECT_FALSE(Daten.GetMemoryBlock(0x1000, 1, nullptr));
}

TEST(ReaderLimits, AStreamShorterThanTheRangeOrNoStreamReadsNothingBeyondIt) {
    TMemoryStream shortStream;
    shortStream.WriteBuffer("\x01\x02", 2);
    TRecoDataManagament daten(&shortStream, 0x2000, 0x20FF, 0, false);
    unsigned char b = 0;
    EXPECT_TRUE(daten.GetByteFromAddr(0x2001, b));
    EXPECT_FALSE(daten.GetByteFromAddr(0x2002, b));
    TRecoDataManagament none(nullptr, 0x2000, 0x20FF, 0, false);
    EXPECT_FALSE(none.GetByteFromAddr(0x2000, b));
}

} // namespace
