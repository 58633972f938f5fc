// The operating system's colour values as the settings keep them: 0x00BBGGRR, or with the high
// bit set a system colour index, which maps to a role of the application's palette.
#pragma once

#include <QColor>

#include <cstdint>

QColor WinColorToQColor(uint32_t color);
// The colour as a plain Windows value 0x00BBGGRR.
uint32_t QColorToWinColor(const QColor &color);
