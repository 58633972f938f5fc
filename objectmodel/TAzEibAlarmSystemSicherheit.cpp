#include "objectmodel/TAzEibAlarmSystemSicherheit.h"

#include "foundation/SprTexte.h"
#include "objectmodel/AzGrid.h"
#include "platform/log/Log.h"
#include "platform/vcl/TStringList.h"
#include "platform/win/MessageBox.h"

using T = TAzEibAlarmSystemSicherheit;

TAzEibAlarmSystemSicherheit::TAzEibAlarmSystemSicherheit(HWND window, int system, int parent,
                                                         AnsiString name, int handle)
    : TAzObjekt(window, system, parent, std::move(name), handle) {
    LOG_FKT("TAzEibAlarmSystemSicherheit::TAzEibAlarmSystemSicherheit");
}

TAzEibAlarmSystemSicherheit::~TAzEibAlarmSystemSicherheit() {
    LOG_FKT("TAzEibAlarmSystemSicherheit::~TAzEibAlarmSystemSicherheit");
}

const TAzFelder<T> &TAzEibAlarmSystemSicherheit::Felder() {
    LOG_FKT("TAzEibAlarmSystemSicherheit::Felder");
    static const TAzFelder<T> felder{
        {&T::FAbfrageIntervall, &TDatenStruktur::Param3},
        {&T::FUeberwachungsIntervall, &TDatenStruktur::Param4},
        {&T::FReaktion, &TDatenStruktur::Bool3},
        {&T::FUeberwachung, &TDatenStruktur::Bool4},
    };
    return felder;
}

void TAzEibAlarmSystemSicherheit::InitFromDB(TDatenStruktur &record) {
    LOG_FKT("TAzEibAlarmSystemSicherheit::InitFromDB");
    TDataBasis::InitFromDB(record);
    Felder().InitFromDB(*this, record);
}

void TAzEibAlarmSystemSicherheit::Write(TDatenStruktur &record) {
    LOG_FKT("TAzEibAlarmSystemSicherheit::Write");
    TDataBasis::Write(record);
    Felder().Write(*this, record);
}

bool TAzEibAlarmSystemSicherheit::WriteDataToDb() {
    LOG_FKT("TAzEibAlarmSystemSicherheit::WriteDataToDb");
    // The on/off state reaches the panel only through the interval: with the monitoring off the
    // interval and the reaction go out as 0, whether or not the grid has cleared them since the
    // record was loaded.
    return AzWriteDeviceParams(GetWindowHandle(),
                               {{10090, FAbfrageIntervall},
                                {10080, FUeberwachung ? FUeberwachungsIntervall : 0},
                                {7160, FUeberwachung ? FReaktion : ReaktionWieSabotage}});
}

bool TAzEibAlarmSystemSicherheit::GetStatusHeartBeatUeberwachung() const {
    LOG_FKT("TAzEibAlarmSystemSicherheit::GetStatusHeartBeatUeberwachung");
    return FUeberwachung;
}

void TAzEibAlarmSystemSicherheit::BuildInfoWindow(TDrawGridSE *grid, TListView *, bool, int col,
                                                  int row) {
    LOG_FKT("TAzEibAlarmSystemSicherheit::BuildInfoWindow");
    if (!grid)
        return;
    AzPrepareGrid(*grid, *this);
    AddRowSpinEdit(grid, SprText(11032), RowAbfrageIntervall, SpinMax, SpinMin, SpinStep,
                   FAbfrageIntervall, 0, false);
    AddRowComboBoxYes(grid, SprText(11346), RowUeberwachung,
                      FUeberwachung ? T_DB_EnumDataBasis::eTrue : T_DB_EnumDataBasis::eFalse, 0,
                      true);
    if (FUeberwachung) {
        AddRowSpinEdit(grid, SprText(11029), RowUeberwachungsIntervall, SpinMax, SpinMin, SpinStep,
                       FUeberwachungsIntervall, 0, true);
        TStringList reaktionen;
        reaktionen.Add(SprText(11156));
        reaktionen.Add(SprText(11155));
        AddRowComboBox(grid, SprText(11028), RowReaktion, &reaktionen, FReaktion, 0, true);
    } else {
        FUeberwachungsIntervall = 0;
        FReaktion = ReaktionWieSabotage;
    }
    AzFinishGrid(*this, col, row);
}

void TAzEibAlarmSystemSicherheit::GridComboBoxChange(TObject *sender, TCell &cell, int col,
                                                     int row) {
    LOG_FKT("TAzEibAlarmSystemSicherheit::GridComboBoxChange");
    auto *combo = dynamic_cast<TDrawGridSEComboBox *>(sender);
    if (!combo)
        return;
    TAzEpilog e;
    bool neu = false;
    switch (cell.RowId) {
    case RowUeberwachung:
        if (AzJaNeinWert(*combo, neu) && neu != FUeberwachung)
            ChangeUeberwachung(neu, e);
        break;
    case RowReaktion:
        // Only the two reactions of the list; no selection is no choice.
        if ((combo->ItemIndex == ReaktionWieSabotage || combo->ItemIndex == ReaktionUegStoerung) &&
            AzTakeValue(FReaktion, combo->ItemIndex))
            e.Write = e.Post1163 = true;
        break;
    default:
        break;
    }
    e.Run(*this, col, row);
}

void TAzEibAlarmSystemSicherheit::ChangeUeberwachung(bool neu, TAzEpilog &e) {
    LOG_FKT("TAzEibAlarmSystemSicherheit::ChangeUeberwachung");
    // Written and rebuilt in every case, so the rows follow and the combo box shows the kept
    // value.
    e.Write = e.Post1126 = true;
    if (neu) {
        FUeberwachungsIntervall = StartIntervall;
        FReaktion = ReaktionWieSabotage;
    } else {
        if (MessageBox(GetWindowHandle(), SprText(11097), SprText(11096),
                       MB_YESNO | MB_ICONQUESTION) != IDYES)
            return;
        FUeberwachungsIntervall = 0;
    }
    FUeberwachung = neu;
    // The device instance adds or removes the monitoring bus objects; its answer changes nothing.
    RDeviceRequest request(*this, AzRequest::FunktionsUeberwachung);
    request.Wert = neu ? 1 : 0;
    request.Send(WM_AZ_DEVICE_REQUEST);
}

void TAzEibAlarmSystemSicherheit::GridExitCell(TDrawGridSE *grid, TObject *editor, TCell &cell,
                                               int col, int row) {
    LOG_FKT("TAzEibAlarmSystemSicherheit::GridExitCell");
    if (!grid || !editor || editor != grid->SpinEdit())
        return;
    const int32_t wert = AzSpinWert(*grid->SpinEdit(), cell);
    TAzEpilog e;
    // Leaving a spin cell rewrites the record and refreshes the other windows, changed or not.
    switch (cell.RowId) {
    case RowAbfrageIntervall:
        FAbfrageIntervall = wert;
        e.Write = e.Post1163 = true;
        break;
    case RowUeberwachungsIntervall:
        FUeberwachungsIntervall = wert;
        e.Write = e.Post1163 = true;
        break;
    default:
        break;
    }
    e.Run(*this, col, row);
}
