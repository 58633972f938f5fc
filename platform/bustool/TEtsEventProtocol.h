// The line protocol of the event connection between the simulated bus tool's host program and
// the editor (TEtsEventDecoder on the editor's side). Lines are bytes ended by "\n"; a line's
// fields are separated by single blanks; numbers are decimal.
//
// Host -> editor, one event per line (the values in the order of the event's handler):
//   EditParameters <deviceId>
//   CreateDevice <mode> <deviceId> <text>
//   DeleteDevice <deviceId>
//   Stop
//   DoDownload2 <a> <deviceId> <b> <c> <d> <e> <f> <flags>
//   LinkObjToSubGroup <deviceId> <objectNumber> <subGroupId>
//   UnlinkObjFromSubGroup <deviceId> <objectNumber> <subGroupId>
//   EditObject <deviceObjectId>
//   ExportDevice <deviceId>
//   ImportDevice <deviceId>
//   CopyDevice <targetDeviceId> <sourceDeviceId> <flag>
//   DoReconstruct <deviceId> <x> <mode> <fileName>
// b, c and objectNumber are 16-bit signed, flags 16-bit unsigned, flag 8-bit unsigned, every
// other number 32-bit signed. A text is the rest of the line: it may hold blanks and may be
// empty (then its blank may be left out), never a line break. The text of CreateDevice is UTF-8
// (the editor gets it in Windows-1252); a file name is bytes, passed as it is.
//
// Editor -> host:
//   Answer <done> <result> [<fileName>]  one per event but Stop, in the order of the events:
//                                        done 0 or 1, result 32-bit; ExportDevice's answer
//                                        carries the file name the editor handed to its target
//   ReturnToEts <keep>                   the editor hands control back after an answer with
//                                        done 0: 1 keeps the changes, 0 discards them
//   Error <message>                      in place of an answer, for a line that is no event
#pragma once

#include "platform/vcl/Exception.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class TEtsEventKind {
    EditParameters,
    CreateDevice,
    DeleteDevice,
    Stop,
    DoDownload2,
    LinkObjToSubGroup,
    UnlinkObjFromSubGroup,
    EditObject,
    ExportDevice,
    ImportDevice,
    CopyDevice,
    DoReconstruct,
};

// What a field of an event line holds.
enum class TEtsField { Int32, Int16, UInt16, UInt8, Text };

struct TEtsEventLayout {
    TEtsEventKind kind;
    const char *name;
    // Name and kind of each field; a text field comes last.
    std::vector<std::pair<const char *, TEtsField>> fields;
};

// The twelve events, in the order of the table above.
const std::vector<TEtsEventLayout> &EtsEventLayouts();
const TEtsEventLayout &EtsEventLayoutOf(TEtsEventKind kind);

struct TEtsEvent {
    TEtsEventKind kind = TEtsEventKind::Stop;
    std::vector<int64_t> values; // the numbers, in the order of the line
    std::string text;            // the text field of events that have one
};

struct TEtsReply {
    enum TKind { Answer, ReturnToEts, Error };
    TKind kind = Answer;
    bool done = true;
    int result = 0;
    int keep = 0;     // ReturnToEts
    std::string text; // Answer: the exported file's name ("" = none); Error: the message
};

// A line that breaks the protocol; the message says what is wrong with it.
class EEtsProtocol : public Exception {
    using Exception::Exception;
};

// Lines without their "\n". Encoding throws EEtsProtocol for values that do not fit the event
// (their count or range, a text with a line break); decoding for any line that is not one.
std::string EncodeEvent(const TEtsEvent &event);
TEtsEvent DecodeEvent(std::string_view line);
std::string EncodeReply(const TEtsReply &reply);
TEtsReply DecodeReply(std::string_view line);
