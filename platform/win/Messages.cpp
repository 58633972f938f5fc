#include "platform/win/Messages.h"

#include <deque>
#include <unordered_map>

namespace {

struct TQueued {
    HWND hwnd;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
};

struct TRegistry {
    std::unordered_map<HWND, TMessageTarget *> targets;
    std::deque<TQueued> queue;
    std::function<void()> notifier;
    std::uintptr_t nextId = 0x100; // handles are small non-zero numbers, never addresses
};

TRegistry &Registry() {
    static TRegistry r;
    return r;
}

TMessageTarget *Find(HWND hwnd) {
    auto &t = Registry().targets;
    const auto it = t.find(hwnd);
    return it == t.end() ? nullptr : it->second;
}

} // namespace

HWND RegisterMessageTarget(TMessageTarget *target) {
    auto &r = Registry();
    HWND h = reinterpret_cast<HWND>(r.nextId);
    r.nextId += 4;
    r.targets[h] = target;
    return h;
}

void UnregisterMessageTarget(HWND hwnd) {
    auto &r = Registry();
    r.targets.erase(hwnd);
    std::erase_if(r.queue, [hwnd](const TQueued &q) { return q.hwnd == hwnd; });
}

LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    TMessageTarget *t = Find(hwnd);
    return t ? t->WndProc(msg, wParam, lParam) : 0;
}

BOOL PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!Find(hwnd))
        return 0;
    auto &r = Registry();
    r.queue.push_back({hwnd, msg, wParam, lParam});
    if (r.notifier)
        r.notifier();
    return 1;
}

int DeliverPostedMessages() {
    auto &r = Registry();
    int delivered = 0;
    while (!r.queue.empty()) {
        const TQueued q = r.queue.front();
        r.queue.pop_front();
        if (TMessageTarget *t = Find(q.hwnd)) {
            t->WndProc(q.msg, q.wParam, q.lParam);
            ++delivered;
        }
    }
    return delivered;
}

int PostedMessageCount() { return static_cast<int>(Registry().queue.size()); }

void SetPostedMessageNotifier(std::function<void()> notifier) {
    Registry().notifier = std::move(notifier);
}
