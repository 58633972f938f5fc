#include "deviceinstance/dialogs/TGrpAddrKeyFilter.h"

#include "platform/log/Log.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <utility>

TGrpAddrKeyFilter::TGrpAddrKeyFilter(QLineEdit *field, std::function<void()> enter,
                                     std::function<void()> everyKey)
    : QObject(field), FEnter(std::move(enter)), FEveryKey(std::move(everyKey)) {
    LOG_FKT("TGrpAddrKeyFilter::TGrpAddrKeyFilter");
    field->installEventFilter(this);
}

bool TGrpAddrKeyFilter::Tippt(const QKeyEvent &key) {
    LOG_FKT("TGrpAddrKeyFilter::Tippt");
    const QString text = key.text();
    if (text.isEmpty())
        return false;
    // Control with or without Shift is a shortcut (copy, paste, select all); AltGr types.
    const Qt::KeyboardModifiers mods =
        key.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (mods == Qt::ControlModifier || mods == (Qt::ControlModifier | Qt::ShiftModifier))
        return false;
    // Tab, Escape, Enter, Backspace and Delete come with control characters.
    return text[0].isPrint() || text[0].category() == QChar::Other_PrivateUse ||
           text[0].isHighSurrogate();
}

bool TGrpAddrKeyFilter::NurBewegung(const QKeyEvent &key) {
    LOG_FKT("TGrpAddrKeyFilter::NurBewegung");
    switch (key.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
        return true;
    default:
        return false;
    }
}

bool TGrpAddrKeyFilter::Genommen(const QKeyEvent &key) {
    LOG_FKT("TGrpAddrKeyFilter::Genommen");
    if (!Tippt(key))
        return true;
    const QString text = key.text();
    return text.size() == 1 && ((text[0].isDigit() && text[0].unicode() < 128) ||
                                QStringLiteral("/ .,-").contains(text[0]));
}

bool TGrpAddrKeyFilter::eventFilter(QObject *watched, QEvent *event) {
    LOG_FKT("TGrpAddrKeyFilter::eventFilter");
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto &key = static_cast<const QKeyEvent &>(*event);
    if (FEveryKey && !NurBewegung(key))
        FEveryKey();
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) {
        if (FEnter)
            FEnter();
        return true;
    }
    return !Genommen(key);
}
