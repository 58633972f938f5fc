// The read-out of a fixture panel on a temporary project: the image file, the bus reads and
// their progress, retries, failures with their boxes and exceptions, the identification, the
// file name taken from the device, and the communication stopped on every way out.
#include "reconstruction/TRecoAzZielsystem.h"
#include "TPanelImageFixture.h"
#include "TempProject.h"
#include "platform/dialogs/DlgProgress.h"
#include "platform/win/CursorHourGlass.h"
#include "platform/win/MessageBox.h"
#include "reconstruction/E_ErrorStr.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <tuple>

namespace {

namespace fs = std::filesystem;

std::pair<int, int> Range(const TEibAufruf &call) {
    return {call.First, call.Last};
}

std::string FileText(const fs::path &file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ReadOut : public ::testing::Test {
protected:
    ReadOut() {
        Panel.SetVariante(0x11224498);
        Panel.SetEreignisspeichertiefe(160);
        for (int n = 1; n <= 160; n += 7) {
            Panel.SetMelder(n, {.MelderTyp = n % 3, .EingangsTyp = n % 6, .Bereich = 1 + n % 6});
            Panel.SetMelderText(n, "Melder " + std::to_string(n));
        }
        Panel.SetMelderText(162, "Zentrale");
        Panel.SetEditierbarerText(5, "Eingang");
        Panel.SetGruppenAdressen({0x0901, 0x0902, 0x0A03});
        Panel.SetAssoziationen({{1, 3}, {2, 166}, {3, 223}});
        Load();
        Cdi.SetEibMonitor([this](const TEibAufruf &call) {
            Calls.push_back(call);
            if (Trigger && call.Call == std::get<0>(*Trigger) &&
                call.Last == std::get<1>(*Trigger)) {
                Project.Database().InjectFailure(std::get<2>(*Trigger), std::get<3>(*Trigger));
                Trigger.reset();
            }
        });
    }
    ~ReadOut() override { Cdi.SetEibMonitor({}); }

    void Load() {
        ASSERT_TRUE(Project.Database().SetMemoryImage(Project.PanelId(), Panel.Image()));
    }
    // After the call with that name and last address, the next `times` calls of `failing` fail.
    void FailAfter(const char *call, unsigned short last, const char *failing, int times) {
        Trigger = std::make_tuple(std::string(call), last, std::string(failing), times);
    }
    std::unique_ptr<TRecoAzZielsystem> Make(bool fromDevice = false, unsigned short address = 0) {
        return std::make_unique<TRecoAzZielsystem>(&Cdi, address, Owner, false, Name, fromDevice);
    }
    std::vector<TEibAufruf> Reads() const {
        std::vector<TEibAufruf> reads;
        for (const TEibAufruf &c : Calls)
            if (c.Call == "EibReadMemBlock")
                reads.push_back(c);
        return reads;
    }
    // The communication was stopped after it was last started.
    bool Stopped() const {
        for (auto it = Calls.rbegin(); it != Calls.rend(); ++it) {
            if (it->Call == "EibStopComm")
                return true;
            if (it->Call == "EibStartComm")
                return false;
        }
        return true;
    }

    TTempProject Project; // the demo panel at 01.01.001, directly connected
    TEts2Cdi &Cdi = Project.Cdi();
    TPanelImageFixture Panel{0x1101};
    HWND Owner = reinterpret_cast<HWND>(0x1234);
    AnsiString Name = (Project.Dir() / "Az" / "Reconstruction" / "4711.x19").string();
    std::vector<TEibAufruf> Calls;
    std::optional<std::tuple<std::string, unsigned short, std::string, int>> Trigger;
    TMessageBoxRecorder Boxes;
    TDlgProgressRecorder Progress;
    TCursorRecorder Cursors;
};

TEST_F(ReadOut, TheImageFileIsTheFixturesByteForByte) {
    auto readOut = Make();
    ASSERT_TRUE(readOut->ReadoutDeviceImage());
    EXPECT_TRUE(Boxes.Boxes().empty());
    EXPECT_EQ(Name, (Project.Dir() / "Az" / "Reconstruction" / "4711.x19").string());
    const std::string text = FileText(Name);
    EXPECT_EQ(text, Panel.X19Text());
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 393);
    EXPECT_TRUE(Stopped());
    EXPECT_EQ(Progress.Offen(), 0);
}

TEST_F(ReadOut, EachSectionReadsBackThroughAnIndependentReaderAsTheImage) {
    ASSERT_TRUE(Make()->ReadoutDeviceImage());
    const std::string text = FileText(Name);
    for (const auto &block : TPanelImageFixture::Blocks()) {
        const std::string open = "<" + std::string(block.Name) + ">\r\nSX \r\n";
        const std::string close = "</" + std::string(block.Name) + ">\r\n";
        const size_t begin = text.find(open);
        ASSERT_NE(begin, std::string::npos) << block.Name;
        const size_t end = text.find(close, begin);
        ASSERT_NE(end, std::string::npos) << block.Name;
        const fs::path s19 = Project.Dir() / (std::string(block.Name) + ".s19");
        const fs::path bin = Project.Dir() / (std::string(block.Name) + ".bin");
        std::ofstream(s19, std::ios::binary)
            << text.substr(begin + open.size(), end - begin - open.size());
        char offset[16];
        std::snprintf(offset, sizeof offset, "-0x%04X", block.First);
        const std::string command = "srec_cat '" + s19.string() + "' -Motorola -offset " + offset +
                                    " -o '" + bin.string() + "' -Binary";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
        const std::string bytes = FileText(bin);
        const auto expected = Panel.BlockBytes(block);
        EXPECT_EQ(std::vector<unsigned char>(bytes.begin(), bytes.end()), expected) << block.Name;
    }
}

TEST_F(ReadOut, BlocksAreReadInChunksOf255BytesWithTheirProgress) {
    ASSERT_TRUE(Make()->ReadoutDeviceImage());
    const auto reads = Reads();
    // Identification: manufacturer, device type; then 8, 9 and 8 chunks.
    ASSERT_EQ(reads.size(), 2u + 8 + 9 + 8);
    EXPECT_EQ(Range(reads[0]), std::make_pair(0xB6E6, 0xB6E6));
    EXPECT_EQ(Range(reads[1]), std::make_pair(0xB6E7, 0xB6E8));
    const std::tuple<size_t, size_t, unsigned, unsigned> blocks[] = {
        {2, 8, 0xB8D6, 0xBFFE}, {10, 9, 0xAD32, 0xB5FF}, {19, 8, 0x4000, 0x479B}};
    for (const auto &[from, count, first, last] : blocks) {
        unsigned start = first;
        for (size_t i = 0; i < count; ++i) {
            const TEibAufruf &r = reads[from + i];
            EXPECT_EQ(r.First, start) << first << " chunk " << i;
            EXPECT_EQ(r.Last, std::min(start + 254, last)) << first << " chunk " << i;
            start = r.Last + 1u;
        }
        EXPECT_EQ(start, last + 1) << first;
    }
    EXPECT_EQ(reads[9].First, 0xBFCF);
    EXPECT_EQ(reads[9].Last, 0xBFFE);

    // The progress of the UserSoftware block: its own display, 8 steps.
    const auto &calls = Progress.Aufrufe();
    size_t start = 0;
    while (start < calls.size() &&
           !(calls[start].Aktion == TDlgProgressAktion::Start && calls[start].Daten.Max == 8))
        ++start;
    ASSERT_LT(start + 9, calls.size());
    EXPECT_EQ(calls[start].Daten.Caption, "Alarmzentrale f\xFCr die Rekonstruktion auslesen");
    EXPECT_EQ(calls[start].Daten.Owner, Owner);
    const int percent[] = {12, 25, 37, 50, 62, 75, 87, 100};
    for (int i = 0; i < 8; ++i) {
        const auto &set = calls[start + 1 + static_cast<size_t>(i)];
        EXPECT_EQ(set.Aktion, TDlgProgressAktion::Set);
        EXPECT_EQ(set.Position, i + 1);
        EXPECT_EQ(set.Daten.Text, "Die Parameter aus dem Ger\xE4t auslesen.\r\nFortschritt: " +
                                      std::to_string(percent[i]) + "%");
    }
    EXPECT_EQ(calls[start + 9].Aktion, TDlgProgressAktion::Stop);
}

TEST_F(ReadOut, TheIdentificationStepsItsOwnDisplayFromOneToFour) {
    ASSERT_TRUE(Make()->ReadoutDeviceImage());
    const auto &calls = Progress.Aufrufe();
    ASSERT_GE(calls.size(), 6u);
    EXPECT_EQ(calls[0].Aktion, TDlgProgressAktion::Start);
    EXPECT_EQ(calls[0].Daten.Max, 4);
    const std::pair<int, const char *> steps[] = {
        {1, "Zielsystem identifizieren: Verbindung zum Ger\xE4t aufbauen."},
        {2, "Zielsystem identifizieren: BCU Herstellerkennung auslesen."},
        {3, "Zielsystem identifizieren: Ger\xE4tetyp auslesen."},
        {4, "Zielsystem identifizieren: Ger\xE4tetyp auslesen."}};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(calls[1 + i].Position, steps[i].first);
        EXPECT_EQ(calls[1 + i].Daten.Text, steps[i].second);
    }
    EXPECT_EQ(calls[5].Aktion, TDlgProgressAktion::Stop);
}

