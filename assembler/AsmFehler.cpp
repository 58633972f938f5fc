#include "assembler/AsmFehler.h"

#include "platform/log/Log.h"
#include "platform/win/MessageBox.h"

#include <cstdarg>
#include <cstdio>
#include <string>

EAssemblerLinker::EAssemblerLinker(AnsiString header, AnsiString info, AnsiString detail,
                                   AnsiString file, int line, AnsiString function)
    : Exception("Header: " + header + "\n" + "Info: " + info + "\n" + "Detail: " + detail + "\n" +
                "File: " + file + "\n" + "Line: " + std::to_string(line) + "\n" +
                "Function: " + function),
      Header(std::move(header)), Info(std::move(info)), Detail(std::move(detail)),
      File(std::move(file)), Line(line), Function(std::move(function)) {
    LOG_FKT("EAssemblerLinker::EAssemblerLinker");
}

E_Assembler::E_Assembler(int number)
    : Exception("Assembler: #" + std::to_string(number)), Nummer(number) {
    LOG_FKT("E_Assembler::E_Assembler");
}

AnsiString AsmFormat(const char *format, ...) {
    LOG_FKT("AsmFormat");
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int length = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    AnsiString text;
    if (length > 0) {
        text.resize(static_cast<size_t>(length) + 1);
        std::vsnprintf(text.data(), text.size(), format, again);
        text.resize(static_cast<size_t>(length));
    }
    va_end(again);
    return text;
}

AnsiString AsmOrtText(const AnsiString &detail, const char *unit, int line) {
    LOG_FKT("AsmOrtText");
    return detail + "\n" + "File: " + unit + "\n" + "Line: " + std::to_string(line) + "\n";
}

Exception AsmFehlerBox(const AnsiString &operation, const AnsiString &detail, const char *unit,
                       int line) {
    LOG_FKT("AsmFehlerBox");
    const AnsiString text = AsmOrtText(detail, unit, line);
    MessageBox(nullptr, text, operation + "-Error", MB_OK | MB_ICONERROR);
    return Exception(text);
}
