// Window messages between panel objects and the main window.
// A handle names a registered message target. SendMessage calls its handler at once;
// PostMessage queues the message, and the queue is delivered later, in order, by the
// program's event loop (or by a test calling DeliverPostedMessages).
#pragma once

#include "platform/win/WinTypes.h"

#include <cstdint>
#include <functional>

struct HWND__;
using HWND = HWND__ *;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

constexpr UINT WM_USER = 0x0400;
// The window system's close request and its question whether a minimized window may open.
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_QUERYOPEN = 0x0013;
// A key pressed, with the key's virtual-key code in wParam.
constexpr UINT WM_KEYDOWN = 0x0100;
enum : WPARAM { VK_TAB = 0x09, VK_F1 = 0x70, VK_F6 = 0x75 };

// Anything that answers window messages: the main window, a project window, a test fake.
class TMessageTarget {
public:
    virtual ~TMessageTarget() = default;
    virtual LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) = 0;
};

// Registers a target and answers its new handle (never null). The target must be
// unregistered before it is destroyed.
HWND RegisterMessageTarget(TMessageTarget *target);
// Removes the target; its queued messages are dropped. An unknown handle is ignored.
void UnregisterMessageTarget(HWND hwnd);

// Calls the target's handler and answers its result; 0 for an unknown handle.
LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Queues the message; false for an unknown handle.
BOOL PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Delivers the queued messages in order, including those posted while delivering; answers
// how many were delivered. Messages to a target unregistered meanwhile are dropped.
int DeliverPostedMessages();
// Number of queued messages.
int PostedMessageCount();
// Called whenever a message is queued, so that an event loop can schedule the delivery.
void SetPostedMessageNotifier(std::function<void()> notifier);

// Registers a target for the lifetime of this object.
class TMessageTargetRegistration {
public:
    explicit TMessageTargetRegistration(TMessageTarget *target)
        : FHandle(RegisterMessageTarget(target)) {}
    ~TMessageTargetRegistration() { UnregisterMessageTarget(FHandle); }
    TMessageTargetRegistration(const TMessageTargetRegistration &) = delete;
    TMessageTargetRegistration &operator=(const TMessageTargetRegistration &) = delete;
    HWND Handle() const { return FHandle; }

private:
    HWND FHandle;
};
