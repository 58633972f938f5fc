// The folder reconstructors over a full four-area panel (160 detectors and the wired input,
// every bus object linked), into a fresh record database, and the whole driver from the
// panel's image file into a record stream, each beside loading the records they produce into
// a record store, in the same run; the program prints the ratios (targets: within 2x for the
// folders, 3x for the driver).
#include "TRatioReporter.h"
#include "TRecoUmgebung.h"
#include "foundation/TDatenManager.h"
#include "reconstruction/TRecoAz.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string_view>
#include <unistd.h>

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

// The panel's image file as the read-out writes it, removed when the program ends.
class TImageDatei {
public:
    TImageDatei()
        : FPfad(std::filesystem::temp_directory_path() /
                ("bench-recoaz-" + std::to_string(getpid()) + ".x19")) {
        Panel().WriteX19(FPfad);
    }
    ~TImageDatei() {
        std::error_code ec;
        std::filesystem::remove(FPfad, ec);
    }
    const std::filesystem::path &Pfad() const { return FPfad; }

private:
    std::filesystem::path FPfad;
};

const TImageDatei &Image() {
    static const TImageDatei image;
    return image;
}

// The driver's stream holds the records the baseline loads, behind the same header.
bool GleicherStream(const TMemoryStream &treiber) {
    TRecoUmgebung u(Panel().Image());
    uint32_t variante = 0;
    TMemoryStream folders;
    if (!u.Alle(variante) || !u.Datenbank.Write(&folders, TRecoAz::kHeader))
        return false;
    return folders.Size() == treiber.Size() &&
           std::equal(folders.Memory(), folders.Memory() + folders.Size(), treiber.Memory());
}

void BM_RecoDeviceImage(benchmark::State &state) {
    const AnsiString datei = Image().Pfad().string();
    {
        TRecoAz reco(datei);
        TMemoryStream out;
        if (!reco.RecoDeviceImage(&out, false, "") || !GleicherStream(out)) {
            state.SkipWithError("the driver failed or its records differ from the baseline's");
            return;
        }
        state.counters["bytes"] = static_cast<double>(out.Size());
    }
    // The caller's stream, emptied for each run: its growth is the caller's, not the driver's.
    TMemoryStream out;
    for (auto _ : state) {
        out.Clear();
        TRecoAz reco(datei);
        benchmark::DoNotOptimize(reco.RecoDeviceImage(&out, false, ""));
        benchmark::DoNotOptimize(out.Memory());
    }
}
BENCHMARK(BM_RecoDeviceImage)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv) {
    return TRatioReporter::RunAll(argc, argv,
                                  {{"folder reconstruction / record-store load",
                                    "BM_FolderReconstruction", "BM_RecordStoreLoad", 2.0},
                                   {"driver from the image file / record-store load",
                                    "BM_RecoDeviceImage", "BM_RecordStoreLoad", 3.0}});
}
