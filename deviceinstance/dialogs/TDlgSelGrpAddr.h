// The group addresses of one communication object: the project's addresses that fit the
// object (choosable) and those linked to it (assigned), moved between the two lists; an
// address typed into the field is found in the lists or, when the project lacks it, created
// through the device instance. OK (1) hands back the assigned ids in list order; cancel (3)
// leaves the caller's vector as it was.
#pragma once

#include "deviceinstance/dialogs/TListSort.h"
#include "platform/busobjects/TObjektBasis.h"
#include "platform/dialogs/TModalDialog.h"

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class TDeviceInstanz;
class TEtsGruppenAdressen;
class TVumaGrpAdrSub;

// One project address that fits the object.
struct GrpAddrListEntry {
    AnsiString Name;
    AnsiString AdrText;
    int16_t Word = 0; // for sorting
    AnsiString TypText;
    bool Assigned = false;
    int32_t Id = 0; // the bus tool's sub-group id
};

class TDlgSelGrpAddr : public TModalDialog {
public:
    enum : int { HelpContext = 5110 };

    // levels: exactly 3 is three-level. The borrowed objects must outlive the dialog; device,
    // reader and object may be null (then nothing is listed, searched or created).
    TDlgSelGrpAddr(QWidget *owner, int levels, TObjektBasis *object,
                   std::vector<TObjektBasis::RecGrpAdrId> &ids,
                   const std::map<long, TVumaGrpAdrSub *> &nodes, TEtsGruppenAdressen *reader,
                   TDeviceInstanz *device);
    ~TDlgSelGrpAddr() override;

    void LadeTexte();
    void MakeAdrList();
    void FillListViewSource();
    void FillListViewDest();
    void SetButtons();
    // Each selected item of `from` to `to`; with limit > 0 stops (box) when `to` is full.
    void MoveSelected(QTreeWidget *from, QTreeWidget *to, int limit);
    void btnRightClick();    // ">"
    void btnAllRightClick(); // ">>"
    void btnLeftClick();     // "<"
    void btnAllLeftClick();  // "<<"
    void btnSearchAddClick();
    // Whether any address of the project, of whatever type, has the text.
    bool SearchAllGrpAddr(TEtsGruppenAdressen *reader, const AnsiString &text);
    void ColumnClick(QTreeWidget *list, int column);
    void ListDoubleClick(QTreeWidget *list);
    void ButtonOkClick();
    void ButtonCancelClick();
    void ButtonHelpClick();

    // The entry a row shows.
    static GrpAddrListEntry *Entry(const QTreeWidgetItem *row);
    const std::vector<std::unique_ptr<GrpAddrListEntry>> &Entries() const { return FEntries; }
    const TListSort &Sort(const QTreeWidget *list) const;

    QGroupBox *gbSource;
    QGroupBox *gbDest;
    QTreeWidget *ListViewSource;
    QTreeWidget *ListViewDest;
    QLabel *LabelGrpAddr;
    QLineEdit *EditGrpAddr;
    QPushButton *btnSearchAdd;
    QPushButton *btnRight;
    QPushButton *btnAllRight;
    QPushButton *btnLeft;
    QPushButton *btnAllLeft;
    QPushButton *ButtonOk;
    QPushButton *ButtonCancel;
    QPushButton *ButtonHelp;

protected:
    void FormShow() override;

private:
    bool ThreeLevel() const { return FLevels == 3; }
    int Limit() const;
    // ">>" and "<<": every row of `from` moved, then the first row of `to` selected.
    void MoveAll(QTreeWidget *from, QTreeWidget *to, int limit);
    QTreeWidgetItem *AddRow(QTreeWidget *list, GrpAddrListEntry *entry);
    void SortList(QTreeWidget *list);
    void Fill(QTreeWidget *list, bool assigned);
    // Selects, focuses and shows the row.
    void Zeige(QTreeWidget *list, QTreeWidgetItem *row);
    QTreeWidgetItem *FindCaption(QTreeWidget *list, const AnsiString &caption) const;

    int FLevels;
    TObjektBasis *FObject;
    std::vector<TObjektBasis::RecGrpAdrId> &FIds;
    const std::map<long, TVumaGrpAdrSub *> &FNodes;
    TEtsGruppenAdressen *FReader;
    TDeviceInstanz *FDevice;
    std::vector<std::unique_ptr<GrpAddrListEntry>> FEntries;
    TListSort FSortSource;
    TListSort FSortDest;
};
