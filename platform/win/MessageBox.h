// Message boxes through a replaceable handler: the program installs one that shows a real
// box, tests install a recorder that answers from a script. Code never shows a box itself.
#pragma once

#include "platform/vcl/AnsiString.h"
#include "platform/win/Messages.h"

#include <deque>
#include <functional>
#include <vector>

// Buttons, icons and answers, with the operating system's values.
enum : unsigned {
    MB_OK = 0x00,
    MB_OKCANCEL = 0x01,
    MB_ABORTRETRYIGNORE = 0x02,
    MB_YESNOCANCEL = 0x03,
    MB_YESNO = 0x04,
    MB_RETRYCANCEL = 0x05,
    MB_ICONHAND = 0x10,
    MB_ICONSTOP = 0x10,
    MB_ICONERROR = 0x10,
    MB_ICONQUESTION = 0x20,
    MB_ICONEXCLAMATION = 0x30,
    MB_ICONWARNING = 0x30,
    MB_ICONINFORMATION = 0x40,
    MB_ICONASTERISK = 0x40,
    MB_DEFBUTTON2 = 0x100,
    MB_APPLMODAL = 0x0000,
    MB_TASKMODAL = 0x2000,
    MB_SETFOREGROUND = 0x10000,
};
enum : int { IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7 };

// Texts are the system's Windows-1252 bytes.
using TMessageBoxHandler =
    std::function<int(HWND owner, const AnsiString &text, const AnsiString &caption,
                      unsigned style)>;

// Shows a box through the installed handler and answers the button pressed. Without a
// handler the box is written to standard error and answered with its first button.
int MessageBox(HWND owner, const AnsiString &text, const AnsiString &caption, unsigned style);
// Installs a handler and answers the previous one.
TMessageBoxHandler SetMessageBoxHandler(TMessageBoxHandler handler);

// For tests: records every box and answers from a script (IDOK once the script runs out).
// Installs itself for its lifetime and restores the previous handler afterwards.
class TMessageBoxRecorder {
public:
    struct TBox {
        HWND owner;
        AnsiString text;
        AnsiString caption;
        unsigned style;
    };

    TMessageBoxRecorder();
    ~TMessageBoxRecorder();
    TMessageBoxRecorder(const TMessageBoxRecorder &) = delete;
    TMessageBoxRecorder &operator=(const TMessageBoxRecorder &) = delete;

    void Answer(int result) { FAnswers.push_back(result); }
    const std::vector<TBox> &Boxes() const { return FBoxes; }
    void Clear() { FBoxes.clear(); }

private:
    std::vector<TBox> FBoxes;
    std::deque<int> FAnswers;
    TMessageBoxHandler FPrevious;
};
