// The detector poll interval and the function monitoring (heartbeat) of the panel over the bus
// (type 6145): whether it is on, its interval and how the panel reacts to a missing monitoring
// telegram. Switching the monitoring on or off makes the device instance add or remove the
// monitoring bus objects (request 15). With the monitoring off, its interval and reaction are 0.
#pragma once

#include "objectmodel/AzFelder.h"
#include "objectmodel/TAzObjekt.h"
#include "platform/log/Log.h"

#include <cstdint>

class TAzEibAlarmSystemSicherheit
    : public TAzObjekt<TDataBasis, AzKlasse::EibAlarmSystemSicherheit> {
public:
    enum : int {
        RowAbfrageIntervall = 1,
        RowUeberwachung = 2,
        RowUeberwachungsIntervall = 3,
        RowReaktion = 4,
    };
    // Reaction to a missing monitoring telegram.
    static constexpr int8_t ReaktionWieSabotage = 0;
    static constexpr int8_t ReaktionUegStoerung = 1;
    // The interval a monitoring starts with when it is switched on.
    static constexpr int32_t StartIntervall = 30;

    TAzEibAlarmSystemSicherheit(HWND window, int system, int parent, AnsiString name, int handle);
    ~TAzEibAlarmSystemSicherheit() override;

    void InitFromDB(TDatenStruktur &record) override;
    void Write(TDatenStruktur &record) override;
    bool DatenAbgleich(bool, bool) override {
        LOG_FKT("TAzEibAlarmSystemSicherheit::DatenAbgleich");
        return DatenAbgleichDefaultName();
    }
    void BuildInfoWindow(TDrawGridSE *grid, TListView *listView, bool, int col, int row) override;
    // 10090 poll interval, 10080 monitoring interval, 7160 reaction; the on/off state itself is
    // not written: with the monitoring off the interval and the reaction go out as 0.
    bool WriteDataToDb();

    bool GetStatusHeartBeatUeberwachung() const;

    void GridComboBoxChange(TObject *sender, TCell &cell, int col, int row);
    void GridExitCell(TDrawGridSE *grid, TObject *editor, TCell &cell, int col, int row);

private:
    static const TAzFelder<TAzEibAlarmSystemSicherheit> &Felder();
    // Row 2 changed to neu: on at once, off only when the user confirms; request 15 when the
    // change stands. The view is rebuilt in every case.
    void ChangeUeberwachung(bool neu, TAzEpilog &e);

    static constexpr int SpinMax = 255;
    static constexpr int SpinMin = 2;
    static constexpr int SpinStep = 1;

    int32_t FAbfrageIntervall = 10; // detector poll interval [s]
    bool FUeberwachung = false;
    int32_t FUeberwachungsIntervall = 0; // [s]
    int8_t FReaktion = ReaktionWieSabotage;
};
