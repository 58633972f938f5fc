// Base of the system's error classes that carry a code and where they were raised
// (E_DataBasis of the object model, E_InstVerw of the device instance). Thrown by value;
// WriteMessage shows it to the user.
#pragma once

#include "platform/vcl/AnsiString.h"
#include "platform/win/Messages.h"

#include <exception>

class E_Basis : public std::exception {
public:
    E_Basis(int code, AnsiString message, AnsiString info, AnsiString file, int line,
            AnsiString className);
    ~E_Basis() override;
    E_Basis(const E_Basis &) = default;
    E_Basis &operator=(const E_Basis &) = default;

    const char *what() const noexcept override { return Message.c_str(); }
    // A stop box captioned with the class name: the message, the info text when there is one,
    // then "File: " and "Line: ", each line ended by a line feed.
    void WriteMessage(HWND owner = nullptr) const;
    // The box's text, as WriteMessage shows it.
    AnsiString MessageText() const;

    int Code;
    AnsiString Message;
    AnsiString Info;
    AnsiString File;
    int Line;
    AnsiString ClassName;
};
