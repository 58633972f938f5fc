// The outputs the panel drives for one kind of alarm (type 6138): flash, outer siren, inner
// siren, relay, and the one transmission-device signal of that kind ('Feuer' for fire,
// 'Überfall' for hold-up, 'Einbruch' for an arming area). The alarm type picks the five
// parameter ids; the device instance keeps each arming area's 'Einbruch' flag (request 18), so
// row 2 can show which areas share the transmission device.
#pragma once

#include "objectmodel/AzFelder.h"
#include "objectmodel/AzParameterIds.h"
#include "objectmodel/TAzObjekt.h"

#include <cstdint>

namespace T_DB_EnumAzAlarmierung {
enum TEnumAlarmierungTyp : int8_t {
    eFeuer = 0,
    eUeberfall = 1,
    eSabotageExternScharf = 2, // external sabotage detectors when armed: no ids of its own
    eSsb1 = 3,
    eSsb2 = 4,
    eSsb3 = 5,
    eSsb4 = 6,
};
} // namespace T_DB_EnumAzAlarmierung

class TAzAlarmierung : public TAzObjekt<TDataBasis, AzKlasse::Alarmierung> {
public:
    using TEnumAlarmierungTyp = T_DB_EnumAzAlarmierung::TEnumAlarmierungTyp;

    enum : int {
        RowUegTyp = 1, // the type's own transmission-device signal, as text (fire, hold-up)
        RowUegEinbruchUsedFrom = 2,
        RowBlitz = 3,
        RowAussenSirene = 4,
        RowInnenSirene = 5,
        RowRelais = 6,
        RowUegStoerung = 7,
        RowUegEinbruch = 8, // request 18
    };

    TAzAlarmierung(HWND window, int system, int parent, AnsiString name, int handle);
    ~TAzAlarmierung() override;

    void InitFromDB(TDatenStruktur &record) override;
    void Write(TDatenStruktur &record) override;
    bool DatenAbgleich(bool, bool) override {
        LOG_FKT("TAzAlarmierung::DatenAbgleich");
        return DatenAbgleichDefaultName();
    }
    void BuildInfoWindow(TDrawGridSE *grid, TListView *listView, bool, int col, int row) override;
    // Flash, outer siren, inner siren, relay, then the type's transmission-device signal; false,
    // nothing written, until the type's ids were set (type 2 has none).
    bool WriteDataToDb();

    // Stores t and, for a type with ids (0, 1, 3 to 6), sets its default outputs and true;
    // otherwise the outputs stay and false. Then InitDisplayOrderNumberAlarmierung.
    bool SetAlarmierungTyp(TEnumAlarmierungTyp t);
    // The ids of the stored type; a type without ids of its own leaves the object without ids.
    void InitDisplayOrderNumberAlarmierung();
    TEnumAlarmierungTyp GetAlarmierungTyp(TEnumAlarmierungTyp &out) const;
    bool GetStatusAlarmierungUegEinbruch() const;
    // The arming areas whose 'Einbruch' flag is on, as the device instance names them (request
    // 17); empty when it refuses.
    AnsiString GetStrUegEinbruchUsedFrom();

    void GridComboBoxChange(TObject *sender, TCell &cell, int col, int row);

private:
    static const TAzFelder<TAzAlarmierung> &Felder();

    bool FBlitz = false;
    bool FAussenSirene = false;
    bool FInnenSirene = false;
    bool FRelais = false;
    bool FUegStoerung = false;  // type 2
    bool FUegEinbruch = false;  // types 3 to 6
    bool FUegFeuer = false;     // type 0
    bool FUegUeberfall = false; // type 1
    TEnumAlarmierungTyp FTyp = T_DB_EnumAzAlarmierung::eFeuer;
    TAzParameterIds<8> FIds;
};
