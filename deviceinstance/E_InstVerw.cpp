#include "deviceinstance/E_InstVerw.h"

#include "platform/log/Log.h"

E_InstVerw::E_InstVerw(int code, AnsiString message, AnsiString info, AnsiString file, int line)
    : E_Basis(code, std::move(message), std::move(info), std::move(file), line, "E_InstVerw") {
    LOG_FKT("E_InstVerw::E_InstVerw");
}

E_InstVerw::~E_InstVerw() {
    LOG_FKT("E_InstVerw::~E_InstVerw");
}