TEST_F(ReadOut, TwoFailedAttemptsAreSilentAndStartTheCommunicationAgain) {
    FailAfter("EibReadMemBlock", 0xB6E8, "EibReadMemBlock", 2);
    ASSERT_TRUE(Make()->ReadoutDeviceImage());
    EXPECT_TRUE(Boxes.Boxes().empty());
    EXPECT_EQ(FileText(Name), Panel.X19Text());
    // The first chunk: failed, start, failed, start, read.
    size_t at = 0;
    while (!(Calls[at].Call == "EibReadMemBlock" && Calls[at].First == 0xB8D6))
        ++at;
    const std::pair<const char *, int> expected[] = {{"EibReadMemBlock", EIB_ERR_FAILED},
                                                     {"EibStartComm", EIB_OK},
                                                     {"EibReadMemBlock", EIB_ERR_FAILED},
                                                     {"EibStartComm", EIB_OK},
                                                     {"EibReadMemBlock", EIB_OK}};
    for (size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(Calls[at + i].Call, expected[i].first) << i;
        EXPECT_EQ(Calls[at + i].Result, expected[i].second) << i;
    }
}

TEST_F(ReadOut, ThreeFailedAttemptsOfABlockGiveItsBoxAndException) {
    struct Case {
        unsigned short after; // the last read before the failing block
        const char *method;
        const char *failure;
    };
    const Case cases[] = {{0xB6E8, "UserSoftwareRead", "UserSoftwareRead()"},
                          {0xBFFE, "TextTabelleRead", "EibReadMemBlock()"},
                          {0xB5FF, "BcuSoftwareRead", "BcuSoftwareRead()"}};
    for (const Case &c : cases) {
        Calls.clear();
        Boxes.Clear();
        fs::remove(Name);
        FailAfter("EibReadMemBlock", c.after, "EibReadMemBlock", 3);
        auto readOut = Make();
        std::optional<E_ErrorStr> error;
        try {
            readOut->ReadoutDeviceImage();
        } catch (const E_ErrorStr &e) {
            error = e;
        }
        ASSERT_TRUE(error) << c.method;
        ASSERT_EQ(Boxes.Boxes().size(), 1u) << c.method;
        const auto &box = Boxes.Boxes()[0];
        EXPECT_EQ(box.caption, std::string("TRecoAzZielsystem::") + c.method + "-Error");
        EXPECT_EQ(box.style, static_cast<unsigned>(MB_ICONERROR | MB_SETFOREGROUND));
        EXPECT_EQ(box.owner, Owner);
        EXPECT_EQ(
            box.text.rfind(std::string(c.failure) + "\nFile: TRecoAzZielsystem.cpp\nLine: ", 0), 0u)
            << box.text;
        EXPECT_EQ(box.text.back(), '\n');
        EXPECT_EQ(error->Message, box.text);
        EXPECT_FALSE(fs::exists(Name)) << "nothing already read is saved";
        EXPECT_TRUE(Stopped()) << c.method;
        EXPECT_EQ(Progress.Offen(), 0) << c.method;
    }
}

