// Process services: pausing the thread and the program's own file.
#pragma once

#include "platform/win/WinTypes.h"

#include <string>

// Blocks the calling thread for at least the given milliseconds.
void Sleep(DWORD milliseconds);

// Full path of the running program's file, empty when it cannot be found out. The settings
// file and the program's folders are found from it.
std::string GetProgramFileName();
