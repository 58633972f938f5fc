// Load and save of a full panel's configuration data block by the device instance, beside the
// record store's own load and save of the same "DB" section in the same run. Compare the
// ratios, not the times.
//   load: the instance's records and objects from the block (CopyDBDatenToStruktur and the
//         factory, through InitData); baseline: the store read from the section's text.
//   save: the block written from the record tree (CopyStrukturDatenToDB); baseline: the
//         store's SaveToStream of the same records.
#include "DeviceInstanceUmgebung.h"
#include "foundation/TDatenManager.h"

#include <benchmark/benchmark.h>

namespace {

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