TEST_F(ReadOut, AWrongManufacturerOrDeviceTypeIsShownAndNothingMoreIsRead) {
    struct Case {
        const char *what;
        uint32_t at;
        std::vector<unsigned char> bytes;
        const char *text;
        size_t reads;
    };
    const Case cases[] = {
        {"manufacturer",
         0xB6E6,
         {0x12},
         "Die BCU hat die falsche Herstellerkennung.\nETS = 0x53\nGer\xE4t = 0x12",
         1},
        {"device type",
         0xB6E7,
         {0x04, 0xC0},
         "Falscher Ger\xE4tetyp.\nETS = 0xC004\nGer\xE4t = 0x04C0",
         2},
    };
    for (const Case &c : cases) {
        TPanelImageFixture wrong(0x1101);
        std::copy(c.bytes.begin(), c.bytes.end(), wrong.Image().begin() + c.at);
        ASSERT_TRUE(Project.Database().SetMemoryImage(Project.PanelId(), wrong.Image()));
        Calls.clear();
        Boxes.Clear();
        EXPECT_FALSE(Make()->ReadoutDeviceImage()) << c.what;
        ASSERT_EQ(Boxes.Boxes().size(), 1u) << c.what;
        EXPECT_EQ(Boxes.Boxes()[0].text, c.text);
        EXPECT_EQ(Boxes.Boxes()[0].caption, "Alarmzentrale");
        EXPECT_EQ(Boxes.Boxes()[0].style,
                  static_cast<unsigned>(MB_ICONINFORMATION | MB_SETFOREGROUND));
        EXPECT_EQ(Reads().size(), c.reads) << c.what;
        EXPECT_TRUE(Stopped()) << c.what;
        EXPECT_FALSE(fs::exists(Name));
        EXPECT_EQ(Progress.Offen(), 0);
    }
}

