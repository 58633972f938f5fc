// The back channel of the panel objects: every window message they send or post to the main
// window, written once as data (AzMsg::Katalog), and one typed codec per message. A sender
// fills the message's struct and calls AzMsg::Send or AzMsg::Post; a receiver decodes with
// M::Decode (or AzMsg::Answer, which also encodes the handler's result). wParam, lParam and
// the result are packed and unpacked only here, and pointers cross only here.
//
//   TDatenStruktur *r = AzMsg::Send(window, AzMsg::GetDatenSatz{system, parent, handle});
//   AzMsg::Post(window, AzMsg::AktualisiereAnsicht{col, row});
//
//   case AzMsg::GetDatenSatz::Id:                                   // in a WndProc
//       return AzMsg::Answer<AzMsg::GetDatenSatz>(wParam, lParam, [&](const auto &m) {
//           return GetDatenSatz(m.System, m.Parent, m.Handle);
//       });
//
// Send messages answer at once; posted ones only trigger refreshes and run after the sender's
// handler has returned. The request codes carried by 1133 and 1161 are catalogued beside the
// request record (objectmodel/AzRequests.h).
#pragma once

#include "platform/log/Log.h"
#include "platform/vcl/AnsiString.h"
#include "platform/win/Messages.h"

#include <array>
#include <cstdint>
#include <type_traits>

class QWidget;
class TDataBasis;
struct TDatenStruktur;
class TFormVerw;
class TEtsDeviceParam;
struct RDeviceRequest;
struct RObjektFlag;

// The message ids (decimal in the comment).
enum : UINT {
    WM_AZ_GET_DATA_POINTER = WM_USER + 101,       // 1125
    WM_AZ_AKTUALISIERE_ANSICHT = WM_USER + 102,   // 1126
    WM_AZ_GET_DATENSATZ = WM_USER + 103,          // 1127
    WM_AZ_DELETE_NEXT_DATENSATZ = WM_USER + 105,  // 1129
    WM_AZ_SET_MODIFIED = WM_USER + 106,           // 1130
    WM_AZ_GET_ROOT_DEVICE = WM_USER + 107,        // 1131
    WM_AZ_TIME_OUT_START = WM_USER + 108,         // 1132
    WM_AZ_DEVICE_REQUEST = WM_USER + 109,         // 1133
    WM_AZ_UPDATE_VIEWS = WM_USER + 110,           // 1134
    WM_AZ_LOAD_COLOR = WM_USER + 111,             // 1135
    WM_AZ_ACTIVATE_CELL = WM_USER + 112,          // 1136
    WM_AZ_LOAD_SIZE = WM_USER + 113,              // 1137
    WM_AZ_UPDATE_TREE_NAMES = WM_USER + 114,      // 1138
    WM_AZ_USER_OBJECT_MESSAGE = WM_USER + 120,    // 1144
    WM_AZ_LINK_TO_SUB_GROUP = WM_USER + 121,      // 1145
    WM_AZ_UNLINK_FROM_SUB_GROUP = WM_USER + 122,  // 1146
    WM_AZ_PROGRESS_ABBRUCH = WM_USER + 123,       // 1147
    WM_AZ_GET_GRP_ADR_NR = WM_USER + 124,         // 1148
    WM_AZ_GET_GRP_ADR_NR_ZAHL = WM_USER + 125,    // 1149
    WM_AZ_GRP_ADR_SENDEND = WM_USER + 126,        // 1150
    WM_AZ_GRP_ADR_NICHT_SENDEND = WM_USER + 127,  // 1151
    WM_AZ_OBJEKT_FLAG = WM_USER + 128,            // 1152
    WM_AZ_DLG_GRP_ADR_TO_OBJECT = WM_USER + 129,  // 1153
    WM_AZ_REGISTER_FORMVERW = WM_USER + 130,      // 1154
    WM_AZ_UNREGISTER_FORMVERW = WM_USER + 131,    // 1155
    WM_AZ_ACTIVATE_FORMVERW = WM_USER + 132,      // 1156
    WM_AZ_ABGLEICH_FORMVERW = WM_USER + 133,      // 1157
    WM_AZ_GET_PHYS_ADR = WM_USER + 134,           // 1158
    WM_AZ_SET_OBJ_FKT_TO_DATA = WM_USER + 135,    // 1159
    WM_AZ_ETS_OBJEKT_CHECK = WM_USER + 136,       // 1160
    WM_AZ_DEVICE_REQUEST_2 = WM_USER + 137,       // 1161
    WM_AZ_DROP_CELL_EDITOR = WM_USER + 138,       // 1162
    WM_AZ_REFRESH_OTHER_WINDOWS = WM_USER + 139,  // 1163
    WM_AZ_GET_DATENSATZ_SYSTEM = WM_USER + 140,   // 1164
    WM_AZ_UPDATE_NODES = WM_USER + 142,           // 1166
    WM_AZ_CHECK_GRP_ADR_ORDNER = WM_USER + 143,   // 1167
    WM_AZ_GET_DEVICE_PARAM = WM_USER + 146,       // 1170
    WM_AZ_SET_FOCUS_CONTROL = WM_USER + 159,      // 1183
    WM_AZ_GET_GA_ID_FROM_GA_WORD = WM_USER + 187, // 1211
};

