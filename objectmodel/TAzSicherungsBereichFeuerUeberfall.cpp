#include "objectmodel/TAzSicherungsBereichFeuerUeberfall.h"

#include "objectmodel/AzGrid.h"
#include "platform/log/Log.h"

TAzFeuerUeberfallBereich::TAzFeuerUeberfallBereich(HWND window, int system, int parent,
                                                   AnsiString name, int handle)
    : TAzBasis(window, system, parent, std::move(name), handle) {
    LOG_FKT("TAzFeuerUeberfallBereich::TAzFeuerUeberfallBereich");
}

TAzFeuerUeberfallBereich::~TAzFeuerUeberfallBereich() {
    LOG_FKT("TAzFeuerUeberfallBereich::~TAzFeuerUeberfallBereich");
}

void TAzFeuerUeberfallBereich::BuildInfoWindow(TDrawGridSE *grid, TListView *, bool, int, int) {
    LOG_FKT("TAzFeuerUeberfallBereich::BuildInfoWindow");
    if (!grid)
        return;
    AzPrepareGrid(*grid, *this);
    // After the preparation, which clears the Tag.
    if (GetFlagA())
        grid->Tag = -1;
}

TAzSicherungsBereichFeuer::TAzSicherungsBereichFeuer(HWND window, int system, int parent,
                                                     AnsiString name, int handle)
    : TAzEintrag(window, system, parent, std::move(name), handle) {
    LOG_FKT("TAzSicherungsBereichFeuer::TAzSicherungsBereichFeuer");
}

TAzSicherungsBereichFeuer::~TAzSicherungsBereichFeuer() {
    LOG_FKT("TAzSicherungsBereichFeuer::~TAzSicherungsBereichFeuer");
}

TAzSicherungsBereichUeberfall::TAzSicherungsBereichUeberfall(HWND window, int system, int parent,
                                                             AnsiString name, int handle)
    : TAzEintrag(window, system, parent, std::move(name), handle) {
    LOG_FKT("TAzSicherungsBereichUeberfall::TAzSicherungsBereichUeberfall");
}

TAzSicherungsBereichUeberfall::~TAzSicherungsBereichUeberfall() {
    LOG_FKT("TAzSicherungsBereichUeberfall::~TAzSicherungsBereichUeberfall");
}
