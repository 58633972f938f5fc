#include "objectmodel/TAzSabotageKontakt.h"

#include "foundation/SprTexte.h"
#include "objectmodel/AzDeviceParam.h"
#include "objectmodel/AzGrid.h"
#include "objectmodel/AzMelderParameter.h"
#include "platform/log/Log.h"
#include "platform/vcl/TStringList.h"

namespace {
constexpr int16_t ParamWiderstand = 4630;
constexpr int16_t ParamWort = 4610;
} // namespace

TAzSabotageKontakt::TAzSabotageKontakt(HWND window, int system, int parent, AnsiString name,
                                       int handle)
    : TAzObjekt(window, system, parent, std::move(name), handle) {
    LOG_FKT("TAzSabotageKontakt::TAzSabotageKontakt");
}

TAzSabotageKontakt::~TAzSabotageKontakt() {
    LOG_FKT("TAzSabotageKontakt::~TAzSabotageKontakt");
}

const TAzFelder<TAzSabotageKontakt> &TAzSabotageKontakt::Felder() {
    LOG_FKT("TAzSabotageKontakt::Felder");
    static const TAzFelder<TAzSabotageKontakt> felder{
        {&TAzSabotageKontakt::FWiderstand, &TDatenStruktur::Param3, ParamWiderstand},
        {&TAzSabotageKontakt::FEingangsTyp, &TDatenStruktur::Param4},
        {&TAzSabotageKontakt::FBereich, &TDatenStruktur::Param5},
        {&TAzSabotageKontakt::FTextIndex, &TDatenStruktur::Param6},
        {&TAzSabotageKontakt::FTyp, &TDatenStruktur::Param7},
        {&TAzSabotageKontakt::FAktiv, &TDatenStruktur::Bool3},
    };
    return felder;
}

void TAzSabotageKontakt::InitFromDB(TDatenStruktur &record) {
    LOG_FKT("TAzSabotageKontakt::InitFromDB");
    TAzObjekt::InitFromDB(record);
    Felder().InitFromDB(*this, record);
}

void TAzSabotageKontakt::Write(TDatenStruktur &record) {
    LOG_FKT("TAzSabotageKontakt::Write");
    TAzObjekt::Write(record);
    Felder().Write(*this, record);
}

uint32_t TAzSabotageKontakt::GetMelderParameterblock() const {
    LOG_FKT("TAzSabotageKontakt::GetMelderParameterblock");
    return AzMelderParameterblock(FEingangsTyp, FBereich, FTextIndex, FTyp, FAktiv);
}

bool TAzSabotageKontakt::WriteDataToDb() {
    LOG_FKT("TAzSabotageKontakt::WriteDataToDb");
    std::vector<TAzParameter> params = Felder().DeviceParams(*this);
    params.push_back({ParamWort, static_cast<int32_t>(GetMelderParameterblock())});
    return AzWriteDeviceParams(GetWindowHandle(), params);
}

void TAzSabotageKontakt::BuildInfoWindow(TDrawGridSE *grid, TListView *, bool, int col, int row) {
    LOG_FKT("TAzSabotageKontakt::BuildInfoWindow");
    if (!grid)
        return;
    AzPrepareGrid(*grid, *this);
    TStringList widerstaende;
    widerstaende.Add(SprText(11279));
    widerstaende.Add(SprText(11280));
    widerstaende.Add(SprText(11281));
    AddRowComboBox(grid, SprText(11044), RowWiderstand, &widerstaende, FWiderstand, 0, false);
    AzFinishGrid(*this, col, row);
}

void TAzSabotageKontakt::GridComboBoxChange(TObject *sender, TCell &cell, int col, int row) {
    LOG_FKT("TAzSabotageKontakt::GridComboBoxChange");
    auto *combo = dynamic_cast<TDrawGridSEComboBox *>(sender);
    if (!combo)
        return;
    TAzEpilog e;
    if (cell.RowId == RowWiderstand && combo->ItemIndex >= 0 &&
        AzTakeValue(FWiderstand, combo->ItemIndex))
        e.Write = e.Post1163 = true;
    e.Run(*this, col, row);
}
