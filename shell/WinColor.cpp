#include "shell/WinColor.h"

#include "platform/log/Log.h"

#include <QApplication>
#include <QPalette>

namespace {
// The system colour indexes the options use, and the palette role each stands for.
struct TSystemFarbe {
    uint32_t Index;
    QPalette::ColorRole Role;
};
constexpr TSystemFarbe kSystemFarben[] = {
    {0x05, QPalette::Base},            // window background
    {0x08, QPalette::Text},            // window text
    {0x0D, QPalette::Highlight},       // highlight
    {0x0E, QPalette::HighlightedText}, // highlighted text
    {0x0F, QPalette::Button},          // button face
    {0x10, QPalette::Mid},             // button shadow
    {0x12, QPalette::ButtonText},      // button text
    {0x14, QPalette::Light},           // button highlight
    {0x18, QPalette::ToolTipBase},     // info background
    {0x17, QPalette::ToolTipText},     // info text
};
} // namespace

QColor WinColorToQColor(uint32_t color) {
    LOG_FKT("WinColorToQColor");
    if (color & 0x80000000u) {
        const uint32_t index = color & 0x00FFFFFFu;
        const QPalette palette = QApplication::palette();
        for (const TSystemFarbe &f : kSystemFarben)
            if (f.Index == index)
                return palette.color(QPalette::Active, f.Role);
        return palette.color(QPalette::Active, QPalette::Window);
    }
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

uint32_t QColorToWinColor(const QColor &color) {
    LOG_FKT("QColorToWinColor");
    return static_cast<uint32_t>(color.red()) | (static_cast<uint32_t>(color.green()) << 8) |
           (static_cast<uint32_t>(color.blue()) << 16);
}
