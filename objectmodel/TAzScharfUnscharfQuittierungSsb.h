// How the panel acknowledges arming and disarming of one arming area (type 6137): by flash,
// outer siren, inner siren and relay; whether it signals through the transmission device
// 'Scharf' (the device instance keeps that flag per area, so row 2 can show which areas share
// the device); whether the locking element opens on fire or hold-up. The area number picks the
// six parameter ids.
#pragma once

#include "objectmodel/AzFelder.h"
#include "objectmodel/AzParameterIds.h"
#include "objectmodel/TAzObjekt.h"

#include <cstdint>

namespace T_DB_EnumScharfUnscharfQuittierungSsb {
enum TEnumScharfschaltBereich : int8_t { eSsb1 = 1, eSsb2 = 2, eSsb3 = 3, eSsb4 = 4 };
} // namespace T_DB_EnumScharfUnscharfQuittierungSsb

class TAzScharfUnscharfQuittierungSsb
    : public TAzObjekt<TDataBasis, AzKlasse::ScharfUnscharfQuittierungSsb> {
public:
    using TEnumScharfschaltBereich =
        T_DB_EnumScharfUnscharfQuittierungSsb::TEnumScharfschaltBereich;

    enum : int {
        RowSignUegScharf = 1, // request 13
        RowUegScharfUsedFrom = 2,
        RowBlitz = 3,
        RowAussenSirene = 4,
        RowInnenSirene = 5,
        RowRelais = 6,
        RowSperrelement = 7,
    };
    // The locking element on fire or hold-up.
    enum : int8_t { SperrelementNein = 0, SperrelementStatisch = 1, SperrelementImpuls = 2 };

    TAzScharfUnscharfQuittierungSsb(HWND window, int system, int parent, AnsiString name,
                                    int handle);
    ~TAzScharfUnscharfQuittierungSsb() override;

    void InitFromDB(TDatenStruktur &record) override;
    void Write(TDatenStruktur &record) override;
    bool DatenAbgleich(bool, bool) override {
        LOG_FKT("TAzScharfUnscharfQuittierungSsb::DatenAbgleich");
        return DatenAbgleichDefaultName();
    }
    void BuildInfoWindow(TDrawGridSE *grid, TListView *listView, bool, int col, int row) override;
    // 13n50 'Scharf' signalling, 13n10 flash, 13n20 outer siren, 13n30 inner siren, 13n40 relay,
    // 23n10 locking element for area n; false, nothing written, until the area's ids were set.
    bool WriteDataToDb();

    // Stores n; for n of 1..4 also the ids of area n (any other n has no ids).
    void SetScharfschaltBereich(TEnumScharfschaltBereich n);
    TEnumScharfschaltBereich GetScharfschaltBereich() const;
    // SetScharfschaltBereich with the area number loaded from the record.
    void InitScharfUnscharfQuittierungSsb();
    bool GetStatusSignUegScharf() const;
    // The areas whose 'Scharf' signalling is on, as the device instance names them (request 12);
    // empty when it refuses.
    AnsiString GetStrUegScharfUsedFrom();

    void GridComboBoxChange(TObject *sender, TCell &cell, int col, int row);

private:
    static const TAzFelder<TAzScharfUnscharfQuittierungSsb> &Felder();

    bool FSignUegScharf = true;
    bool FQuittierungBlitz = true;
    bool FQuittierungAussenSirene = false;
    bool FQuittierungInnenSirene = false;
    bool FQuittierungRelais = false;
    int8_t FSperrelement = SperrelementNein;
    // Set by SetScharfschaltBereich or the record; 0 (no area) before.
    TEnumScharfschaltBereich FBereich = static_cast<TEnumScharfschaltBereich>(0);
    TAzParameterIds<6> FIds;
};
