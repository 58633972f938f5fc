// Picks the switching device of an arming area from the project's devices, or none ("Keine
// PA"). The caller's device (in/out) is preselected when its address text is spelled as in the
// candidates; devices the area uses already are never offered.
#pragma once

#include "deviceinstance/RPhysAdr.h"
#include "platform/dialogs/TModalDialog.h"

#include <list>
#include <vector>

class QLabel;
class QPushButton;
class QTreeWidget;

class TDlgSelPhysAdrSe : public TModalDialog {
public:
    TDlgSelPhysAdrSe(QWidget *owner, RPhysAdr &current, const std::vector<RPhysAdr> &candidates,
                     const std::list<int> &excluded);
    ~TDlgSelPhysAdrSe() override;

    void LadeDlgTexte();
    void FillListView();
    void BtnOkClick();
    void BtnNoPhysAdrClick();
    void BtnAbbrechenClick();

    QTreeWidget *lvPhysAdrSe;
    QLabel *LabelPhysAdr;
    QPushButton *BtnOk;
    QPushButton *BtnAbbrechen;
    QPushButton *BtnNoPhysAdr;

private:
    RPhysAdr &FCurrent;
    std::vector<RPhysAdr> FCandidates;
    std::list<int> FExcluded;
};
