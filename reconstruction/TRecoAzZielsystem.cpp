#include "reconstruction/TRecoAzZielsystem.h"

#include "foundation/SprTexte.h"
#include "platform/dialogs/DlgProgress.h"
#include "platform/log/Log.h"
#include "platform/win/CursorHourGlass.h"
#include "platform/win/MessageBox.h"
#include "platform/win/System.h"
#include "reconstruction/AzSpeicherKarte.h"
#include "reconstruction/E_ErrorStr.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <vector>

const TRecoAzZielsystem::TLeseBlock TRecoAzZielsystem::kBlocks[3] = {
    {"UserSoftware", 1, AzSpeicher::kUserSoftwareFirst, AzSpeicher::kUserSoftwareLast, 24216,
     "UserSoftwareRead()", "UserSoftwareRead"},
    {"MelderTexte", 4, AzSpeicher::kMelderTexteFirst, AzSpeicher::kMelderTexteLast, 24232,
     "EibReadMemBlock()", "TextTabelleRead"},
    {"BcuSoftware", 2, AzSpeicher::kBcuSoftwareFirst, AzSpeicher::kBcuSoftwareLast, 24233,
     "BcuSoftwareRead()", "BcuSoftwareRead"},
};

namespace {
const char *const kFile = "TRecoAzZielsystem.cpp";
constexpr int kZielsystem = 24214; // "Zielsystem identifizieren"
constexpr int kFortschritt = 24217;
constexpr int kProgressCaption = 11385;
constexpr int kAlarmzentrale = 11384;
constexpr const char *kReadFailure = "pEts2Cdi->EibReadMemBlock()";

// A progress display, closed on every way out of the scope that opened it.
class TProgress {
public:
    TProgress(HWND owner, int max) {
        LOG_FKT("TProgress::TProgress");
        FDaten.Caption = SprText(kProgressCaption);
        FDaten.Max = max;
        FDaten.Owner = owner;
        _StartDlgProgress(FDaten);
    }
    ~TProgress() {
        LOG_FKT("TProgress::~TProgress");
        _StopDlgProgress();
    }
    TProgress(const TProgress &) = delete;
    TProgress &operator=(const TProgress &) = delete;

    void Set(int position, const AnsiString &text) {
        LOG_FKT("TProgress::Set");
        FPosition = position;
        FDaten.Text = text;
        _SetDlgProgress(position, FDaten);
    }
    // One step further, with the text as it is.
    void Next() {
        LOG_FKT("TProgress::Next");
        Set(FPosition + 1, FDaten.Text);
    }

private:
    TDlgProgressDaten FDaten;
    int FPosition = 0;
};

// The manufacturer the bus tool expects: the number in the module name's first three
// characters, low 8 bits; none when they are not a number.
std::optional<uint8_t> Hersteller(const AnsiString &moduleName) {
    LOG_FKT("TRecoAzZielsystem::Hersteller");
    const AnsiString digits = moduleName.substr(0, 3);
    if (digits.empty())
        return std::nullopt;
    int number = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        number = number * 10 + (c - '0');
    }
    return static_cast<uint8_t>(number & 0xFF);
}

// The mismatch box's text: the failure, the expected value, the value read.
AnsiString Vergleich(const char *format, int failure, unsigned expected, unsigned read) {
    LOG_FKT("TRecoAzZielsystem::Vergleich");
    char text[512];
    std::snprintf(text, sizeof text, format, SprText(failure).c_str(), SprText(24228).c_str(),
                  expected, SprText(24229).c_str(), read);
    return text;
}
} // namespace

TRecoAzZielsystem::TRecoAzZielsystem(TEts2Cdi *cdi, unsigned short physicalAddress, HWND owner,
                                     bool nichtGelesen, AnsiString &fileName,
                                     bool addressFromDevice)
    : FCdi(cdi), FOwner(owner), FPhysAdr(physicalAddress), FNichtGelesen(nichtGelesen),
      FAdrVomGeraet(addressFromDevice), FFileName(fileName) {
    LOG_FKT("TRecoAzZielsystem::TRecoAzZielsystem");
    for (TBlockDaten *block : {&FUserSoftware, &FMelderTexte, &FBcuSoftware}) {
        block->Assembler = std::make_unique<TAssembler>("0");
        block->S19 = std::make_unique<TMemoryStream>();
    }
    FImage = std::make_unique<TMemoryStream>();
}

