// The record database: handles, kinds, limits, and the data block it writes, read back the
// way the device instance reads a data block.
#include "platform/recobase/TVumaDatenbank.h"
#include "DeviceTestHilfen.h"
#include "foundation/TDatenManager.h"
#include "platform/vcl/TStringList.h"

#include <gtest/gtest.h>

namespace {

TEST(VumaDatenbank, RecordsGetRunningHandlesTheirKindAsSystemTypeAndParent) {
    TVumaDatenbank db;
    TDatenStruktur *system = db.CreateDatensatz(0, 105, 0);
    ASSERT_NE(system, nullptr);
    TDatenStruktur *folder = db.CreateDatensatz(1, 6122, 1);
    ASSERT_NE(folder, nullptr);
    TDatenStruktur *text = db.CreateDatensatz(1, 2, 2);
    EXPECT_EQ(system->Handle, 1);
    EXPECT_EQ(system->System, 0);
    EXPECT_EQ(system->Typ, 105);
    EXPECT_EQ(folder->Handle, 2);
    EXPECT_EQ(folder->System, 1);
    EXPECT_EQ(folder->Typ, 6122);
    EXPECT_EQ(folder->Parent, 1);
    EXPECT_EQ(text->Handle, 3);
    EXPECT_EQ(text->Next, 0);
    EXPECT_EQ(text->Name, "");
    // Records keep their place while more are made.
    for (int i = 0; i < 1000; ++i)
        db.CreateDatensatz(1, 2, 2);
    EXPECT_EQ(system->Handle, 1);
    EXPECT_EQ(db.Find(2), folder);
    EXPECT_EQ(db.Find(0), nullptr);
    EXPECT_EQ(db.Find(1004), nullptr);
}

TEST(VumaDatenbank, NoRecordBeyondTheLimitOrTheLastHandle) {
    TVumaDatenbank db;
    db.SetLimit(2);
    EXPECT_NE(db.CreateDatensatz(0, 105, 0), nullptr);
    EXPECT_NE(db.CreateDatensatz(1, 6122, 1), nullptr);
    EXPECT_EQ(db.CreateDatensatz(1, 6122, 1), nullptr);
    EXPECT_EQ(db.Count(), 2);

    TVumaDatenbank full;
    for (int i = 1; i <= TVumaDatenbank::kMaxHandle; ++i)
        ASSERT_NE(full.CreateDatensatz(1, 2, 0), nullptr) << i;
    EXPECT_EQ(full.Find(0xFFFE)->Handle, 0xFFFE);
    EXPECT_EQ(full.CreateDatensatz(1, 2, 0), nullptr) << "handles stay below 0xFFFF";
}

class VumaDatenbankBlock : public TDeviceFixture {};

TEST_F(VumaDatenbankBlock, TheWrittenBlockReadsBackThroughTheDeviceInstance) {
    TVumaDatenbank db;
    TDatenStruktur *system = db.CreateDatensatz(0, 105, 0);
    system->Name = "Alarmzentrale";
    system->System = system->Handle;
    system->Param7 = 0x11330000;
    TDatenStruktur *folder = db.CreateDatensatz(1, 6122, 1);
    folder->Name = "Melder / Sabotage";
    folder->Param1 = 2;
    TDatenStruktur *melder = db.CreateDatensatz(1, 6124, 2);
    melder->String4 = "K\xFC"
                      "che, Fenster";

    TMemoryStream out;
    out.WriteBuffer("alt", 3);
    ASSERT_TRUE(db.Write(&out, Device->GetVersion()));
    EXPECT_EQ(out.Position(), 0);
    const AnsiString text = StreamText(out);
    EXPECT_EQ(text.find("CompData"), AnsiString::npos);
    EXPECT_EQ(text.rfind("alt", 0), AnsiString::npos) << "the stream was emptied first";

    TMemoryStream version;
    Device->ParseData(out, version, "Version");
    TStringList lines;
    lines.SetText(StreamText(version));
    EXPECT_TRUE(Device->VersionCheck(lines.Values("Version"), true));

    TMemoryStream records;
    Device->ParseData(out, records, "DB");
    records.SetPosition(0);
    TDatenManager<TDatenStruktur> store(&records);
    std::vector<TDatenStruktur> read;
    for (TDatenStruktur *r = store.GetFirst(); r; r = store.GetNext())
        read.push_back(*r);
    ASSERT_EQ(read.size(), 3u);
    EXPECT_EQ(read[0].GetDatensatzZeile(), system->GetDatensatzZeile());
    EXPECT_EQ(read[1].GetDatensatzZeile(), folder->GetDatensatzZeile());
    EXPECT_EQ(read[2].GetDatensatzZeile(), melder->GetDatensatzZeile());
    EXPECT_EQ(read[2].String4, "K\xFC"
                               "che, Fenster");
    EXPECT_TRUE(Boxes.Boxes().empty());
}

TEST(VumaDatenbankWrite, NoStreamIsAFailure) {
    TVumaDatenbank db;
    db.CreateDatensatz(0, 105, 0);
    EXPECT_FALSE(db.Write(nullptr, "SX Version: 1. 1 Typ:VUMA/Alarmzentrale"));
}

} // namespace
