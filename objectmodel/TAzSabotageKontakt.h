// The wired sabotage (tamper) input of the panel itself: one per panel. Its grid chooses the
// terminating resistor of the tamper loop; it writes that choice and a parameter word packed
// like the detector parameter word from fields that no row edits.
#pragma once

#include "objectmodel/AzFelder.h"
#include "objectmodel/TAzObjekt.h"

#include <cstdint>

class TAzSabotageKontakt : public TAzObjekt<TDataBasis, AzKlasse::SabotageKontakt> {
public:
    enum : int { RowWiderstand = 2 };

    TAzSabotageKontakt(HWND window, int system, int parent, AnsiString name, int handle);
    ~TAzSabotageKontakt() override;

    void InitFromDB(TDatenStruktur &record) override;
    void Write(TDatenStruktur &record) override;
    void BuildInfoWindow(TDrawGridSE *grid, TListView *listView, bool, int col, int row) override;
    bool DatenAbgleich(bool, bool) override {
        LOG_FKT("TAzSabotageKontakt::DatenAbgleich");
        return DatenAbgleichDefaultName();
    }

    // 4630 the resistor, then 4610 the parameter word.
    bool WriteDataToDb();
    uint32_t GetMelderParameterblock() const;
    int8_t GetWiderstand() const {
        LOG_FKT("TAzSabotageKontakt::GetWiderstand");
        return FWiderstand;
    }

    void GridComboBoxChange(TObject *sender, TCell &cell, int col, int row);

private:
    static const TAzFelder<TAzSabotageKontakt> &Felder();

    int8_t FWiderstand = 0; // 0 "0 Ohm", 1 "12 KOhm", 2 "47 KOhm"
    // The fields of the parameter word.
    int8_t FEingangsTyp = 1;
    int8_t FBereich = 7;
    int32_t FTextIndex = 0;
    int8_t FTyp = 0;
    bool FAktiv = true;
};
