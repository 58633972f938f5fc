// The nodes of a device's group-address tree: main (5001), middle (5002) and sub groups (5003,
// the group addresses themselves), one per group of the bus tool's project as its group-address
// reader (TEtsGruppenAdressen) delivers it. Each is built with (main window, 0, 0, name, 1,
// the reader's group) and copies the group's number within its level, its address word, its id
// and (sub groups) its sub-address type, because the reader's nodes die at its next Einlesen.
// Its position in the tree is its number.
//
// GetGroup hands out the reader's group for walking the reader's tree below the node; it is
// valid only until the reader reads anew, and the device instance rebuilds every node then.
#pragma once

#include "platform/objectbase/TDataBasis.h"

#include <cstdint>

class TEtsMainGroup;
class TEtsMiddleGroup;
class TEtsSubGroup;

// The text of a bus type code of an object's data: the table's (SprObjektTypText, "Frei" for
// -1, "1 Bit" ... "VARDATA"), else "unbekannter Objekttyp" and the code.
AnsiString ObjektTypText(int type);

// What the three levels share.
class TVumaGrpAdr : public TDataBasis {
public:
    ~TVumaGrpAdr() override;

    int GetTyp() const override;
    int ListStyle() const override; // main and middle groups list their children, sub groups
                                    // show the grid
    int GetIcon() const override;
    bool AllowChild(int typ) const override; // the levels below
    bool AllowDrop(TDataBasis *) override;
    void Drop(TDataBasis *) override;
    void BuildInfoWindow(TDrawGridSE *grid, TListView *listView, bool, int col, int row) override;

    int GetNumber() const;       // within its level (0..2047 for a sub group of two levels)
    uint16_t GetGrpAddr() const; // the address word its level starts (main, middle) or is
    int32_t GetGroupId() const;  // the bus tool's id of the group

protected:
    TVumaGrpAdr(HWND window, int system, int parent, AnsiString name, int handle, int16_t typ,
                int number, uint16_t word, int32_t groupId);

private:
    int16_t FTyp;
    int FNumber;
    uint16_t FWord;
    int32_t FGroupId;
};

class TVumaGrpAdrMain : public TVumaGrpAdr {
public:
    static constexpr int16_t Typ = 5001;
    TVumaGrpAdrMain(HWND window, int system, int parent, AnsiString name, int handle,
                    TEtsMainGroup *group);
    ~TVumaGrpAdrMain() override;
    TEtsMainGroup *GetGroup() const;

private:
    TEtsMainGroup *FGroup;
};

class TVumaGrpAdrMiddle : public TVumaGrpAdr {
public:
    static constexpr int16_t Typ = 5002;
    TVumaGrpAdrMiddle(HWND window, int system, int parent, AnsiString name, int handle,
                      TEtsMiddleGroup *group);
    ~TVumaGrpAdrMiddle() override;
    TEtsMiddleGroup *GetGroup() const;

private:
    TEtsMiddleGroup *FGroup;
};

class TVumaGrpAdrSub : public TVumaGrpAdr {
public:
    static constexpr int16_t Typ = 5003;
    TVumaGrpAdrSub(HWND window, int system, int parent, AnsiString name, int handle,
                   TEtsSubGroup *group);
    ~TVumaGrpAdrSub() override;
    TEtsSubGroup *GetGroup() const;

    // The bus type code of the objects linked to it (-1: none yet); a new link sets it.
    int GetSubAdrTyp() const;
    void SetSubAdrTyp(int type);
    AnsiString GetSubAdrTypText() const;

private:
    TEtsSubGroup *FGroup;
    int FSubAdrTyp;
};
