// The interface object that the editor's main window makes: TEts2Cdi extended by the bus tool's
// event side. The twelve event slots, ReturnToEts and the bus memory join this class with the
// event connection; the data operations are all TEts2Cdi's.
#pragma once

#include "platform/bustool/TEts2Cdi.h"

class TEts2Cdi_Extended1 : public TEts2Cdi {
public:
    // As TEts2Cdi's: the project named in the environment, or the given project file.
    TEts2Cdi_Extended1(HWND owner, const AnsiString &moduleName, bool flag);
    TEts2Cdi_Extended1(const std::filesystem::path &project, const AnsiString &moduleName,
                       int32_t currentDevice = -1);
    ~TEts2Cdi_Extended1() override;
};
