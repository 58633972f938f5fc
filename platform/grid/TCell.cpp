#include "platform/grid/TCell.h"

#include "platform/log/Log.h"

TCell::TCell() {
    LOG_FKT("TCell::TCell");
    Clear();
}

TCell::~TCell() {
    LOG_FKT("TCell::~TCell");
}

void TCell::Clear() {
    LOG_FKT("TCell::Clear");
    Kind = ckEmpty;
    RowId = 0;
    HelpIndex = 0;
    Text.clear();
    Data = nullptr;
    MaxLength = 0;
    Items.clear();
    Werte.clear();
    ItemIndex = -1;
    Style = csDropDown;
    Flag = false;
    MinValue = 0;
    MaxValue = 0;
    Increment = 1;
    Value = 0;
    GroupState = gtsNone;
}
