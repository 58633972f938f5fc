#include "objectmodel/TAzAlarmdauer.h"

#include "foundation/SprTexte.h"
#include "objectmodel/AzGrid.h"
#include "platform/log/Log.h"
#include "platform/vcl/TStringList.h"

using T = TAzAlarmdauer;

const T::TGeraet T::Geraete[4] = {
    {&T::FDauerBlitz, &T::FModusBlitz, RowModusBlitz, RowDauerBlitz, 11047, 11048, 254},
    {&T::FDauerAussenSirene, &T::FModusAussenSirene, RowModusAussenSirene, RowDauerAussenSirene,
     11045, 11046, 180},
    {&T::FDauerInnenSirene, &T::FModusInnenSirene, RowModusInnenSirene, RowDauerInnenSirene, 11049,
     11050, 180},
    {&T::FDauerRelais, &T::FModusRelais, RowModusRelais, RowDauerRelais, 11051, 11052, 254},
};

TAzAlarmdauer::TAzAlarmdauer(HWND window, int system, int parent, AnsiString name, int handle)
    : TAzObjekt(window, system, parent, std::move(name), handle) {
    LOG_FKT("TAzAlarmdauer::TAzAlarmdauer");
}

TAzAlarmdauer::~TAzAlarmdauer() {
    LOG_FKT("TAzAlarmdauer::~TAzAlarmdauer");
}

const TAzFelder<T> &TAzAlarmdauer::Felder() {
    LOG_FKT("TAzAlarmdauer::Felder");
    static const TAzFelder<T> felder{
        {&T::FDauerBlitz, &TDatenStruktur::Param3, 15010},
        {&T::FDauerAussenSirene, &TDatenStruktur::Param4, 15020},
        {&T::FDauerInnenSirene, &TDatenStruktur::Param5, 15030},
        {&T::FDauerRelais, &TDatenStruktur::Param6, 15040},
        {&T::FModusBlitz, &TDatenStruktur::Bool3},
        {&T::FModusAussenSirene, &TDatenStruktur::Bool4},
        {&T::FModusInnenSirene, &TDatenStruktur::Bool5},
        {&T::FModusRelais, &TDatenStruktur::Bool6},
    };
    return felder;
}

void TAzAlarmdauer::InitFromDB(TDatenStruktur &record) {
    LOG_FKT("TAzAlarmdauer::InitFromDB");
    TDataBasis::InitFromDB(record);
    Felder().InitFromDB(*this, record);
}

void TAzAlarmdauer::Write(TDatenStruktur &record) {
    LOG_FKT("TAzAlarmdauer::Write");
    TDataBasis::Write(record);
    Felder().Write(*this, record);
}

bool TAzAlarmdauer::WriteDataToDb() {
    LOG_FKT("TAzAlarmdauer::WriteDataToDb");
    return AzWriteDeviceParams(GetWindowHandle(), Felder().DeviceParams(*this));
}

void TAzAlarmdauer::BuildInfoWindow(TDrawGridSE *grid, TListView *, bool, int col, int row) {
    LOG_FKT("TAzAlarmdauer::BuildInfoWindow");
    if (!grid)
        return;
    AzPrepareGrid(*grid, *this);
    TStringList modi;
    modi.Add(SprText(11273));
    modi.Add(SprText(11274));
    bool weitere = false; // the first row reuses the grid's empty row
    for (const TGeraet &g : Geraete) {
        AddRowComboBox(grid, SprText(g.CaptionModus), g.RowModus, &modi, this->*g.Modus, 0,
                       weitere);
        weitere = true;
        if (this->*g.Modus == ModusZeit)
            AddRowSpinEdit(grid, SprText(g.CaptionDauer), g.RowDauer, DauerMax, DauerMin, DauerStep,
                           this->*g.Dauer, 0, true);
    }
    AzFinishGrid(*this, col, row);
}

void TAzAlarmdauer::GridComboBoxChange(TObject *sender, TCell &cell, int col, int row) {
    LOG_FKT("TAzAlarmdauer::GridComboBoxChange");
    auto *combo = dynamic_cast<TDrawGridSEComboBox *>(sender);
    if (!combo || (combo->ItemIndex != ModusImmerEin && combo->ItemIndex != ModusZeit))
        return;
    TAzEpilog e;
    for (const TGeraet &g : Geraete)
        if (cell.RowId == g.RowModus && AzTakeValue(this->*g.Modus, combo->ItemIndex)) {
            // Mode and duration go together: 255 is "always on" to the panel.
            this->*g.Dauer = this->*g.Modus == ModusZeit ? g.ZeitDefault : DauerImmerEin;
            e.Write = e.Post1126 = true;
        }
    e.Run(*this, col, row);
}

void TAzAlarmdauer::GridExitCell(TDrawGridSE *grid, TObject *editor, TCell &cell, int col,
                                 int row) {
    LOG_FKT("TAzAlarmdauer::GridExitCell");
    if (!grid || !editor || editor != grid->SpinEdit())
        return;
    const int wert = AzSpinWert(*grid->SpinEdit(), cell);
    TAzEpilog e;
    for (const TGeraet &g : Geraete)
        if (cell.RowId == g.RowDauer && AzTakeValue(this->*g.Dauer, wert))
            e.Write = e.Post1163 = true;
    e.Run(*this, col, row);
}
