// The operating system's basic integer types, with their sizes, as the callers expect them.
#pragma once

#include <cstdint>

using UINT = unsigned int;
using DWORD = std::uint32_t;
using BOOL = int;
