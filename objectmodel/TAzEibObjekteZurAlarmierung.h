// The tree node under which the panel's bus objects for alarming stand (type 6141): the project
// window lists its children; it has no parameters and writes no device parameter.
#pragma once

#include "objectmodel/TAzObjekt.h"

class TAzEibObjekteZurAlarmierung
    : public TAzObjekt<TDataBasis, AzKlasse::EibObjekteZurAlarmierung> {
public:
    TAzEibObjekteZurAlarmierung(HWND window, int system, int parent, AnsiString name, int handle);
    ~TAzEibObjekteZurAlarmierung() override;

    bool DatenAbgleich(bool, bool) override {
        LOG_FKT("TAzEibObjekteZurAlarmierung::DatenAbgleich");
        return DatenAbgleichDefaultName();
    }
    // No rows: the grid is prepared with the handlers (none has an effect); with flag A set it
    // is tagged -1 (the object shows nothing).
    void BuildInfoWindow(TDrawGridSE *grid, TListView *listView, bool, int col, int row) override;

    // Asks the device instance (request 8, message 1161) to add a bus object by display order:
    // device-parameter id a, its new value b, further argument c. True when done.
    bool CallModifyEibObjekteZurAlarmierung(int a, int b, int c);
};
