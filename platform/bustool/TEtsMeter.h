// The bus tool's meter window, which the plug-in opens through the interface object
// (CoMeterDlgOpen) and drives through TEtsProgressDialog. In the simulation the editor's own
// process shows it: the shell installs a factory that makes a Qt progress dialog. Without a
// factory a meter shows nothing and is never aborted; tests install TEtsMeterRecorder.
#pragma once

#include "platform/log/Log.h"
#include "platform/vcl/AnsiString.h"
#include "platform/win/Messages.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// One open meter window; destroying it closes the window.
class TEtsMeterView {
public:
    virtual ~TEtsMeterView() = default;
    virtual void SetCaption(const AnsiString &text) = 0;
    // The meter's three text lines: 0, 1 and 2.
    virtual void SetText(int line, const AnsiString &text) = 0;
    virtual void SetPosition(uint16_t position) = 0;
    // True once the user asked to stop.
    virtual bool AbortRequested() = 0;
};

// Makes the window of a meter opened by CoMeterDlgOpen(owner, kind) (kind 2 import, 13 copy).
using TEtsMeterFactory = std::function<std::unique_ptr<TEtsMeterView>(HWND owner, int kind)>;

// Installs a factory and answers the previous one (an empty one: silent meters).
TEtsMeterFactory SetEtsMeterFactory(TEtsMeterFactory factory);
// A new meter window through the installed factory.
std::unique_ptr<TEtsMeterView> OpenEtsMeterView(HWND owner, int kind);

// For tests: records what every meter is told, in order, as lines ("open 2", "caption Import",
// "text0 ...", "text1 ...", "text2 ...", "position 10", "close"), and answers the abort question
// from a script. Installs itself for its lifetime and restores the previous factory afterwards.
class TEtsMeterRecorder {
public:
    TEtsMeterRecorder();
    ~TEtsMeterRecorder();
    TEtsMeterRecorder(const TEtsMeterRecorder &) = delete;
    TEtsMeterRecorder &operator=(const TEtsMeterRecorder &) = delete;

    const std::vector<std::string> &Calls() const {
        LOG_FKT("TEtsMeterRecorder::Calls");
        return FState->calls;
    }
    // The abort flag reads true once a position of at least `position` was set.
    void AbortFromPosition(int position) {
        LOG_FKT("TEtsMeterRecorder::AbortFromPosition");
        FState->abortFrom = position;
    }
    // The abort flag reads true from now on.
    void Abort() {
        LOG_FKT("TEtsMeterRecorder::Abort");
        FState->aborted = true;
    }

    struct TState {
        std::vector<std::string> calls;
        int abortFrom = -1;
        bool aborted = false;
        int position = -1;
    };

private:
    std::shared_ptr<TState> FState;
    TEtsMeterFactory FPrevious;
};
