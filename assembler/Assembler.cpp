#include "assembler/Assembler.h"

#include "platform/log/Log.h"
#include "platform/vcl/Cp1252.h"
#include "platform/vcl/Streams.h"
#include "platform/vcl/TStringList.h"

#include <algorithm>
#include <new>

namespace {
constexpr const char *kUnit = "Assembler";
constexpr const char *kHeader = "Exception: AssemblerLinkler";
constexpr const char *kInfo = "THROW_EAssemblerLinker";
// Bytes per data record.
constexpr uint32_t kZeile = 16;
constexpr uint32_t kSegment = 0x10000;
constexpr uint64_t kS19Grenze = 0xFFFF;
constexpr uint64_t kIntelHexGrenze = 0xFFFFF;

// Where a writer's lines go: a line is appended, followed by CR LF when CrLf, to the text
// that Neu() gives, then Fertig(). One entry per line:
class TListenAusgabe {
public:
    static constexpr bool CrLf = false;
    explicit TListenAusgabe(TStringList &list) : FList(list) {}
    AnsiString &Neu() {
        LOG_FKT("TListenAusgabe::Neu");
        FLine.clear();
        return FLine;
    }
    void Fertig() {
        LOG_FKT("TListenAusgabe::Fertig");
        FList.Add(FLine);
    }

private:
    TStringList &FList;
    AnsiString FLine;
};

// One text, every line followed by CR LF.
class TTextAusgabe {
public:
    static constexpr bool CrLf = true;
    AnsiString &Neu() {
        LOG_FKT("TTextAusgabe::Neu");
        return Text;
    }
    void Fertig() { LOG_FKT("TTextAusgabe::Fertig"); }
    AnsiString Text;
};

template <class TAusgabe> void Zeile(TAusgabe &out, const AnsiString &line) {
    LOG_FKT("Zeile");
    AnsiString &text = out.Neu();
    text += line;
    if (TAusgabe::CrLf)
        text += "\r\n";
    out.Fertig();
}

} // namespace

TAssembler::TAssembler(AnsiString sName)
    : sName(sName.empty() || sName == "0" ? AnsiString("ohne Name") : std::move(sName)),
      FS19(std::make_unique<TAsmS19>()), FIntelHex(std::make_unique<TAsmIntelHex>()) {
    LOG_FKT("TAssembler::TAssembler");
}

TAssembler::~TAssembler() {
    LOG_FKT("TAssembler::~TAssembler");
}

TAsmKlasse *TAssembler::NewKlasse(const AnsiString &sName, int nTyp, uint32_t dwStart,
                                  uint32_t dwEnde, TEnumAsmKlasse eArt) {
    LOG_FKT("TAssembler::NewKlasse");
    std::unique_ptr<TAsmKlasse> klasse;
    try {
        klasse = std::make_unique<TAsmKlasse>(sName, nTyp, dwStart, dwEnde, eArt);
    } catch (...) {
        throw EAssemblerLinker(kHeader, kInfo,
                               AsmFormat("AsmKlasse konnte nicht instanziert werden\nsName = "
                                         "'%s'\nnTyp = %d\ndwStart = 0x%08X\ndwEnde = "
                                         "0x%08X\nTEnumAsmKlasse = %d",
                                         sName.c_str(), nTyp, dwStart, dwEnde, int{eArt}),
                               kUnit, __LINE__, "TAssembler::NewKlasse");
    }
    return FKlassen.Append(std::move(klasse));
}

TAsmBlock *TAssembler::NewBlock(const AnsiString &sName, TAsmKlasse *Klasse, bool bSwap) {
    LOG_FKT("TAssembler::NewBlock");
    std::unique_ptr<TAsmBlock> block;
    try {
        block = std::make_unique<TAsmBlock>(sName, Klasse, bSwap);
    } catch (const Exception &) {
        throw;
    } catch (...) {
        throw EAssemblerLinker(
            kHeader, kInfo,
            AsmFormat("AsmBlock konnte nicht instanziert werden\nsName = '%s'", sName.c_str()),
            kUnit, __LINE__, "TAssembler::NewBlock");
    }
    return FBlocks.Append(std::move(block));
}

