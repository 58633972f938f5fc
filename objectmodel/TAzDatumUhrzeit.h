// The panel's clock settings (type 6147): whether it has a system clock, whether it switches
// between summer and winter time by itself, and the two switching values. Only the system-clock
// choice has a grid row; all four are written as device parameters. Setting the panel's clock
// over the bus is the device instance's work.
#pragma once

#include "objectmodel/AzFelder.h"
#include "objectmodel/TAzObjekt.h"
#include "platform/log/Log.h"

#include <cstdint>

class TAzDatumUhrzeit : public TAzObjekt<TDataBasis, AzKlasse::DatumUhrzeit> {
public:
    enum : int { RowSystemUhr = 1 };

    TAzDatumUhrzeit(HWND window, int system, int parent, AnsiString name, int handle);
    ~TAzDatumUhrzeit() override;

    void InitFromDB(TDatenStruktur &record) override;
    void Write(TDatenStruktur &record) override;
    bool DatenAbgleich(bool, bool) override {
        LOG_FKT("TAzDatumUhrzeit::DatenAbgleich");
        return DatenAbgleichDefaultName();
    }
    void BuildInfoWindow(TDrawGridSE *grid, TListView *listView, bool, int col, int row) override;
    // 10050 system clock present, 10020 automatic switching, 10030 summer-to-winter value,
    // 10040 winter-to-summer value.
    bool WriteDataToDb();

    bool GetStatusSystemUhrVorhanden() const;

    void GridComboBoxChange(TObject *sender, TCell &cell, int col, int row);

private:
    static const TAzFelder<TAzDatumUhrzeit> &Felder();

    bool FSystemUhr = true;
    bool FAutoUmschaltung = true;
    int8_t FSommerWinter = 10;
    int8_t FWinterSommer = 3;
};
