// The notice shown while the panel's event memory is read out: a label, no buttons, shown
// without a modal loop and deleted by the opener when the read-out is done.
#pragma once

#include <QDialog>

class QLabel;

class TDlgInfoEreignisspeicher : public QDialog {
public:
    explicit TDlgInfoEreignisspeicher(QWidget *owner);
    ~TDlgInfoEreignisspeicher() override;

    QLabel *Label;
};
