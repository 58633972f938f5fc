// What "bustool show" prints: the project, the bus tool's data, every device (address, name,
// product, whether it is on the bus and directly connected, its data block, the parameters
// that differ from their defaults, the objects switched on, its links), the group-address tree
// and the failures still injected. Texts as the project holds them (UTF-8).
#pragma once

#include "platform/bustool/TProjectDatabase.h"

#include <ostream>

void ShowProject(TProjectDatabase &db, std::ostream &out);
