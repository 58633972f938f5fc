#include "shell/TUpDown.h"

#include "platform/log/Log.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

TUpDown::TUpDown(QWidget *parent, QLineEdit *associate, int min, int max)
    : QWidget(parent), FAssociate(associate), FMin(min), FMax(max), FPosition(min) {
    LOG_FKT("TUpDown::TUpDown");
    BtnUp = new QToolButton(this); // the buttons belong to the control
    BtnUp->setArrowType(Qt::UpArrow);
    BtnDown = new QToolButton(this);
    BtnDown->setArrowType(Qt::DownArrow);
    for (QToolButton *b : {BtnUp, BtnDown}) {
        b->setFixedSize(16, 11);
        b->setAutoRepeat(true);
    }
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(BtnUp);
    layout->addWidget(BtnDown);
    connect(BtnUp, &QToolButton::clicked, this, [this] { Up(); });
    connect(BtnDown, &QToolButton::clicked, this, [this] { Down(); });
    if (FAssociate)
        FAssociate->setText(QString::number(FPosition));
}

void TUpDown::SetPosition(int position) {
    LOG_FKT("TUpDown::SetPosition");
    FPosition = std::clamp(position, FMin, FMax);
    if (FAssociate)
        FAssociate->setText(QString::number(FPosition));
    if (OnChanged)
        OnChanged();
}

void TUpDown::Up() {
    LOG_FKT("TUpDown::Up");
    SetPosition(FPosition + 1);
}

void TUpDown::Down() {
    LOG_FKT("TUpDown::Down");
    SetPosition(FPosition - 1);
}
