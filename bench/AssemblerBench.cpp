// The assembler's S-record and Intel-hex writers into a memory stream, for one block
// 0x0000-0xFFFE, beside two baselines in the same run: a loop that only formats the same
// bytes as hex digits into one buffer (the limit), and srec_cat converting the same image
// from binary (process start included). Compare the ratios printed at the end, not the times.
#include "TRatioReporter.h"
#include "assembler/Assembler.h"
#include "platform/vcl/Streams.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr uint32_t kGroesse = 0xFFFF;

struct TUmgebung {
    std::vector<uint8_t> Bytes;
    TAssembler Assembler;
    std::filesystem::path Dir;

    TUmgebung() : Bytes(kGroesse) {
        for (uint32_t i = 0; i < kGroesse; ++i)
            Bytes[i] = static_cast<uint8_t>(i * 7 + (i >> 8) + 1);
        TAsmKlasse *klasse = Assembler.NewKlasse("Abbild", 1, 0, kGroesse - 1, asmAusgeben);
        TAsmBlock *block = Assembler.NewBlock("AbbildBlock", klasse, false);
        block->AddData(Bytes.data(), kGroesse);
        Assembler.Linken();
        char pattern[] = "/tmp/asm_bench_XXXXXX";
        if (!mkdtemp(pattern))
            throw std::runtime_error("no temporary folder");
        Dir = pattern;
        std::ofstream(Dir / "image.bin", std::ios::binary)
            .write(reinterpret_cast<const char *>(Bytes.data()), kGroesse);
    }
    ~TUmgebung() {
        std::error_code ignored;
        std::filesystem::remove_all(Dir, ignored);
    }
};

TUmgebung &Umgebung() {
    static TUmgebung u;
    return u;
}

void BM_HexLoopBaseline(benchmark::State &state) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    const std::vector<uint8_t> &bytes = Umgebung().Bytes;
    std::string out;
    for (auto _ : state) {
        out.resize(2 * bytes.size());
        char *p = out.data();
        for (const uint8_t b : bytes) {
            *p++ = kDigits[b >> 4];
            *p++ = kDigits[b & 0x0F];
        }
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_HexLoopBaseline)->Unit(benchmark::kMicrosecond);

template <void (TAssembler::*Writer)(TMemoryStream *)> void BM_Writer(benchmark::State &state) {
    TAssembler &assembler = Umgebung().Assembler;
    // Emptied, not made anew: both sides write into memory that is already there.
    TMemoryStream stream;
    for (auto _ : state) {
        stream.Clear();
        (assembler.*Writer)(&stream);
        benchmark::DoNotOptimize(stream.Memory());
    }
}
BENCHMARK_TEMPLATE(BM_Writer, &TAssembler::MakeS19)
    ->Name("BM_MakeS19Stream")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_Writer, &TAssembler::MakeIntelHex)
    ->Name("BM_MakeIntelHexStream")
    ->Unit(benchmark::kMicrosecond);

void BM_SrecCat(benchmark::State &state, const char *format) {
    const std::filesystem::path &dir = Umgebung().Dir;
    const std::string command = "srec_cat '" + (dir / "image.bin").string() + "' -binary -o '" +
                                (dir / "out.txt").string() + "' " + format +
                                " -obs=16 >/dev/null 2>&1";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("srec_cat failed (is srecord installed?)");
            break;
        }
    }
}
BENCHMARK_CAPTURE(BM_SrecCat, motorola, "-motorola")
    ->Name("BM_SrecCatMotorolaBaseline")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SrecCat, intel, "-intel")
    ->Name("BM_SrecCatIntelBaseline")
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv) {
    return TRatioReporter::RunAll(
        argc, argv,
        {{"MakeS19 / hex loop", "BM_MakeS19Stream", "BM_HexLoopBaseline", 2.0},
         {"MakeIntelHex / hex loop", "BM_MakeIntelHexStream", "BM_HexLoopBaseline", 2.0},
         {"MakeS19 / srec_cat -motorola", "BM_MakeS19Stream", "BM_SrecCatMotorolaBaseline", 1.0},
         {"MakeIntelHex / srec_cat -intel", "BM_MakeIntelHexStream", "BM_SrecCatIntelBaseline",
          1.0}});
}
