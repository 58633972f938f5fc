// The root of one panel device (type 105): the panel-wide settings of the system grid and the
// configuration variant word, which decides which security and arming areas exist (one byte
// per security area, area 1 in bits 31-24; an area exists when its byte is not 0).
//
// The model class for the other panel classes: class-table entry through TAzObjekt, members
// with their record fields and parameter ids in one table (Felder), rows with fixed ids,
// handlers that end in the epilogue, requests through RDeviceRequest.
#pragma once

#include "objectmodel/AzFelder.h"
#include "objectmodel/TAzObjekt.h"
#include "platform/busobjects/TVumaEtsDevice.h"

#include <cstdint>

class TAzSystem : public TAzObjekt<TVumaEtsDevice, AzKlasse::System> {
public:
    // Row ids of the system grid (there is no row 2).
    enum : int {
        RowVariante = 1,
        RowImpuls = 3,
        RowScharfQuittierung = 4,
        RowUnscharfQuittierung = 5,
        RowBusspannung = 6,
    };
    static constexpr uint32_t DefaultVarianteAz = 0x11330000; // "Konfiguration 2.1"

    // The device instance passes 0 for deviceId and spareId when it loads a device.
    TAzSystem(HWND window, int system, int parent, AnsiString name, long deviceId, long spareId,
              int handle);
    ~TAzSystem() override;

    void InitFromDB(TDatenStruktur &record) override;
    void Write(TDatenStruktur &record) override;
    void BuildInfoWindow(TDrawGridSE *grid, TListView *listView, bool, int col, int row) override;
    // 10070 variant word, 10060 flag, 10110 pulse, 10120 arm time, 10130 disarm time,
    // 10010 bus-voltage return, 10140 event-memory depth.
    bool WriteDataToDb();

    uint32_t GetParamVarianteAz() const {
        LOG_FKT("TAzSystem::GetParamVarianteAz");
        return FVarianteAz;
    }
    void SetParamVarianteAz(uint32_t variante); // no check
    // The label of one of the 15 valid words ("Konfiguration 2.1"), empty for any other.
    static AnsiString GetTextVarianteAz(uint32_t variante);
    // Depth by the number of areas: 1 -> 255, 2 -> 160, 3 -> 106, 4 -> 80; any other number
    // leaves the depth as it is.
    void SetEreignisspeichertiefe(int typ);
    uint8_t GetEreignisspeichertiefe() const {
        LOG_FKT("TAzSystem::GetEreignisspeichertiefe");
        return FEreignisspeichertiefe;
    }

    void GridComboBoxChange(TObject *sender, TCell &cell, int col, int row);
    void GridExitCell(TDrawGridSE *grid, TObject *editor, TCell &cell, int col, int row);
    void GridEllipseClick(TObject *sender, TCell &cell, int col, int row);
    // The spin editor back to its maximum or minimum; the record is not written.
    void GridSpinEditOverflow(TDrawGridSE *grid, TObject *editor, TCell &cell, int col, int row,
                              double value);
    void GridSpinEditUnderflow(TDrawGridSE *grid, TObject *editor, TCell &cell, int col, int row,
                               double value);

private:
    static const TAzFelder<TAzSystem> &Felder();
    // The variant change behind row 1: the dialog (request 0), the question, request 4.
    void ChangeVariante(int col, int row);

    static constexpr int SpinMax = 255;
    static constexpr int SpinStep = 1;
    static constexpr int ImpulsMin = 2;
    static constexpr int ScharfQuittierungMin = 2;
    static constexpr int UnscharfQuittierungMin = 2;

    uint32_t FVarianteAz = DefaultVarianteAz;
    bool FGeraeteVersion = false; // no row; 0 is the surface-mounted panel
    int32_t FImpuls = 5;          // arming pulse [s]
    int32_t FScharfQuittierung = 5;
    int32_t FUnscharfQuittierung = 10;
    int8_t FBusspannung = 0; // 0 "Letzter Zustand", 1 "Alle SSB unscharf"
    uint8_t FEreignisspeichertiefe = 160;
};
