#include "platform/vcl/Streams.h"
#include "platform/vcl/Exception.h"
#include "platform/vcl/TStringList.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

TEST(MemoryStream, ReadWriteSeekAndSize) {
    TMemoryStream s;
    s.WriteBuffer("hello", 5);
    EXPECT_EQ(s.Size(), 5);
    s.SetPosition(1);
    char buf[8] = {};
    EXPECT_EQ(s.Read(buf, 8), 4);
    EXPECT_STREQ(buf, "ello");
    s.SetSize(2);
    EXPECT_EQ(s.Position(), 2);
    s.Seek(-1, soFromEnd);
    EXPECT_THROW(s.ReadBuffer(buf, 2), EReadError);
}

TEST(FileStream, CreateWriteReadBack) {
    const auto path = std::filesystem::temp_directory_path() /
                      ("vcl_stream_" + std::to_string(::getpid()) + ".txt");
    {
        TStringList l;
        l.Add("eins");
        l.Add("zwei");
        l.SaveToFile(path.string());
    }
    TMemoryStream m;
    m.LoadFromFile(path.string());
    EXPECT_EQ(std::string(reinterpret_cast<const char *>(m.Memory()), 12), "eins\r\nzwei\r\n");
    std::filesystem::remove(path);
}

TEST(FileStream, FailuresRaiseTheLibraryErrors) {
    EXPECT_THROW(TFileStream("/nonexistent-dir/x.txt", fmCreate), EFCreateError);
    EXPECT_THROW(TFileStream("/nonexistent-dir/x.txt", fmOpenRead), EFOpenError);
    try {
        TFileStream("/nonexistent-dir/x.txt", fmCreate);
    } catch (const Exception &e) {
        EXPECT_NE(e.Message.find("/nonexistent-dir/x.txt"), std::string::npos);
    }
}

TEST(StringList, LoadsFromTheStreamPositionToItsEnd) {
    TMemoryStream m;
    m.WriteBuffer("skip\r\neins\r\nzwei", 16);
    m.SetPosition(6);
    TStringList l;
    l.LoadFromStream(m);
    ASSERT_EQ(l.Count(), 2);
    EXPECT_EQ(l[0], "eins");
    EXPECT_EQ(l[1], "zwei");
    m.SetPosition(100); // beyond the end: nothing is left to read
    l.LoadFromStream(m);
    EXPECT_EQ(l.Count(), 0);
}

TEST(MemoryStream, CopyFromTakesAPartOrTheWholeSource) {
    TMemoryStream source;
    source.WriteBuffer("0123456789", 10);
    source.SetPosition(4);
    TMemoryStream target;
    EXPECT_EQ(target.CopyFrom(source, 3), 3); // from the source's position
    EXPECT_EQ(source.Position(), 7);
    EXPECT_EQ(target.CopyFrom(source, 0), 10); // 0: the whole source, from its start
    EXPECT_EQ(std::string(reinterpret_cast<const char *>(target.Memory()), 13), "4560123456789");
    EXPECT_THROW(target.CopyFrom(source, 1), EReadError) << "nothing left in the source";
}
