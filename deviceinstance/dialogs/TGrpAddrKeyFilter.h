// The keys of a field in which a group address is typed: digits, backspace and the five
// separators "/ .,-" are taken, Enter runs the field's search, every other key is dropped.
// An optional action runs first for every key (the change dialog disables OK with it).
#pragma once

#include <QObject>

#include <functional>

class QKeyEvent;
class QLineEdit;

class TGrpAddrKeyFilter : public QObject {
public:
    TGrpAddrKeyFilter(QLineEdit *field, std::function<void()> enter,
                      std::function<void()> everyKey = {});
    // Whether the field takes the key (Enter excluded: it never reaches the field).
    static bool Genommen(const QKeyEvent &key);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void()> FEnter;
    std::function<void()> FEveryKey;
};
