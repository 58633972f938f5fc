#include "reconstruction/E_ErrorStr.h"

#include "platform/log/Log.h"

E_ErrorStr::E_ErrorStr(AnsiString message) : Message(std::move(message)) {
    LOG_FKT("E_ErrorStr::E_ErrorStr");
}
