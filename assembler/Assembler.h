// The assembler/linker: memory classes and blocks, their placement and links, and the
// S-record and Intel-hex output of the placed blocks.
#pragma once

#include "assembler/AsmBlock.h"
#include "assembler/AsmFehler.h"
#include "assembler/AsmIntelHex.h"
#include "assembler/AsmKette.h"
#include "assembler/AsmKlasse.h"
#include "assembler/AsmLinkPoint.h"
#include "assembler/AsmS19.h"
#include "platform/vcl/AnsiString.h"

#include <cstdint>
#include <memory>

class TMemoryStream;
class TStringList;

class TAssembler {
public:
    // No name, or "0", gives "ohne Name".
    explicit TAssembler(AnsiString sName = "0");
    ~TAssembler();
    TAssembler(const TAssembler &) = delete;
    TAssembler &operator=(const TAssembler &) = delete;

    // The new class or block, appended to its list and owned by the assembler. Failures throw
    // EAssemblerLinker; the lists stay as they were.
    TAsmKlasse *NewKlasse(const AnsiString &sName, int nTyp, uint32_t dwStart, uint32_t dwEnde,
                          TEnumAsmKlasse eArt);
    TAsmBlock *NewBlock(const AnsiString &sName, TAsmKlasse *Klasse, bool bSwap);

    // Places every block in its class and writes every link; throws EAssemblerLinker naming
    // the phase that failed.
    void Linken();

    // Append the placed blocks of the written classes as records. A list keeps the lines made
    // before a failure; a stream keeps its whole content, gets the records appended (on a line
    // of their own) and its position at the end, and stays as it was when the writer fails.
    void MakeS19(TStringList *list);
    void MakeS19(TMemoryStream *stream);
    void MakeS29(TStringList *list);
    void MakeS29(TMemoryStream *stream);
    void MakeIntelHex(TStringList *list);
    void MakeIntelHex(TMemoryStream *stream);

    const AnsiString &Name() const { return sName; }
    TAsmKlasse *FirstKlasse() const { return FKlassen.First(); }
    TAsmBlock *FirstBlock() const { return FBlocks.First(); }

private:
    enum class TFormat { S19, S29, IntelHex };
    // Each writer for each kind of output (a list's entries, a stream's text).
    template <class TAusgabe> void Schreiben(TFormat format, TAusgabe &out);
    template <class TAusgabe> void S19Schreiben(TAusgabe &out);
    template <class TAusgabe> void IntelHexSchreiben(TAusgabe &out);
    // Enough room for any writer's text of the blocks as they are.
    size_t TextGroesse() const;
    void InListe(TStringList *list, TFormat format);
    void InStream(TMemoryStream *stream, TFormat format);

    AnsiString sName;
    std::unique_ptr<TAsmS19> FS19;
    std::unique_ptr<TAsmIntelHex> FIntelHex;
    TAsmKette<TAsmKlasse> FKlassen;
    TAsmKette<TAsmBlock> FBlocks;
};
