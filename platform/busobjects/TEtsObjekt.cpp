#include "platform/busobjects/TEtsObjekt.h"

#include "platform/log/Log.h"
#include "platform/objectbase/MainWindowMessages.h"

TEtsObjekt::TEtsObjekt(HWND window, int system, int parent, AnsiString name, long commObjectId,
                       long deviceObjectId, long objectNumber, long reference, long parameterId,
                       long flags, int objectKind, int objectType, int direction, int, int handle)
    : TObjektBasis(window, system, parent, std::move(name), handle), FCommObjectId(commObjectId),
      FDeviceObjectId(deviceObjectId), FObjectNumber(objectNumber), FReference(reference),
      FParameterId(parameterId), FFlags(flags), FObjectKind(objectKind), FObjectType(objectType),
      FDirection(direction) {
    LOG_FKT("TEtsObjekt::TEtsObjekt");
}

TEtsObjekt::~TEtsObjekt() {
    LOG_FKT("TEtsObjekt::~TEtsObjekt");
}

int TEtsObjekt::GetTyp() const {
    LOG_FKT("TEtsObjekt::GetTyp");
    return Typ;
}

int TEtsObjekt::ListStyle() const {
    LOG_FKT("TEtsObjekt::ListStyle");
    return 1;
}

int TEtsObjekt::GetIcon() const {
    LOG_FKT("TEtsObjekt::GetIcon");
    return GetSubGroupLinks().empty() ? IconOhneGrpAdr : IconMitGrpAdr;
}

bool TEtsObjekt::AllowChild(int) const {
    LOG_FKT("TEtsObjekt::AllowChild");
    return false;
}

bool TEtsObjekt::AllowDrop(TDataBasis *) {
    LOG_FKT("TEtsObjekt::AllowDrop");
    return false;
}

void TEtsObjekt::Drop(TDataBasis *) {
    LOG_FKT("TEtsObjekt::Drop");
}

void TEtsObjekt::InitFromDB(TDatenStruktur &record) {
    LOG_FKT("TEtsObjekt::InitFromDB");
    TObjektBasis::InitFromDB(record);
    FParameterWert = record.Param17;
    FObjectNumber = record.Param4;
    FDeviceId = record.Param5;
    FReference = record.Param6;
    FFlags = record.Param7;
    FObjectType = record.Param8;
    FCommObjectId = record.Param9;
    FDeviceObjectId = record.Param10;
    FObjectKind = record.Param11;
    FDirection = record.Param12;
    FParameterId = record.Param16;
}

void TEtsObjekt::Write(TDatenStruktur &record) {
    LOG_FKT("TEtsObjekt::Write");
    TObjektBasis::Write(record);
    record.Param3 = FParameterWert;
    record.Param17 = FParameterWert;
    record.Param4 = static_cast<int32_t>(FObjectNumber);
    record.Param5 = static_cast<int32_t>(FDeviceId);
    record.Param6 = static_cast<int32_t>(FReference);
    record.Param7 = static_cast<int32_t>(FFlags);
    record.Param8 = FObjectType;
    record.Param9 = static_cast<int32_t>(FCommObjectId);
    record.Param10 = static_cast<int32_t>(FDeviceObjectId);
    record.Param11 = FObjectKind;
    record.Param12 = FDirection;
    record.Param16 = static_cast<int32_t>(FParameterId);
}

bool TEtsObjekt::DatenAbgleich(bool, bool) {
    LOG_FKT("TEtsObjekt::DatenAbgleich");
    return DatenAbgleichDefaultName();
}

char TEtsObjekt::GetEtsObjektTyp() const {
    LOG_FKT("TEtsObjekt::GetEtsObjektTyp");
    return static_cast<char>(FObjectType - 1);
}

void TEtsObjekt::SetCommObjectId(long id) {
    LOG_FKT("TEtsObjekt::SetCommObjectId");
    FCommObjectId = id;
}

void TEtsObjekt::SetDeviceObjectId(long id) {
    LOG_FKT("TEtsObjekt::SetDeviceObjectId");
    FDeviceObjectId = id;
}

void TEtsObjekt::SetParameterId(long id) {
    LOG_FKT("TEtsObjekt::SetParameterId");
    FParameterId = id;
}

void TEtsObjekt::SetEtsDeviceId(long id) {
    LOG_FKT("TEtsObjekt::SetEtsDeviceId");
    FDeviceId = id;
}

void TEtsObjekt::SetParameterWert(int32_t value) {
    LOG_FKT("TEtsObjekt::SetParameterWert");
    FParameterWert = value;
}

bool TEtsObjekt::SendeLinkToSubGroup(long subGroupId) {
    LOG_FKT("TEtsObjekt::SendeLinkToSubGroup");
    return AzMsg::Send(FWindow, AzMsg::LinkToSubGroup{subGroupId, FHandle}) != 0;
}

bool TEtsObjekt::SendeUnLinkFromSubGroup(long subGroupId) {
    LOG_FKT("TEtsObjekt::SendeUnLinkFromSubGroup");
    return AzMsg::Send(FWindow, AzMsg::UnLinkFromSubGroup{subGroupId, FDeviceObjectId}) != 0;
}
