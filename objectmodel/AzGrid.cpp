#include "objectmodel/AzGrid.h"

#include "platform/log/Log.h"
#include "platform/objectbase/MainWindowMessages.h"

void TAzEpilog::Run(TDataBasis &object, int col, int row) const {
    LOG_FKT("TAzEpilog::Run");
    const HWND window = object.GetWindowHandle();
    if (Write)
        object.WriteDatensatz();
    if (Post1157)
        PostMessage(window, WM_AZ_ABGLEICH_FORMVERW, static_cast<WPARAM>(col), row);
    if (Post1126)
        PostMessage(window, WM_AZ_AKTUALISIERE_ANSICHT, static_cast<WPARAM>(col), row);
    if (Post1163)
        PostMessage(window, WM_AZ_REFRESH_OTHER_WINDOWS, 0, 0);
    if (Post1138)
        PostMessage(window, WM_AZ_UPDATE_TREE_NAMES, 0, 0);
}

void AzFinishGrid(TDataBasis &object, int col, int row) {
    LOG_FKT("AzFinishGrid");
    if (col >= 0 || row >= 0)
        PostMessage(object.GetWindowHandle(), WM_AZ_ACTIVATE_CELL, static_cast<WPARAM>(col), row);
}
