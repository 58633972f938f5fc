// Start to ready: bustool run with one create event (mode -2) and the stop, against pultor and
// two baselines in the same run: the host's fake editor (no Qt) and a bare Qt Widgets program
// that shows one main window and answers the same event. Prints both ratios; compare them,
// not the times.
#include "TRatioReporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

struct TProjekt {
    fs::path Dir;
    TProjekt() {
        std::string pattern = (fs::temp_directory_path() / "pultor-start-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        Dir = pattern;
        // pultor keeps its settings and autosave beside itself: a copy of its own.
        fs::copy_file(PULTOR_PATH, Dir / "pultor");
        Befehl(std::string(BUSTOOL_PATH) + " init --demo " + (Dir / "demo.db").string());
    }
    ~TProjekt() {
        std::error_code ec;
        fs::remove_all(Dir, ec);
    }
    static void Befehl(const std::string &line) {
        if (std::system((line + " > /dev/null 2>&1").c_str()) != 0) {
            std::fprintf(stderr, "failed: %s\n", line.c_str());
            std::abort();
        }
    }
};

TProjekt &Projekt() {
    static TProjekt projekt;
    return projekt;
}

void Start(benchmark::State &state, const std::string &editor) {
    const std::string line = "QT_QPA_PLATFORM=offscreen " + std::string(BUSTOOL_PATH) + " run " +
                             (Projekt().Dir / "project.db").string() + " --editor " + editor +
                             " --timeout 60 'create 1.1.20 Neu -2' stop";
    for (auto _ : state) {
        // The create keeps its device: each run starts on the demo project as it was made.
        state.PauseTiming();
        fs::copy_file(Projekt().Dir / "demo.db", Projekt().Dir / "project.db",
                      fs::copy_options::overwrite_existing);
        state.ResumeTiming();
        TProjekt::Befehl(line);
    }
}

void BM_Pultor(benchmark::State &state) { Start(state, (Projekt().Dir / "pultor").string()); }
void BM_FakeEditor(benchmark::State &state) { Start(state, FAKE_EDITOR_PATH); }
void BM_BareQt(benchmark::State &state) { Start(state, BARE_QT_PATH); }

BENCHMARK(BM_Pultor)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();
BENCHMARK(BM_FakeEditor)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();
BENCHMARK(BM_BareQt)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();

} // namespace

int main(int argc, char **argv) {
    return TRatioReporter::RunAll(argc, argv,
                                  {{"pultor / fake editor", "BM_Pultor", "BM_FakeEditor", 0},
                                   {"pultor / bare Qt program", "BM_Pultor", "BM_BareQt", 2.0}});
}
