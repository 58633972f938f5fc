// Base of every object of a device's tree (panel objects, the device root, folders). It keeps
// the common members (handle, parent, system handle, name, position id, the main window's
// handle, help offset, flags A and B), declares the virtual interface through which the tree,
// the grid and the device instance use every object, and offers what the objects share:
// their record through the main window (messages 1127, 1164, 1129), record writing, fresh
// handles and chained records, and the grid's row builders.
//
// An object never keeps a pointer to its record: it fetches it by message 1127 whenever it
// has changed a value (WriteDatensatz), and Write copies its members into it.
#pragma once

#include "foundation/TDatenStruktur.h"
#include "platform/grid/TCell.h"
#include "platform/vcl/AnsiString.h"
#include "platform/vcl/TObject.h"
#include "platform/win/Messages.h"

#include <cstdint>
#include <list>
#include <map>

class TDrawGridSE;
class TEibHandle;
class TListView; // the project window's child list; the panel objects do not use it
class TStringList;
template <class T> class TDatenManager;

namespace T_DB_EnumDataBasis {
// The value of a yes/no row: item 0 "Nein", item 1 "Ja".
enum TEnumBool : int { eFalse = 0, eTrue = 1 };
} // namespace T_DB_EnumDataBasis

class TDataBasis : public TObject {
public:
    // Type of the chained records behind an object's own record (editable-text records);
    // the tree builds no object from them.
    static constexpr int16_t TypNebenDatensatz = 2;

    TDataBasis(HWND window, int system, int parent, AnsiString name, int handle);

    // The virtual interface, in the order of the object model. Operations whose base body
    // belongs to a later part of the system (GetPointerFromHandle, DeleteDBEntry, DeleteDS,
    // VumaImport, Reset, Import, SetGlobalParameterValue, ChangeGlobalParameter) join at their
    // place when they get one.
    virtual int GetQuickHelpIndexOffset() const;
    ~TDataBasis() override;
    virtual void SetFlagA();
    virtual void ClearFlagA();
    virtual void SetFlagB();
    virtual void ClearFlagB();
    virtual AnsiString GetName(bool) const;
    virtual int GetTyp() const = 0;
    virtual int ListStyle() const = 0; // 0: the tree lists the children; 1: the grid
    virtual int GetIcon() const = 0;
    virtual bool AllowChild(int typ) const = 0;
    virtual void SetName(const AnsiString &name);
    virtual void SetParent(int parent);
    virtual int GetParent() const;
    virtual HWND GetWindowHandle() const;
    // Borrows the device's handle table for fresh handles (GetNewNebenDatensatz). A new
    // object (handle 0) takes its fresh handle from it here; the device instance calls this
    // for every object it makes before it fetches the object's record. Throws E_Basis when
    // the table has no handle left for a new object.
    virtual void KonvertHandle(TEibHandle *table);
    virtual bool SetObjFkt(uint8_t);
    virtual bool IsVisible() const;
    // Stores the common part: Name, Handle, Typ (from GetTyp), Parent, System and the
    // position id in Param1; never touches Next. Then sends 1130: the device was modified.
    virtual void Write(TDatenStruktur &record);
    virtual void SetPosId(int posId);
    virtual void SetPosId(TDataBasis *other); // takes the other's position id; null: none
    virtual bool DatenAbgleich(bool, bool);
    virtual bool AllowDrop(TDataBasis *dropped) = 0;
    virtual void Drop(TDataBasis *dropped) = 0;
    // Sub-objects that an object lists itself; none by default.
    virtual int GetSubObjectCount(bool) const;
    virtual TDataBasis *GetSubObject(int index, bool) const;
    // Fills the parameter grid: the cell (col, row) is the one to re-activate, or negative.
    virtual void BuildInfoWindow(TDrawGridSE *grid, TListView *listView, bool, int col,
                                 int row) = 0;
    // Message 1134 with the active project window's grid and list; empty in the panel objects.
    virtual void UpdateViews(TDrawGridSE *grid, TListView *listView);
    // Takes the common part: Name, Handle, Parent, System and the position id from Param1.
    virtual void InitFromDB(TDatenStruktur &record);
    // Paste of a copied object from its records: loads the first record (in key order) of
    // this object's type, keeping the object's own handle, parent, system handle, position
    // id and name; records chained to the copy are not taken. False, with nothing changed,
    // when the map holds no record of this type. The caller writes the record afterwards.
    virtual bool Einfuegen(std::map<int, TDatenStruktur> &records);
    // Switches the object's communication objects: the device parameter `parameter` (the
    // object number that owns them) takes `value`; the objects the bus tool switches on hang
    // under this object and are numbered from `base` on; `confirm` lets the device instance
    // ask before a linked object goes. Sent to the device instance as request 8 with message
    // 1161; true when it was done.
    virtual bool ModifyObject(int value, int parameter, int base, bool confirm);
    // Paste of a copied object's settings onto this object from a clipboard store: true when
    // the store holds a record of this object's type. The base takes none of its fields (the
    // object keeps its handle, parent, system handle, position id and name); a class that
    // pastes settings copies them itself. False for a null store; message is not touched.
    virtual bool Paste(TDatenManager<TDatenStruktur> *store, AnsiString &message);

