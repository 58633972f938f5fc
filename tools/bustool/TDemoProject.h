// The demo project that "bustool init --demo" makes: area 1 with line 1, the alarm panel at
// 01.01.001 (on the bus, directly connected, a few events in its event memory), three switching
// devices, and a small named group-address tree of three levels on which the switching devices
// send and receive.
#pragma once

#include "platform/bustool/TProjectDatabase.h"

#include <ostream>

// Fills a new project in one step and says what it made.
void BuildDemoProject(TProjectDatabase &db, std::ostream &out);
// What the demo project holds beside its panel (the switching devices and the group-address
// tree with their links), added to a project that has the demo panel; answers the number of
// group addresses made.
int AddDemoSurroundings(TProjectDatabase &db);
