// The device instance's group-address work on a full panel, beside the plain work under it in
// the same run. Compare the ratios, not the times.
//   tree: GetGrpAdrFromServer (the reader's Einlesen and one object per group); baseline: a
//         bare reader's Einlesen of the same project.
//   check: the resource check before a link (DeviceRessourceCheckVerbindungen); baseline:
//         collecting the link ids it counts (GetAllUsedGAIds).
#include "DeviceInstanceUmgebung.h"
#include "platform/busobjects/TEtsObjekt.h"
#include "platform/bustool/TEts2Cdi.h"
#include "platform/bustool/TEtsGruppenAdressen.h"
#include "platform/bustool/TSqlDatabase.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kMains = 8, kMiddles = 8, kSubs = 32; // 2048 group addresses
constexpr int kObjekte = 127, kLinksJeObjekt = 2;   // 254 links on 254 addresses

// The full panel, a project with many group addresses, and bus objects holding links.
TUmgebung &GrpAdrUmgebung() {
    static TUmgebung &u = []() -> TUmgebung & {
        TUmgebung &e = Umgebung();
        TProjectDatabase &db = e.Dienste.Project().Database();
        {
            TSqlTransaction t(db.Sql(), TSqlTransaction::Write);
            for (int a = 0; a < kMains; ++a)
                for (int b = 0; b < kMiddles; ++b)
                    for (int c = 1; c <= kSubs; ++c)
                        db.AddGroupAddress(a, b, c, "GA");
            t.Commit();
        }
        for (int i = 0; i < kObjekte; ++i) {
            const int handle = 60000 + i;
            std::unique_ptr<TDataBasis> object = std::make_unique<TEtsObjekt>(
                nullptr, 1, 1, "O", -1, -1, i, -1, -1, -1, 0, 1, 2, 0, handle);
            for (int l = 0; l < kLinksJeObjekt; ++l)
                static_cast<TEtsObjekt *>(object.get())
                    ->AddSubGroupLink(1 + i * kLinksJeObjekt + l, 0, false);
            e.Device->SetPointer2List(object);
        }
        return e;
    }();
    return u;
}

void BM_ReaderEinlesenBaseline(benchmark::State &state) {
    TUmgebung &u = GrpAdrUmgebung();
    TEtsGruppenAdressen reader(u.Dienste.GetEts2Cdi(), u.Device->GetDeviceId());
    for (auto _ : state)
        benchmark::DoNotOptimize(reader.Einlesen(u.Device->GetDeviceId()));
}
BENCHMARK(BM_ReaderEinlesenBaseline)->Unit(benchmark::kMillisecond);

void BM_GetGrpAdrFromServer(benchmark::State &state) {
    TUmgebung &u = GrpAdrUmgebung();
    for (auto _ : state)
        benchmark::DoNotOptimize(u.Device->GetGrpAdrFromServer());
    state.counters["groups"] =
        static_cast<double>(u.Device->GetMidSubGroups().size() + u.Device->GetMainGroups().size());
}
BENCHMARK(BM_GetGrpAdrFromServer)->Unit(benchmark::kMillisecond);

void BM_GetAllUsedGAIdsBaseline(benchmark::State &state) {
    TUmgebung &u = GrpAdrUmgebung();
    for (auto _ : state) {
        std::list<int> ids;
        u.Device->GetAllUsedGAIds(ids);
        benchmark::DoNotOptimize(ids.size());
    }
}
BENCHMARK(BM_GetAllUsedGAIdsBaseline)->Unit(benchmark::kMicrosecond);

void BM_DeviceRessourceCheck(benchmark::State &state) {
    TUmgebung &u = GrpAdrUmgebung();
    for (auto _ : state)
        benchmark::DoNotOptimize(u.Device->DeviceRessourceCheckVerbindungen(nullptr, 1, false));
}
BENCHMARK(BM_DeviceRessourceCheck)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