// Ids that the main window knows and ignores (the result stays 0), and one it leaves to the
// window's default handling; no sender of ours uses them.
inline constexpr UINT kAzMsgIgnoriert[] = {WM_USER + 100, WM_USER + 104, WM_USER + 116,
                                           WM_USER + 117, WM_USER + 118, WM_USER + 119};
inline constexpr UINT kAzMsgStandard = WM_USER + 115; // 1139

namespace AzMsg {

// SendOrPost: the message is sent by some senders and posted by others.
enum class TArt { Send, Post, SendOrPost };

// One message of the catalogue: how it travels, what wParam and lParam carry, what the
// sender gets back (posted messages get nothing).
struct TInfo {
    UINT Id;
    const char *Name;
    TArt Art;
    const char *WParam;
    const char *LParam;
    const char *Result;
};

// clang-format off
inline constexpr std::array<TInfo, 39> Katalog = {{
    {WM_AZ_GET_DATA_POINTER, "GetDataPointer", TArt::Send,
     "record handle", "0", "the object of that handle (TDataBasis*), or 0"},
    {WM_AZ_AKTUALISIERE_ANSICHT, "AktualisiereAnsicht", TArt::Post,
     "column", "row", "every project window refreshes, the active one at that cell"},
    {WM_AZ_GET_DATENSATZ, "GetDatenSatz", TArt::Send,
     "system (signed, high 16 bits) << 16 | parent (low 16 bits, 65535 = -1: any parent)",
     "record handle", "the record (TDatenStruktur*), made when missing; 0 without a device"},
    {WM_AZ_DELETE_NEXT_DATENSATZ, "DeleteNextDatenSatz", TArt::Send,
     "system << 16 | owner's handle (both unsigned 16 bits)", "first chained handle",
     "ignored; the chain from that handle is deleted"},
    {WM_AZ_SET_MODIFIED, "SetModified", TArt::Send,
     "0", "0", "ignored; the device's data are marked modified"},
    {WM_AZ_GET_ROOT_DEVICE, "GetRootDevice", TArt::Send,
     "0", "0", "the device's root object (TDataBasis*), or 0"},
    {WM_AZ_TIME_OUT_START, "TimeOutStart", TArt::SendOrPost,
     "code", "time in ms (<= 0: the default)", "ignored; the main window keeps the code"},
    {WM_AZ_UPDATE_VIEWS, "UpdateViews", TArt::Send,
     "0", "the object (TDataBasis*)",
     "1 when an object was given; it updates the active window's grid and list"},
    {WM_AZ_LOAD_COLOR, "LoadColor", TArt::SendOrPost,
     "0", "0", "ignored; every project window reloads its grid colours"},
    {WM_AZ_LOAD_SIZE, "LoadSize", TArt::SendOrPost,
     "0", "0", "ignored; every project window reloads its column sizing"},
    {WM_AZ_UPDATE_NODES, "UpdateNodes", TArt::Send,
     "an object (TDataBasis*)", "an object (TDataBasis*)",
     "ignored; every project window updates both objects' nodes"},
    {WM_AZ_DEVICE_REQUEST, "DeviceRequest", TArt::Send,
     "0", "the request (RDeviceRequest*)", "non-zero = done; result fields filled"},
    {WM_AZ_ACTIVATE_CELL, "ActivateCell", TArt::Post,
     "column", "row", "the active grid activates that cell"},
    {WM_AZ_UPDATE_TREE_NAMES, "UpdateTreeNames", TArt::Post,
     "0", "0", "tree names and icons are refreshed"},
    {WM_AZ_USER_OBJECT_MESSAGE, "UserObjectMessage", TArt::Send,
     "value", "value", "the device's answer (byte); the active project window renews its tree's "
     "names and icons"},
    {WM_AZ_LINK_TO_SUB_GROUP, "LinkToSubGroup", TArt::Send,
     "sub-group id", "the object's record handle",
     "non-zero = linked, in the bus tool and on the object"},
    {WM_AZ_UNLINK_FROM_SUB_GROUP, "UnLinkFromSubGroup", TArt::Send,
     "sub-group id", "device-object id",
     "0 only when the bus tool refused the unlink; the object's link is gone in any case"},
    {WM_AZ_PROGRESS_ABBRUCH, "ProgressAbbruch", TArt::Send,
     "0", "0: nothing, 3: adding detectors stops, other: the progress stops", "ignored"},
    {WM_AZ_GET_GRP_ADR_NR, "GetGrpAdrNr", TArt::Send,
     "sub-group id", "the text to fill (AnsiString*)",
     "non-zero = the group address's text was written"},
    {WM_AZ_GET_GRP_ADR_NR_ZAHL, "GetGrpAdrNrAsZahl", TArt::Send,
     "sub-group id", "the number to fill (int*)",
     "non-zero = the group address's word was written"},
    {WM_AZ_GRP_ADR_SENDEND, "GrpAdrSendend", TArt::Send,
     "device-object id", "sub-group id", "non-zero = the link became the sending one"},
    {WM_AZ_GRP_ADR_NICHT_SENDEND, "GrpAdrNichtSendend", TArt::Send,
     "device-object id", "sub-group id", "non-zero = the link's send flag is cleared"},
    {WM_AZ_OBJEKT_FLAG, "ObjektFlag", TArt::Send,
     "non-zero: compare, 0: write", "the flag request (RObjektFlag*)",
     "non-zero = equal (compare) or written; 0 after a failure, shown in a box"},
    {WM_AZ_DLG_GRP_ADR_TO_OBJECT, "OpenDlgGrpAdrToObject", TArt::Send,
     "0", "the communication object (TDataBasis*)",
     "0 only when a chosen link could not be made"},
    {WM_AZ_ABGLEICH_FORMVERW, "AbgleichFormVerw", TArt::Post,
     "column", "row", "the other project windows are aligned with the active one"},
    {WM_AZ_GET_PHYS_ADR, "GetPhysAdr", TArt::Send,
     "device id", "the text to fill (AnsiString*)",
     "ignored; the text holds the physical address, \"\" when unknown"},
    {WM_AZ_SET_OBJ_FKT_TO_DATA, "SetObjFktToData", TArt::Send,
     "record handle", "value (low byte)", "the object's answer (byte); 0 for an unknown handle"},
    {WM_AZ_ETS_OBJEKT_CHECK, "EtsObjektCheck", TArt::Send,
     "0", "0", "ignored; the bus tool's objects are checked against the device's"},
    {WM_AZ_DEVICE_REQUEST_2, "DeviceRequest2", TArt::Send,
     "0", "the request (RDeviceRequest*)", "non-zero = done; result fields filled"},
    {WM_AZ_REFRESH_OTHER_WINDOWS, "RefreshOtherWindows", TArt::Post,
     "0", "0", "every project window but the active one refreshes"},
    {WM_AZ_REGISTER_FORMVERW, "RegisterFormVerw", TArt::Post,
     "0", "the project window (TFormVerw*)", "the main window lists the project window"},
    {WM_AZ_UNREGISTER_FORMVERW, "UnregisterFormVerw", TArt::Send,
     "0", "the project window (TFormVerw*)", "ignored; the main window has dropped the window"},
    {WM_AZ_ACTIVATE_FORMVERW, "ActivateFormVerw", TArt::Post,
     "0", "the project window (TFormVerw*)", "the window becomes the active project window"},
    {WM_AZ_DROP_CELL_EDITOR, "DeleteZellenKomponente", TArt::SendOrPost,
     "0", "0", "ignored; the project window's grid drops its in-place editor"},
    {WM_AZ_GET_DATENSATZ_SYSTEM, "GetDatenSatzSystem", TArt::Send,
     "system", "record handle",
     "the record with that handle under any parent (TDatenStruktur*), made when missing, or 0"},
    {WM_AZ_GET_DEVICE_PARAM, "GetDeviceParam", TArt::Send,
     "0", "0", "the device's parameter writer (TEtsDeviceParam*), or 0"},
    {WM_AZ_CHECK_GRP_ADR_ORDNER, "CheckGrpAdrOrdner", TArt::Send,
     "0", "0", "non-zero once the device has read the bus tool's group-address tree"},
    {WM_AZ_SET_FOCUS_CONTROL, "SetFocusControl", TArt::SendOrPost,
     "0", "the control (QWidget*)", "ignored; the control takes the focus when visible"},
    {WM_AZ_GET_GA_ID_FROM_GA_WORD, "GetGaIdFromGaWord", TArt::Send,
     "group-address word (16 bits)", "the id to fill (int*)",
     "non-zero = the sub group's id was written"},
}};
// clang-format on

// The place of a message id in the catalogue; Katalog.size() for an id not in it. (Compile-time
// checks use the place, not an address: GCC's sanitizer cannot compare addresses there.)
constexpr size_t IndexOf(UINT id) {
    size_t i = 0;
    while (i < Katalog.size() && Katalog[i].Id != id)
        ++i;
    return i;
}
// The catalogue's entry of a message id; null for an id not in it.
constexpr const TInfo *Find(UINT id) {
    const size_t i = IndexOf(id);
    return i < Katalog.size() ? &Katalog[i] : nullptr;
}

// What travels besides the id.
struct TWire {
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    bool operator==(const TWire &) const = default;
};

// The one place where a pointer becomes a message value and back.
template <class T> LPARAM PointerToValue(T *pointer) {
    return reinterpret_cast<LPARAM>(pointer);
}
template <class T> T *ValueToPointer(LPARAM value) {
    return reinterpret_cast<T *>(value);
}

// How a result travels: a pointer as its address, a plain result as it is, void not at all.
template <class R> struct TResult {
    static LRESULT EncodeResult(R result) {
        LOG_FKT("AzMsg::TResult::EncodeResult");
        if constexpr (std::is_pointer_v<R>)
            return PointerToValue(result);
        else
            return static_cast<LRESULT>(result);
    }
    static R DecodeResult(LRESULT value) {
        LOG_FKT("AzMsg::TResult::DecodeResult");
        if constexpr (std::is_pointer_v<R>)
            return ValueToPointer<std::remove_pointer_t<R>>(value);
        else
            return static_cast<R>(value);
    }
};
template <> struct TResult<void> {};

// What every message's codec shares: its id, its way from the catalogue, its result type.
template <UINT MsgId, class R> struct TMessage : TResult<R> {
    static_assert(IndexOf(MsgId) < Katalog.size(), "every message is in the catalogue");
    static constexpr UINT Id = MsgId;
    static constexpr TArt Art = Katalog[IndexOf(MsgId)].Art;
    using Result = R;
};

// A message without values (wParam 0, lParam 0).
template <UINT MsgId, class R> struct TLeer : TMessage<MsgId, R> {
    TWire Encode() const {
        LOG_FKT("AzMsg::TLeer::Encode");
        return {};
    }
    static TLeer Decode(WPARAM, LPARAM) {
        LOG_FKT("AzMsg::TLeer::Decode");
        return {};
    }
};

// A posted grid cell (column in wParam, row in lParam; either may be negative).
template <UINT MsgId> struct TZelle : TMessage<MsgId, void> {
    TZelle(int col = 0, int row = 0) : Col(col), Row(row) { LOG_FKT("AzMsg::TZelle::TZelle"); }
    int Col;
    int Row;
    TWire Encode() const {
        LOG_FKT("AzMsg::TZelle::Encode");
        return {static_cast<WPARAM>(Col), Row};
    }
    static TZelle Decode(WPARAM wParam, LPARAM lParam) {
        LOG_FKT("AzMsg::TZelle::Decode");
        return {static_cast<int>(wParam), static_cast<int>(lParam)};
    }
};

// A request record (wParam 0, its address in lParam); the answer is non-zero when done.
template <UINT MsgId> struct TAnfrage : TMessage<MsgId, LRESULT> {
    TAnfrage(RDeviceRequest *request = nullptr) : Request(request) {
        LOG_FKT("AzMsg::TAnfrage::TAnfrage");
    }
    RDeviceRequest *Request;
    TWire Encode() const {
        LOG_FKT("AzMsg::TAnfrage::Encode");
        return {0, PointerToValue(Request)};
    }
    static TAnfrage Decode(WPARAM, LPARAM lParam) {
        LOG_FKT("AzMsg::TAnfrage::Decode");
        return {ValueToPointer<RDeviceRequest>(lParam)};
    }
};

// 1125: the object of a record handle.
struct GetDataPointer : TMessage<WM_AZ_GET_DATA_POINTER, TDataBasis *> {
    GetDataPointer(int handle = 0) : Handle(handle) {
        LOG_FKT("AzMsg::GetDataPointer::GetDataPointer");
    }
    int Handle;
    TWire Encode() const;
    static GetDataPointer Decode(WPARAM wParam, LPARAM lParam);
};

// 1127: the record under a parent (-1: any parent) of a system, made when missing. The system
// travels as a signed 16-bit number, the parent as an unsigned one whose 65535 stands for -1.
struct GetDatenSatz : TMessage<WM_AZ_GET_DATENSATZ, TDatenStruktur *> {
    GetDatenSatz(int system = 0, int parent = 0, int handle = 0)
        : System(system), Parent(parent), Handle(handle) {
        LOG_FKT("AzMsg::GetDatenSatz::GetDatenSatz");
    }
    int System;
    int Parent;
    int Handle;
    TWire Encode() const;
    static GetDatenSatz Decode(WPARAM wParam, LPARAM lParam);
};

// 1129: deletes the chain of records that an owner's record starts at Next. System and owner
// travel as unsigned 16-bit numbers.
struct DeleteNextDatenSatz : TMessage<WM_AZ_DELETE_NEXT_DATENSATZ, void> {
    DeleteNextDatenSatz(int system = 0, int handle = 0, int next = 0)
        : System(system), Handle(handle), Next(next) {
        LOG_FKT("AzMsg::DeleteNextDatenSatz::DeleteNextDatenSatz");
    }
    int System;
    int Handle;
    int Next;
    TWire Encode() const;
    static DeleteNextDatenSatz Decode(WPARAM wParam, LPARAM lParam);
};

// 1164: the record with that handle under any parent of a system, made when missing.
struct GetDatenSatzSystem : TMessage<WM_AZ_GET_DATENSATZ_SYSTEM, TDatenStruktur *> {
    GetDatenSatzSystem(int system = 0, int handle = 0) : System(system), Handle(handle) {
        LOG_FKT("AzMsg::GetDatenSatzSystem::GetDatenSatzSystem");
    }
    int System;
    int Handle;
    TWire Encode() const;
    static GetDatenSatzSystem Decode(WPARAM wParam, LPARAM lParam);
};

// Two values (wParam, lParam as signed numbers).
template <UINT MsgId> struct TWertPaar : TMessage<MsgId, LRESULT> {
    TWertPaar(long w = 0, long l = 0) : W(w), L(l) { LOG_FKT("AzMsg::TWertPaar::TWertPaar"); }
    long W;
    long L;
    TWire Encode() const {
        LOG_FKT("AzMsg::TWertPaar::Encode");
        return {static_cast<WPARAM>(W), static_cast<LPARAM>(L)};
    }
    static TWertPaar Decode(WPARAM wParam, LPARAM lParam) {
        LOG_FKT("AzMsg::TWertPaar::Decode");
        return {static_cast<long>(wParam), static_cast<long>(lParam)};
    }
};

// A value in wParam and the address of what the receiver fills in lParam.
template <UINT MsgId, class T, class R> struct TAusgabe : TMessage<MsgId, R> {
    TAusgabe(long wert = 0, T *out = nullptr) : Wert(wert), Out(out) {
        LOG_FKT("AzMsg::TAusgabe::TAusgabe");
    }
    long Wert;
    T *Out;
    TWire Encode() const {
        LOG_FKT("AzMsg::TAusgabe::Encode");
        return {static_cast<WPARAM>(Wert), PointerToValue(Out)};
    }
    static TAusgabe Decode(WPARAM wParam, LPARAM lParam) {
        LOG_FKT("AzMsg::TAusgabe::Decode");
        return {static_cast<long>(wParam), ValueToPointer<T>(lParam)};
    }
};

// 1145: links the object of a record handle to a sub group.
struct LinkToSubGroup : TMessage<WM_AZ_LINK_TO_SUB_GROUP, LRESULT> {
    LinkToSubGroup(long subGroupId = 0, int handle = 0) : SubGroupId(subGroupId), Handle(handle) {
        LOG_FKT("AzMsg::LinkToSubGroup::LinkToSubGroup");
    }
    long SubGroupId;
    int Handle;
    TWire Encode() const;
    static LinkToSubGroup Decode(WPARAM wParam, LPARAM lParam);
};

// 1146: removes a device object's link to a sub group.
struct UnLinkFromSubGroup : TMessage<WM_AZ_UNLINK_FROM_SUB_GROUP, LRESULT> {
    UnLinkFromSubGroup(long subGroupId = 0, long deviceObjectId = 0)
        : SubGroupId(subGroupId), DeviceObjectId(deviceObjectId) {
        LOG_FKT("AzMsg::UnLinkFromSubGroup::UnLinkFromSubGroup");
    }
    long SubGroupId;
    long DeviceObjectId;
    TWire Encode() const;
    static UnLinkFromSubGroup Decode(WPARAM wParam, LPARAM lParam);
};

// 1152: compares (Pruefen) or writes a flag of a device object.
struct ObjektFlag : TMessage<WM_AZ_OBJEKT_FLAG, LRESULT> {
    ObjektFlag(bool pruefen = false, RObjektFlag *flag = nullptr) : Pruefen(pruefen), Flag(flag) {
        LOG_FKT("AzMsg::ObjektFlag::ObjektFlag");
    }
    bool Pruefen;
    RObjektFlag *Flag;
    TWire Encode() const;
    static ObjektFlag Decode(WPARAM wParam, LPARAM lParam);
};

// 1153: the group-address dialog of a communication object.
struct OpenDlgGrpAdrToObject : TMessage<WM_AZ_DLG_GRP_ADR_TO_OBJECT, LRESULT> {
    OpenDlgGrpAdrToObject(TDataBasis *object = nullptr) : Object(object) {
        LOG_FKT("AzMsg::OpenDlgGrpAdrToObject::OpenDlgGrpAdrToObject");
    }
    TDataBasis *Object;
    TWire Encode() const;
    static OpenDlgGrpAdrToObject Decode(WPARAM wParam, LPARAM lParam);
};

// 1159: an object's flag operation (SetObjFkt) by record handle; the value is a byte.
struct SetObjFktToData : TMessage<WM_AZ_SET_OBJ_FKT_TO_DATA, LRESULT> {
    SetObjFktToData(int handle = 0, uint8_t wert = 0) : Handle(handle), Wert(wert) {
        LOG_FKT("AzMsg::SetObjFktToData::SetObjFktToData");
    }
    int Handle;
    uint8_t Wert;
    TWire Encode() const;
    static SetObjFktToData Decode(WPARAM wParam, LPARAM lParam);
};

// 1147's L: a progress dialog is started with one of these and its cancel sends it back.
// Nothing; the main window's progress stops (also any code not listed); the import's
// progress (stopped alike); adding detectors stops.
enum TProgressAbbruchCode : long {
    kAbbruchNichts = 0,
    kAbbruchFortschritt = 1,
    kAbbruchImport = 2,
    kAbbruchMelderHinzufuegen = 3,
};

using AktualisiereAnsicht = TZelle<WM_AZ_AKTUALISIERE_ANSICHT>;              // 1126
using SetModified = TLeer<WM_AZ_SET_MODIFIED, void>;                         // 1130
using DeviceRequest = TAnfrage<WM_AZ_DEVICE_REQUEST>;                        // 1133
using LoadColor = TLeer<WM_AZ_LOAD_COLOR, void>;                             // 1135
using ActivateCell = TZelle<WM_AZ_ACTIVATE_CELL>;                            // 1136
using LoadSize = TLeer<WM_AZ_LOAD_SIZE, void>;                               // 1137
using UpdateTreeNames = TLeer<WM_AZ_UPDATE_TREE_NAMES, void>;                // 1138
using UserObjectMessage = TWertPaar<WM_AZ_USER_OBJECT_MESSAGE>;              // 1144
using ProgressAbbruch = TWertPaar<WM_AZ_PROGRESS_ABBRUCH>;                   // 1147
using GetGrpAdrNr = TAusgabe<WM_AZ_GET_GRP_ADR_NR, AnsiString, LRESULT>;     // 1148
using GetGrpAdrNrAsZahl = TAusgabe<WM_AZ_GET_GRP_ADR_NR_ZAHL, int, LRESULT>; // 1149
// 1150 and 1151: W the device-object id, L the sub-group id.
using GrpAdrSendend = TWertPaar<WM_AZ_GRP_ADR_SENDEND>;                  // 1150
using GrpAdrNichtSendend = TWertPaar<WM_AZ_GRP_ADR_NICHT_SENDEND>;       // 1151
using AbgleichFormVerw = TZelle<WM_AZ_ABGLEICH_FORMVERW>;                // 1157
using GetPhysAdr = TAusgabe<WM_AZ_GET_PHYS_ADR, AnsiString, void>;       // 1158
using EtsObjektCheck = TLeer<WM_AZ_ETS_OBJEKT_CHECK, void>;              // 1160
using DeviceRequest2 = TAnfrage<WM_AZ_DEVICE_REQUEST_2>;                 // 1161
using RefreshOtherWindows = TLeer<WM_AZ_REFRESH_OTHER_WINDOWS, void>;    // 1163
using GetDeviceParam = TLeer<WM_AZ_GET_DEVICE_PARAM, TEtsDeviceParam *>; // 1170
using DeleteZellenKomponente = TLeer<WM_AZ_DROP_CELL_EDITOR, void>;      // 1162
using CheckGrpAdrOrdner = TLeer<WM_AZ_CHECK_GRP_ADR_ORDNER, LRESULT>;    // 1167
using GetRootDevice = TLeer<WM_AZ_GET_ROOT_DEVICE, TDataBasis *>;        // 1131
// 1132: W the code, L the time.
using TimeOutStart = TWertPaar<WM_AZ_TIME_OUT_START>;  // 1132

// 1166: two objects whose nodes every project window updates.
struct UpdateNodes : TMessage<WM_AZ_UPDATE_NODES, void> {
    UpdateNodes(TDataBasis *first = nullptr, TDataBasis *second = nullptr)
        : First(first), Second(second) {
        LOG_FKT("AzMsg::UpdateNodes::UpdateNodes");
    }
    TDataBasis *First;
    TDataBasis *Second;
    TWire Encode() const {
        LOG_FKT("AzMsg::UpdateNodes::Encode");
        return {static_cast<WPARAM>(PointerToValue(First)), PointerToValue(Second)};
    }
    static UpdateNodes Decode(WPARAM wParam, LPARAM lParam) {
        LOG_FKT("AzMsg::UpdateNodes::Decode");
        return {ValueToPointer<TDataBasis>(static_cast<LPARAM>(wParam)),
                ValueToPointer<TDataBasis>(lParam)};
    }
};

// A pointer in lParam (wParam 0).
template <UINT MsgId, class T, class R> struct TZeiger : TMessage<MsgId, R> {
    TZeiger(T *pointer = nullptr) : Pointer(pointer) { LOG_FKT("AzMsg::TZeiger::TZeiger"); }
    T *Pointer;
    TWire Encode() const {
        LOG_FKT("AzMsg::TZeiger::Encode");
        return {0, PointerToValue(Pointer)};
    }
    static TZeiger Decode(WPARAM, LPARAM lParam) {
        LOG_FKT("AzMsg::TZeiger::Decode");
        return {ValueToPointer<T>(lParam)};
    }
};
using RegisterFormVerw = TZeiger<WM_AZ_REGISTER_FORMVERW, TFormVerw, void>;     // 1154
using UnregisterFormVerw = TZeiger<WM_AZ_UNREGISTER_FORMVERW, TFormVerw, void>; // 1155
using ActivateFormVerw = TZeiger<WM_AZ_ACTIVATE_FORMVERW, TFormVerw, void>;     // 1156
using SetFocusControl = TZeiger<WM_AZ_SET_FOCUS_CONTROL, QWidget, void>;        // 1183
using UpdateViews = TZeiger<WM_AZ_UPDATE_VIEWS, TDataBasis, LRESULT>;           // 1134
// 1211: Wert the group-address word (16 bits), Out the sub group's id.
using GetGaIdFromGaWord = TAusgabe<WM_AZ_GET_GA_ID_FROM_GA_WORD, int, LRESULT>;

// Sends the message and answers its decoded result (nothing for a result-less message).
template <class M> typename M::Result Send(HWND window, const M &message) {
    LOG_FKT("AzMsg::Send");
    static_assert(M::Art != TArt::Post, "this message is posted");
    const TWire wire = message.Encode();
    const LRESULT result = SendMessage(window, M::Id, wire.WParam, wire.LParam);
    if constexpr (!std::is_void_v<typename M::Result>)
        return M::DecodeResult(result);
}

// Queues the message; false for an unknown window.
template <class M> BOOL Post(HWND window, const M &message) {
    LOG_FKT("AzMsg::Post");
    static_assert(M::Art != TArt::Send, "this message is sent");
    const TWire wire = message.Encode();
    return PostMessage(window, M::Id, wire.WParam, wire.LParam);
}

// The receiver's side: decodes the message, hands it to the handler and encodes what the
// handler answers (0 for a result-less message).
template <class M, class F> LRESULT Answer(WPARAM wParam, LPARAM lParam, F &&handler) {
    LOG_FKT("AzMsg::Answer");
    const M message = M::Decode(wParam, lParam);
    if constexpr (std::is_void_v<typename M::Result>) {
        handler(message);
        return 0;
    } else {
        return M::EncodeResult(handler(message));
    }
}

} // namespace AzMsg
