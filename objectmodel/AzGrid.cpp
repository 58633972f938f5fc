#include "objectmodel/AzGrid.h"

#include "objectmodel/RDeviceRequest.h"
#include "platform/log/Log.h"
#include "platform/objectbase/MainWindowMessages.h"

#include <algorithm>
#include <string>

void TAzEpilog::Run(TDataBasis &object, int col, int row) const {
    LOG_FKT("TAzEpilog::Run");
    const HWND window = object.GetWindowHandle();
    if (Write)
        object.WriteDatensatz();
    if (Post1157)
        AzMsg::Post(window, AzMsg::AbgleichFormVerw{col, row});
    if (Post1126)
        AzMsg::Post(window, AzMsg::AktualisiereAnsicht{col, row});
    if (Post1163)
        AzMsg::Post(window, AzMsg::RefreshOtherWindows{});
    if (Post1138)
        AzMsg::Post(window, AzMsg::UpdateTreeNames{});
}

void AzFinishGrid(TDataBasis &object, int col, int row) {
    LOG_FKT("AzFinishGrid");
    if (col >= 0 || row >= 0)
        AzMsg::Post(object.GetWindowHandle(), AzMsg::ActivateCell{col, row});
}

bool AzJaNeinWert(const TDrawGridSEComboBox &combo, bool &value) {
    LOG_FKT("AzJaNeinWert");
    if (combo.ItemIndex != T_DB_EnumDataBasis::eFalse &&
        combo.ItemIndex != T_DB_EnumDataBasis::eTrue)
        return false;
    value = combo.ItemIndex == T_DB_EnumDataBasis::eTrue;
    return true;
}

int AzSpinWert(const TDrawGridSESpinEdit &spin, TCell &cell) {
    LOG_FKT("AzSpinWert");
    const int wert = std::clamp(spin.Value, std::min(spin.MinValue, spin.MaxValue),
                                std::max(spin.MinValue, spin.MaxValue));
    if (wert != spin.Value) {
        cell.Value = wert;
        cell.Text = std::to_string(wert);
    }
    return wert;
}

bool AzAnfrageUmschalter(TDataBasis &sender, uint8_t code, int32_t wert, bool neu, TAzEpilog &e) {
    LOG_FKT("AzAnfrageUmschalter");
    RDeviceRequest request(sender, code);
    request.Wert = wert;
    request.Wert4 = neu ? 1 : 0;
    if (request.Send(WM_AZ_DEVICE_REQUEST) == 0)
        return false;
    e.Write = e.Post1126 = true;
    return true;
}
