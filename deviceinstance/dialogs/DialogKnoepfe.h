// The button row of the device's plain dialogs: "&Ok" and "&Abbrechen" at the right, each
// calling its dialog's handler.
#pragma once

#include "foundation/SprTexte.h"
#include "platform/dialogs/TModalDialog.h"
#include "platform/log/Log.h"

#include <QHBoxLayout>
#include <QPushButton>

#include <functional>

inline QHBoxLayout *OkAbbrechenZeile(QWidget *dialog, QPushButton *&ok, QPushButton *&abbrechen,
                                     const std::function<void()> &okClick,
                                     const std::function<void()> &abbrechenClick) {
    LOG_FKT("DialogKnoepfe::OkAbbrechenZeile");
    ok = new QPushButton(QtText(SprText(9009)), dialog);
    abbrechen = new QPushButton(QtText(SprText(9007)), dialog);
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->setSpacing(10);
    row->addWidget(ok);
    row->addWidget(abbrechen);
    QObject::connect(ok, &QPushButton::clicked, dialog, okClick);
    QObject::connect(abbrechen, &QPushButton::clicked, dialog, abbrechenClick);
    return row;
}