namespace {

// Gives block the next address of its class; the counter then passes it and an odd end.
void Platzieren(TAsmBlock &block, uint64_t &counter) {
    LOG_FKT("Platzieren");
    const TAsmKlasse &klasse = *block.Klasse;
    block.dwOrg = static_cast<uint32_t>(counter);
    block.bLinked = true;
    const uint64_t end = counter + block.dwSize;
    // The padding before it must not have pushed the block past its class into another's.
    if (block.dwSize > 0 && end - 1 > klasse.dwEnde)
        throw Exception(AsmFormat("Block '%s' endet bei 0x%08llX hinter dem Ende 0x%08X der "
                                  "Klasse '%s'",
                                  block.sName.c_str(), static_cast<unsigned long long>(end - 1),
                                  klasse.dwEnde, klasse.sName.c_str()));
    counter = end + (end & 1);
}

// Writes one link's address into the block that owns it.
void Eintragen(TAsmBlock &block, const TAsmLink &link) {
    LOG_FKT("Eintragen");
    const TAsmKlasse &klasse = *block.Klasse;
    const int width = klasse.nPointerSize;
    if (int64_t{link.Des.dwOffset} + width > int64_t{block.dwSize})
        throw AsmFehlerBox("TAssembler::Linken()",
                           AsmFormat(Utf8ToAnsi("Link passt nicht in Block '%s': Klasse '%s', "
                                                "Offset 0x%08X, Breite %d, Blockgröße %u")
                                         .c_str(),
                                     block.sName.c_str(), klasse.sName.c_str(), link.Des.dwOffset,
                                     width, block.dwSize),
                           kUnit, __LINE__);
    if (!link.Src.block)
        throw AsmFehlerBox("TAssembler::Linken()",
                           AsmFormat("Link in Block '%s' ohne Quellblock: Offset 0x%08X",
                                     block.sName.c_str(), link.Des.dwOffset),
                           kUnit, __LINE__);
    if (width != 1 && width != 2 && width != 4)
        throw Exception("TAssembler::Linken: 'BlockLauf->Klasse->nPointerSize' not supported!");
    const uint32_t value = link.Src.block->dwOrg + link.Src.dwOffset;
    AsmWertAblegen(block.Data() + link.Des.dwOffset, value, static_cast<unsigned>(width),
                   block.bSwap && width > 1);
}

} // namespace

void TAssembler::Linken() {
    LOG_FKT("TAssembler::Linken");
    AnsiString phase;
    try {
        phase = "Linken vorbereiten";
        for (TAsmBlock *block = FBlocks.First(); block; block = block->Next()) {
            block->bLinked = false;
            block->dwOrg = 0;
        }
        phase = "ungelinkte Blocks suchen";
        for (TAsmBlock *block = FBlocks.First(); block; block = block->Next()) {
            if (block->bLinked)
                continue;
            uint64_t counter = block->Klasse->dwAnfang;
            for (TAsmBlock *same = block; same; same = same->Next())
                if (!same->bLinked && same->Klasse == block->Klasse)
                    Platzieren(*same, counter);
        }
        phase = Utf8ToAnsi("Links eintragen (auflösen)");
        for (TAsmBlock *block = FBlocks.First(); block; block = block->Next())
            for (const TAsmLink *link = block->FirstLink(); link; link = link->Next())
                Eintragen(*block, *link);
    } catch (const Exception &e) {
        throw EAssemblerLinker(kHeader, phase, e.Message, kUnit, __LINE__, "TAssembler::Linken");
    } catch (...) {
        throw EAssemblerLinker(kHeader, kInfo, phase, kUnit, __LINE__, "TAssembler::Linken");
    }
}

template <class TAusgabe> void TAssembler::S19Schreiben(TAusgabe &out) {
    LOG_FKT("TAssembler::S19Schreiben");
    constexpr bool crlf = TAusgabe::CrLf;
    AnsiString line;
    FS19->MakeS0(line);
    Zeile(out, line);
    for (const TAsmBlock *block = FBlocks.First(); block; block = block->Next()) {
        if (block->dwOrg > kS19Grenze)
            throw Exception("MakeS19: BlockLauf->dwOrg > 0xFFFF");
        if (uint64_t{block->dwOrg} + block->dwSize > kS19Grenze)
            throw Exception("MakeS19: BlockLauf->dwOrg + BlockLauf->dwSize > 0xFFFF");
        if (block->Klasse->eArt != asmAusgeben)
            continue;
        for (uint32_t done = 0; done < block->dwSize;) {
            const uint32_t n = std::min(kZeile, block->dwSize - done);
            FS19->AppendSx(out.Neu(), "S1", 2, static_cast<uint16_t>(block->dwOrg + done),
                           block->Data() + done, static_cast<uint8_t>(n), crlf);
            out.Fertig();
            done += n;
        }
    }
    FS19->MakeS9(line);
    Zeile(out, line);
}

