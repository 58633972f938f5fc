// The editor's end of the event connection: a Unix stream socket that the host program made
// as a socket pair and named in the editor's environment (TEts2Cdi_Extended1::kEventsVariable,
// the descriptor's number). It reads without blocking and hands the bytes to its
// TEtsEventDecoder, which raises the events and answers through the same socket.
//
// The shell watches Fd() with a socket notifier and calls ReadAvailable when it is readable;
// once ReadAvailable answers false the connection has ended (the stop event is raised) and the
// notifier must stop watching. Answers are written whole, waiting when the socket is full. A
// handler may destroy the interface object and with it this connection while ReadAvailable
// runs; ReadAvailable then answers false and touches nothing more.
#pragma once

#include "platform/bustool/TEtsEventDecoder.h"
#include "platform/vcl/Exception.h"

#include <memory>

class TEts2Cdi_Extended1;

// An event connection that cannot be used: the message says why.
class EEtsConnection : public Exception {
    using Exception::Exception;
};

class TEtsEventConnection {
public:
    // Takes over the descriptor (closed with this object); throws EEtsConnection when it is
    // not a stream socket, and the descriptor then stays the caller's. The interface object
    // is borrowed.
    TEtsEventConnection(TEts2Cdi_Extended1 &cdi, int fd);
    ~TEtsEventConnection();
    TEtsEventConnection(const TEtsEventConnection &) = delete;
    TEtsEventConnection &operator=(const TEtsEventConnection &) = delete;

    // The connection named in the environment; null when the variable is not set. Throws
    // EEtsConnection when it names no usable socket.
    static std::unique_ptr<TEtsEventConnection> FromEnvironment(TEts2Cdi_Extended1 &cdi);

    int Fd() const;
    // Reads what has arrived and raises its events; false once the connection has ended.
    bool ReadAvailable();
    TEtsEventDecoder &Decoder();

private:
    bool Write(const std::string &line);

    int FFd = -1;
    bool FEnded = false;
    std::unique_ptr<TEtsEventDecoder> FDecoder;
    std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
};