TEST_F(ReadOut, AModuleNameThatIsNoNumberEndsTheIdentificationQuietly) {
    TEts2Cdi cdi(Project.File(), "AZ160", Project.PanelId());
    std::vector<TEibAufruf> calls;
    cdi.SetEibMonitor([&](const TEibAufruf &c) { calls.push_back(c); });
    TRecoAzZielsystem readOut(&cdi, 0, Owner, false, Name, false);
    EXPECT_FALSE(readOut.ReadoutDeviceImage());
    EXPECT_TRUE(Boxes.Boxes().empty());
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back().Call, "EibStopComm");
    const auto &progress = Progress.Aufrufe();
    ASSERT_GE(progress.size(), 2u);
    EXPECT_EQ(progress[progress.size() - 2].Position, 3) << "one step after the failed one";
    EXPECT_EQ(progress.back().Aktion, TDlgProgressAktion::Stop);
}

TEST_F(ReadOut, TheAddressFromTheDeviceNamesTheImageFile) {
    TPanelImageFixture panel(0x1105);
    ASSERT_TRUE(Project.Database().SetMemoryImage(Project.PanelId(), panel.Image()));
    auto readOut = Make(true);
    ASSERT_TRUE(readOut->ReadoutDeviceImage());
    const fs::path named = Project.Dir() / "Az" / "Reconstruction" / "1105.x19";
    EXPECT_EQ(Name, named.string());
    EXPECT_EQ(FileText(named), panel.X19Text());
    EXPECT_FALSE(fs::exists(Project.Dir() / "Az" / "Reconstruction" / "4711.x19"));
    EXPECT_EQ(readOut->GetPhysAdr(), 0x1105);
    const auto reads = Reads();
    ASSERT_GE(reads.size(), 3u);
    EXPECT_EQ(Range(reads[2]), std::make_pair(0x4001, 0x4002));
}

