#include "platform/bustool/TEts2Cdi_Extended1.h"

#include "platform/bustool/TEtsEventConnection.h"
#include "platform/bustool/TEtsEventDecoder.h"
#include "platform/log/Log.h"

TEts2Cdi_Extended1::TEts2Cdi_Extended1(HWND owner, const AnsiString &moduleName, bool flag)
    : TEts2Cdi(owner, moduleName, flag) {
    LOG_FKT("TEts2Cdi_Extended1::TEts2Cdi_Extended1");
    FEvents = TEtsEventConnection::FromEnvironment(*this);
}

TEts2Cdi_Extended1::TEts2Cdi_Extended1(const std::filesystem::path &project,
                                       const AnsiString &moduleName, int32_t currentDevice)
    : TEts2Cdi(project, moduleName, currentDevice) {
    LOG_FKT("TEts2Cdi_Extended1::TEts2Cdi_Extended1");
}

TEts2Cdi_Extended1::~TEts2Cdi_Extended1() {
    LOG_FKT("TEts2Cdi_Extended1::~TEts2Cdi_Extended1");
    FEvents.reset(); // its decoder unregisters itself while this object is whole
}

bool TEts2Cdi_Extended1::ReturnToEts(int keep) {
    LOG_FKT("TEts2Cdi_Extended1::ReturnToEts");
    return FDecoder && FDecoder->ReturnToEts(keep);
}

TEtsEventConnection *TEts2Cdi_Extended1::Events() {
    LOG_FKT("TEts2Cdi_Extended1::Events");
    return FEvents.get();
}

void TEts2Cdi_Extended1::SetEventDecoder(TEtsEventDecoder *decoder) {
    LOG_FKT("TEts2Cdi_Extended1::SetEventDecoder");
    FDecoder = decoder;
}
