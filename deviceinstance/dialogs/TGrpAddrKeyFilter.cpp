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

bool TGrpAddrKeyFilter::Genommen(const QKeyEvent &key) {
    LOG_FKT("TGrpAddrKeyFilter::Genommen");
    if (key.key() == Qt::Key_Backspace)
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
    if (FEveryKey)
        FEveryKey();
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) {
        if (FEnter)
            FEnter();
        return true;
    }
    return !Genommen(key);
}
