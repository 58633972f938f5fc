// The request record of a panel object to the device instance, sent by message 1133 or 1161
// with its address in lParam. The device instance reads it during the call and may write
// results into it; the message's answer is the result (non-zero = done).
//
// Every field starts at zero (or empty), however the record is made, so the device instance
// never reads a value that the sender did not set. The codes, and which fields each request
// fills and gets back, are in objectmodel/AzRequests.h; the two requests that the base sends
// for every data object of the tree (its standard name, its bus objects) are here.
#pragma once

#include "platform/vcl/AnsiString.h"
#include "platform/win/Messages.h"

#include <cstdint>
#include <list>

class TDataBasis;
class TDatenStruktur;
class TEtsObjekt;
class TStringList;
struct TSubGroupObjekt;

struct RDeviceRequest {
    RDeviceRequest() = default;
    // A panel object's request: Handle := the sender's record handle, Code, Sender.
    RDeviceRequest(TDataBasis &sender, uint8_t code);

    // Message 1161: the sender's standard name into *Text; non-zero when one was given.
    static constexpr uint8_t CodeDefaultName = 15;
    // Message 1161: the bus objects of a device parameter switched (TDataBasis::ModifyObject).
    static constexpr uint8_t CodeEtsObjektHinzufuegen = 8;

    // Sends the record to the sender's main window with message 1133 or 1161 and answers the
    // result; 0 without a sender, and for any other message (nothing is sent).
    LRESULT Send(UINT msg);

    int32_t Handle = 0;
    uint8_t Code = 0;
    TDataBasis *Sender = nullptr;        // the device instance takes the type from it
    TDatenStruktur *Datensatz = nullptr; // read only when Sender is null
    AnsiString Text2;                    // text argument and result held in the record
    AnsiString *Text = nullptr;          // text argument or result
    TStringList *Liste = nullptr;        // list argument or result (the detector texts)
    int32_t Wert = 0;                    // argument 1 or result
    int32_t Wert2 = 0;
    int32_t Wert3 = 0;
    int32_t Wert4 = 0;
    int32_t Variante = 0; // the new configuration variant word (request 4)
    // The list answers of message 1161, filled by the device instance (appended to): the bus
    // objects that a parameter value switches, and the objects linked to the sending sub group.
    std::list<TEtsObjekt *> *EtsObjekte = nullptr;
    std::list<TSubGroupObjekt> *SubGroupObjekte = nullptr;
};
