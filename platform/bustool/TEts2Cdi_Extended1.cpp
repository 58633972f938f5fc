#include "platform/bustool/TEts2Cdi_Extended1.h"

#include "platform/log/Log.h"

TEts2Cdi_Extended1::TEts2Cdi_Extended1(HWND owner, const AnsiString &moduleName, bool flag)
    : TEts2Cdi(owner, moduleName, flag) {
    LOG_FKT("TEts2Cdi_Extended1::TEts2Cdi_Extended1");
}

TEts2Cdi_Extended1::TEts2Cdi_Extended1(const std::filesystem::path &project,
                                       const AnsiString &moduleName, int32_t currentDevice)
    : TEts2Cdi(project, moduleName, currentDevice) {
    LOG_FKT("TEts2Cdi_Extended1::TEts2Cdi_Extended1");
}

TEts2Cdi_Extended1::~TEts2Cdi_Extended1() {
    LOG_FKT("TEts2Cdi_Extended1::~TEts2Cdi_Extended1");
}
