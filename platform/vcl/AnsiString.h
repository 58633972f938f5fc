// The system's 8-bit text: Windows-1252 bytes, compared as unsigned bytes.
#pragma once

#include <string>

using AnsiString = std::string;
