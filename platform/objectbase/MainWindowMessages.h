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
#include "platform/win/Messages.h"

#include <array>
#include <cstdint>
#include <type_traits>

class TDataBasis;
struct TDatenStruktur;
class TEtsDeviceParam;
struct RDeviceRequest;

// The message ids (decimal in the comment).
enum : UINT {
    WM_AZ_GET_DATA_POINTER = WM_USER + 101,      // 1125
    WM_AZ_AKTUALISIERE_ANSICHT = WM_USER + 102,  // 1126
    WM_AZ_GET_DATENSATZ = WM_USER + 103,         // 1127
    WM_AZ_DELETE_NEXT_DATENSATZ = WM_USER + 105, // 1129
    WM_AZ_SET_MODIFIED = WM_USER + 106,          // 1130
    WM_AZ_DEVICE_REQUEST = WM_USER + 109,        // 1133
    WM_AZ_ACTIVATE_CELL = WM_USER + 112,         // 1136
    WM_AZ_UPDATE_TREE_NAMES = WM_USER + 114,     // 1138
    WM_AZ_ABGLEICH_FORMVERW = WM_USER + 133,     // 1157
    WM_AZ_DEVICE_REQUEST_2 = WM_USER + 137,      // 1161
    WM_AZ_REFRESH_OTHER_WINDOWS = WM_USER + 139, // 1163
    WM_AZ_GET_DATENSATZ_SYSTEM = WM_USER + 140,  // 1164
    WM_AZ_GET_DEVICE_PARAM = WM_USER + 146,      // 1170
};

namespace AzMsg {

enum class TArt { Send, Post };

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
inline constexpr std::array<TInfo, 13> Katalog = {{
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
    {WM_AZ_DEVICE_REQUEST, "DeviceRequest", TArt::Send,
     "0", "the request (RDeviceRequest*)", "non-zero = done; result fields filled"},
    {WM_AZ_ACTIVATE_CELL, "ActivateCell", TArt::Post,
     "column", "row", "the active grid activates that cell"},
    {WM_AZ_UPDATE_TREE_NAMES, "UpdateTreeNames", TArt::Post,
     "0", "0", "tree names and icons are refreshed"},
    {WM_AZ_ABGLEICH_FORMVERW, "AbgleichFormVerw", TArt::Post,
     "column", "row", "the other project windows are aligned with the active one"},
    {WM_AZ_DEVICE_REQUEST_2, "DeviceRequest2", TArt::Send,
     "0", "the request (RDeviceRequest*)", "non-zero = done; result fields filled"},
    {WM_AZ_REFRESH_OTHER_WINDOWS, "RefreshOtherWindows", TArt::Post,
     "0", "0", "every project window but the active one refreshes"},
    {WM_AZ_GET_DATENSATZ_SYSTEM, "GetDatenSatzSystem", TArt::Send,
     "system", "record handle",
     "the record with that handle under any parent (TDatenStruktur*), made when missing, or 0"},
    {WM_AZ_GET_DEVICE_PARAM, "GetDeviceParam", TArt::Send,
     "0", "0", "the device's parameter writer (TEtsDeviceParam*), or 0"},
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

using AktualisiereAnsicht = TZelle<WM_AZ_AKTUALISIERE_ANSICHT>;          // 1126
using SetModified = TLeer<WM_AZ_SET_MODIFIED, void>;                     // 1130
using DeviceRequest = TAnfrage<WM_AZ_DEVICE_REQUEST>;                    // 1133
using ActivateCell = TZelle<WM_AZ_ACTIVATE_CELL>;                        // 1136
using UpdateTreeNames = TLeer<WM_AZ_UPDATE_TREE_NAMES, void>;            // 1138
using AbgleichFormVerw = TZelle<WM_AZ_ABGLEICH_FORMVERW>;                // 1157
using DeviceRequest2 = TAnfrage<WM_AZ_DEVICE_REQUEST_2>;                 // 1161
using RefreshOtherWindows = TLeer<WM_AZ_REFRESH_OTHER_WINDOWS, void>;    // 1163
using GetDeviceParam = TLeer<WM_AZ_GET_DEVICE_PARAM, TEtsDeviceParam *>; // 1170

// Sends the message and answers its decoded result (nothing for a result-less message).
template <class M> typename M::Result Send(HWND window, const M &message) {
    LOG_FKT("AzMsg::Send");
    static_assert(M::Art == TArt::Send, "this message is posted");
    const TWire wire = message.Encode();
    const LRESULT result = SendMessage(window, M::Id, wire.WParam, wire.LParam);
    if constexpr (!std::is_void_v<typename M::Result>)
        return M::DecodeResult(result);
}

// Queues the message; false for an unknown window.
template <class M> BOOL Post(HWND window, const M &message) {
    LOG_FKT("AzMsg::Post");
    static_assert(M::Art == TArt::Post, "this message is sent");
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
