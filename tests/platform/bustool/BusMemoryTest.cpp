// The simulated bus: reaching a device, reading and writing its memory image within the bus's
// limits, the demo panel's memory as the editor reads it, and injected failures.
#include "TempProject.h"

#include "platform/bustool/TEtsDeviceParam.h"
#include "platform/bustool/TPanelMemory.h"
#include "platform/win/System.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <tuple>

namespace {

using TBytes = std::vector<unsigned char>;

class BusMemory : public ::testing::Test {
protected:
    // Connects the editor's interface object to the device at the address.
    int Connect(uint16_t address) {
        const int set = cdi.EibSetAddress(1, address);
        return set ? set : cdi.EibStartComm();
    }
    // Reads first..last (inclusive) as one call; the bytes, or the call's code in `code`.
    TBytes Read(uint16_t first, uint16_t last, int *code = nullptr) {
        TBytes buffer(last - first + 1u, 0xEE);
        const int rc = cdi.EibReadMemBlock(buffer.data(), first, first, last);
        if (code)
            *code = rc;
        else
            EXPECT_EQ(rc, EIB_OK) << "reading " << first << ".." << last;
        return rc == EIB_OK ? buffer : TBytes();
    }
    int Write(uint16_t first, TBytes data, TBytes mask) {
        return cdi.EibWriteMemBlock(data.data(), first, first,
                                    static_cast<uint16_t>(first + data.size() - 1), mask.data());
    }

