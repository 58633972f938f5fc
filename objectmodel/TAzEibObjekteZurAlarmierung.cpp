#include "objectmodel/TAzEibObjekteZurAlarmierung.h"

#include "objectmodel/AzGrid.h"
#include "platform/log/Log.h"

TAzEibObjekteZurAlarmierung::TAzEibObjekteZurAlarmierung(HWND window, int system, int parent,
                                                         AnsiString name, int handle)
    : TAzObjekt(window, system, parent, std::move(name), handle) {
    LOG_FKT("TAzEibObjekteZurAlarmierung::TAzEibObjekteZurAlarmierung");
}

TAzEibObjekteZurAlarmierung::~TAzEibObjekteZurAlarmierung() {
    LOG_FKT("TAzEibObjekteZurAlarmierung::~TAzEibObjekteZurAlarmierung");
}

void TAzEibObjekteZurAlarmierung::BuildInfoWindow(TDrawGridSE *grid, TListView *, bool, int col,
                                                  int row) {
    LOG_FKT("TAzEibObjekteZurAlarmierung::BuildInfoWindow");
    if (grid)
        AzBuildGridOhneZeilen(*grid, *this, col, row);
}

bool TAzEibObjekteZurAlarmierung::CallModifyEibObjekteZurAlarmierung(int a, int b, int c) {
    LOG_FKT("TAzEibObjekteZurAlarmierung::CallModifyEibObjekteZurAlarmierung");
    RDeviceRequest request(*this, AzRequest::EtsObjektHinzufuegen);
    request.Wert2 = a;
    request.Wert3 = b;
    request.Wert4 = c;
    return request.Send(WM_AZ_DEVICE_REQUEST_2) != 0;
}
