// TProjectDatabase: the simulated bus, the devices' memory images and the directly connected
// device (see the class's header).
#include "platform/bustool/TProjectDatabase.h"

#include "platform/log/Log.h"

namespace {
// The project file is outside input: an image of another size is refused where it is read.
void CheckImageSize(int32_t deviceId, size_t size) {
    LOG_FKT("CheckImageSize");
    if (size != TProjectDatabase::kMemorySize)
        throw EProjectDatabase("the memory image of device " + std::to_string(deviceId) +
                               " holds " + std::to_string(size) + " bytes, not " +
                               std::to_string(TProjectDatabase::kMemorySize));
}
} // namespace

bool TProjectDatabase::SetMemoryImage(int32_t deviceId, const std::vector<unsigned char> &image) {
    LOG_FKT("TProjectDatabase::SetMemoryImage");
    if (image.size() != kMemorySize)
        throw EProjectDatabase("a memory image holds " + std::to_string(kMemorySize) +
                               " bytes, not " + std::to_string(image.size()));
    TSqlTransaction tx(*FSql, TSqlTransaction::Write);
    TSqlStatement device(*FSql, "SELECT 1 FROM devices WHERE id = ?");
    if (!device.Bind(1, deviceId).Step())
        return false;
    TSqlStatement(*FSql, "INSERT OR REPLACE INTO memory_images(device_id, data) VALUES(?, ?)")
        .Bind(1, deviceId)
        .BindBlob(2, image.data(), image.size())
        .Run();
    tx.Commit();
    return true;
}

bool TProjectDatabase::RemoveMemoryImage(int32_t deviceId) {
    LOG_FKT("TProjectDatabase::RemoveMemoryImage");
    TSqlTransaction tx(*FSql, TSqlTransaction::Write);
    TSqlStatement(*FSql, "DELETE FROM memory_images WHERE device_id = ?").Bind(1, deviceId).Run();
    if (FSql->Changes() == 0)
        return false;
    tx.Commit();
    return true;
}

std::optional<std::vector<unsigned char>> TProjectDatabase::MemoryImage(int32_t deviceId) {
    LOG_FKT("TProjectDatabase::MemoryImage");
    TSqlStatement st(*FSql, "SELECT data FROM memory_images WHERE device_id = ?");
    if (!st.Bind(1, deviceId).Step())
        return std::nullopt;
    std::vector<unsigned char> image = st.Blob(0);
    CheckImageSize(deviceId, image.size());
    return image;
}

std::optional<std::vector<unsigned char>>
TProjectDatabase::ReadMemory(int32_t deviceId, uint16_t first, size_t count) {
    LOG_FKT("TProjectDatabase::ReadMemory");
    if (first + count > kMemorySize)
        throw EProjectDatabase("memory read beyond the address space");
    // Read in place: a bus read of a few bytes does not load the whole image.
    size_t size = 0;
    auto bytes = FSql->ReadBlob("memory_images", "data", deviceId, first, count, size);
    if (bytes)
        CheckImageSize(deviceId, size);
    return bytes;
}

bool TProjectDatabase::WriteMemory(int32_t deviceId, uint16_t first, const unsigned char *data,
                                   const unsigned char *mask, size_t count) {
    LOG_FKT("TProjectDatabase::WriteMemory");
    if (first + count > kMemorySize)
        throw EProjectDatabase("memory write beyond the address space");
    TSqlTransaction tx(*FSql, TSqlTransaction::Write);
    TSqlStatement st(*FSql, "SELECT data FROM memory_images WHERE device_id = ?");
    if (!st.Bind(1, deviceId).Step())
        return false;
    std::vector<unsigned char> image = st.Blob(0);
    CheckImageSize(deviceId, image.size());
    for (size_t i = 0; i < count; ++i) {
        unsigned char &cell = image[first + i];
        cell = static_cast<unsigned char>((cell & ~mask[i]) | (data[i] & mask[i]));
    }
    TSqlStatement(*FSql, "UPDATE memory_images SET data = ? WHERE device_id = ?")
        .BindBlob(1, image.data(), image.size())
        .Bind(2, deviceId)
        .Run();
    tx.Commit();
    return true;
}

void TProjectDatabase::SetConnectedDevice(std::optional<int32_t> deviceId) {
    LOG_FKT("TProjectDatabase::SetConnectedDevice");
    TSqlTransaction tx(*FSql, TSqlTransaction::Write);
    FSql->Execute("DELETE FROM bus_connection");
    if (deviceId)
        TSqlStatement(*FSql, "INSERT INTO bus_connection(id, device_id) VALUES(1, ?)")
            .Bind(1, *deviceId)
            .Run();
    tx.Commit();
}

std::optional<int32_t> TProjectDatabase::ConnectedDevice() {
    LOG_FKT("TProjectDatabase::ConnectedDevice");
    TSqlStatement st(*FSql, "SELECT device_id FROM bus_connection", TSqlStatement::Cached);
    if (!st.Step())
        return std::nullopt;
    return st.Int32(0);
}

void TProjectDatabase::RestoreKeepingBus(TProjectSnapshot &snapshot) {
    LOG_FKT("TProjectDatabase::RestoreKeepingBus");
    std::vector<std::pair<int32_t, std::vector<unsigned char>>> images;
    std::vector<TFailureRow> failures;
    {
        TSqlTransaction tx(*FSql, TSqlTransaction::Read);
        TSqlStatement st(*FSql, "SELECT device_id, data FROM memory_images");
        while (st.Step())
            images.emplace_back(st.Int32(0), st.Blob(1));
        failures = Failures();
        tx.Commit();
    }
    Restore(snapshot);
    TSqlTransaction tx(*FSql, TSqlTransaction::Write);
    FSql->Execute("DELETE FROM memory_images; DELETE FROM failures");
    for (const auto &[device, image] : images)
        SetMemoryImage(device, image); // a device the copy does not hold stays off the bus
    for (const auto &f : failures)
        InjectFailure(f.call, f.remaining, f.answer);
    tx.Commit();
}
