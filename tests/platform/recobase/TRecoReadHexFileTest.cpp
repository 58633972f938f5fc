// The image reader against image files written by the test fixture's own S-record writer.
#include "platform/recobase/TRecoReadHexFile.h"
#include "TPanelImageFixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>

namespace {

namespace fs = std::filesystem;

class ReadHexFile : public ::testing::Test {
protected:
    ReadHexFile() {
        std::string pattern = (fs::temp_directory_path() / "x19-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("no temporary folder");
        Dir = pattern;
        for (int n = 1; n <= 160; ++n)
            Panel.SetMelderText(n, "Melder " + std::to_string(n));
        Panel.SetVariante(0x11224498);
        Panel.SetGruppenAdressen({0x0901, 0x0902});
        Panel.SetEditierbarerText(5, "Eingang");
    }
    ~ReadHexFile() override {
        std::error_code ec;
        fs::remove_all(Dir, ec);
    }

    void Write(const std::string &text) {
        std::ofstream out(Dir / "image.x19", std::ios::binary | std::ios::trunc);
        out << text;
    }
    // Reads one block of the file into a stream that starts with a marker.
    bool Read(const TPanelImageFixture::TBlock &block, TMemoryStream &out) {
        TRecoReadHexFile reader;
        TStringList list;
        TStringList *work = &list;
        return reader.ReadHexFile(&out, work, (Dir / "image.x19").string(), block.Name, block.First,
                                  block.Last, 0);
    }
    static std::vector<unsigned char> Bytes(TMemoryStream &s) {
        return {s.Memory(), s.Memory() + s.Size()};
    }

    fs::path Dir;
    TPanelImageFixture Panel{0x1105};
};

TEST_F(ReadHexFile, EachSectionOfTheFixturesFileReadsBackAsTheImage) {
    Write(Panel.X19Text());
    for (const auto &block : TPanelImageFixture::Blocks()) {
        TMemoryStream out;
        ASSERT_TRUE(Read(block, out)) << block.Name;
        EXPECT_EQ(out.Position(), 0) << block.Name;
        EXPECT_EQ(Bytes(out), Panel.BlockBytes(block)) << block.Name;
    }
}

TEST_F(ReadHexFile, LinesEndedByLineFeedAloneReadToo) {
    std::string text = Panel.X19Text();
    std::string lf;
    for (const char c : text)
        if (c != '\r')
            lf += c;
    Write(lf);
    TMemoryStream out;
    ASSERT_TRUE(Read(TPanelImageFixture::Blocks()[1], out));
    EXPECT_EQ(Bytes(out), Panel.BlockBytes(TPanelImageFixture::Blocks()[1]));
}

// Replaces the first line of the text that starts with `start` by `with` (empty: removes it).
std::string ReplaceLine(std::string text, const std::string &start, const std::string &with) {
    const size_t at = text.find("\n" + start) + 1;
    const size_t end = text.find('\n', at) + 1;
    return text.replace(at, end - at, with);
}
std::string LineOf(const std::string &text, const std::string &start) {
    const size_t at = text.find("\n" + start) + 1;
    return text.substr(at, text.find('\n', at) + 1 - at);
}

TEST_F(ReadHexFile, AFileThatBreaksAnyRuleReadsAsNothingAndLeavesTheStreamAlone) {
    // The block under test is MelderTexte (0xAD32-0xB5FF), the file's second section.
    const std::string good = Panel.X19Text();
    const std::string first = LineOf(good, "S113AD32");
    const std::string second = LineOf(good, "S113AD42");
    const auto line = [](uint32_t at, std::vector<unsigned char> data) {
        return TPanelImageFixture::SRecordLine("S1", at, data);
    };
    struct Case {
        const char *what;
        std::function<std::string()> text;
    };
    const Case cases[] = {
        {"bad checksum",
         [&] {
             std::string bad = first;
             bad[bad.size() - 3] = bad[bad.size() - 3] == '0' ? '1' : '0';
             return ReplaceLine(good, "S113AD32", bad);
         }},
        {"bad count", [&] { return ReplaceLine(good, "S113AD32", "S114" + first.substr(4)); }},
        {"missing opening tag", [&] { return ReplaceLine(good, "<MelderTexte>", ""); }},
        {"missing closing tag", [&] { return ReplaceLine(good, "</MelderTexte>", ""); }},
        {"missing SX line",
         [&] {
             const size_t at = good.find("<MelderTexte>\r\n") + 15;
             return std::string(good).erase(at, 5);
         }},
        {"missing S0 line",
         [&] {
             const size_t at = good.find("<MelderTexte>\r\nSX \r\n") + 20;
             return std::string(good).erase(at, 18);
         }},
        {"missing S9 line",
         [&] {
             const size_t at = good.find("S9030000FC\r\n</MelderTexte>");
             return std::string(good).erase(at, 12);
         }},
        {"S2 line",
         [&] {
             std::vector<unsigned char> data(Panel.Image().begin() + 0xAD32,
                                             Panel.Image().begin() + 0xAD42);
             return ReplaceLine(good, "S113AD32",
                                TPanelImageFixture::SRecordLine("S2", 0xAD32, data));
         }},
        {"gap", [&] { return ReplaceLine(good, "S113AD42", ""); }},
        {"overlap", [&] { return ReplaceLine(good, "S113AD42", second + second); }},
        {"overlap by one byte",
         [&] { return ReplaceLine(good, "S113AD42", second + line(0xAD51, {0})); }},
        {"byte below the block",
         [&] { return ReplaceLine(good, "S113AD32", line(0xAD31, {0}) + first); }},
        {"byte above the block",
         [&] { return ReplaceLine(good, "S113AD42", second + line(0xB600, {0})); }},
        {"non-hex digit",
         [&] {
             std::string bad = first;
             bad[10] = 'G';
             return ReplaceLine(good, "S113AD32", bad);
         }},
        {"short line", [&] { return ReplaceLine(good, "S113AD32", "S113\r\n"); }},
        {"odd length",
         [&] { return ReplaceLine(good, "S113AD32", first.substr(0, first.size() - 3) + "\r\n"); }},
        {"blank line inside", [&] { return ReplaceLine(good, "S113AD42", "\r\n" + second); }},
        {"empty file", [] { return std::string(); }},
    };
    for (const Case &c : cases) {
        Write(c.text());
        TMemoryStream out;
        const unsigned char marker[] = {0xAA, 0x55};
        out.WriteBuffer(marker, 2);
        EXPECT_FALSE(Read(TPanelImageFixture::Blocks()[1], out)) << c.what;
        EXPECT_EQ(Bytes(out), std::vector<unsigned char>({0xAA, 0x55})) << c.what;
        EXPECT_EQ(out.Position(), 2) << c.what;
    }
}

TEST_F(ReadHexFile, AMissingFileANullStreamOrAnUpsideDownRangeReadAsNothing) {
    TRecoReadHexFile reader;
    TStringList *none = nullptr;
    TMemoryStream out;
    EXPECT_FALSE(reader.ReadHexFile(&out, none, (Dir / "none.x19").string(), "MelderTexte", 0xAD32,
                                    0xB5FF, 0));
    Write(Panel.X19Text());
    const std::string file = (Dir / "image.x19").string();
    EXPECT_FALSE(reader.ReadHexFile(nullptr, none, file, "MelderTexte", 0xAD32, 0xB5FF, 0));
    EXPECT_FALSE(reader.ReadHexFile(&out, none, file, "MelderTexte", 0xB5FF, 0xAD32, 0));
    EXPECT_FALSE(reader.ReadHexFile(&out, none, file, "meldertexte", 0xAD32, 0xB5FF, 0))
        << "the tag is matched exactly";
    EXPECT_EQ(out.Size(), 0);
    // The work list may be left out.
    EXPECT_TRUE(reader.ReadHexFile(&out, none, file, "MelderTexte", 0xAD32, 0xB5FF, 0));
    EXPECT_EQ(none, nullptr);
    EXPECT_EQ(out.Size(), 0xB5FF - 0xAD32 + 1);
}

TEST_F(ReadHexFile, TheWorkListReceivesTheSectionsLines) {
    Write(Panel.X19Text());
    TRecoReadHexFile reader;
    TStringList list;
    list.Add("alt");
    TStringList *work = &list;
    TMemoryStream out;
    ASSERT_TRUE(reader.ReadHexFile(&out, work, (Dir / "image.x19").string(), "BcuSoftware", 0x4000,
                                   0x479B, 0));
    // Tag, "SX ", S0, 122 S1 lines, S9, tag.
    ASSERT_EQ(list.Count(), 127);
    EXPECT_EQ(list[0], "<BcuSoftware>");
    EXPECT_EQ(list[1], "SX ");
    EXPECT_EQ(list[2], "S00600004844521B");
    EXPECT_EQ(list[126], "</BcuSoftware>");
}

} // namespace