    TTempProject project; // the demo panel at 01.01.001, directly connected
    TEts2Cdi &cdi = project.Cdi();
    TProjectDatabase &db = project.Database();
    const uint16_t panel = PhysicalAddressWord(1, 1, 1);
};

TEST_F(BusMemory, TheDemoPanelAnswersWhatReadingItNeeds) {
    ASSERT_EQ(Connect(panel), EIB_OK);
    // Identity: manufacturer 83 of the module name "083AZ160", device type C0 04.
    EXPECT_EQ(Read(0xB6E6, 0xB6E6), TBytes({0x53}));
    EXPECT_EQ(Read(0xB6E7, 0xB6E8), TBytes({0xC0, 0x04}));
    // Its own address, the one entry of its address table, high byte first.
    EXPECT_EQ(Read(0x4000, 0x4002), TBytes({1, 0x11, 0x01}));

    // The clock behind the clock pointer: hour, minute, second, day, month, -, year.
    const TBytes pointer = Read(0xBEB8, 0xBEB9);
    const uint16_t p = static_cast<uint16_t>(pointer[0] << 8 | pointer[1]);
    EXPECT_EQ(Read(p, p + 6), TBytes({12, 34, 56, 24, 5, 0, 26}));

    // Event memory A as the read-out reads it: 255-byte blocks up to 0xAD32.
    TBytes a;
    for (unsigned first = 0xA332; first <= 0xAD32; first += 255) {
        const unsigned last = std::min(first + 254, 0xAD32u);
        const TBytes block = Read(static_cast<uint16_t>(first), static_cast<uint16_t>(last));
        a.insert(a.end(), block.begin(), block.end());
    }
    ASSERT_EQ(a.size(), 320u * 8 + 1);
    auto used = [](const TBytes &memory, size_t records) {
        std::vector<size_t> slots;
        for (size_t i = 0; i < records; ++i)
            if (std::any_of(memory.begin() + 8 * i, memory.begin() + 8 * i + 8,
                            [](unsigned char b) { return b != 0xFF; }))
                slots.push_back(i);
        return slots;
    };
    EXPECT_EQ(used(a, 320), std::vector<size_t>({0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(TBytes(a.begin() + 16, a.begin() + 24), TBytes({4, 5, 26, 2, 17, 5, 2, 2}));

    TBytes b;
    for (unsigned first = 0xB954; first <= 0xBBD3; first += 255) {
        const TBytes block = Read(static_cast<uint16_t>(first),
                                  static_cast<uint16_t>(std::min(first + 254, 0xBBD3u)));
        b.insert(b.end(), block.begin(), block.end());
    }
    EXPECT_EQ(used(b, 80), std::vector<size_t>({0, 40})); // fire area, hold-up area
    EXPECT_EQ(cdi.EibStopComm(), EIB_OK);
}

TEST_F(BusMemory, AddressZeroReachesTheDirectlyConnectedDevice) {
    ASSERT_EQ(Connect(0), EIB_OK);
    EXPECT_EQ(Read(0x4001, 0x4002), TBytes({0x11, 0x01})); // the address read from the device

    // Another panel marked as connected answers address 0 with its own address.
    const int32_t other = db.AddPanelDevice(db.EnsureLine(2, 3), 7, "Zweite Zentrale");
    db.SetConnectedDevice(other);
    ASSERT_EQ(Connect(0), EIB_OK);
    EXPECT_EQ(Read(0x4001, 0x4002), TBytes({0x23, 0x07}));

    db.SetConnectedDevice(std::nullopt);
    EXPECT_EQ(Connect(0), EIB_ERR_NO_ANSWER);
}

TEST_F(BusMemory, OnlyDevicesOnTheBusAnswer) {
    const int32_t line = db.EnsureLine(1, 1);
    const int32_t se = db.AddSwitchingDevice(line, 10, "Schalteinrichtung");
    EXPECT_EQ(Connect(PhysicalAddressWord(1, 1, 10)), EIB_ERR_NO_ANSWER); // no memory image
    EXPECT_EQ(Connect(PhysicalAddressWord(1, 1, 99)), EIB_ERR_NO_ANSWER); // no such device

    // Loading an image puts it on the bus; taking it away takes it off again.
    ASSERT_TRUE(db.SetMemoryImage(se, TBytes(TProjectDatabase::kMemorySize, 0x5A)));
    ASSERT_EQ(Connect(PhysicalAddressWord(1, 1, 10)), EIB_OK);
    EXPECT_EQ(Read(0xFFFE, 0xFFFF), TBytes({0x5A, 0x5A}));
    ASSERT_TRUE(db.RemoveMemoryImage(se));
    int code = 0;
    Read(0, 0, &code);
    EXPECT_EQ(code, EIB_ERR_NO_ANSWER); // left the bus while connected

    // A device that is removed from the project leaves the bus and its connection mark.
    ASSERT_EQ(Connect(panel), EIB_OK);
    ASSERT_TRUE(db.RemoveDevice(project.PanelId()));
    Read(0, 0, &code);
    EXPECT_EQ(code, EIB_ERR_NO_ANSWER);
    EXPECT_EQ(db.ConnectedDevice(), std::nullopt);
}

TEST_F(BusMemory, CallsOutOfOrderOrOutOfLimitsAreRefused) {
    unsigned char byte = 0, mask = 0xFF;
    EXPECT_EQ(cdi.EibStartComm(), EIB_ERR_NO_CONNECTION); // no address yet
    EXPECT_EQ(cdi.EibSetAddress(2, panel), EIB_ERR_ARGUMENT);
    ASSERT_EQ(cdi.EibSetAddress(1, panel), EIB_OK);
    EXPECT_EQ(cdi.EibReadMemBlock(&byte, 0, 0, 0), EIB_ERR_NO_CONNECTION); // not started
    EXPECT_EQ(cdi.EibWriteMemBlock(&byte, 0, 0, 0, &mask), EIB_ERR_NO_CONNECTION);
    ASSERT_EQ(cdi.EibStartComm(), EIB_OK);

    struct TCase {
        unsigned first, firstAgain, last;
        int read;
    } cases[] = {
        {0x1000, 0x1000, 0x1000, EIB_OK},           // one byte: first = last
        {0x1000, 0x1000, 0x10FE, EIB_OK},           // 255 bytes, the last inclusive
        {0x1000, 0x1000, 0x10FF, EIB_ERR_ARGUMENT}, // 256 bytes
        {0xFF01, 0xFF01, 0xFFFF, EIB_OK},           // up to the last address
        {0x1000, 0x1000, 0x0FFF, EIB_ERR_ARGUMENT}, // last before first
        {0x1000, 0x1001, 0x1010, EIB_ERR_ARGUMENT}, // the two first addresses differ
    };
    for (const auto &c : cases) {
        TBytes buffer(256, 0);
        TBytes masks(256, 0xFF);
        const auto first = static_cast<uint16_t>(c.first),
                   again = static_cast<uint16_t>(c.firstAgain),
                   last = static_cast<uint16_t>(c.last);
        EXPECT_EQ(cdi.EibReadMemBlock(buffer.data(), first, again, last), c.read)
            << std::hex << c.first << ".." << c.last;
        EXPECT_EQ(cdi.EibWriteMemBlock(buffer.data(), first, again, last, masks.data()), c.read)
            << std::hex << c.first << ".." << c.last;
    }
    EXPECT_EQ(cdi.EibReadMemBlock(nullptr, 0, 0, 0), EIB_ERR_ARGUMENT);
    EXPECT_EQ(cdi.EibWriteMemBlock(&byte, 0, 0, 0, nullptr), EIB_ERR_ARGUMENT);

    // A new address or a stop ends the communication.
    EXPECT_EQ(cdi.EibSetAddress(1, panel), EIB_OK);
    EXPECT_EQ(cdi.EibReadMemBlock(&byte, 0, 0, 0), EIB_ERR_NO_CONNECTION);
    ASSERT_EQ(cdi.EibStartComm(), EIB_OK);
    EXPECT_EQ(cdi.EibStopComm(), EIB_OK);
    EXPECT_EQ(cdi.EibReadMemBlock(&byte, 0, 0, 0), EIB_ERR_NO_CONNECTION);
    EXPECT_EQ(cdi.EibStopComm(), EIB_OK);
}

TEST_F(BusMemory, WritesTakeTheBitsTheirMaskSelects) {
    ASSERT_EQ(Connect(panel), EIB_OK);
    ASSERT_EQ(Write(0x2000, {0x12, 0x34, 0x56}, {0xFF, 0xFF, 0xFF}), EIB_OK);
    ASSERT_EQ(Write(0x2000, {0xAB, 0xAB, 0xAB}, {0xF0, 0x0F, 0x00}), EIB_OK);
    EXPECT_EQ(Read(0x1FFF, 0x2003), TBytes({0x00, 0xA2, 0x3B, 0x56, 0x00}));

    // The clock download's way: time through the time pointer, written with mask 0xFF, lands
    // in the clock the event-memory read-out shows; another process sees it.
    const TBytes t = Read(0x477B, 0x477C);
    const uint16_t time = static_cast<uint16_t>(t[0] << 8 | t[1]);
    ASSERT_EQ(Write(time, {23, 59, 59}, {0xFF, 0xFF, 0xFF}), EIB_OK);
    TEts2Cdi other(project.File(), "083AZ160");
    ASSERT_EQ(other.EibSetAddress(1, panel), EIB_OK);
    ASSERT_EQ(other.EibStartComm(), EIB_OK);
    TBytes clock(3);
    ASSERT_EQ(other.EibReadMemBlock(clock.data(), TPanelMemory::kClock, TPanelMemory::kClock,
                                    TPanelMemory::kClock + 2),
              EIB_OK);
    EXPECT_EQ(clock, TBytes({23, 59, 59}));
}

// The editor's bus access pattern: up to 3 attempts with a 5 ms pause, each attempt setting
// the address, starting, reading and stopping. Answers the attempts it took, 0 after 3
// failures.
int ReadWithRetries(TEts2Cdi &cdi, uint16_t address, TBytes &out) {
    for (int attempt = 1; attempt <= 3; ++attempt) {
        out.assign(2, 0);
        bool ok = cdi.EibSetAddress(1, address) == 0 && cdi.EibStartComm() == 0 &&
                  cdi.EibReadMemBlock(out.data(), 0xB6E7, 0xB6E7, 0xB6E8) == 0;
        cdi.EibStopComm();
        if (ok)
            return attempt;
        Sleep(5);
    }
    return 0;
}

TEST_F(BusMemory, InjectedFailuresCountPerCall) {
    TBytes type;
    // Kept in the file: the host injects through its own connection.
    TProjectDatabase host(project.File());
    host.InjectFailure("EibReadMemBlock", 2);
    EXPECT_EQ(ReadWithRetries(cdi, panel, type), 3);
    EXPECT_EQ(type, TBytes({0xC0, 0x04}));

    host.InjectFailure("EibStartComm", 3, 9);
    EXPECT_EQ(ReadWithRetries(cdi, panel, type), 0);
    EXPECT_EQ(ReadWithRetries(cdi, panel, type), 1); // the three are used up

    // An injected code is answered as given; nothing else happens.
    ASSERT_EQ(Connect(panel), EIB_OK);
    host.InjectFailure("EibSetAddress", 1, 7);
    EXPECT_EQ(cdi.EibSetAddress(1, 0x0000), 7);
    EXPECT_EQ(Read(0xB6E6, 0xB6E6), TBytes({0x53})); // still connected to the panel
    host.InjectFailure("EibWriteMemBlock", 1);
    EXPECT_EQ(Write(0x2000, {1}, {0xFF}), EIB_ERR_FAILED);
    EXPECT_EQ(Read(0x2000, 0x2000), TBytes({0}));
    host.InjectFailure("EibStopComm", 1, 5);
    EXPECT_EQ(cdi.EibStopComm(), 5);
    EXPECT_EQ(Read(0x2000, 0x2000), TBytes({0})); // the failed stop left the connection
    EXPECT_TRUE(host.Failures().empty());
}

// The statements a bus call keeps prepared still see what another connection changes, also
// after it replaced the whole project (an undo).
TEST_F(BusMemory, KeptStatementsSeeOtherConnectionsAndARestoredProject) {
    ASSERT_EQ(Connect(panel), EIB_OK);
    EXPECT_EQ(Read(0xB6E6, 0xB6E6), TBytes({0x53}));
    TProjectDatabase host(project.File());
    const auto snapshot = host.TakeSnapshot();
    ASSERT_TRUE(host.SetMemoryImage(project.PanelId(), TBytes(0x10000, 0x11)));
    EXPECT_EQ(Read(0xB6E6, 0xB6E7), TBytes({0x11, 0x11}));
    host.InjectFailure("EibReadMemBlock", 1, EIB_ERR_NO_ANSWER);
    int code = EIB_OK;
    Read(0xB6E6, 0xB6E6, &code);
    EXPECT_EQ(code, EIB_ERR_NO_ANSWER);
    EXPECT_TRUE(host.Failures().empty());

    host.Restore(*snapshot);
    EXPECT_EQ(Read(0xB6E6, 0xB6E6), TBytes({0x53}));
    host.InjectFailure("EibStartComm", 1, 9);
    EXPECT_EQ(Connect(panel), 9);
    EXPECT_EQ(Connect(panel), EIB_OK);
    ASSERT_TRUE(host.RemoveMemoryImage(project.PanelId()));
    Read(0xB6E6, 0xB6E6, &code);
    EXPECT_EQ(code, EIB_ERR_NO_ANSWER) << "a device without its image is off the bus";
    EXPECT_TRUE(host.Failures().empty());
}

// The project file is outside input: a stored image of another size is an error of every
// call that reads it, never a partial read or a write past the image.
TEST_F(BusMemory, AStoredImageOfAnotherSizeIsAnError) {
    // As another program may write it: without the file's own check of the size.
    db.Sql().Execute("PRAGMA ignore_check_constraints = ON");
    for (const int size : {0, 100, 0xFF00, 0x10001}) {
        SCOPED_TRACE(size);
        db.Sql().Execute("UPDATE memory_images SET data = zeroblob(" + std::to_string(size) +
                         ") WHERE device_id = " + std::to_string(project.PanelId()));
        ASSERT_EQ(Connect(panel), EIB_OK);
        int code = EIB_OK;
        EXPECT_TRUE(Read(0xFFF0, 0xFFFF, &code).empty());
        EXPECT_EQ(code, EIB_ERR_FAILED);
        Read(0, 9, &code);
        EXPECT_EQ(code, EIB_ERR_FAILED);
        EXPECT_EQ(cdi.LastFailure(), "EibReadMemBlock: the memory image of device " +
                                         std::to_string(project.PanelId()) + " holds " +
                                         std::to_string(size) + " bytes, not 65536");
        EXPECT_EQ(Write(0xFFF0, TBytes(16, 0x5A), TBytes(16, 0xFF)), EIB_ERR_FAILED);
        EXPECT_EQ(db.Sql().QueryInt("SELECT length(data) FROM memory_images WHERE device_id = " +
                                    std::to_string(project.PanelId())),
                  size)
            << "the refused write changed the image";
        EXPECT_THROW(db.MemoryImage(project.PanelId()), EProjectDatabase);
    }
}

// A failure of the project file keeps its cause: in the trace and for the caller to print.
TEST_F(BusMemory, TheCauseOfAFailureIsTracedAndKept) {
    EXPECT_EQ(cdi.LastFailure(), "");
    ASSERT_EQ(Connect(panel), EIB_OK);
    db.Sql().Execute("DROP TABLE memory_images");
    const auto trace = project.Dir() / "trace.log";
    ASSERT_TRUE(InitLogFkt(trace.string(), LOG_FKT_LEVEL, LOG_FKT_LEVEL, false));
    int code = EIB_OK;
    Read(0, 0, &code);
    CloseLogFkt();
    EXPECT_EQ(code, EIB_ERR_FAILED);
    EXPECT_NE(cdi.LastFailure().find("EibReadMemBlock: "), std::string::npos) << cdi.LastFailure();
    // SQLite's own words, the table perhaps with its schema's name.
    EXPECT_NE(cdi.LastFailure().find("no such table: "), std::string::npos) << cdi.LastFailure();
    EXPECT_NE(cdi.LastFailure().find("memory_images"), std::string::npos) << cdi.LastFailure();
    std::ifstream in(trace);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_NE(text.find("failed: " + cdi.LastFailure()), std::string::npos) << text;
    // Another interface's failure: the last one is kept.
    TEtsDeviceParam param(&cdi, project.PanelId());
    db.Sql().Execute("DROP TABLE device_parameters");
    EXPECT_EQ(param.SetDeviceParamData(30, 1), TEtsDeviceParam::kFailed);
    EXPECT_NE(cdi.LastFailure().find("TEtsDeviceParam::SetDeviceParamData: "), std::string::npos)
        << cdi.LastFailure();
}

TEST_F(BusMemory, AMonitorIsToldEveryCallWithItsAddressesAndAnswer) {
    std::vector<TEibAufruf> calls;
    cdi.SetEibMonitor([&](const TEibAufruf &c) { calls.push_back(c); });
    ASSERT_EQ(Connect(panel), EIB_OK);
    Read(0xB6E7, 0xB6E8);
    db.InjectFailure("EibReadMemBlock", 1, EIB_ERR_NO_ANSWER);
    int code = 0;
    Read(0x4000, 0x40FE, &code);
    Write(0x0200, {1}, {0xFF});
    cdi.EibStopComm();
    const auto previous = cdi.SetEibMonitor({});
    EXPECT_TRUE(static_cast<bool>(previous));
    cdi.EibStopComm();

    ASSERT_EQ(calls.size(), 6u);
    const std::tuple<const char *, int, int, int> expected[] = {
        {"EibSetAddress", 0, 0, EIB_OK},
        {"EibStartComm", 0, 0, EIB_OK},
        {"EibReadMemBlock", 0xB6E7, 0xB6E8, EIB_OK},
        {"EibReadMemBlock", 0x4000, 0x40FE, EIB_ERR_NO_ANSWER},
        {"EibWriteMemBlock", 0x0200, 0x0200, EIB_OK},
        {"EibStopComm", 0, 0, EIB_OK},
    };
    for (size_t i = 0; i < calls.size(); ++i) {
        const auto &[call, first, last, result] = expected[i];
        EXPECT_EQ(calls[i].Call, call) << i;
        EXPECT_EQ(calls[i].First, first) << i;
        EXPECT_EQ(calls[i].Last, last) << i;
        EXPECT_EQ(calls[i].Result, result) << i;
    }
}

TEST(PanelMemory, TheManufacturerIsTheModuleNamesFirstThreeDigits) {
    EXPECT_EQ(TPanelMemory::ManufacturerOfModule("083AZ160"), 83);
    EXPECT_EQ(TPanelMemory::ManufacturerOfModule("300XY"), 300 & 0xFF);
    EXPECT_EQ(TPanelMemory::ManufacturerOfModule("8AZ"), 0);
    EXPECT_EQ(TPanelMemory::ManufacturerOfModule("08"), 0);
}

} // namespace

TEST(PanelMemory, AFreshPanelHoldsTheObjectTableOfItsProductData) {
    const std::vector<unsigned char> image = TPanelMemory::Image(0x1101, 83);
    EXPECT_EQ(image[TPanelMemory::kObjectTable], 231);
    auto word = [&](size_t at) { return image[at] << 8 | image[at + 1]; };
    // The clock download's pointers are unchanged by the table.
    EXPECT_EQ(word(TPanelMemory::kTimePointer), TPanelMemory::kClock);
    EXPECT_EQ(word(TPanelMemory::kDatePointer), TPanelMemory::kDate);
    EXPECT_EQ(word(TPanelMemory::kBasePointer), TPanelMemory::kBase);
    struct Case {
        int number;
        int pointer;
        unsigned flags;
        int type;
    };
    const Case cases[] = {
        {0, TPanelMemory::kValues, ETS_FLAG_COMM | ETS_FLAG_WRITE, 0},
        {166, TPanelMemory::kValues + 16 * 166, ETS_FLAG_COMM | ETS_FLAG_READ | ETS_FLAG_TRANS, 0},
        {219, TPanelMemory::kValues + 16 * 219, ETS_FLAG_COMM | ETS_FLAG_TRANS, 14},
        {223, TPanelMemory::kClock, ETS_FLAG_COMM | ETS_FLAG_WRITE | ETS_FLAG_TRANS, 9},
        {224, TPanelMemory::kDate, ETS_FLAG_COMM | ETS_FLAG_WRITE | ETS_FLAG_TRANS, 9},
        {230, TPanelMemory::kValues + 16 * 230, ETS_FLAG_COMM | ETS_FLAG_TRANS, 0},
    };
    for (const Case &c : cases) {
        const size_t at = 0x43FF + 4 * static_cast<size_t>(c.number);
        EXPECT_EQ(word(at), c.pointer) << c.number;
        EXPECT_EQ(image[at + 2], c.flags) << c.number;
        EXPECT_EQ(image[at + 3], c.type) << c.number;
    }
    // Behind the last entry the table is empty.
    EXPECT_EQ(image[0x43FF + 4 * 231], 0);
}
