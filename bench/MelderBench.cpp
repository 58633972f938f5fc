// Adding 156 detectors to a new panel through the simulated bus tool, beside the bus tool's own
// work for the same detectors in the same run. Compare the ratio, not the times.
//   detectors: CreateAzMelder 156 times under security area 1 of a new panel (numbers 5 to
//              160): the object, its record, its number, its bus objects and the status bar;
//   baseline:  the same 156 parameters switched on in the bus tool with their bus objects under
//              the same area (AddEtsObjectByDisplayOrder), without detector objects.
#include "FakeDienste.h"
#include "TRatioReporter.h"
#include "deviceinstance/TDeviceInstanzAz.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <stdexcept>

namespace {

constexpr int kErster = 5; // a new panel has detectors 1 to 4
constexpr int kLetzter = 160;

// A new panel's default tree in a project of its own.
struct TNeuesPanel {
    TFakeDienste Dienste;
    std::unique_ptr<TDeviceInstanzAz> Device;
    TDataBasis *Sb1 = nullptr;

    TNeuesPanel() {
        const DAL_DEVICE record = Dienste.PanelRecord();
        Device = std::make_unique<TDeviceInstanzAz>(&Dienste, &record, &Dienste);
        Dienste.SetDevice(Device.get());
        if (Device->CreateNewDevice(0) != 1)
            throw std::runtime_error("no new panel");
        for (const auto &[handle, object] : Device->GetObjekte())
            if (object->GetTyp() == 6127)
                Sb1 = object.get();
    }
    ~TNeuesPanel() { Dienste.SetDevice(nullptr); }
};

template <class F> void ProNeuemPanel(benchmark::State &state, F add) {
    for (auto _ : state) {
        state.PauseTiming();
        auto panel = std::make_unique<TNeuesPanel>();
        state.ResumeTiming();
        for (int n = kErster; n <= kLetzter; ++n)
            if (!add(*panel, n)) {
                state.SkipWithError("a detector was refused");
                return;
            }
        state.PauseTiming();
        state.counters["detectors"] = panel->Device->GetAnzahlMelder();
        panel.reset();
        state.ResumeTiming();
    }
}

void BM_BusToolBaseline(benchmark::State &state) {
    ProNeuemPanel(state, [](TNeuesPanel &p, int n) {
        const int16_t parameter = static_cast<int16_t>(n == 160 ? 1591 : 10 * n);
        return p.Device->AddEtsObjectByDisplayOrder(parameter, 1, -100, p.Sb1, false);
    });
}
BENCHMARK(BM_BusToolBaseline)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_MelderHinzufuegen(benchmark::State &state) {
    ProNeuemPanel(state, [](TNeuesPanel &p, int) {
        return p.Device->CreateAzMelder(p.Dienste.GetHandle(), p.Sb1, true, 3);
    });
}
BENCHMARK(BM_MelderHinzufuegen)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char **argv) {
    return TRatioReporter::RunAll(
        argc, argv,
        {{"156 detectors / their bus-tool work", "BM_MelderHinzufuegen", "BM_BusToolBaseline", 0}});
}
