// A full panel's configuration data block, made from the objects' own Write: the root, the
// editable texts, the security-area folder with the fire and hold-up areas, four security
// areas with 40 detectors each (every detector with its bus object and a group-address link;
// the first one with two), the sabotage input, the arming folder with its four areas and their
// settings and acknowledgements, the alarm folder with seven alarm outputs, the durations and
// the bus objects for alarming, four display units, the monitoring folder with its objects,
// and date and time.
#pragma once

#include "platform/bustool/DalRecords.h"
#include "platform/vcl/AnsiString.h"

#include <functional>

class TDeviceInstanz;
class TFakeDienste;
class TFormMainDienste;
class TFormVerwDienste;

// The block as the device instance writes it (CopyStrukturDatenToDB) for the fake's panel.
AnsiString VollesPanelBlock(TFakeDienste &dienste);
// The same for the panel device of a record, built by an instance on the given main and project
// window; setDevice makes the instance the one the main window's messages go to (and, with null,
// none again).
AnsiString VollesPanelBlock(TFormMainDienste &main, TFormVerwDienste *verw,
                            const DAL_DEVICE &record,
                            const std::function<void(TDeviceInstanz *)> &setDevice);
