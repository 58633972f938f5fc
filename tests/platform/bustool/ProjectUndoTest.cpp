// What the host needs to change a project as one step or to put it back: operations joined in
// one transaction, snapshots restored under another process's feet; and the host's
// project-building operations.
#include "TempProject.h"

#include "platform/bustool/TEtsDeviceParam.h"

#include <gtest/gtest.h>

namespace {

TEST(ProjectUndo, OperationsInAnOuterTransactionCommitOrRollBackTogether) {
    TTempProject project;
    TProjectDatabase &db = project.Database();
    {
        TSqlTransaction tx(db.Sql(), TSqlTransaction::Write);
        const int32_t line = db.EnsureLine(2, 1);
        db.AddSwitchingDevice(line, 5, "SE");
        EXPECT_THROW(db.AddSwitchingDevice(line, 5, "SE again"), EProjectDatabase); // taken
        db.AddGroupAddress(1, 0, 1, "Wunsch");
        // no commit
    }
    EXPECT_EQ(db.Devices().size(), 1u);
    EXPECT_TRUE(db.GroupTree().empty());
    {
        TSqlTransaction tx(db.Sql(), TSqlTransaction::Write);
        db.AddSwitchingDevice(db.EnsureLine(2, 1), 5, "SE");
        EXPECT_THROW(db.AddGroupAddress(16, 0, 1, "out of range"), EProjectDatabase);
        db.AddGroupAddress(1, 0, 1, "Wunsch");
        tx.Commit();
    }
    EXPECT_EQ(db.Devices().size(), 2u);
    EXPECT_EQ(db.GroupTree().size(), 3u);
}

TEST(ProjectUndo, ARestoredSnapshotIsWhatEveryConnectionSees) {
    TTempProject project;
    TProjectDatabase &host = project.Database();
    const auto before = host.TakeSnapshot();

    // The editor's process changes the project through its own connection.
    TEts2Cdi_Extended1 editor(project.File(), "083AZ160", project.PanelId());
    TEtsDeviceParam param(&editor, project.PanelId());
    ASSERT_EQ(param.SetDeviceParamData(1599, 1), 0);
    unsigned char block[] = "edited";
    ASSERT_TRUE(editor.BlobWrite(block, sizeof block, project.PanelId()));
    host.AddGroupAddress(1, 0, 1, "Wunsch");
    ASSERT_EQ(project.ActiveObjects(), std::vector<int>({225, 226}));

    host.Restore(*before);
    int32_t value = -1;
    std::vector<tagDAL_OBJECT_INFO> objects;
    EXPECT_EQ(param.GetDeviceParamData(1599, value, objects), 0);
    EXPECT_EQ(value, 0);
    EXPECT_TRUE(objects.empty());
    unsigned char *data = nullptr;
    unsigned long size = 1;
    EXPECT_TRUE(editor.BlobRead(&data, &size, project.PanelId()));
    EXPECT_EQ(size, 0u);
    EXPECT_TRUE(host.GroupTree().empty());
    EXPECT_EQ(host.Sql().QueryInt("SELECT journal_mode = 'wal' FROM pragma_journal_mode"), 1);
    EXPECT_NO_THROW(TProjectDatabase check(project.File())); // still a project

    TSqlTransaction tx(host.Sql(), TSqlTransaction::Read);
    EXPECT_THROW(host.Restore(*before), EProjectDatabase);
}

TEST(ProjectUndo, AnUndoThatKeepsTheBusLeavesMemoryAndTakenFailuresAsTheyAre) {
    TTempProject project;
    TProjectDatabase &db = project.Database();
    db.InjectFailure("EibReadMemBlock", 3, 4);
    db.InjectFailure("BlobRead", 1);
    const auto before = db.TakeSnapshot();

    TEts2Cdi &editor = project.Cdi();
    ASSERT_EQ(editor.EibSetAddress(1, PhysicalAddressWord(1, 1, 1)), EIB_OK);
    ASSERT_EQ(editor.EibStartComm(), EIB_OK);
    unsigned char byte = 0, time[] = {23, 59, 59}, mask[] = {0xFF, 0xFF, 0xFF};
    EXPECT_EQ(editor.EibReadMemBlock(&byte, 0, 0, 0), 4); // takes one of the three
    ASSERT_EQ(editor.EibWriteMemBlock(time, 0x0200, 0x0200, 0x0202, mask), EIB_OK);
    unsigned char block[] = "edited";
    ASSERT_TRUE(editor.BlobWrite(block, sizeof block, project.PanelId()));

    db.RestoreKeepingBus(*before);
    EXPECT_TRUE(db.ReadDataBlock(project.PanelId())->empty()); // the project is put back
    EXPECT_EQ(db.ReadMemory(project.PanelId(), 0x0200, 3),
              std::vector<unsigned char>({23, 59, 59}));
    const auto failures = db.Failures();
    ASSERT_EQ(failures.size(), 2u);
    EXPECT_EQ(failures[0].call, "EibReadMemBlock");
    EXPECT_EQ(failures[0].remaining, 2);
    EXPECT_EQ(failures[0].answer, 4);
    EXPECT_EQ(failures[1].call, "BlobRead");
    EXPECT_EQ(failures[1].answer, std::nullopt);
}

TEST(ProjectDevices, ACopyTakesTheSourcesProductValuesAndObjectsButNoLinks) {
    TTempProject project;
    TProjectDatabase &db = project.Database();
    TEtsDeviceParam param(&project.Cdi(), project.PanelId());
    ASSERT_EQ(param.SetDeviceParamData(1599, 1), 0);
    ASSERT_EQ(param.SetDeviceParamData(9999, 42), 0);
    const int32_t sub = db.AddGroupAddress(1, 0, 1, "Reset");
    ASSERT_GT(db.Link(project.DeviceObject(225), sub, true), 0);

    const int32_t copy = db.CopyDevice(project.PanelId(), db.EnsureLine(1, 2), 4, "Kopie");
    EXPECT_EQ(db.ActiveObjectNumbers(copy), std::vector<int>({225, 226}));
    EXPECT_EQ(db.ParameterValue(copy, 9999), 42);
    EXPECT_TRUE(db.Links(copy).empty());
    EXPECT_EQ(db.Links(project.PanelId()).size(), 1u);
    const auto row = db.Device(copy);
    ASSERT_TRUE(row);
    EXPECT_EQ(PhysicalAddressText(row->address), "01.02.004");
    EXPECT_EQ(row->product, "Alarmzentrale");
    EXPECT_FALSE(row->onBus);
    EXPECT_FALSE(row->connected);
    EXPECT_THROW(db.CopyDevice(999, db.EnsureLine(1, 2), 5, "x"), EProjectDatabase);
    EXPECT_EQ(db.DeviceByAddress(PhysicalAddressWord(1, 2, 4)), copy);
    EXPECT_EQ(db.DeviceOfObject(project.DeviceObject(225)), project.PanelId());
}

TEST(ProjectDevices, GroupsCanBeNamedBeforeAndAfterTheirAddresses) {
    TTempProject project(false);
    TProjectDatabase &db = project.Database();
    db.AddMainGroup(1, "Scharfschaltung");
    db.AddGroupAddress(1, 2, 3, "Wunsch");
    db.AddMiddleGroup(1, 2, "Bereich 2");
    const auto tree = db.GroupTree();
    ASSERT_EQ(tree.size(), 3u);
    EXPECT_EQ(tree[0].name, "Scharfschaltung");
    EXPECT_EQ(tree[1].name, "Bereich 2");
    EXPECT_EQ(tree[2].name, "Wunsch");
    EXPECT_EQ(db.SubGroupId(1, 2, 3), tree[2].id);
    EXPECT_EQ(db.SubGroupId(1, 2, 4), std::nullopt);
    EXPECT_EQ(db.SubGroupId(3, 2, 3), std::nullopt);
}

} // namespace