TRecoAzZielsystem::~TRecoAzZielsystem() {
    LOG_FKT("TRecoAzZielsystem::~TRecoAzZielsystem");
    FImage.reset();
    for (TBlockDaten *block : {&FUserSoftware, &FMelderTexte, &FBcuSoftware}) {
        block->Assembler.reset();
        block->S19.reset();
    }
}

void TRecoAzZielsystem::SwapWord(unsigned short &word) {
    LOG_FKT("TRecoAzZielsystem::SwapWord");
    word = static_cast<unsigned short>((word << 8) | (word >> 8));
}

void TRecoAzZielsystem::Fehler(const char *method, const char *failure, int line) {
    LOG_FKT("TRecoAzZielsystem::Fehler");
    const AnsiString text = AsmOrtText(failure, kFile, line);
    MessageBox(FOwner, text, AnsiString("TRecoAzZielsystem::") + method + "-Error",
               MB_ICONERROR | MB_SETFOREGROUND);
    throw E_ErrorStr(text);
}

void TRecoAzZielsystem::StopComm() {
    LOG_FKT("TRecoAzZielsystem::StopComm");
    if (!FGestartet)
        return;
    FGestartet = false;
    FCdi->EibStopComm();
}

bool TRecoAzZielsystem::Lesen(unsigned char *buffer, unsigned short first, unsigned short last) {
    LOG_FKT("TRecoAzZielsystem::Lesen");
    if (!FCdi)
        return false;
    for (int attempt = 1; attempt <= FVersuche; ++attempt) {
        if (FCdi->EibReadMemBlock(buffer, first, first, last) == EIB_OK)
            return true;
        if (attempt < FVersuche) {
            Sleep(5);
            FCdi->EibStartComm();
        }
    }
    return false;
}

bool TRecoAzZielsystem::ReadoutDeviceImage() {
    LOG_FKT("TRecoAzZielsystem::ReadoutDeviceImage");
    return CheckBcuConection() && CheckTargetDevice() && ReadDeviceParam();
}

bool TRecoAzZielsystem::CheckBcuConection() {
    LOG_FKT("TRecoAzZielsystem::CheckBcuConection");
    if (!FCdi)
        return false;
    bool result = true;
    if (FCdi->EibSetAddress(1, FPhysAdr) != EIB_OK) {
        MessageBox(FOwner, SprText(24218), "EibSetAddress", MB_ICONWARNING);
        result = false;
    }
    if (FCdi->EibStartComm() != EIB_OK) {
        MessageBox(FOwner, SprText(11386), SprText(24218), MB_ICONWARNING);
        result = false;
    }
    FCdi->EibStopComm();
    return result;
}

