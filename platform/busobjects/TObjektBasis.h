// Base of a device's bus objects: the list of sub groups (group addresses) an object is linked
// to, how many it may carry, and its bus type. The links are kept in the object's records: the
// first in the object's own record (Param14 sub-group id, Param15 group-address word), every
// further one in a chained record behind it, overwritten in place when the object is written.
#pragma once

#include "platform/objectbase/TDataBasis.h"

#include <cstdint>
#include <vector>

class TObjektBasis : public TDataBasis {
public:
    // One link: the bus tool's sub-group id and the group address's 16-bit word.
    struct RecGrpAdrId {
        long SubGroupId = 0;
        uint16_t GrpAdr = 0;
        bool operator==(const RecGrpAdrId &) const = default;
    };
    // The number of group addresses an object may carry until told otherwise (a bus device's
    // association table holds at most 255 entries).
    static constexpr int DefaultSelectableGrpAdr = 255;

    TObjektBasis(HWND window, int system, int parent, AnsiString name, int handle);
    ~TObjektBasis() override;

    // Base first, then the links of the record and of its chain.
    void InitFromDB(TDatenStruktur &record) override;
    // Base first, then the links into the record and its chain; a longer chain is cut.
    void Write(TDatenStruktur &record) override;
    // No rows of its own.
    void BuildInfoWindow(TDrawGridSE *grid, TListView *listView, bool, int col, int row) override;

    // Appends a link; a sub group already linked keeps its place and takes the new word. The
    // flag is accepted as callers pass it (false) and not used.
    void AddSubGroupLink(long subGroupId, unsigned short grpAdr, bool);
    // True when the link existed and is gone.
    bool DeleteSubGroupLink(long subGroupId);
    void ClearAllSubGroupLink();
    bool ExistSubGroupId(long subGroupId) const;
    // The links in link order.
    const std::vector<RecGrpAdrId> &GetSubGroupLinks() const { return FLinks; }
    // Each link takes its sub group's word anew from the main window (message 1149). A sub
    // group the main window does not know keeps its link and old word, is named in the detail
    // ("\nSubGroupId not found: " and its id) and makes the answer false.
    bool UpdateAssociatedAddress(AnsiString &detail);

    int GetNumberSelectableGrpAdr() const;
    void SetNumberSelectableGrpAdr(int number);
    // The bus type code of the object's data (0 = 1 bit ... 15 = VARDATA, -1 = none).
    virtual char GetEtsObjektTyp() const = 0;

private:
    std::vector<RecGrpAdrId> FLinks;
    int FNumberSelectableGrpAdr = DefaultSelectableGrpAdr;
};
