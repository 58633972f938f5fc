#include "platform/objectbase/MainWindowMessages.h"

namespace AzMsg {
namespace {

// wParam of 1127 and 1129: the system in the high 16 bits, a parent or handle in the low 16
// bits (-1 becomes 65535).
WPARAM PackSystemHandle(int system, int handle) {
    LOG_FKT("AzMsg::PackSystemHandle");
    return (static_cast<WPARAM>(static_cast<uint16_t>(system)) << 16) |
           static_cast<uint16_t>(handle);
}

uint16_t High16(WPARAM wParam) {
    LOG_FKT("AzMsg::High16");
    return static_cast<uint16_t>(wParam >> 16);
}

uint16_t Low16(WPARAM wParam) {
    LOG_FKT("AzMsg::Low16");
    return static_cast<uint16_t>(wParam);
}

} // namespace

TWire GetDataPointer::Encode() const {
    LOG_FKT("AzMsg::GetDataPointer::Encode");
    return {static_cast<WPARAM>(Handle), 0};
}

GetDataPointer GetDataPointer::Decode(WPARAM wParam, LPARAM) {
    LOG_FKT("AzMsg::GetDataPointer::Decode");
    return {static_cast<int>(wParam)};
}

TWire GetDatenSatz::Encode() const {
    LOG_FKT("AzMsg::GetDatenSatz::Encode");
    return {PackSystemHandle(System, Parent), Handle};
}

GetDatenSatz GetDatenSatz::Decode(WPARAM wParam, LPARAM lParam) {
    LOG_FKT("AzMsg::GetDatenSatz::Decode");
    const uint16_t parent = Low16(wParam);
    return {static_cast<int16_t>(High16(wParam)), parent == 0xFFFF ? -1 : parent,
            static_cast<int>(lParam)};
}

TWire DeleteNextDatenSatz::Encode() const {
    LOG_FKT("AzMsg::DeleteNextDatenSatz::Encode");
    return {PackSystemHandle(System, Handle), Next};
}

DeleteNextDatenSatz DeleteNextDatenSatz::Decode(WPARAM wParam, LPARAM lParam) {
    LOG_FKT("AzMsg::DeleteNextDatenSatz::Decode");
    return {High16(wParam), Low16(wParam), static_cast<int>(lParam)};
}

TWire GetDatenSatzSystem::Encode() const {
    LOG_FKT("AzMsg::GetDatenSatzSystem::Encode");
    return {static_cast<WPARAM>(System), Handle};
}

GetDatenSatzSystem GetDatenSatzSystem::Decode(WPARAM wParam, LPARAM lParam) {
    LOG_FKT("AzMsg::GetDatenSatzSystem::Decode");
    return {static_cast<int>(wParam), static_cast<int>(lParam)};
}

TWire LinkToSubGroup::Encode() const {
    LOG_FKT("AzMsg::LinkToSubGroup::Encode");
    return {static_cast<WPARAM>(SubGroupId), Handle};
}

LinkToSubGroup LinkToSubGroup::Decode(WPARAM wParam, LPARAM lParam) {
    LOG_FKT("AzMsg::LinkToSubGroup::Decode");
    return {static_cast<long>(wParam), static_cast<int>(lParam)};
}

TWire UnLinkFromSubGroup::Encode() const {
    LOG_FKT("AzMsg::UnLinkFromSubGroup::Encode");
    return {static_cast<WPARAM>(SubGroupId), DeviceObjectId};
}

UnLinkFromSubGroup UnLinkFromSubGroup::Decode(WPARAM wParam, LPARAM lParam) {
    LOG_FKT("AzMsg::UnLinkFromSubGroup::Decode");
    return {static_cast<long>(wParam), static_cast<long>(lParam)};
}

TWire ObjektFlag::Encode() const {
    LOG_FKT("AzMsg::ObjektFlag::Encode");
    return {Pruefen ? 1u : 0u, PointerToValue(Flag)};
}

ObjektFlag ObjektFlag::Decode(WPARAM wParam, LPARAM lParam) {
    LOG_FKT("AzMsg::ObjektFlag::Decode");
    return {wParam != 0, ValueToPointer<RObjektFlag>(lParam)};
}

TWire OpenDlgGrpAdrToObject::Encode() const {
    LOG_FKT("AzMsg::OpenDlgGrpAdrToObject::Encode");
    return {0, PointerToValue(Object)};
}

OpenDlgGrpAdrToObject OpenDlgGrpAdrToObject::Decode(WPARAM, LPARAM lParam) {
    LOG_FKT("AzMsg::OpenDlgGrpAdrToObject::Decode");
    return {ValueToPointer<TDataBasis>(lParam)};
}

TWire SetObjFktToData::Encode() const {
    LOG_FKT("AzMsg::SetObjFktToData::Encode");
    return {static_cast<WPARAM>(Handle), Wert};
}

SetObjFktToData SetObjFktToData::Decode(WPARAM wParam, LPARAM lParam) {
    LOG_FKT("AzMsg::SetObjFktToData::Decode");
    return {static_cast<int>(wParam), static_cast<uint8_t>(lParam & 0xFF)};
}

} // namespace AzMsg