bool TRecoAzZielsystem::CheckTargetDevice() {
    LOG_FKT("TRecoAzZielsystem::CheckTargetDevice");
    if (!FCdi)
        return false;
    TCursorHourGlass hourGlass;
    TProgress progress(FOwner, 4);
    auto step = [&](int position, int text) {
        progress.Set(position, SprText(kZielsystem) + ": " + SprText(text));
    };
    // False for a mismatch or a module name that is no number; a failure of the bus throws
    // after its box.
    auto identify = [&]() -> bool {
        step(1, 24225);
        if (FCdi->EibSetAddress(1, FPhysAdr) != EIB_OK)
            Fehler("CheckTargetDevice", "Ets2Cdi->EibSetAddress()", __LINE__);
        FGestartet = true;
        if (FCdi->EibStartComm() != EIB_OK)
            Fehler("CheckTargetDevice", "Ets2Cdi->EibStartComm()", __LINE__);

        step(2, 24226);
        const std::optional<uint8_t> expected = Hersteller(FCdi->GetModulName());
        if (!expected)
            return false;
        unsigned char manufacturer = 0;
        if (!Lesen(&manufacturer, AzSpeicher::kHersteller, AzSpeicher::kHersteller))
            Fehler("CheckTargetDevice", kReadFailure, __LINE__);
        if (manufacturer != *expected) {
            MessageBox(FOwner,
                       Vergleich("%s\n%s = 0x%02X\n%s = 0x%02X", 24227, *expected, manufacturer),
                       SprText(kAlarmzentrale), MB_ICONINFORMATION | MB_SETFOREGROUND);
            return false;
        }

        step(3, 24230);
        unsigned char type[2] = {};
        if (!Lesen(type, AzSpeicher::kGeraeteTyp, AzSpeicher::kGeraeteTypLast))
            Fehler("CheckTargetDevice", kReadFailure, __LINE__);
        // The buffer as a little-endian word, turned so that 0xB6E7 is the high byte.
        unsigned short word = static_cast<unsigned short>(type[0] | type[1] << 8);
        SwapWord(word);
        if (word != AzSpeicher::kPanelGeraeteTyp) {
            MessageBox(FOwner,
                       Vergleich("%s\n%s = 0x%04X\n%s = 0x%04X", 24231,
                                 AzSpeicher::kPanelGeraeteTyp, word),
                       SprText(kAlarmzentrale), MB_ICONINFORMATION | MB_SETFOREGROUND);
            return false;
        }

        if (FAdrVomGeraet) {
            unsigned char address[2] = {};
            if (!Lesen(address, AzSpeicher::kEigeneAdresse, AzSpeicher::kEigeneAdresseLast))
                Fehler("CheckTargetDevice", kReadFailure, __LINE__);
            FPhysAdr = static_cast<unsigned short>(address[0] << 8 | address[1]);
        }
        return true;
    };

    bool result = false;
    try {
        result = identify();
    } catch (...) {
        result = false; // the box was shown
    }
    progress.Next();
    // The block reads use the communication the identification started; a failed
    // identification stops it again.
    if (!result)
        StopComm();
    return result;
}

void TRecoAzZielsystem::BlockRead(const TLeseBlock &table, TBlockDaten &block) {
    LOG_FKT("TRecoAzZielsystem::BlockRead");
    block.Block = BlockRead(table, *block.Assembler);
    block.Klasse = block.Block->Klasse;
}

TAsmBlock *TRecoAzZielsystem::BlockRead(const TLeseBlock &table, TAssembler &assembler) {
    LOG_FKT("TRecoAzZielsystem::BlockRead");
    TAsmKlasse *klasse =
        assembler.NewKlasse(table.Name, table.nTyp, table.First, table.Last, asmAusgeben);
    TAsmBlock *asmBlock = assembler.NewBlock(AnsiString(table.Name) + "Block", klasse, true);
    const uint32_t size = table.Last - table.First + 1;
    const uint32_t chunks =
        size / AzSpeicher::kMaxLeseBlock + (size % AzSpeicher::kMaxLeseBlock ? 1 : 0);
    TProgress progress(FOwner, static_cast<int>(chunks));
    std::vector<unsigned char> buffer(size);
    uint32_t offset = 0;
    uint32_t count = 0;
    for (uint32_t start = table.First; start <= table.Last;) {
        // Every chunk is clipped to the block, the first one too: a block smaller than one
        // chunk must not be read past its end into the buffer.
        const uint32_t end = std::min(start + AzSpeicher::kMaxLeseBlock - 1, table.Last);
        ++count;
        progress.Set(static_cast<int>(count), SprText(table.StepText) + "\r\n" +
                                                  SprText(kFortschritt) + ": " +
                                                  std::to_string(count * 100 / chunks) + "%");
        if (!Lesen(buffer.data() + offset, static_cast<unsigned short>(start),
                   static_cast<unsigned short>(end)))
            Fehler(table.Method, table.Failure, __LINE__);
        asmBlock->AddData(buffer.data() + offset, end - start + 1);
        offset += end - start + 1;
        start = end + 1;
    }
    return asmBlock;
}

