#include "objectmodel/E_DataBasis.h"

#include "platform/log/Log.h"

E_DataBasis::E_DataBasis(int code, AnsiString message, AnsiString info, AnsiString source, int line)
    : E_Basis(code, std::move(message), std::move(info), std::move(source), line, "E_DataBasis") {
    LOG_FKT("E_DataBasis::E_DataBasis");
}

E_DataBasis::~E_DataBasis() {
    LOG_FKT("E_DataBasis::~E_DataBasis");
}