    int GetHandle() const { return FHandle; }
    int GetSystem() const { return FSystem; }
    int GetPosId() const { return FPosId; }
    bool GetFlagA() const { return FFlagA != 0; }
    bool GetFlagB() const { return FFlagB != 0; }

    // The object's own record, by message 1127 (system, parent, handle); null when the main
    // window has none.
    TDatenStruktur *FetchDatensatz();
    // Fetches the record and lets Write fill it; false, and nothing written, when the main
    // window answered no record.
    bool WriteDatensatz();
    // The device's record with that handle under any parent (message 1164), or null.
    TDatenStruktur *GetDatensatz(int system, int handle);
    // A new record chained behind previous: a fresh handle from the handle table, the record
    // made by 1127 under this object's handle (where 1129 looks for the chain), of type
    // TypNebenDatensatz, and its handle put into previous.Next. Null, previous unchanged,
    // without a handle table, without a free handle or without an answer.
    TDatenStruktur *GetNewNebenDatensatz(TDatenStruktur &previous);
    // The alignment of the data objects that take their standard name from the device
    // instance: request 15 with message 1161 and a text holding the current name; answered
    // non-zero, the text becomes the name (unchanged when the answer left it) and the result
    // is true; answered 0, the name stays and it is false.
    //   bool DatenAbgleich(bool, bool) override { return DatenAbgleichDefaultName(); }
    bool DatenAbgleichDefaultName();
    // Deletes the chain of records behind the object's record (1129 with the record's Next)
    // and sets its Next to 0; nothing when Next is not positive.
    void DeleteNebenDatensaetze(TDatenStruktur &record);
    // The chained record behind previous (previous.Next), for overwriting a chain in place;
    // null when previous ends the chain. A record there that is not a chained record ends
    // the chain before it (previous.Next := 0) and is left alone.
    TDatenStruktur *NaechsterNebenDatensatz(TDatenStruktur &previous);

    // Row builders. Each fills one grid row: column 0 the caption, column 1 the value, both
    // with the row id, the help number (helpIndex when > 0, else the help offset plus the
    // row id) and this object as their data. newRow: add a row; false: reuse the grid's last
    // row (the empty row that InitGrid leaves). Each answers the row used, or -1 without a
    // grid.
    int AddRowCaption(TDrawGridSE *grid, int rowId, const AnsiString &caption,
                      const AnsiString &text, TCell::TEnumGroupTitleState state, bool newRow);
    int AddRowEditFeld(TDrawGridSE *grid, const AnsiString &caption, int rowId,
                       const AnsiString &value, int helpIndex, bool newRow, int maxLength);
    int AddRowTextFeld(TDrawGridSE *grid, const AnsiString &caption, int rowId,
                       const AnsiString &value, int helpIndex, bool newRow);
    int AddRowEllipse(TDrawGridSE *grid, const AnsiString &caption, int rowId,
                      const AnsiString &value, int helpIndex, bool newRow);
    int AddRowSpinEdit(TDrawGridSE *grid, const AnsiString &caption, int rowId, int maximum,
                       int minimum, int step, int value, int helpIndex, bool newRow);
    // The combo-box rows are drop-down lists: only what they offer can be chosen (a row that
    // takes typed text is built with its own style).
    // Over texts: the item at index is selected (none when index is outside the list).
    int AddRowComboBox(TDrawGridSE *grid, const AnsiString &caption, int rowId,
                       const TStringList *items, int index, int helpIndex, bool newRow);
    // Over value pairs: the first pair whose value is selectedValue is selected.
    int AddRowComboBox(TDrawGridSE *grid, const AnsiString &caption, int rowId,
                       const std::list<TComboWert> &werte, int selectedValue, int helpIndex,
                       bool newRow);
    int AddRowComboBoxYes(TDrawGridSE *grid, const AnsiString &caption, int rowId,
                          T_DB_EnumDataBasis::TEnumBool value, int helpIndex, bool newRow);
    // A click on a group caption: folded becomes unfolded and back; true when it changed.
    static bool ChangeGroupTitleState(TCell::TEnumGroupTitleState &state);

protected:
    // A grid without rows: prepared empty (no event closures) and, when col or row is not
    // negative, 1136 posted as for any grid.
    void BuildGridOhneZeilen(TDrawGridSE *grid, int col, int row);
    // The help number of a row built with helpIndex.
    int HelpNumber(int rowId, int helpIndex) const;
    // The row a builder fills, with both cells cleared and given row id, help and data.
    int BeginRow(TDrawGridSE *grid, int rowId, int helpIndex, bool newRow);

    HWND FWindow;
    int FSystem;
    int FParent;
    AnsiString FName;
    int FHandle;
    int FPosId = 0;
    int FHelpOffset = 0;
    uint8_t FFlagA = 0;
    uint8_t FFlagB = 0;
    TEibHandle *FHandleTable = nullptr; // borrowed from the device instance
};