void TRecoAzZielsystem::BlockConvert(TBlockDaten &block) {
    LOG_FKT("TRecoAzZielsystem::BlockConvert");
    block.Assembler->Linken();
    block.Assembler->MakeS19(block.S19.get());
}

void TRecoAzZielsystem::BlockWrite(const TLeseBlock &table, TBlockDaten &block) {
    LOG_FKT("TRecoAzZielsystem::BlockWrite");
    if (!FImage)
        return;
    auto put = [&](const AnsiString &text) {
        FImage->WriteBuffer(text.data(), static_cast<long long>(text.size()));
    };
    put("<" + AnsiString(table.Name) + ">\r\n");
    put("SX \r\n");
    if (block.S19->Size() > 0)
        FImage->WriteBuffer(block.S19->Memory(), block.S19->Size());
    put("</" + AnsiString(table.Name) + ">\r\n");
}

void TRecoAzZielsystem::UserSoftwareRead() {
    LOG_FKT("TRecoAzZielsystem::UserSoftwareRead");
    BlockRead(kBlocks[0], FUserSoftware);
}
void TRecoAzZielsystem::TextTabelleRead() {
    LOG_FKT("TRecoAzZielsystem::TextTabelleRead");
    BlockRead(kBlocks[1], FMelderTexte);
}
void TRecoAzZielsystem::BcuSoftwareRead() {
    LOG_FKT("TRecoAzZielsystem::BcuSoftwareRead");
    BlockRead(kBlocks[2], FBcuSoftware);
}
void TRecoAzZielsystem::UserSoftwareWrite() {
    LOG_FKT("TRecoAzZielsystem::UserSoftwareWrite");
    BlockWrite(kBlocks[0], FUserSoftware);
}
void TRecoAzZielsystem::TextTabelleWrite() {
    LOG_FKT("TRecoAzZielsystem::TextTabelleWrite");
    BlockWrite(kBlocks[1], FMelderTexte);
}
void TRecoAzZielsystem::BcuSoftwareWrite() {
    LOG_FKT("TRecoAzZielsystem::BcuSoftwareWrite");
    BlockWrite(kBlocks[2], FBcuSoftware);
}

bool TRecoAzZielsystem::ReadDeviceParam() {
    LOG_FKT("TRecoAzZielsystem::ReadDeviceParam");
    if (!FCdi)
        return false;
    TCursorHourGlass hourGlass;
    bool saved = false;
    try {
        UserSoftwareRead();
        BlockConvert(FUserSoftware);
        UserSoftwareWrite();
        TextTabelleRead();
        BlockConvert(FMelderTexte);
        TextTabelleWrite();
        BcuSoftwareRead();
        BlockConvert(FBcuSoftware);
        BcuSoftwareWrite();
        saved = SaveDeviceDataToX19File();
    } catch (...) {
        StopComm();
        throw;
    }
    FGestartet = false;
    if (FCdi->EibStopComm() != EIB_OK)
        Fehler("ReadDeviceParam", "Ets2Cdi->EibStopComm()", __LINE__);
    return saved;
}

bool TRecoAzZielsystem::SaveDeviceDataToX19File() {
    LOG_FKT("TRecoAzZielsystem::SaveDeviceDataToX19File");
    if (!FImage)
        return false;
    namespace fs = std::filesystem;
    const fs::path name(FFileName);
    // The folder with its trailing separator; a bare file name lies in the current folder.
    AnsiString folder = name.has_parent_path() ? name.parent_path().string() + "/" : "";
    std::error_code ec;
    const bool exists = folder.empty() || fs::is_directory(folder, ec) ||
                        (fs::create_directories(folder, ec), fs::is_directory(folder, ec));
    if (!exists) {
        char text[4096];
        std::snprintf(text, sizeof text, SprText(24221).c_str(), folder.c_str());
        MessageBox(FOwner, text, SprText(11366), MB_ICONWARNING);
        return false;
    }
    if (FAdrVomGeraet) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "%04X", FPhysAdr);
        FFileName = folder + hex + ".x19";
    }
    FImage->SaveToFile(FFileName);
    return true;
}
