// Every output read back by independent readers of the formats (srecord's srec_info and
// srec_cat, binutils' objcopy) and compared byte for byte with the image the blocks make.
#include "AsmTestHilfen.h"

#include "platform/vcl/Streams.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <sstream>
#include <sys/wait.h>

namespace fs = std::filesystem;

namespace {

struct Lauf {
    int status;
    std::string output;
};

// Runs a shell command and answers its exit status with its standard output and error.
Lauf Starte(const std::string &command) {
    Lauf lauf{-1, {}};
    FILE *pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe)
        return lauf;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        lauf.output.append(buffer, n);
    const int status = pclose(pipe);
    lauf.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return lauf;
}

std::vector<uint8_t> Datei(const fs::path &path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// The address ranges srec_info reports, one "FIRST - LAST" per entry.
std::vector<std::string> Bereiche(const std::string &info) {
    std::vector<std::string> ranges;
    std::istringstream lines(info);
    std::string line;
    bool data = false;
    while (std::getline(lines, line)) {
        if (line.rfind("Data:", 0) == 0) {
            data = true;
            line.erase(0, 5);
        }
        if (!data)
            continue;
        const size_t first = line.find_first_not_of(" \t");
        if (first != std::string::npos)
            ranges.push_back(line.substr(first));
    }
    return ranges;
}

enum class Format { S19, IntelHex };

struct Werkzeug {
    const char *tool;
    // Builds the command from the input and output file.
    std::function<std::string(Format, const std::string &, const std::string &)> command;
    // srec_cat lays the bytes at their addresses from 0, objcopy from the lowest address.
    bool fromZero;
};

const Werkzeug kWandler[] = {
    {"srec_cat",
     [](Format f, const std::string &in, const std::string &out) {
         return "srec_cat '" + in + "'" + (f == Format::IntelHex ? " -Intel" : "") + " -o '" + out +
                "' -binary";
     },
     true},
    {"objcopy",
     [](Format f, const std::string &in, const std::string &out) {
         return std::string("objcopy -I ") + (f == Format::IntelHex ? "ihex" : "srec") +
                " -O binary '" + in + "' '" + out + "'";
     },
     false},
};

struct Abbild {
    const char *name;
    Format format;
    // Fills the assembler with its classes and blocks.
    std::function<void(TAssembler &)> fill;
    // What srec_info must report.
    std::vector<std::string> ranges;
};

void PrintTo(const Abbild &a, std::ostream *os) {
    *os << a.name;
}

// Bytes of the written classes' blocks by address, as the assembler placed them.
std::map<uint32_t, uint8_t> Erwartet(const TAssembler &assembler) {
    std::map<uint32_t, uint8_t> image;
    for (const TAsmBlock *b = assembler.FirstBlock(); b; b = b->Next())
        if (b->Klasse->eArt == asmAusgeben)
            for (uint32_t i = 0; i < b->dwSize; ++i)
                image[b->dwOrg + i] = b->Data()[i];
    return image;
}

class AsmReadBack : public ::testing::TestWithParam<Abbild> {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/asm_readback_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        Dir = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(Dir, ignored);
    }
    fs::path Dir;
};

TEST_P(AsmReadBack, IndependentReadersFindTheImage) {
    const Abbild &a = GetParam();
    for (const char *tool : {"srec_info", "srec_cat", "objcopy"})
        ASSERT_EQ(Starte(std::string("command -v ") + tool).status, 0)
            << tool << " is missing (make test installs srecord and binutils)";

    TAssembler assembler;
    a.fill(assembler);
    assembler.Linken();
    TMemoryStream stream;
    TStringList list;
    if (a.format == Format::S19) {
        assembler.MakeS19(&stream);
        assembler.MakeS19(&list);
    } else {
        assembler.MakeIntelHex(&stream);
        assembler.MakeIntelHex(&list);
    }
    // Both forms give the same text.
    ASSERT_EQ(std::string(reinterpret_cast<const char *>(stream.Memory()),
                          static_cast<size_t>(stream.Size())),
              list.Text());
    const fs::path records = Dir / (a.format == Format::S19 ? "image.s19" : "image.hex");
    stream.SaveToFile(records.string());

    const Lauf info = Starte("srec_info '" + records.string() + "'" +
                             (a.format == Format::IntelHex ? " -Intel" : ""));
    ASSERT_EQ(info.status, 0) << info.output;
    EXPECT_EQ(Bereiche(info.output), a.ranges) << info.output;

    const std::map<uint32_t, uint8_t> image = Erwartet(assembler);
    ASSERT_FALSE(image.empty());
    const uint32_t low = image.begin()->first;
    const uint32_t high = image.rbegin()->first;
    for (const Werkzeug &w : kWandler) {
        SCOPED_TRACE(w.tool);
        const fs::path binary = Dir / (std::string(w.tool) + ".bin");
        const Lauf run = Starte(w.command(a.format, records.string(), binary.string()));
        ASSERT_EQ(run.status, 0) << run.output;
        const uint32_t base = w.fromZero ? 0 : low;
        std::vector<uint8_t> expected(high - base + 1, 0);
        for (const auto &[address, byte] : image)
            expected[address - base] = byte;
        const std::vector<uint8_t> got = Datei(binary);
        ASSERT_EQ(got.size(), expected.size());
        EXPECT_TRUE(got == expected) << "the bytes differ";
    }
}

