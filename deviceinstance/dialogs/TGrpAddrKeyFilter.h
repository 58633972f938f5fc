// The keys of a field in which a group address is typed: of the keys that type a character only
// digits and the five separators "/ .,-" are taken; Enter runs the field's search; every other
// key (backspace, delete, the cursor keys, Tab, Escape, shortcuts) works as in any line edit and
// dialog. An optional action runs first for every key but those that only move the cursor or
// the focus or leave the dialog (the change dialog disables OK with it, and OK must stay
// reachable by Tab).
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
    // Whether the key would type its text into a line edit (not a shortcut, not a control key).
    static bool Tippt(const QKeyEvent &key);
    // Whether the key only moves the cursor or the focus, leaves the dialog or is a modifier.
    static bool NurBewegung(const QKeyEvent &key);

    std::function<void()> FEnter;
    std::function<void()> FEveryKey;
};