TEST_F(ReadOut, AFolderThatCannotBeMadeIsShownAndTheReadOutFails) {
    std::ofstream(Project.Dir() / "blocked") << "a file";
    Name = (Project.Dir() / "blocked" / "Reconstruction" / "4711.x19").string();
    EXPECT_FALSE(Make()->ReadoutDeviceImage());
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(Boxes.Boxes()[0].text, "Das Verzeichnis " +
                                         (Project.Dir() / "blocked" / "Reconstruction").string() +
                                         "/ konnte nicht angelegt werden.");
    EXPECT_EQ(Boxes.Boxes()[0].caption, "Fehler");
    EXPECT_EQ(Boxes.Boxes()[0].style, static_cast<unsigned>(MB_ICONWARNING));
    EXPECT_FALSE(fs::exists(Name));
    EXPECT_TRUE(Stopped());
}

TEST_F(ReadOut, TheConnectionCheckShowsItsBoxesAndThrowsNothing) {
    const std::pair<const char *, const char *> setAddress = {
        "EibSetAddress", "Fehler beim Auslesen des Ger\xE4tes"};
    const std::pair<const char *, const char *> start = {
        "Fehler beim Auslesen des Ger\xE4tes", "Beim Auslesen der Alarmzentrale ist ein Fehler"};
    struct Case {
        const char *what;
        const char *failing;                                      // an injected failure, or none
        unsigned short address;                                   // the address to read
        std::vector<std::pair<const char *, const char *>> boxes; // caption, text start
    };
    const Case cases[] = {
        // Without an address the start fails too: both boxes, one after the other.
        {"address refused", "EibSetAddress", 0, {setAddress, start}},
        {"start refused", "EibStartComm", 0, {start}},
        {"no device at the address", nullptr, PhysicalAddressWord(1, 1, 99), {start}},
    };
    for (const Case &c : cases) {
        Calls.clear();
        Boxes.Clear();
        if (c.failing)
            Project.Database().InjectFailure(c.failing, 1);
        EXPECT_FALSE(Make(false, c.address)->ReadoutDeviceImage()) << c.what;
        ASSERT_EQ(Boxes.Boxes().size(), c.boxes.size()) << c.what;
        for (size_t i = 0; i < c.boxes.size(); ++i) {
            EXPECT_EQ(Boxes.Boxes()[i].caption, c.boxes[i].first) << c.what;
            EXPECT_EQ(Boxes.Boxes()[i].text.rfind(c.boxes[i].second, 0), 0u) << c.what;
            EXPECT_EQ(Boxes.Boxes()[i].style, static_cast<unsigned>(MB_ICONWARNING)) << c.what;
        }
        EXPECT_EQ(Calls.back().Call, "EibStopComm") << c.what;
        EXPECT_TRUE(Reads().empty()) << c.what;
        EXPECT_TRUE(Progress.Aufrufe().empty()) << "the identification did not begin";
    }
}

TEST_F(ReadOut, AFailedStartInTheIdentificationIsAnErrorBoxAndStopsAgain) {
    // The connection check stops once; the identification's start then fails.
    FailAfter("EibStopComm", 0, "EibStartComm", 1);
    EXPECT_FALSE(Make()->ReadoutDeviceImage());
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(Boxes.Boxes()[0].caption, "TRecoAzZielsystem::CheckTargetDevice-Error");
    EXPECT_EQ(Boxes.Boxes()[0].text.rfind("Ets2Cdi->EibStartComm()\nFile: ", 0), 0u);
    EXPECT_EQ(Calls.back().Call, "EibStopComm");
    EXPECT_TRUE(Reads().empty());
}

