// The configuration data block: its sections, the version check, the bytes the instance
// writes and what it does with blocks it cannot read.
#include "DeviceTestHilfen.h"
#include "foundation/SprTexte.h"
#include "foundation/TDatenManager.h"

namespace {

// ---- ParseData ---------------------------------------------------------------------------

struct TParseFall {
    const char *Name;
    std::string Input;
    const char *Section;
    std::string Expected;
};

class ParseData : public TDeviceFixture, public ::testing::WithParamInterface<TParseFall> {};

TEST_P(ParseData, CopiesTheSectionContents) {
    const TParseFall &f = GetParam();
    TMemoryStream in;
    in.WriteBuffer(f.Input.data(), static_cast<long long>(f.Input.size()));
    TMemoryStream out;
    Device->ParseData(in, out, f.Section);
    EXPECT_EQ(StreamText(out), f.Expected);
}

const std::string kText = "x\r\n<DB>\r\n1,a\r\n2,b\r\n</DB>\r\n";

INSTANTIATE_TEST_SUITE_P(
    Sections, ParseData,
    ::testing::Values(
        TParseFall{"CrLf", kText, "DB", "1,a\r\n2,b"},
        TParseFall{"LoneLfAfterTagStays", "<DB>\n1\r\n</DB>", "DB", "\n1"},
        TParseFall{"LoneCrBeforeTagStays", "<DB>\r\n1\r</DB>", "DB", "1\r"},
        TParseFall{"LfBeforeTagGoes", "<DB>\r\n1\n</DB>", "DB", "1"},
        TParseFall{"NoOpeningTag", "1\r\n</DB>\r\n", "DB", ""},
        TParseFall{"NoClosingTag", "<DB>\r\n1\r\n", "DB", ""},
        TParseFall{"EmptyContents", "<DB>\r\n</DB>\r\n", "DB", ""},
        TParseFall{"EmptyInput", "", "DB", ""}, TParseFall{"OtherSection", kText, "Version", ""},
        TParseFall{"TagInsideATextDoesNotEndTheRecords",
                   "<DB>\r\n1,\"a </DB> b\"\r\n2,c</DB>x\r\n</DB>\r\n", "DB",
                   "1,\"a </DB> b\"\r\n2,c</DB>x"},
        TParseFall{"OpeningTagInsideATextIsNoStart", "1,<DB>\r\n<DB>\r\n2\r\n</DB>\r\n", "DB", "2"},
        TParseFall{"CompDataKeepsItsOwnCrLf", "<CompData>\r\nAB\r\n\r\n</CompData>\r\n", "CompData",
                   "AB\r\n"},
        TParseFall{"CompDataIsCutAtAClosingTagInside",
                   "<CompData>\r\nA</CompData>B\r\n</CompData>\r\n", "CompData", "A"},
        TParseFall{"EmptyCompData", "<CompData>\r\n\r\n</CompData>\r\n", "CompData", ""},
        TParseFall{"CompDataStartsBehindTheRecords",
                   "<DB>\r\n1,<CompData>\r\n</DB>\r\n<CompData>\r\nXY\r\n</CompData>\r\n",
                   "CompData", "XY"},
        TParseFall{"CompDataTagInsideALineIsNoStart", "x<CompData>\r\nXY\r\n</CompData>\r\n",
                   "CompData", ""}),
    [](const auto &info) { return std::string(info.param.Name); });

// ---- VersionCheck ------------------------------------------------------------------------

struct TVersionFall {
    const char *Name;
    const char *Version;
    bool Ok;
    int TextId; // the first text of the box, 0 for none
    std::string Rest;
};

class VersionCheck : public TDeviceFixture, public ::testing::WithParamInterface<TVersionFall> {};

TEST_P(VersionCheck, AnswersAndShowsTheBox) {
    const TVersionFall &f = GetParam();
    EXPECT_EQ(Device->VersionCheck(f.Version, true), f.Ok);
    if (f.TextId == 0) {
        EXPECT_TRUE(Boxes.Boxes().empty());
        return;
    }
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    const auto &box = Boxes.Boxes()[0];
    EXPECT_EQ(box.text, SprText(f.TextId) + f.Rest);
    EXPECT_EQ(box.caption, SprText(9209));
    EXPECT_EQ(box.style, static_cast<unsigned>(MB_ICONEXCLAMATION));
    Boxes.Clear();
    EXPECT_EQ(Device->VersionCheck(f.Version, false), f.Ok);
    EXPECT_TRUE(Boxes.Boxes().empty());
}

const std::string kExpected = SprText(9210) + ":\nSX Version: 1. 1 Typ:VUMA/Alarmzentrale";
const std::string kErwartet = "\n" + kExpected;

INSTANTIATE_TEST_SUITE_P(
    Cases, VersionCheck,
    ::testing::Values(
        TVersionFall{"Same", "SX Version: 1. 1 Typ:VUMA/Alarmzentrale", true, 0, ""},
        TVersionFall{"Empty", "", false, 9112, kErwartet},
        TVersionFall{"Zero", "0", false, 9112, kErwartet},
        TVersionFall{"Unreadable", "Version 1.1", false, 9124, "\nVersion 1.1" + kErwartet},
        TVersionFall{"Major", "SX Version: 2. 1 Typ:VUMA/Alarmzentrale", false, 9110,
                     ": 2.1\n" + SprText(9210) + ":SX Version: 1. 1 Typ:VUMA/Alarmzentrale"},
        TVersionFall{"Minor", "SX Version: 1. 2 Typ:VUMA/Alarmzentrale", false, 9111,
                     ": 1.2" + kErwartet},
        TVersionFall{"Type", "SX Version: 1. 1 Typ:VUMA/alarmzentrale", false, 9123, kErwartet}),
    [](const auto &info) { return std::string(info.param.Name); });

// ---- What the instance writes ------------------------------------------------------------

const char kKopf[] =
    "#Handle,Name,Typ,Parent,System,Next,Param1,Param2,Param3,Param4,Param5,Param6,Param7,"
    "Param8,Param9,Param10,Param11,Param12,Param13,Param14,Param15,Param16,Param17,Param18,"
    "Param19,Bool1,Bool2,Bool3,Bool4,Bool5,Bool6,Bool7,Bool8,Bool9,Bool10,String1,String2,"
    "String3,String4,String5,Endekennung\r\n"
    "#Brix Vorezudiru GmbH\r\n"
    "<Version>\r\n"
    "Version=SX Version: 1. 1 Typ:VUMA/Alarmzentrale\r\n"
    "</Version>\r\n"
    "<DB>\r\n";

using DatenBlockWrite = TDeviceFixture;

TEST_F(DatenBlockWrite, ASmallDeviceGivesTheseBytes) {
    TDatenStruktur root = Datensatz(1, 105, 0, 1, 0, "Zentrale");
    root.String1 = "01.01.001";
    TDatenStruktur melder = Datensatz(2, 6124, 1, 1, 0, "Melder");
    melder.Param9 = 7;
    TDatenStruktur bus = Datensatz(3, 806, 2, 1, 4, "Objekt");
    bus.Param4 = 1;
    bus.Param14 = 101;
    bus.Param15 = 2049;
    TDatenStruktur link = Datensatz(4, 2, 3, 1, 0, "Link");
    link.Param14 = 102;
    link.Param15 = 2050;
    link.Bool3 = true;
    // Entered out of order: the block goes by system, then parent.
    for (TDatenStruktur *r : {&link, &bus, &melder, &root})
        Device->FillDataMaps(*r);
    Device->GetCompDataStream().WriteBuffer("AB", 2);

    EXPECT_EQ(Schreiben(),
              std::string(kKopf) +
                  "1,Zentrale,105,0,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,"
                  "false,false,false,false,false,false,false,false,false,false,"
                  "01.01.001,,,,,Ende\r\n"
                  "2,Melder,6124,1,1,0,0,0,0,0,0,0,0,0,7,0,0,0,0,0,0,0,0,0,0,"
                  "false,false,false,false,false,false,false,false,false,false,,,,,,Ende\r\n"
                  "3,Objekt,806,2,1,4,0,0,0,1,0,0,0,0,0,0,0,0,0,101,2049,0,0,0,0,"
                  "false,false,false,false,false,false,false,false,false,false,,,,,,Ende\r\n"
                  "4,Link,2,3,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,102,2050,0,0,0,0,"
                  "false,false,true,false,false,false,false,false,false,false,,,,,,Ende\r\n"
                  "</DB>\r\n<CompData>\r\nAB\r\n</CompData>\r\n");
}

TEST_F(DatenBlockWrite, AnEmptyStoreWritesTheFrame) {
    EXPECT_EQ(Schreiben(), std::string(kKopf) + "</DB>\r\n<CompData>\r\n\r\n</CompData>\r\n");
}

TEST_F(DatenBlockWrite, ParentsOfOneSystemAreWrittenInOrder) {
    TDatenStruktur a = Datensatz(10, 2, 5, 0, 0, "A");
    TDatenStruktur b = Datensatz(11, 2, 3, 0, 0, "B");
    Device->FillDataMaps(a);
    Device->FillDataMaps(b);
    const AnsiString text = Schreiben();
    EXPECT_LT(text.find("11,B,"), text.find("10,A,"));
}

TEST_F(DatenBlockWrite, AGivenStoreIsEmptiedAndFilled) {
    TMemoryStream empty;
    TDatenManager<TDatenStruktur> store(&empty);
    store.Add(Datensatz(99, 2, 0, 0, 0, "Alt"));
    TDatenStruktur r = Datensatz(5, 2, 1, 1, 0, "Neu");
    Device->FillDataMaps(r);
    TMemoryStream out;
    Device->CopyStrukturDatenToDB(&store, &out);
    TDatenStruktur found;
    EXPECT_FALSE(store.Find("Handle", 99, found));
    ASSERT_TRUE(store.Find("Handle", 5, found));
    EXPECT_EQ(found.Name, "Neu");
}

// ---- What the instance reads -------------------------------------------------------------

using DatenBlockRead = TDeviceFixture;

TEST_F(DatenBlockRead, ABlockReadsBackToTheSameRecordsAndComponentData) {
    const AnsiString line = "5,Text,2,1,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,"
                            "false,false,false,false,false,false,false,false,false,false,"
                            "abc,,,,,Ende\r\n";
    const AnsiString block = Block(line, std::string("\x01\x00\r\nZ", 5));
    ASSERT_TRUE(Laden(block));
    EXPECT_EQ(StreamText(Device->GetCompDataStream()), std::string("\x01\x00\r\nZ", 5));
    EXPECT_EQ(Schreiben(), block);
    EXPECT_TRUE(Boxes.Boxes().empty());
}

TEST_F(DatenBlockRead, AnEmptyStreamGivesNoRecords) {
    EXPECT_TRUE(Laden(""));
    EXPECT_TRUE(Device->GetDatenTree().empty());
    EXPECT_TRUE(Boxes.Boxes().empty());
}

TEST_F(DatenBlockRead, WithoutVersionTheBlockIsRefusedSilently) {
    EXPECT_FALSE(Laden("<DB>\r\n</DB>\r\n"));
    EXPECT_FALSE(Laden(Block("", "", "")));
    EXPECT_TRUE(Boxes.Boxes().empty());
}

TEST_F(DatenBlockRead, AnotherVersionShowsTheConflict) {
    EXPECT_FALSE(Laden(Block("", "", "SX Version: 1. 2 Typ:VUMA/Alarmzentrale")));
    ASSERT_EQ(Boxes.Boxes().size(), 2u);
    EXPECT_EQ(Boxes.Boxes()[0].caption, SprText(9209));
    const auto &box = Boxes.Boxes()[1];
    EXPECT_EQ(box.text, SprText(9108) + "\n\n" + SprText(9129) +
                            ": SX Version: 1. 1 Typ:VUMA/Alarmzentrale\n" + SprText(9212) +
                            ": SX Version: 1. 2 Typ:VUMA/Alarmzentrale\n\n" + SprText(9192));
    EXPECT_EQ(box.caption, SprText(9041));
    EXPECT_EQ(box.style, static_cast<unsigned>(MB_ICONSTOP));
}

TEST_F(DatenBlockRead, ABadRecordLineShowsTheBoxAndKeepsTheDevice) {
    const AnsiString good = "5,Text,2,1,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,"
                            "false,false,false,false,false,false,false,false,false,false,"
                            "abc,,,,,Ende\r\n";
    ASSERT_TRUE(Laden(Block(good, "C")));
    const AnsiString before = Schreiben();

    EXPECT_FALSE(Laden(Block("7,kaputt,Typ\r\n", "D")));
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(Boxes.Boxes()[0].text.rfind(SprText(9121) + "0\n", 0), 0u);
    EXPECT_EQ(Boxes.Boxes()[0].caption, SprText(9041));
    EXPECT_EQ(Boxes.Boxes()[0].style, static_cast<unsigned>(MB_OK));
    EXPECT_EQ(Schreiben(), before);
}

} // namespace
