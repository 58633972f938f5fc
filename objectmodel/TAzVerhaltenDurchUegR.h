// Which signal devices (flash, outer siren, inner siren, relay) the panel drives when the
// transmission device 'R' reports (type 6146), for one of two cases that the selector names:
// hold-up or burglary. The case picks the four parameter ids.
#pragma once

#include "objectmodel/AzFelder.h"
#include "objectmodel/AzParameterIds.h"
#include "objectmodel/TAzObjekt.h"
#include "platform/log/Log.h"

#include <cstdint>

namespace T_DB_EnumAzVerhaltenDurchUeGR {
enum TEnumUeGBereich : int8_t { eUeberfall = 0, eEinbruch = 1 };
} // namespace T_DB_EnumAzVerhaltenDurchUeGR

class TAzVerhaltenDurchUegR : public TAzObjekt<TDataBasis, AzKlasse::VerhaltenDurchUegR> {
public:
    using TEnumUeGBereich = T_DB_EnumAzVerhaltenDurchUeGR::TEnumUeGBereich;

    enum : int { RowBlitz = 1, RowAussenSirene = 2, RowInnenSirene = 3, RowRelais = 4 };

    TAzVerhaltenDurchUegR(HWND window, int system, int parent, AnsiString name, int handle);
    ~TAzVerhaltenDurchUegR() override;

    void InitFromDB(TDatenStruktur &record) override;
    void Write(TDatenStruktur &record) override;
    bool DatenAbgleich(bool, bool) override {
        LOG_FKT("TAzVerhaltenDurchUegR::DatenAbgleich");
        return DatenAbgleichDefaultName();
    }
    void BuildInfoWindow(TDrawGridSE *grid, TListView *listView, bool, int col, int row) override;
    // Flash, outer siren, inner siren, relay: hold-up 20010, 20020, 20030, 20040; burglary
    // 13900, 13800, 13700, 13600. False, nothing written, until the case's ids were set.
    bool WriteDataToDb();

    // For hold-up or burglary: stores the case, sets its ids and answers true; any other value
    // changes nothing and answers false.
    bool SetUeGRBereich(TEnumUeGBereich bereich);
    // SetUeGRBereich with the case loaded from the record.
    bool InitUeGRBereich();
    TEnumUeGBereich GetUeGRBereich() const {
        LOG_FKT("TAzVerhaltenDurchUegR::GetUeGRBereich");
        return FBereich;
    }

    void GridComboBoxChange(TObject *sender, TCell &cell, int col, int row);

private:
    static const TAzFelder<TAzVerhaltenDurchUegR> &Felder();

    bool FBlitz = true;
    bool FAussenSirene = true;
    bool FInnenSirene = false;
    bool FRelais = false;
    TEnumUeGBereich FBereich = T_DB_EnumAzVerhaltenDurchUeGR::eUeberfall;
    TAzParameterIds<4> FIds;
};