TEST_F(ReadOut, AReadFailureInTheIdentificationEndsItWithFalseAfterItsBox) {
    FailAfter("EibReadMemBlock", 0xB6E6, "EibReadMemBlock", 3);
    EXPECT_FALSE(Make()->ReadoutDeviceImage());
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(Boxes.Boxes()[0].caption, "TRecoAzZielsystem::CheckTargetDevice-Error");
    EXPECT_EQ(Boxes.Boxes()[0].text.rfind("pEts2Cdi->EibReadMemBlock()\nFile: ", 0), 0u);
    EXPECT_TRUE(Stopped());
    EXPECT_EQ(Reads().size(), 4u) << "the manufacturer once, the type three times";
}

TEST_F(ReadOut, AFailingFinalStopIsAnErrorAfterTheImageWasSaved) {
    FailAfter("EibReadMemBlock", 0x479B, "EibStopComm", 1);
    auto readOut = Make();
    EXPECT_THROW(readOut->ReadoutDeviceImage(), E_ErrorStr);
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(Boxes.Boxes()[0].caption, "TRecoAzZielsystem::ReadDeviceParam-Error");
    EXPECT_EQ(Boxes.Boxes()[0].text.rfind("Ets2Cdi->EibStopComm()\nFile: ", 0), 0u);
    EXPECT_EQ(FileText(Name), Panel.X19Text());
}

TEST_F(ReadOut, TheHourglassShowsWhileTheDeviceIsIdentifiedAndReadAndGoesAgain) {
    ASSERT_TRUE(Make()->ReadoutDeviceImage());
    EXPECT_EQ(Cursors.Cursors(),
              std::vector<TCursor>({crHourGlass, crDefault, crHourGlass, crDefault}));
    Cursors.Clear();
    FailAfter("EibReadMemBlock", 0xB6E8, "EibReadMemBlock", 3);
    EXPECT_THROW(Make()->ReadoutDeviceImage(), E_ErrorStr);
    EXPECT_EQ(Cursors.Cursors(),
              std::vector<TCursor>({crHourGlass, crDefault, crHourGlass, crDefault}));
}

TEST_F(ReadOut, ABlockSmallerThanAChunkIsReadAsOneChunkOfItsOwnSize) {
    ASSERT_EQ(Cdi.EibSetAddress(1, 0), EIB_OK);
    ASSERT_EQ(Cdi.EibStartComm(), EIB_OK);
    auto readOut = Make();
    TAssembler assembler("0");
    const TRecoAzZielsystem::TLeseBlock identity = {"Kennung", 3,           0xB6E6,   0xB6E8,
                                                    24230,     "Kennung()", "Kennung"};
    TAsmBlock *block = readOut->BlockRead(identity, assembler);
    ASSERT_NE(block, nullptr);
    const auto reads = Reads();
    ASSERT_EQ(reads.size(), 1u);
    EXPECT_EQ(reads[0].First, 0xB6E6);
    EXPECT_EQ(reads[0].Last, 0xB6E8);
    EXPECT_EQ(reads[0].Result, EIB_OK);
    ASSERT_EQ(block->dwSize, 3u);
    EXPECT_EQ(block->Data()[0], 83);
    EXPECT_EQ(block->Data()[1], 0xC0);
    EXPECT_EQ(block->Data()[2], 0x04);
}

TEST(ReadOutWithoutBus, WithoutAnInterfaceObjectEveryStepFails) {
    AnsiString name = "none.x19";
    TRecoAzZielsystem readOut(nullptr, 0x1101, nullptr, false, name, true);
    EXPECT_FALSE(readOut.ReadoutDeviceImage());
    EXPECT_FALSE(readOut.CheckTargetDevice());
    EXPECT_FALSE(readOut.ReadDeviceParam());
    EXPECT_FALSE(std::filesystem::exists(name));
}

TEST(SwapWord, ExchangesTheTwoBytes) {
    unsigned short w = 0x04C0;
    TRecoAzZielsystem::SwapWord(w);
    EXPECT_EQ(w, 0xC004);
    TRecoAzZielsystem::SwapWord(w);
    EXPECT_EQ(w, 0x04C0);
}

} // namespace
