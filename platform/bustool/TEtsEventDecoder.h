// The editor's side of the event connection, without any I/O of its own: it takes the bytes
// that arrive (Feed), cuts them into lines, raises each event on the interface object's slot
// with the event's values and writes the answer line through its writer (the line protocol is
// TEtsEventProtocol.h). TEtsEventConnection feeds it from a socket; tests feed it directly.
//
// - Before raising an event the decoder makes the device the event is about the interface
//   object's current device (the copy's target; the device of EditObject's object; unknown:
//   -1); the stop event leaves it.
// - One event runs at a time. Lines that arrive while a handler runs (a modal dialog spins its
//   own loop and the socket notifier feeds again) wait in a queue and are raised, in order,
//   when the handler has returned.
// - A line that is not an event is answered with an Error line in its turn; a line longer than
//   kMaxLineLength is one such line.
// - Stop raises the stop slot and gets no answer; every line after it is dropped. The end of
//   the connection (End) is a stop behind what is queued; an unfinished last line is answered
//   as not an event.
// - ReturnToEts sends its line only after an answer with done false and once per such answer.
// - An exception from a handler passes to the caller of Feed or End, with no answer sent; what
//   is queued stays queued for the next Feed.
// - A handler may destroy the interface object and with it the decoder (the stop handler
//   closing the program): the decoder then touches nothing more and answers nothing.
#pragma once

#include "platform/bustool/TEtsEventProtocol.h"

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <variant>

class TEts2Cdi_Extended1;

class TEtsEventDecoder {
public:
    static constexpr size_t kMaxLineLength = 4096;
    // Sends one line (without "\n"); false when it could not be sent.
    using TWriter = std::function<bool(const std::string &line)>;

    // Registers itself on the interface object (borrowed; it must outlive the decoder).
    TEtsEventDecoder(TEts2Cdi_Extended1 &cdi, TWriter writer);
    ~TEtsEventDecoder();
    TEtsEventDecoder(const TEtsEventDecoder &) = delete;
    TEtsEventDecoder &operator=(const TEtsEventDecoder &) = delete;

    void Feed(std::string_view bytes);
    // The connection has ended.
    void End();
    // True once the stop event has been raised.
    bool Stopped() const;
    // Events and unreadable lines waiting behind a running handler.
    size_t Queued() const;

    bool ReturnToEts(int keep);

private:
    using TItem = std::variant<TEtsEvent, std::string /* why the line is not an event */>;
    void TakeLine(std::string_view line);
    void Dispatch();
    void Raise(const TEtsEvent &event);
    void Reply(const TEtsReply &reply);

    TEts2Cdi_Extended1 &FCdi;
    TWriter FWriter;
    std::string FLine;
    bool FLineTooLong = false;
    std::deque<TItem> FQueue;
    bool FRunning = false;
    bool FEnded = false;
    bool FStopped = false;
    bool FReturnPending = false;
    std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
};
