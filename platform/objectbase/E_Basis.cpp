#include "platform/objectbase/E_Basis.h"

#include "platform/log/Log.h"
#include "platform/win/MessageBox.h"

#include <string>

E_Basis::E_Basis(int code, AnsiString message, AnsiString info, AnsiString file, int line,
                 AnsiString className)
    : Code(code), Message(std::move(message)), Info(std::move(info)), File(std::move(file)),
      Line(line), ClassName(std::move(className)) {
    LOG_FKT("E_Basis::E_Basis");
}

E_Basis::~E_Basis() {
    LOG_FKT("E_Basis::~E_Basis");
}

AnsiString E_Basis::MessageText() const {
    LOG_FKT("E_Basis::MessageText");
    AnsiString text = Message + "\n";
    if (!Info.empty())
        text += Info + "\n";
    text += "File: " + File + "\n";
    text += "Line: " + std::to_string(Line) + "\n";
    return text;
}

void E_Basis::WriteMessage(HWND owner) const {
    LOG_FKT("E_Basis::WriteMessage");
    MessageBox(owner, MessageText(), ClassName, MB_OK | MB_ICONSTOP);
}
