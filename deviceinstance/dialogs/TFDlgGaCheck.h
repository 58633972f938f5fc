// The group-address check of an import: every group-address word of the imported
// communication objects is looked up in the project; when one is missing or of a type that
// does not fit, the list shows them and the user picks another address per row (through
// TFDlgGrpAddrChange). The caller goes on with the import only on 1.
#pragma once

#include "deviceinstance/TFormVerwDienste.h"
#include "deviceinstance/TRecGroupAddrInfo.h"
#include "deviceinstance/dialogs/TListSort.h"
#include "foundation/TDatenManager.h"
#include "platform/dialogs/TModalDialog.h"

#include <map>
#include <memory>
#include <vector>

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

class TFDlgGaCheck : public TModalDialog {
public:
    // The rows' images.
    enum : int { ImageOk = 3, ImageFalscherTyp = 4, ImageFehlt = 5 };
    enum : int { StatusOk = 0, StatusFalscherTyp = 1, StatusFehlt = 2 };

    // The borrowed objects must outlive the dialog; the maps hold the device's main groups
    // and its middle and sub groups by id.
    TFDlgGaCheck(QWidget *owner, std::vector<RecNewGroupAddr> &newAddresses,
                 std::map<int, TRecGroupAddrInfo> &wordMap, bool threeLevel,
                 const TObjektMap &mainGroups, const TObjektMap &midSubGroups);
    ~TFDlgGaCheck() override;

    // 1 when the import may go on (also without a store or without communication objects),
    // else the modal result of the shown list.
    int CheckGaConsistence(TDatenManager<TDatenStruktur> *store);
    // Enters the record's word (0 is skipped) with the owning object record's number, name
    // and type.
    void CheckAndSaveGroupAddr(std::map<int, TRecGroupAddrInfo> &wordMap,
                               const TDatenStruktur &record, const TDatenStruktur &owner);
    // Every entry's status; true when none is missing or of the wrong type. With takeOver a
    // fitting address becomes its entry's wanted word.
    bool AbgleichStatusUsedGroupAddr(std::map<int, TRecGroupAddrInfo> &wordMap, bool takeOver);
    // The status of a word for an object type (0 Ok, 1 wrong type, 2 missing); subGroupId
    // gets the fitting sub group's id.
    int KonvertEtsGAId(int word, int objectType, int &subGroupId) const;
    AnsiString GrpAddrString(int word) const;
    int ShowDialog();
    void InitListView();
    void FillListView();
    void EditGroupAddress();
    void ColumnClick(int column);
    void ButtonOkClick();
    void ButtonCancelClick();

    // The copy of the entry a row carries.
    static const TRecGroupAddrInfo *RowData(const QTreeWidgetItem *row);
    static int RowImage(const QTreeWidgetItem *row);
    const TListSort &Sort() const { return FSort; }

    QTreeWidget *ListView;
    QPushButton *ButtonOk;
    QPushButton *ButtonCancel;
    QPushButton *ButtonChange;

private:
    // The row's copy (owned by FRowData), null for a row without one.
    static TRecGroupAddrInfo *Copy(const QTreeWidgetItem *row);
    void SetRow(QTreeWidgetItem *row, const TRecGroupAddrInfo &info);
    void SortList();

    std::vector<RecNewGroupAddr> &FNewAddresses;
    std::map<int, TRecGroupAddrInfo> &FWordMap;
    bool FThreeLevel;
    const TObjektMap &FMainGroups;
    const TObjektMap &FMidSubGroups;
    std::vector<std::unique_ptr<TRecGroupAddrInfo>> FRowData;
    TListSort FSort;
};
