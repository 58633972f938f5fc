// Exceptions of the component library that the system throws and catches.
#pragma once

#include "platform/vcl/AnsiString.h"

#include <exception>

// Base of the library's exceptions: one message text.
class Exception : public std::exception {
public:
    explicit Exception(AnsiString msg) : Message(std::move(msg)) {}
    ~Exception() override = default;
    const char *what() const noexcept override { return Message.c_str(); }

    AnsiString Message;
};

class EStreamError : public Exception {
    using Exception::Exception;
};
// A file could not be created (or replaced) for writing.
class EFCreateError : public EStreamError {
    using EStreamError::EStreamError;
};
// A file could not be opened.
class EFOpenError : public EStreamError {
    using EStreamError::EStreamError;
};
// Fewer bytes than asked could be read or written.
class EReadError : public EStreamError {
    using EStreamError::EStreamError;
};
class EWriteError : public EStreamError {
    using EStreamError::EStreamError;
};