template <class TAusgabe> void TAssembler::IntelHexSchreiben(TAusgabe &out) {
    LOG_FKT("TAssembler::IntelHexSchreiben");
    // Each output stands alone: a segment left from an earlier call would be missing here.
    FIntelHex->dwBase = 0;
    constexpr bool crlf = TAusgabe::CrLf;
    AnsiString line;
    for (const TAsmBlock *block = FBlocks.First(); block; block = block->Next()) {
        if (block->dwOrg > kIntelHexGrenze)
            throw Exception("MakeIntelHex: BlockLauf->dwOrg > 0xFFFFF");
        if (uint64_t{block->dwOrg} + block->dwSize > kIntelHexGrenze)
            throw Exception("MakeIntelHex: BlockLauf->dwOrg + BlockLauf->dwSize > 0xFFFFF");
        if (block->Klasse->eArt != asmAusgeben)
            continue;
        for (uint32_t done = 0; done < block->dwSize;) {
            const uint32_t address = block->dwOrg + done;
            if (address - FIntelHex->dwBase > 0xFFFF) {
                FIntelHex->Make16ByteOffset(line, address);
                Zeile(out, line);
            }
            // A record ends at a segment boundary: its offsets cannot wrap inside the segment.
            const uint32_t n =
                std::min({kZeile, block->dwSize - done, kSegment - (address % kSegment)});
            // Inside the segment by the test above, as a data record of it requires.
            FIntelHex->AppendRecord(out.Neu(), 0x00, address - FIntelHex->dwBase,
                                    block->Data() + done, static_cast<uint8_t>(n), crlf);
            out.Fertig();
            done += n;
        }
    }
    FIntelHex->MakeEndRecord(line);
    Zeile(out, line);
}

size_t TAssembler::TextGroesse() const {
    LOG_FKT("TAssembler::TextGroesse");
    // Per record at most: type or colon, count, 4 address and 2 type digits, 16 bytes, checksum
    // and CR LF; a segment record before every 64 KiB; the header and the end record.
    // Only written blocks that a writer can take count: a large block of a class that is not
    // written must not make the reservation fail.
    size_t size = 64;
    for (const TAsmBlock *block = FBlocks.First(); block; block = block->Next()) {
        if (block->Klasse->eArt != asmAusgeben ||
            uint64_t{block->dwOrg} + block->dwSize > kIntelHexGrenze)
            continue;
        const size_t records = block->dwSize / kZeile + 2 + block->dwSize / kSegment;
        size += 2 * size_t{block->dwSize} + records * 20;
    }
    return size;
}

template <class TAusgabe> void TAssembler::Schreiben(TFormat format, TAusgabe &out) {
    LOG_FKT("TAssembler::Schreiben");
    switch (format) {
    case TFormat::S19:
        S19Schreiben(out);
        return;
    case TFormat::IntelHex:
        IntelHexSchreiben(out);
        return;
    case TFormat::S29:
        break;
    }
    throw Exception(
        AsmOrtText("TAssembler::MakeS29()\n" + Utf8ToAnsi("nicht unterstützt"), kUnit, __LINE__));
}

void TAssembler::InListe(TStringList *list, TFormat format) {
    LOG_FKT("TAssembler::InListe");
    if (!list)
        throw Exception("TAssembler: TStringList == NULL");
    TListenAusgabe out(*list);
    Schreiben(format, out);
}

void TAssembler::InStream(TMemoryStream *stream, TFormat format) {
    LOG_FKT("TAssembler::InStream");
    if (!stream)
        throw Exception("TAssembler: TMemoryStream == NULL");
    TTextAusgabe out;
    out.Text.reserve(TextGroesse());
    // The records start on a line of their own after what the stream holds.
    const long long size = stream->Size();
    if (size > 0) {
        const char last = static_cast<char>(stream->Memory()[size - 1]);
        if (last != '\n' && last != '\r')
            out.Text = "\r\n";
    }
    Schreiben(format, out);
    stream->Seek(0, soFromEnd);
    stream->WriteBuffer(out.Text.data(), static_cast<long long>(out.Text.size()));
}

void TAssembler::MakeS19(TStringList *list) {
    LOG_FKT("TAssembler::MakeS19");
    InListe(list, TFormat::S19);
}

void TAssembler::MakeS19(TMemoryStream *stream) {
    LOG_FKT("TAssembler::MakeS19");
    InStream(stream, TFormat::S19);
}

void TAssembler::MakeS29(TStringList *list) {
    LOG_FKT("TAssembler::MakeS29");
    InListe(list, TFormat::S29);
}

void TAssembler::MakeS29(TMemoryStream *stream) {
    LOG_FKT("TAssembler::MakeS29");
    InStream(stream, TFormat::S29);
}

void TAssembler::MakeIntelHex(TStringList *list) {
    LOG_FKT("TAssembler::MakeIntelHex");
    InListe(list, TFormat::IntelHex);
}

void TAssembler::MakeIntelHex(TMemoryStream *stream) {
    LOG_FKT("TAssembler::MakeIntelHex");
    InStream(stream, TFormat::IntelHex);
}
