// The reconstruction's reading of a device image, and the read-out of a full panel, each beside
// a baseline in the same run; the program prints the ratios (the times depend on the machine).
//   image: ReadHexFile of the three sections plus every byte through the block readers, against
//          reading the file and decoding its hex digits (target: within 3x);
//   read-out: the whole read-out into an image file, against its 25 bare bus reads (target:
//          within 1.5x).
#include "TPanelImageFixture.h"
#include "TRatioReporter.h"
#include "TempProject.h"
#include "platform/recobase/TRecoDataManagament.h"
#include "platform/recobase/TRecoReadHexFile.h"
#include "platform/win/MessageBox.h"
#include "reconstruction/TRecoAzZielsystem.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>

namespace {

namespace fs = std::filesystem;

struct TUmgebung {
    TUmgebung() {
        for (int n = 1; n <= 160; ++n) {
            Panel.SetMelder(n, {.MelderTyp = n % 3, .EingangsTyp = n % 6, .Bereich = 1 + n % 6});
            Panel.SetMelderText(n, "Melder Nr. " + std::to_string(n));
        }
        for (int i = 1; i <= 50; ++i)
            Panel.SetEditierbarerText(i, "Text " + std::to_string(i));
        Panel.SetVariante(0x113344CC);
        Datei = (Project.Dir() / "image.x19").string();
        Panel.WriteX19(Datei);
        Project.Database().SetMemoryImage(Project.PanelId(), Panel.Image());
    }
    TTempProject Project;
    TPanelImageFixture Panel{0x1101};
    std::string Datei;
};

TUmgebung &Umgebung() {
    static TUmgebung u;
    return u;
}

int HexDigit(char c) {
    return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10;
}

void BM_ImageBaseline(benchmark::State &state) {
    TUmgebung &u = Umgebung();
    for (auto _ : state) {
        std::ifstream in(u.Datei, std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
        std::vector<unsigned char> bytes;
        bytes.reserve(text.size() / 2);
        size_t line = 0;
        while (line < text.size()) {
            size_t end = text.find('\n', line);
            if (end == std::string::npos)
                end = text.size();
            if (text[line] == 'S' && text[line + 1] != 'X')
                for (size_t i = line + 2; i + 1 < end && text[i] != '\r'; i += 2)
                    bytes.push_back(
                        static_cast<unsigned char>(HexDigit(text[i]) << 4 | HexDigit(text[i + 1])));
            line = end + 1;
        }
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_ImageBaseline)->Unit(benchmark::kMicrosecond);

void BM_ImageReadHexFile(benchmark::State &state) {
    TUmgebung &u = Umgebung();
    for (auto _ : state) {
        unsigned sum = 0;
        for (const auto &block : TPanelImageFixture::Blocks()) {
            TRecoReadHexFile reader;
            TStringList list;
            TStringList *work = &list;
            TMemoryStream stream;
            if (!reader.ReadHexFile(&stream, work, u.Datei, block.Name, block.First, block.Last, 0))
                state.SkipWithError("the image does not read");
            TRecoDataManagament daten(&stream, block.First, block.Last, 0, false);
            for (uint32_t at = block.First; at <= block.Last; ++at) {
                unsigned char b = 0;
                daten.GetByteFromAddr(at, b);
                sum += b;
            }
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_ImageReadHexFile)->Unit(benchmark::kMicrosecond);

void BM_ReadOutBaseline(benchmark::State &state) {
    TUmgebung &u = Umgebung();
    TEts2Cdi &cdi = u.Project.Cdi();
    std::vector<unsigned char> buffer(255);
    for (auto _ : state) {
        cdi.EibSetAddress(1, 0);
        cdi.EibStartComm();
        for (const auto &block : TPanelImageFixture::Blocks())
            for (uint32_t start = block.First; start <= block.Last; start += 255) {
                const uint32_t last = std::min<uint32_t>(start + 254, block.Last);
                cdi.EibReadMemBlock(buffer.data(), static_cast<unsigned short>(start),
                                    static_cast<unsigned short>(start),
                                    static_cast<unsigned short>(last));
            }
        cdi.EibStopComm();
        benchmark::DoNotOptimize(buffer.data());
    }
}
BENCHMARK(BM_ReadOutBaseline)->Unit(benchmark::kMillisecond);

void BM_ReadOut(benchmark::State &state) {
    TUmgebung &u = Umgebung();
    TMessageBoxRecorder boxes;
    const fs::path file = u.Project.Dir() / "Reconstruction" / "out.x19";
    for (auto _ : state) {
        // Each read-out writes a new file, as the first read-out of a panel does (replacing
        // a file makes the file system flush it at its close).
        state.PauseTiming();
        std::error_code ec;
        fs::remove(file, ec);
        state.ResumeTiming();
        AnsiString name = file.string();
        TRecoAzZielsystem readOut(&u.Project.Cdi(), 0, nullptr, false, name, false);
        if (!readOut.ReadoutDeviceImage())
            state.SkipWithError("the read-out failed");
    }
}
BENCHMARK(BM_ReadOut)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    return TRatioReporter::RunAll(
        argc, argv,
        {{"image (ReadHexFile + readers / decode)", "BM_ImageReadHexFile", "BM_ImageBaseline", 3.0},
         {"read-out (whole / 25 bare reads)", "BM_ReadOut", "BM_ReadOutBaseline", 1.5}});
}
