// The project file: recognising it, two connections at once, data blocks, injected failures.
#include "Copied.h"
#include "TempProject.h"

#include "platform/bustool/TEtsDeviceParam.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <fstream>
#include <sstream>
#include <thread>

namespace {

std::string ErrorOpening(const std::filesystem::path &file) {
    try {
        TProjectDatabase db(file);
    } catch (const EProjectDatabase &e) {
        return e.Message;
    }
    return "";
}

void SqliteFile(const std::filesystem::path &file, const std::string &sql) {
    sqlite3 *db = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
}

TEST(ProjectFile, AnythingButAProjectIsRefusedWithAClearError) {
    TTempProject project(false);
    const auto dir = project.Dir();

    const auto text = dir / "notes.txt";
    std::ofstream(text) << "not a database at all, but long enough to be looked at ......\n";
    EXPECT_NE(ErrorOpening(text).find("not a project of the bus tool"), std::string::npos)
        << ErrorOpening(text);

    const auto other = dir / "other.db";
    SqliteFile(other, "CREATE TABLE t(x)");
    EXPECT_NE(ErrorOpening(other).find("application id 0"), std::string::npos);

    const auto newer = dir / "newer.db";
    const std::string next = std::to_string(TProjectDatabase::kSchemaVersion + 1);
    SqliteFile(newer, "PRAGMA application_id=" + std::to_string(TProjectDatabase::kApplicationId) +
                          "; PRAGMA user_version=" + next);
    EXPECT_NE(ErrorOpening(newer).find("schema version " + next), std::string::npos);

    const auto missing = dir / "missing.db";
    EXPECT_NE(ErrorOpening(missing).find("no such project file"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(missing)); // opening never makes a file
    EXPECT_THROW(TEts2Cdi(missing, "083AZ160"), EProjectDatabase);

    EXPECT_THROW(TProjectDatabase::Create(project.File()), EProjectDatabase); // exists
    EXPECT_EQ(ErrorOpening(project.File()), "");
}

TEST(ProjectFile, TheEditorOpensTheProjectNamedInItsEnvironment) {
    TTempProject project;
    ASSERT_EQ(setenv(TEts2Cdi::kProjectVariable, project.File().c_str(), 1), 0);
    {
        TEts2Cdi_Extended1 cdi(nullptr, "083AZ160", false);
        DAL_DEVICE d{};
        d.size = sizeof d;
        EXPECT_EQ(cdi.DalGetDeviceData(3, project.PanelId(), -1, -1, -1, -1, &d), DAL_OK);
    }
    unsetenv(TEts2Cdi::kProjectVariable);
    EXPECT_THROW(TEts2Cdi_Extended1(nullptr, "083AZ160", false), EProjectDatabase);
}

TEST(ProjectFile, RunsInWriteAheadLogModeWithTheBusToolsSettingsBeside) {
    TTempProject project;
    EXPECT_EQ(project.Database().Sql().QueryInt("SELECT journal_mode = 'wal' FROM "
                                                "pragma_journal_mode"),
              1);
    auto settings = [&] {
        std::ifstream in(project.Dir() / "Ets20.ini", std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    };
    EXPECT_EQ(settings(), "[Common]\r\nGroupAddressLevels=3\r\n");
    project.Database().SetGroupAddressLevels(2);
    EXPECT_EQ(settings(), "[Common]\r\nGroupAddressLevels=2\r\n");
    EXPECT_EQ(project.Database().BusToolInfo().groupAddressLevels, 2);
}

TEST(ProjectFile, TwoConnectionsWritingAtOnceLoseNothing) {
    TTempProject project;
    DAL_DEVICE d{};
    d.size = sizeof d;
    ASSERT_EQ(project.Cdi().DalGetDeviceData(3, project.PanelId(), -1, -1, -1, -1, &d), 0);
    const int32_t second = project.Database().AddPanelDevice(d.lineId, 2, "Zweite");

    // Each writer has its own connection, as the host and the editor have.
    auto writer = [&](int32_t device, int offset) {
        TEts2Cdi cdi(project.File(), "083AZ160", device);
        TEtsDeviceParam param(&cdi, device);
        for (int n = 1; n <= 160; ++n) {
            EXPECT_EQ(param.SetDeviceParamData(static_cast<int16_t>(3000 + 10 * n), n + offset), 0);
            EXPECT_EQ(param.SetDeviceParamData(static_cast<int16_t>(10 * (n % 159 + 1)), 1), 0);
            std::vector<unsigned char> block(100, static_cast<unsigned char>(n));
            EXPECT_TRUE(
                cdi.BlobWrite(block.data(), static_cast<unsigned long>(block.size()), device));
        }
    };
    std::thread first(writer, project.PanelId(), 1000);
    std::thread other(writer, second, 2000);
    first.join();
    other.join();

    for (int n = 1; n <= 160; ++n) {
        EXPECT_EQ(project.Database().ParameterValue(project.PanelId(), 3000 + 10 * n), n + 1000);
        EXPECT_EQ(project.Database().ParameterValue(second, 3000 + 10 * n), n + 2000);
    }
    EXPECT_EQ(project.Database().ActiveObjectNumbers(second).size(), 159u);
    unsigned char *data = nullptr;
    unsigned long size = 0;
    ASSERT_TRUE(project.Cdi().BlobRead(&data, &size, second));
    EXPECT_EQ(size, 100u);
    EXPECT_EQ(data[99], 160);
}

TEST(ProjectFile, DataBlocksAreBytes) {
    TTempProject project;
    TEts2Cdi &cdi = project.Cdi();
    unsigned char *data = reinterpret_cast<unsigned char *>(1);
    unsigned long size = 99;
    ASSERT_TRUE(cdi.BlobRead(&data, &size, project.PanelId()));
    EXPECT_EQ(size, 0u); // no block yet
    std::vector<unsigned char> block = {'<', 'D', 'B', '>', 0, 0xFF, '\r', '\n', 0xE4};
    ASSERT_TRUE(
        cdi.BlobWrite(block.data(), static_cast<unsigned long>(block.size()), project.PanelId()));
    ASSERT_TRUE(cdi.BlobRead(&data, &size, project.PanelId()));
    EXPECT_EQ(std::vector<unsigned char>(data, data + size), block);
    ASSERT_TRUE(cdi.BlobWrite(nullptr, 0, project.PanelId()));
    ASSERT_TRUE(cdi.BlobRead(&data, &size, project.PanelId()));
    EXPECT_EQ(size, 0u);

    EXPECT_FALSE(cdi.BlobRead(&data, &size, 999));
    EXPECT_FALSE(cdi.BlobWrite(block.data(), 3, 999));
    EXPECT_FALSE(cdi.BlobWrite(nullptr, 3, project.PanelId()));
    EXPECT_FALSE(cdi.BlobRead(nullptr, &size, project.PanelId()));

    // A removed device takes its block (and everything else) along.
    ASSERT_TRUE(cdi.BlobWrite(block.data(), 3, project.PanelId()));
    EXPECT_TRUE(project.Database().RemoveDevice(project.PanelId()));
    EXPECT_FALSE(cdi.BlobRead(&data, &size, project.PanelId()));
    EXPECT_FALSE(project.Database().RemoveDevice(project.PanelId()));
}

TEST(ProjectFile, InjectedFailuresCountAndReachOtherConnections) {
    TTempProject project;
    TProjectDatabase host(project.File()); // as the host program sets them
    host.InjectFailure("BlobRead", 2);
    host.InjectFailure("BlobWrite", 1, 1);
    unsigned char *data = nullptr;
    unsigned long size = 0;
    TEts2Cdi &cdi = project.Cdi();
    EXPECT_FALSE(cdi.BlobRead(&data, &size, project.PanelId()));
    EXPECT_FALSE(cdi.BlobRead(&data, &size, project.PanelId()));
    EXPECT_TRUE(cdi.BlobRead(&data, &size, project.PanelId()));
    unsigned char byte = 7;
    EXPECT_TRUE(cdi.BlobWrite(&byte, 1, project.PanelId())); // answered, not written
    ASSERT_TRUE(cdi.BlobRead(&data, &size, project.PanelId()));
    EXPECT_EQ(size, 0u);

    host.InjectFailure("CoSetDeviceParameterValueLong", 1, 2);
    EXPECT_EQ(cdi.CoSetDeviceParameterValueLong(9999, 5, false, false), 2);
    EXPECT_EQ(project.Parameter(9999), 0);
    host.InjectFailure("CoUnlinkObjectFromSubGroup", 3);
    host.ClearFailures();
    EXPECT_FALSE(cdi.CoUnlinkObjectFromSubGroup(1, 1, true)); // no such link, no failure left
    EXPECT_FALSE(host.TakeFailure("CoUnlinkObjectFromSubGroup").has_value());
    EXPECT_THROW(host.InjectFailure("BlobRead", 0), EProjectDatabase);
}

TEST(ProjectFile, AddressesOfTheInstallationAreChecked) {
    TTempProject project(false);
    TProjectDatabase &db = project.Database();
    EXPECT_THROW(db.AddArea(16, "x"), EProjectDatabase);
    const int32_t area = db.AddArea(0, "Bereich 0");
    EXPECT_THROW(db.AddArea(0, "doppelt"), EProjectDatabase);
    EXPECT_THROW(db.AddLine(area, 16, "x"), EProjectDatabase);
    const int32_t line = db.AddLine(area, 15, "Linie 15");
    EXPECT_THROW(db.AddPanelDevice(line, 256, "x"), EProjectDatabase);
    const int32_t panel = db.AddPanelDevice(line, 255, "Rand");
    EXPECT_THROW(db.AddPanelDevice(line, 255, "doppelt"), EProjectDatabase);
    EXPECT_THROW(db.AddGroupAddress(0, 0, 0, "keine"), EProjectDatabase);
    DAL_DEVICE d{};
    d.size = sizeof d;
    ASSERT_EQ(project.Cdi().DalGetDeviceData(3, panel, -1, -1, -1, -1, &d), DAL_OK);
    EXPECT_EQ(Copied(d.physicalAddress), 0x0FFF);

    // A device of another product: its objects are always there.
    TProductData actuator;
    actuator.name = "Schaltaktor";
    actuator.text = "Schaltaktor 4fach";
    actuator.moduleName = "083SA4";
    TProductObject channel;
    channel.name = "Kanal A";
    channel.function = "Schalten";
    channel.flags = ETS_FLAG_COMM | ETS_FLAG_WRITE;
    actuator.objects.push_back(channel);
    const int32_t switching = db.AddDevice(line, 3, "Aktor Flur", actuator);
    EXPECT_EQ(db.ActiveObjectNumbers(switching), std::vector<int>{0});
    ASSERT_EQ(project.Cdi().DalGetDeviceData(3, switching, -1, -1, -1, -1, &d), DAL_OK);
    EXPECT_STREQ(d.productText, "Schaltaktor 4fach");
}

// The bus tool's table is outside input: its numbers are read with their range, and a bad one
// is the project's error (and a failed GetEtsInfo), never another exception or a wrapped value.
TEST(ProjectFile, BusToolNumbersOutsideTheirRangeAreTheProjectsError) {
    struct TCase {
        const char *key;
        const char *value;
    };
    for (const TCase c : {TCase{"major", "70000"}, TCase{"minor", "-1"}, TCase{"release", "x"},
                          TCase{"build", ""}, TCase{"build", "1 "}, TCase{"major", "99999999999"},
                          TCase{"group_address_levels", "4"},
                          TCase{"group_address_levels", "three"}}) {
        SCOPED_TRACE(std::string(c.key) + "=" + c.value);
        TTempProject project(false);
        TProjectDatabase &db = project.Database();
        TSqlStatement(db.Sql(), "INSERT OR REPLACE INTO bus_tool(key, value) VALUES(?, ?)")
            .Bind(1, c.key)
            .Bind(2, c.value)
            .Run();
        try {
            db.BusToolInfo();
            ADD_FAILURE() << "read without an error";
        } catch (const EProjectDatabase &e) {
            EXPECT_NE(e.Message.find(c.key), std::string::npos) << e.Message;
        } catch (const std::exception &e) {
            ADD_FAILURE() << "not the project's error: " << e.what();
        }
        tagETSINFO info{};
        EXPECT_FALSE(project.Cdi().GetEtsInfo(info));
    }
    TTempProject project(false);
    EXPECT_THROW(project.Database().SetGroupAddressLevels(4), EProjectDatabase);
    EXPECT_EQ(project.Database().BusToolInfo().groupAddressLevels, 3);
}

} // namespace
