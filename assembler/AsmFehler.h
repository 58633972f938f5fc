// The assembler/linker's failure reports: its two exception classes, the located text of a
// failure and the error box that precedes some of them.
#pragma once

#include "platform/vcl/AnsiString.h"
#include "platform/vcl/Exception.h"

// Six texts; the message holds one line for each, its label, ": " and the text: "Header",
// "Info", "Detail", "File", "Line", "Function", joined by line feeds (none after the last).
class EAssemblerLinker : public Exception {
public:
    EAssemblerLinker(AnsiString header, AnsiString info, AnsiString detail, AnsiString file,
                     int line, AnsiString function);

    AnsiString Header;
    AnsiString Info;
    AnsiString Detail;
    AnsiString File;
    int Line;
    AnsiString Function;
};

// A numbered failure; its message is "Assembler: #" and the number.
class E_Assembler : public Exception {
public:
    explicit E_Assembler(int number);

    int Nummer;
};

// printf-style formatting into the system's text.
AnsiString AsmFormat(const char *format, ...) __attribute__((format(printf, 1, 2)));

// detail + "\nFile: " + unit + "\nLine: " + line + "\n".
AnsiString AsmOrtText(const AnsiString &detail, const char *unit, int line);

// Shows the error box (caption operation + "-Error", error icon) with the located detail and
// answers the same text as a plain Exception for the caller to throw.
Exception AsmFehlerBox(const AnsiString &operation, const AnsiString &detail, const char *unit,
                       int line);
