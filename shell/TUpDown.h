// Up-down buttons beside a number field: a position kept within its range (a value set outside
// it is moved to the nearer end), shown in the associated field after each change.
#pragma once

#include <QWidget>

#include <functional>

class QLineEdit;
class QToolButton;

class TUpDown : public QWidget {
public:
    TUpDown(QWidget *parent, QLineEdit *associate, int min, int max);

    int Position() const { return FPosition; }
    // Clamps to the range, shows the position in the field and reports the change.
    void SetPosition(int position);
    int Min() const { return FMin; }
    int Max() const { return FMax; }
    void Up();
    void Down();

    // After every change of the position.
    std::function<void()> OnChanged;

    QToolButton *BtnUp = nullptr;
    QToolButton *BtnDown = nullptr;

private:
    QLineEdit *FAssociate;
    int FMin;
    int FMax;
    int FPosition;
};