// One class, one block of pattern bytes.
std::function<void(TAssembler &)> EinBlock(uint32_t first, uint32_t last, uint32_t size) {
    return [=](TAssembler &assembler) { BlockMit(assembler, first, last, Muster(size)); };
}

void DreiBlocke(TAssembler &assembler) {
    TAsmKlasse *k = assembler.NewKlasse("Parameter", 1, 0x1000, 0x1FFF, asmAusgeben);
    TAsmKlasse *verdeckt = assembler.NewKlasse("Intern", 2, 0x1100, 0x11FF, asmNichtAusgeben);
    TAsmBlock *a = assembler.NewBlock("A", k, true);
    TAsmBlock *h = assembler.NewBlock("H", verdeckt, true);
    TAsmBlock *b = assembler.NewBlock("B", k, true);
    TAsmBlock *c = assembler.NewBlock("C", k, true);
    a->AddData(Muster(3, 1).data(), 3);
    h->AddData(Muster(5, 2).data(), 5);
    b->AddData(uint8_t{0x5A});
    b->AddBlockRef(c, "C");
    c->AddData(Muster(17, 3).data(), 17);
}

void UeberSegmente(TAssembler &assembler) {
    BlockMit(assembler, 0x0FFF8, 0x1FFFF, Muster(40, 1));
    BlockMit(assembler, 0x23456, 0x2FFFF, Muster(300, 2));
    BlockMit(assembler, 0xFFF00, 0xFFFFE, Muster(0xFF, 3));
}

INSTANTIATE_TEST_SUITE_P(
    Images, AsmReadBack,
    ::testing::Values(
        Abbild{"s19_0000_FFFE", Format::S19, EinBlock(0, 0xFFFE, 0xFFFF), {"0000 - FFFE"}},
        Abbild{"hex_0000_FFFE", Format::IntelHex, EinBlock(0, 0xFFFE, 0xFFFF), {"0000 - FFFE"}},
        Abbild{"hex_0000_FFFF", Format::IntelHex, EinBlock(0, 0xFFFF, 0x10000), {"0000 - FFFF"}},
        Abbild{"s19_three_blocks",
               Format::S19,
               DreiBlocke,
               {"1000 - 1002", "1004 - 1008", "100A - 101A"}},
        Abbild{"hex_three_blocks",
               Format::IntelHex,
               DreiBlocke,
               {"1000 - 1002", "1004 - 1008", "100A - 101A"}},
        Abbild{"hex_above_64k",
               Format::IntelHex,
               UeberSegmente,
               {"00FFF8 - 01001F", "023456 - 023581", "0FFF00 - 0FFFFE"}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(AsmReadBackS19, ABlockEndingAt0xFFFFIsRefused) {
    TAssembler assembler;
    BlockMit(assembler, 0, 0xFFFF, Muster(0x10000));
    assembler.Linken();
    TMemoryStream stream;
    try {
        assembler.MakeS19(&stream);
        FAIL() << "no exception";
    } catch (const Exception &e) {
        EXPECT_EQ(e.Message, "MakeS19: BlockLauf->dwOrg + BlockLauf->dwSize > 0xFFFF");
    }
    EXPECT_EQ(stream.Size(), 0);
}

TEST(AsmImage, TheThreeBlocksHoldTheLinkAndThePattern) {
    TAssembler assembler;
    DreiBlocke(assembler);
    assembler.Linken();
    const std::map<uint32_t, uint8_t> image = Erwartet(assembler);
    // B holds C's address big-endian; the hidden class's bytes are not in the image.
    EXPECT_EQ(image.at(0x1004), 0x5A);
    EXPECT_EQ(image.at(0x1005), 0x00);
    EXPECT_EQ(image.at(0x1006), 0x00);
    EXPECT_EQ(image.at(0x1007), 0x10);
    EXPECT_EQ(image.at(0x1008), 0x0A);
    EXPECT_EQ(image.count(0x1009), 0u);
    EXPECT_EQ(image.count(0x1100), 0u);
    EXPECT_EQ(image.size(), 3u + 5u + 17u);
}

} // namespace
