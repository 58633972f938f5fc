// Load and save of a 10,000-record store, beside a baseline that only splits the same text
// into lines and comma-separated fields. Compare the ratios, not the times.
#include "foundation/TDatenManager.h"

#include <benchmark/benchmark.h>
#include <string_view>
#include <vector>

namespace {

const AnsiString &RecordFile() {
    static const AnsiString text = [] {
        TMemoryStream empty;
        TDatenManager<TDatenStruktur> store(&empty);
        for (int i = 0; i < 10000; ++i) {
            TDatenStruktur d;
            d.Handle = i + 1;
            d.Name = i % 3 ? "Melder " + std::to_string(i) : "K\xFC" "che, Flur";
            d.Typ = static_cast<int16_t>(6124);
            d.Parent = 7;
            d.System = 1;
            d.Param1 = i;
            d.Param5 = -i;
            d.Bool3 = i % 2;
            d.String1 = "Text " + std::to_string(i);
            store.Add(d);
        }
        TMemoryStream out;
        store.SaveToStream(&out, nullptr, nullptr);
        return AnsiString(reinterpret_cast<const char *>(out.Memory()),
                          static_cast<size_t>(out.Size()));
    }();
    return text;
}

TMemoryStream StreamOfFile() {
    TMemoryStream s;
    s.WriteBuffer(RecordFile().data(), static_cast<long long>(RecordFile().size()));
    return s;
}

// Baseline: lines at CR/LF, fields at commas, each field copied into a string.
void BM_SplitBaseline(benchmark::State &state) {
    const std::string_view text = RecordFile();
    std::vector<std::string> fields;
    for (auto _ : state) {
        size_t count = 0;
        size_t p = 0;
        while (p < text.size()) {
            size_t e = text.find_first_of("\r\n", p);
            if (e == std::string_view::npos)
                e = text.size();
            std::string_view line = text.substr(p, e - p);
            fields.clear();
            size_t f = 0;
            while (true) {
                const size_t c = line.find(',', f);
                fields.emplace_back(line.substr(f, c == std::string_view::npos ? c : c - f));
                if (c == std::string_view::npos)
                    break;
                f = c + 1;
            }
            count += fields.size();
            p = e + 2;
        }
        benchmark::DoNotOptimize(count);
    }
}
BENCHMARK(BM_SplitBaseline)->Unit(benchmark::kMillisecond);

void BM_Load(benchmark::State &state) {
    TMemoryStream s = StreamOfFile();
    for (auto _ : state) {
        TDatenManager<TDatenStruktur> store(&s);
        benchmark::DoNotOptimize(store.GetFirst());
    }
}
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);

void BM_Save(benchmark::State &state) {
    TMemoryStream s = StreamOfFile();
    TDatenManager<TDatenStruktur> store(&s);
    TMemoryStream out;
    for (auto _ : state) {
        store.SaveToStream(&out, nullptr, nullptr);
        benchmark::DoNotOptimize(out.Memory());
    }
}
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
