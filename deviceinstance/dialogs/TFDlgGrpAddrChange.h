// The address of the project that takes the place of one imported group address: the
// project's group-address tree (with the addresses the import is to create), an address typed
// to find it or to create it (appended to the addresses to create, kept even on cancel), or no
// address. OK (1) sets the caller's word: the selected sub group's, or 0; cancel answers 3.
//
// Every node carries its key (its number within its level; in two-level form the 11-bit sub
// number), its address type and its word; the root, main and middle groups have word 0, so
// selecting them disables OK.
#pragma once

#include "deviceinstance/TFormVerwDienste.h"
#include "deviceinstance/TRecGroupAddrInfo.h"
#include "platform/dialogs/TModalDialog.h"

#include <vector>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

class TFDlgGrpAddrChange : public TModalDialog {
public:
    // The tree's images.
    enum : int { ImageRoot = 1, ImageMain = 2, ImageMiddle = 3, ImageSub = 4 };

    // Throws Exception without a row. The maps hold the device's main groups and its middle
    // and sub groups by id; the borrowed objects must outlive the dialog.
    TFDlgGrpAddrChange(QWidget *owner, int &resultWord, std::vector<RecNewGroupAddr> &newAddresses,
                       bool threeLevel, const TObjektMap &mainGroups,
                       const TObjektMap &midSubGroups, const TRecGroupAddrInfo *row);
    ~TFDlgGrpAddrChange() override;

    // Builds the tree once (a later call does nothing while it holds nodes).
    void InitTreeView();
    void TreeViewChange(QTreeWidgetItem *node);
    void btnSearchAddClick();
    void btnNoGroupAddrClick();
    void ButtonOkClick();
    void ButtonCancelClick();
    // The first child of the node with that key, else null.
    static QTreeWidgetItem *GetChildTreeNode(QTreeWidgetItem *node, int key);

    // What a node carries.
    static int Key(const QTreeWidgetItem *node);
    static int AddrType(const QTreeWidgetItem *node);
    static int Word(const QTreeWidgetItem *node);
    static int Image(const QTreeWidgetItem *node);
    static bool Overlay(const QTreeWidgetItem *node);
    QTreeWidgetItem *Root() const;

    QTreeWidget *TreeView;
    QGroupBox *gbIstGroupAddr;
    QGroupBox *gbSollGroupAddr;
    QLabel *lblIstGa;
    QLabel *lblSatusIstGa;
    QLabel *lblGrpAddrEditText;
    QLineEdit *EditSollGa;
    QPushButton *btnSearchAdd;
    QPushButton *btnNoGroupAddr;
    QPushButton *ButtonOk;
    QPushButton *ButtonCancel;

protected:
    void FormShow() override;

private:
    int WantedType() const { return FRow.ObjTyp - 1; }
    bool Fits(int addrType) const { return addrType == WantedType() || addrType == -1; }
    QTreeWidgetItem *AddNode(QTreeWidgetItem *parent, const AnsiString &caption, int image, int key,
                             int addrType, int word);
    QTreeWidgetItem *MainNode(int main);
    // The main (and, three-level, middle) node of an address, made when missing.
    QTreeWidgetItem *GroupNode(int main, int middle);
    void SortTree(QTreeWidgetItem *node);
    void Select(QTreeWidgetItem *node);

    int &FResultWord;
    std::vector<RecNewGroupAddr> &FNewAddresses;
    bool FThreeLevel;
    const TObjektMap &FMainGroups;
    const TObjektMap &FMidSubGroups;
    TRecGroupAddrInfo FRow;
};
