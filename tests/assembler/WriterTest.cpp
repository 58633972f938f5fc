#include "AsmTestHilfen.h"

#include "platform/vcl/Cp1252.h"
#include "platform/vcl/Streams.h"

#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::StartsWith;

namespace {

const char *const kS0 = "S00600004844521B";
const char *const kS9 = "S9030000FC";
const char *const kEnde = ":00000001FF";

std::string StreamText(const TMemoryStream &stream) {
    return std::string(reinterpret_cast<const char *>(stream.Memory()),
                       static_cast<size_t>(stream.Size()));
}

TEST(TAsmS19, FixedRecordsAndDigits) {
    TAsmS19 s19;
    AnsiString line = "alt";
    s19.MakeS0(line);
    EXPECT_EQ(line, kS0);
    s19.MakeS9(line);
    EXPECT_EQ(line, kS9);
    EXPECT_EQ(s19.Hex(0x00), "00");
    EXPECT_EQ(s19.Hex(0xAF), "AF");
    EXPECT_EQ(s19.Hex(0x5C), "5C");
    const uint8_t data[] = {1, 2, 3};
    s19.MakeS1(line, 0xB8D6, data, 3);
    EXPECT_EQ(line, "S106B8D601020365");
}

TEST(TAsmS19, CountByteLimitsTheData) {
    TAsmS19 s19;
    const std::vector<uint8_t> data = Muster(253);
    AnsiString line;
    s19.MakeSx(line, "S1", 0, data.data(), 252);
    EXPECT_EQ(line.size(), 2 + 2 * (252 + 4));
    EXPECT_THAT(line, StartsWith("S1FF0000"));
    EXPECT_THROW(s19.MakeSx(line, "S1", 0, data.data(), 253), Exception);
    EXPECT_THROW(s19.MakeSx(line, "S1", 0, nullptr, 1), Exception);
}

TEST(TAsmIntelHex, Records) {
    TAsmIntelHex hex;
    AnsiString line;
    hex.MakeEndRecord(line);
    EXPECT_EQ(line, kEnde);
    EXPECT_EQ(hex.Hex(0xE0), "E0");
    hex.Make16ByteOffset(line, 0x12345);
    EXPECT_EQ(line, ":020000021000EC");
    EXPECT_EQ(hex.dwBase, 0x10000u);
    const uint8_t data[] = {1, 2, 3};
    hex.MakeDataRecord(line, 0x12345, data, 3);
    EXPECT_EQ(line, ":032345000102038F");
    hex.MakeRecord(line, 0x00, 0x12345, data, 3);
    EXPECT_EQ(line, ":032345000102038F");
}

TEST(TAsmIntelHex, RangeFailures) {
    TAsmIntelHex hex;
    AnsiString line = "vorher";
    try {
        hex.Make16ByteOffset(line, 0x100000);
        FAIL() << "no exception";
    } catch (const Exception &e) {
        EXPECT_THAT(e.Message, StartsWith("TAsmIntelHex::Make16ByteOffset()\ndwAddr > "
                                          "0x000FFFFF\n"));
        EXPECT_THAT(e.Message, EndetMitOrt("AsmIntelHex"));
    }
    EXPECT_EQ(hex.dwBase, 0u);
    const uint8_t data[] = {1};
    for (const uint32_t address : {0x10000u, 0x20000u}) {
        try {
            hex.MakeDataRecord(line, address, data, 1);
            FAIL() << "no exception";
        } catch (const Exception &e) {
            EXPECT_THAT(e.Message,
                        StartsWith(Utf8ToAnsi("TAsmIntelHex::MakeDataRecord()\nAdresse liegt mehr "
                                              "als 0xFFFF über der Segmentbasis 0x00000000\n")));
            EXPECT_THAT(e.Message, EndetMitOrt("AsmIntelHex"));
        }
    }
    // Below the base counts as outside too.
    hex.Make16ByteOffset(line, 0x20000);
    EXPECT_THROW(hex.MakeDataRecord(line, 0x1FFFF, data, 1), Exception);
    EXPECT_NO_THROW(hex.MakeDataRecord(line, 0x2FFFF, data, 1));
}

// One written block of bytes at an address.
struct Bild {
    uint32_t org;
    std::vector<uint8_t> bytes;
};

struct ZeilenFall {
    bool intelHex;
    const char *name;
    std::vector<Bild> blocks;
    std::vector<std::string> lines;
};

class TAssemblerZeilen : public ::testing::TestWithParam<ZeilenFall> {};

TEST_P(TAssemblerZeilen, Lines) {
    const ZeilenFall &f = GetParam();
    TAssembler assembler;
    for (const Bild &b : f.blocks)
        BlockMit(assembler, b.org, f.intelHex ? 0xFFFFE : 0xFFFE, b.bytes);
    assembler.Linken();
    TStringList list;
    if (f.intelHex)
        assembler.MakeIntelHex(&list);
    else
        assembler.MakeS19(&list);
    EXPECT_THAT(Lines(list), ElementsAreArray(f.lines));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TAssemblerZeilen,
    ::testing::Values(
        ZeilenFall{false, "empty", {}, {kS0, kS9}},
        ZeilenFall{false, "three_bytes", {{0xB8D6, {1, 2, 3}}}, {kS0, "S106B8D601020365", kS9}},
        ZeilenFall{false, "empty_block", {{0x100, {}}}, {kS0, kS9}},
        ZeilenFall{false,
                   "two_blocks",
                   {{0x10, {0xFF}}, {0x20, {0x00, 0x80}}},
                   {kS0, "S1040010FFEC", "S105002000805A", kS9}},
        ZeilenFall{true, "empty", {}, {kEnde}},
        ZeilenFall{true,
                   "above_64k",
                   {{0x12345, {1, 2, 3}}},
                   {":020000021000EC", ":032345000102038F", kEnde}},
        ZeilenFall{true, "first_segment", {{0x0010, {0xFF}}}, {":01001000FFF0", kEnde}},
        // Bytes 00..1F from 0x0FFF0: the second record starts the next segment.
        ZeilenFall{true,
                   "segment_at_record_start",
                   {{0x0FFF0, {0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A,
                               0x0B, 0x0C, 0x0D, 0x0E, 0x0F, 0x10, 0x11, 0x12, 0x13, 0x14, 0x15,
                               0x16, 0x17, 0x18, 0x19, 0x1A, 0x1B, 0x1C, 0x1D, 0x1E, 0x1F}}},
                   {":10FFF000000102030405060708090A0B0C0D0E0F89", ":020000021000EC",
                    ":10000000101112131415161718191A1B1C1D1E1F78", kEnde}},
        // A record that would cross the boundary ends there.
        ZeilenFall{true,
                   "split_at_boundary",
                   {{0x0FFF8, {0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09}}},
                   {":08FFF8000001020304050607E5", ":020000021000EC", ":020000000809ED", kEnde}}),
    [](const auto &info) {
        return std::string(info.param.intelHex ? "hex_" : "s19_") + info.param.name;
    });

TEST(TAssemblerS19Lines, SixteenBytesALine) {
    TAssembler assembler;
    const std::vector<uint8_t> bytes = Muster(1833);
    BlockMit(assembler, 0xB8D6, 0xBFFE, bytes);
    assembler.Linken();
    TStringList list;
    assembler.MakeS19(&list);
    ASSERT_EQ(list.Count(), 1 + 114 + 1 + 1);
    EXPECT_EQ(list[0], kS0);
    EXPECT_THAT(list[1], StartsWith("S113B8D6"));
    EXPECT_THAT(list[2], StartsWith("S113B8E6"));
    for (int i = 1; i <= 114; ++i)
        EXPECT_EQ(list[i].size(), 2u + 2 * (3 + 16 + 1)) << i;
    // 0xB8D6 + 114 * 16 = 0xBFF6: nine bytes remain.
    EXPECT_THAT(list[115], StartsWith("S10CBFF6"));
    EXPECT_EQ(list[116], kS9);
}

TEST(TAssemblerS19Lines, AClassNotWrittenGivesNoLinesButIsChecked) {
    TAssembler assembler;
    BlockMit(assembler, 0x100, 0x1FF, {1, 2}, asmNichtAusgeben);
    TStringList list;
    assembler.Linken();
    assembler.MakeS19(&list);
    EXPECT_THAT(Lines(list), ElementsAre(kS0, kS9));

    BlockMit(assembler, 0x10000, 0x1FFFF, {}, asmNichtAusgeben);
    assembler.Linken();
    list.Clear();
    try {
        assembler.MakeS19(&list);
        FAIL() << "no exception";
    } catch (const Exception &e) {
        EXPECT_EQ(e.Message, "MakeS19: BlockLauf->dwOrg > 0xFFFF");
    }
    // What came before the failure stays.
    EXPECT_THAT(Lines(list), ElementsAre(kS0));
}

struct GrenzFall {
    const char *name;
    bool intelHex;
    uint32_t first, size;
    const char *message; // nullptr: written
};

class TAssemblerGrenze : public ::testing::TestWithParam<GrenzFall> {};

TEST_P(TAssemblerGrenze, LastByteOfTheRange) {
    const GrenzFall &f = GetParam();
    TAssembler assembler;
    BlockMit(assembler, f.first, f.first + f.size - 1, Muster(f.size));
    assembler.Linken();
    TStringList list;
    auto write = [&] {
        if (f.intelHex)
            assembler.MakeIntelHex(&list);
        else
            assembler.MakeS19(&list);
    };
    if (!f.message) {
        EXPECT_NO_THROW(write());
        return;
    }
    try {
        write();
        FAIL() << "no exception";
    } catch (const Exception &e) {
        EXPECT_EQ(e.Message, f.message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TAssemblerGrenze,
    ::testing::Values(
        GrenzFall{"s19_to_FFFE", false, 0, 0xFFFF, nullptr},
        GrenzFall{"s19_to_FFFF", false, 0xFFF0, 0x10,
                  "MakeS19: BlockLauf->dwOrg + BlockLauf->dwSize > 0xFFFF"},
        GrenzFall{"s19_whole_FFFF", false, 0, 0x10000,
                  "MakeS19: BlockLauf->dwOrg + BlockLauf->dwSize > 0xFFFF"},
        GrenzFall{"s19_above", false, 0x10000, 1, "MakeS19: BlockLauf->dwOrg > 0xFFFF"},
        GrenzFall{"hex_to_FFFFE", true, 0xFFFF0, 0xF, nullptr},
        GrenzFall{"hex_to_FFFFF", true, 0xFFFF0, 0x10,
                  "MakeIntelHex: BlockLauf->dwOrg + BlockLauf->dwSize > 0xFFFFF"},
        GrenzFall{"hex_above", true, 0x100000, 1, "MakeIntelHex: BlockLauf->dwOrg > 0xFFFFF"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(TAssemblerS19Lines, TwiceOnOneListGivesTwoSequences) {
    TAssembler assembler;
    BlockMit(assembler, 0xB8D6, 0xBFFE, {1, 2, 3});
    assembler.Linken();
    TStringList list;
    assembler.MakeS19(&list);
    assembler.MakeS19(&list);
    EXPECT_THAT(Lines(list),
                ElementsAre(kS0, "S106B8D601020365", kS9, kS0, "S106B8D601020365", kS9));
}

struct StreamFall {
    const char *name;
    std::string before;
    long long position;
    std::string prefix; // what stays before the records
};

class TAssemblerStream : public ::testing::TestWithParam<StreamFall> {};

TEST_P(TAssemblerStream, KeepsItsTextAndAppendsTheRecords) {
    const StreamFall &f = GetParam();
    TAssembler assembler;
    BlockMit(assembler, 0xB8D6, 0xBFFE, {1, 2, 3});
    assembler.Linken();
    TMemoryStream stream;
    stream.WriteBuffer(f.before.data(), static_cast<long long>(f.before.size()));
    stream.SetPosition(f.position);
    assembler.MakeS19(&stream);
    const std::string text = StreamText(stream);
    EXPECT_EQ(text, f.prefix + "S00600004844521B\r\nS106B8D601020365\r\nS9030000FC\r\n");
    EXPECT_EQ(stream.Position(), stream.Size());
}

INSTANTIATE_TEST_SUITE_P(Cases, TAssemblerStream,
                         ::testing::Values(StreamFall{"empty", "", 0, ""},
                                           StreamFall{"line_at_zero", "A\r\n", 0, "A\r\n"},
                                           StreamFall{"text_before_position", "A\r\nB", 3,
                                                      "A\r\nB\r\n"},
                                           StreamFall{"position_at_end", "Kopf\n", 5, "Kopf\n"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(TAssemblerStreamFehler, AFailingWriterLeavesTheStreamAsItWas) {
    TAssembler assembler;
    BlockMit(assembler, 0x10000, 0x1FFFF, {1});
    assembler.Linken();
    const std::string before = "A\r\nB";
    TMemoryStream stream;
    stream.WriteBuffer(before.data(), static_cast<long long>(before.size()));
    stream.SetPosition(1);
    EXPECT_THROW(assembler.MakeS19(&stream), Exception);
    EXPECT_THROW(assembler.MakeS29(&stream), Exception);
    EXPECT_EQ(StreamText(stream), before);
    EXPECT_EQ(stream.Position(), 1);
    EXPECT_NO_THROW(assembler.MakeIntelHex(&stream));
    EXPECT_EQ(StreamText(stream),
              before + "\r\n:020000021000EC\r\n:0100000001FE\r\n" + kEnde + "\r\n");
}

TEST(TAssemblerS29, AlwaysRefusedAndAppendsNothing) {
    TAssembler assembler;
    TStringList list;
    list.Add("da");
    try {
        assembler.MakeS29(&list);
        FAIL() << "no exception";
    } catch (const Exception &e) {
        EXPECT_THAT(e.Message,
                    StartsWith("TAssembler::MakeS29()\n" + Utf8ToAnsi("nicht unterstützt") + "\n"));
        EXPECT_THAT(e.Message, EndetMitOrt("Assembler"));
    }
    EXPECT_THAT(Lines(list), ElementsAre("da"));
}

TEST(TAssemblerWriter, NoListOrStreamIsRefused) {
    TAssembler assembler;
    EXPECT_THROW(assembler.MakeS19(static_cast<TStringList *>(nullptr)), Exception);
    EXPECT_THROW(assembler.MakeIntelHex(static_cast<TMemoryStream *>(nullptr)), Exception);
}

TEST(TAssemblerIntelHexLines, ASecondOutputStandsAlone) {
    TAssembler assembler;
    BlockMit(assembler, 0x12345, 0x1FFFF, {1, 2, 3});
    assembler.Linken();
    TStringList first;
    assembler.MakeIntelHex(&first);
    TStringList second;
    assembler.MakeIntelHex(&second);
    EXPECT_THAT(Lines(second), ElementsAre(":020000021000EC", ":032345000102038F", kEnde));
    EXPECT_EQ(Lines(first), Lines(second));
}

} // namespace
