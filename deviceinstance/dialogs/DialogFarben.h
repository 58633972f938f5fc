// The system colours of the device's dialogs: an active (chosen) area in the tooltip background,
// an inactive one in the button face.
#pragma once

#include "platform/log/Log.h"

#include <QPalette>
#include <QWidget>

inline void Einfaerben(QWidget *widget, QPalette::ColorRole rolle) {
    LOG_FKT("DialogFarben::Einfaerben");
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, palette.color(rolle));
    palette.setColor(QPalette::Base, palette.color(rolle));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

inline void Aktiv(QWidget *widget, bool aktiv) {
    LOG_FKT("DialogFarben::Aktiv");
    Einfaerben(widget, aktiv ? QPalette::ToolTipBase : QPalette::Button);
}
