// The device's modal dialogs as the device instance opens them (implemented by the dialogs in
// dialogs/ and by the tests' scripted fake), so that the instance's logic stays free of the
// GUI. Each call builds the dialog with the main window as owner, shows it modally, deletes it
// and answers its modal result (1 for OK).
#pragma once

#include "platform/busobjects/TObjektBasis.h"

#include <map>
#include <vector>

class TEtsGruppenAdressen;
class TVumaGrpAdrSub;

class TDeviceDialoge {
public:
    virtual ~TDeviceDialoge() = default;

    // The group addresses of one communication object: levels as the bus tool counts them,
    // the object, its links (in: the current ones; out on OK: the chosen ones), the sub groups
    // offered by id, and the project's group-address reader.
    virtual int SelGrpAddr(int levels, TObjektBasis *object,
                           std::vector<TObjektBasis::RecGrpAdrId> &links,
                           const std::map<long, TVumaGrpAdrSub *> &offered,
                           TEtsGruppenAdressen *reader) = 0;
};
