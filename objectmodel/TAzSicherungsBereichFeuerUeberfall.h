// The fire area and the hold-up area: the two areas that every configuration has besides
// security areas 1 to 4. Each is a tree node whose children are the fire detectors (kind 0,
// area 5) or the hold-up detectors (kind 1, area 6); the project window lists them, so the
// areas show no grid rows, hold no parameters and write none. The twins differ only in their
// class-table entry.
#pragma once

#include "objectmodel/TAzObjekt.h"

// What the twins share.
class TAzFeuerUeberfallBereich : public TAzBasis<TDataBasis> {
public:
    TAzFeuerUeberfallBereich(HWND window, int system, int parent, AnsiString name, int handle);
    ~TAzFeuerUeberfallBereich() override;

    // The grid is prepared with the handlers and stays empty (no rows, no 1136); with flag A
    // set its Tag is -1.
    void BuildInfoWindow(TDrawGridSE *grid, TListView *listView, bool, int col, int row) override;
    bool DatenAbgleich(bool, bool) override {
        LOG_FKT("TAzFeuerUeberfallBereich::DatenAbgleich");
        return DatenAbgleichDefaultName();
    }
};

class TAzSicherungsBereichFeuer
    : public TAzEintrag<TAzFeuerUeberfallBereich, AzKlasse::SicherungsBereichFeuer> {
public:
    TAzSicherungsBereichFeuer(HWND window, int system, int parent, AnsiString name, int handle);
    ~TAzSicherungsBereichFeuer() override;
};

class TAzSicherungsBereichUeberfall
    : public TAzEintrag<TAzFeuerUeberfallBereich, AzKlasse::SicherungsBereichUeberfall> {
public:
    TAzSicherungsBereichUeberfall(HWND window, int system, int parent, AnsiString name, int handle);
    ~TAzSicherungsBereichUeberfall() override;
};
