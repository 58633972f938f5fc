// The screen's cursor through a replaceable handler, like the message boxes: the program
// installs one that sets the real cursor, tests install a recorder. TCursorHourGlass shows the
// hourglass for its lifetime and puts back the cursor it found, on every way out of a scope
// (an early return, an exception); guards nest.
//
//   {
//       TCursorHourGlass hourGlass;   // hourglass
//       ... long work ...
//   }                                 // the cursor from before again
#pragma once

#include <functional>
#include <vector>

// The cursors the system sets (the component library's values).
enum TCursor : int { crDefault = 0, crHourGlass = -11 };

using TCursorHandler = std::function<void(TCursor cursor)>;

// Installs a handler and answers the previous one (an empty one: the cursor is only kept).
TCursorHandler SetCursorHandler(TCursorHandler handler);
// The cursor as last set, and setting it (the handler is told of every change).
TCursor GetScreenCursor();
void SetScreenCursor(TCursor cursor);

class TCursorHourGlass {
public:
    TCursorHourGlass();
    ~TCursorHourGlass();
    TCursorHourGlass(const TCursorHourGlass &) = delete;
    TCursorHourGlass &operator=(const TCursorHourGlass &) = delete;

    // Puts the cursor back now (before the scope ends); the end of the scope then does nothing.
    void Release();

private:
    TCursor FPrevious;
    bool FActive = true;
};

// For tests: records every cursor set, in order, for its lifetime, and restores the previous
// handler and the cursor it found afterwards.
class TCursorRecorder {
public:
    TCursorRecorder();
    ~TCursorRecorder();
    TCursorRecorder(const TCursorRecorder &) = delete;
    TCursorRecorder &operator=(const TCursorRecorder &) = delete;

    const std::vector<TCursor> &Cursors() const { return FCursors; }
    void Clear() { FCursors.clear(); }

private:
    std::vector<TCursor> FCursors;
    TCursorHandler FPrevious;
    TCursor FFound;
};
