// Load and save of a full panel's configuration data block by the device instance, beside the
// record store's own load and save of the same "DB" section in the same run. Compare the
// ratios, not the times.
//   load: the instance's records and objects from the block (CopyDBDatenToStruktur and the
//         factory, through InitData); baseline: the store read from the section's text.
//   save: the block written from the record tree (CopyStrukturDatenToDB); baseline: the
//         store's SaveToStream of the same records.
#include "AzVollesPanel.h"
#include "FakeDienste.h"
#include "deviceinstance/TDeviceInstanzAz.h"
#include "foundation/TDatenManager.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

struct TUmgebung {
    TFakeDienste Dienste;
    AnsiString Block;
    TMemoryStream DbSection;
    std::unique_ptr<TDeviceInstanzAz> Device;

    TUmgebung() {
        Block = VollesPanelBlock(Dienste);
        const DAL_DEVICE record = Dienste.PanelRecord();
        Device = std::make_unique<TDeviceInstanzAz>(&Dienste, &record, &Dienste);
        Dienste.SetDevice(Device.get());
        Laden();
        TMemoryStream all;
        all.WriteBuffer(Block.data(), static_cast<long long>(Block.size()));
        Device->ParseData(all, DbSection, "DB");
    }
    void Laden() {
        TMemoryStream &stream = Device->GetDatenStream();
        stream.Clear();
        stream.WriteBuffer(Block.data(), static_cast<long long>(Block.size()));
        stream.SetPosition(0);
        if (!Device->InitData())
            throw std::runtime_error("the block does not load");
    }
};

TUmgebung &Umgebung() {
    static TUmgebung u;
    return u;
}

void BM_StoreLoadBaseline(benchmark::State &state) {
    TUmgebung &u = Umgebung();
    for (auto _ : state) {
        u.DbSection.SetPosition(0);
        TDatenManager<TDatenStruktur> store(&u.DbSection);
        benchmark::DoNotOptimize(store.GetFirst());
    }
}
BENCHMARK(BM_StoreLoadBaseline)->Unit(benchmark::kMillisecond);

void BM_DeviceLoad(benchmark::State &state) {
    TUmgebung &u = Umgebung();
    for (auto _ : state) {
        u.Laden();
        benchmark::DoNotOptimize(u.Device->GetDevice());
    }
    state.counters["objects"] = static_cast<double>(u.Device->GetObjekte().size());
}
BENCHMARK(BM_DeviceLoad)->Unit(benchmark::kMillisecond);

void BM_StoreSaveBaseline(benchmark::State &state) {
    TUmgebung &u = Umgebung();
    u.DbSection.SetPosition(0);
    TDatenManager<TDatenStruktur> store(&u.DbSection);
    TMemoryStream out;
    for (auto _ : state) {
        store.SaveToStream(&out, nullptr, nullptr);
        benchmark::DoNotOptimize(out.Memory());
    }
}
BENCHMARK(BM_StoreSaveBaseline)->Unit(benchmark::kMillisecond);

void BM_DeviceSave(benchmark::State &state) {
    TUmgebung &u = Umgebung();
    TMemoryStream out;
    for (auto _ : state) {
        u.Device->CopyStrukturDatenToDB(nullptr, &out);
        benchmark::DoNotOptimize(out.Memory());
    }
    state.counters["bytes"] = static_cast<double>(out.Size());
}
BENCHMARK(BM_DeviceSave)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
