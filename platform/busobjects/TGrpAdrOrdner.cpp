#include "platform/busobjects/TGrpAdrOrdner.h"

#include "platform/busobjects/TVumaGrpAdr.h"
#include "platform/log/Log.h"

TGrpAdrOrdner::TGrpAdrOrdner(HWND window, int system, int parent, AnsiString name, int handle)
    : TOrdner(window, system, parent, std::move(name), handle) {
    LOG_FKT("TGrpAdrOrdner::TGrpAdrOrdner");
}

TGrpAdrOrdner::~TGrpAdrOrdner() {
    LOG_FKT("TGrpAdrOrdner::~TGrpAdrOrdner");
}

int TGrpAdrOrdner::GetTyp() const {
    LOG_FKT("TGrpAdrOrdner::GetTyp");
    return Typ;
}

int TGrpAdrOrdner::ListStyle() const {
    LOG_FKT("TGrpAdrOrdner::ListStyle");
    return 0;
}

int TGrpAdrOrdner::GetIcon() const {
    LOG_FKT("TGrpAdrOrdner::GetIcon");
    return Icon;
}

bool TGrpAdrOrdner::AllowChild(int typ) const {
    LOG_FKT("TGrpAdrOrdner::AllowChild");
    return typ == TVumaGrpAdrMain::Typ;
}

bool TGrpAdrOrdner::AllowDrop(TDataBasis *) {
    LOG_FKT("TGrpAdrOrdner::AllowDrop");
    return false;
}

void TGrpAdrOrdner::Drop(TDataBasis *) {
    LOG_FKT("TGrpAdrOrdner::Drop");
}
