// How long each signal device (flash, outer siren, inner siren, relay) stays on after an alarm
// (type 6140): always ("Immer-Ein", duration 255) or for a time (in s; the relay in 10 s). Each
// device has a mode row and, in mode "Zeit", a spin row for its time.
#pragma once

#include "objectmodel/AzFelder.h"
#include "objectmodel/TAzObjekt.h"

#include <cstdint>

class TAzAlarmdauer : public TAzObjekt<TDataBasis, AzKlasse::Alarmdauer> {
public:
    // Row ids: mode and time of flash, outer siren, inner siren, relay.
    enum : int {
        RowModusBlitz = 1,
        RowDauerBlitz = 2,
        RowModusAussenSirene = 3,
        RowDauerAussenSirene = 4,
        RowModusInnenSirene = 5,
        RowDauerInnenSirene = 6,
        RowModusRelais = 7,
        RowDauerRelais = 8,
    };
    enum : int8_t { ModusImmerEin = 0, ModusZeit = 1 };
    static constexpr int32_t DauerImmerEin = 255;

    TAzAlarmdauer(HWND window, int system, int parent, AnsiString name, int handle);
    ~TAzAlarmdauer() override;

    void InitFromDB(TDatenStruktur &record) override;
    void Write(TDatenStruktur &record) override;
    bool DatenAbgleich(bool, bool) override {
        LOG_FKT("TAzAlarmdauer::DatenAbgleich");
        return DatenAbgleichDefaultName();
    }
    void BuildInfoWindow(TDrawGridSE *grid, TListView *listView, bool, int col, int row) override;
    // 15010 .. 15040: the four durations (255 keeps the device on); the modes are not written.
    bool WriteDataToDb();

    void GridComboBoxChange(TObject *sender, TCell &cell, int col, int row);
    void GridExitCell(TDrawGridSE *grid, TObject *editor, TCell &cell, int col, int row);

private:
    // One signal device: its members, rows, captions and the time a change to "Zeit" starts at.
    struct TGeraet {
        int32_t TAzAlarmdauer::*Dauer;
        int8_t TAzAlarmdauer::*Modus;
        int RowModus;
        int RowDauer;
        int CaptionModus;
        int CaptionDauer;
        int32_t ZeitDefault;
    };
    static const TGeraet Geraete[4];
    static const TAzFelder<TAzAlarmdauer> &Felder();

    static constexpr int DauerMax = 254;
    static constexpr int DauerMin = 2;
    static constexpr int DauerStep = 1;

    int32_t FDauerBlitz = DauerImmerEin;
    int32_t FDauerAussenSirene = 180;
    int32_t FDauerInnenSirene = 180;
    int32_t FDauerRelais = DauerImmerEin;
    int8_t FModusBlitz = ModusImmerEin;
    int8_t FModusAussenSirene = ModusZeit;
    int8_t FModusInnenSirene = ModusZeit;
    int8_t FModusRelais = ModusImmerEin;
};
