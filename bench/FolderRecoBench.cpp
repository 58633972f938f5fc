// The folder reconstructors over a full four-area panel (160 detectors and the wired input,
// every bus object linked), into a fresh record database, beside loading the records they
// produce into a record store, in the same run; the program prints the ratio (target: within
// 2x).
#include "TRatioReporter.h"
#include "TRecoUmgebung.h"
#include "foundation/TDatenManager.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string_view>

namespace {

const TPanelImageFixture &Panel() {
    static const TPanelImageFixture panel = TRecoUmgebung::VollesPanel();
    return panel;
}

// The record lines the folders produce, as a record file (the data block's records part).
const TMemoryStream &Datensaetze() {
    static const TMemoryStream stream = [] {
        TRecoUmgebung u(Panel().Image());
        uint32_t variante = 0;
        u.Alle(variante);
        TMemoryStream block;
        u.Datenbank.Write(&block, "SX Version: 1. 1 Typ:VUMA/Alarmzentrale");
        const std::string_view text(reinterpret_cast<const char *>(block.Memory()),
                                    static_cast<size_t>(block.Size()));
        const size_t von = text.find("<DB>");
        const size_t bis = text.find("</DB>");
        TMemoryStream records;
        if (von != std::string_view::npos && bis != std::string_view::npos) {
            const std::string_view db = text.substr(von + 4, bis - von - 4);
            records.WriteBuffer(db.data(), static_cast<long long>(db.size()));
        }
        return records;
    }();
    return stream;
}

void BM_RecordStoreLoad(benchmark::State &state) {
    TMemoryStream stream;
    stream.LoadFromStream(const_cast<TMemoryStream &>(Datensaetze()));
    for (auto _ : state) {
        TDatenManager<TDatenStruktur> store(&stream);
        benchmark::DoNotOptimize(store.GetFirst());
    }
    TDatenManager<TDatenStruktur> store(&stream);
    int anzahl = 0;
    for (auto *r = store.GetFirst(); r; r = store.GetNext())
        ++anzahl;
    state.counters["records"] = anzahl;
}
BENCHMARK(BM_RecordStoreLoad)->Unit(benchmark::kMicrosecond);

void BM_FolderReconstruction(benchmark::State &state) {
    int anzahl = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto u = std::make_unique<TRecoUmgebung>(Panel().Image());
        state.ResumeTiming();
        uint32_t variante = 0;
        if (!u->Alle(variante) || !u->Errors.Eintraege().empty())
            state.SkipWithError("the reconstruction failed or reported");
        anzahl = u->Datenbank.Count();
        benchmark::DoNotOptimize(anzahl);
        state.PauseTiming();
        u.reset();
        state.ResumeTiming();
    }
    state.counters["records"] = anzahl;
}
BENCHMARK(BM_FolderReconstruction)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv) {
    return TRatioReporter::RunAll(argc, argv,
                                  {{"folder reconstruction / record-store load",
                                    "BM_FolderReconstruction", "BM_RecordStoreLoad", 2.0}});
}
