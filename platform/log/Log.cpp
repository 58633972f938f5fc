#include "platform/log/Log.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace kimlog {
bool g_active = false;
int g_priority = LOG_FKT_LEVEL;
} // namespace kimlog

namespace {
std::FILE *g_file = nullptr;
int g_mask = -1;
bool g_withTime = true;
} // namespace

bool InitLogFkt(const std::string &path, int priority, int enabledMask, bool withTime) {
    CloseLogFkt();
    g_file = std::fopen(path.c_str(), "ab");
    if (!g_file)
        return false;
    kimlog::g_priority = priority;
    g_mask = enabledMask;
    g_withTime = withTime;
    kimlog::g_active = ((priority | LOG_FKT_DETAIL_LEVEL) & enabledMask) != 0;
    return true;
}

void LogFktStart(const char *name, int level, std::string_view unit, int line) {
    if (!g_file || (level & g_mask) == 0)
        return;
    if (g_withTime) {
        using namespace std::chrono;
        const auto now = system_clock::now();
        const std::time_t t = system_clock::to_time_t(now);
        std::tm tm{};
        localtime_r(&t, &tm);
        const long ms = static_cast<long>(
            duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000);
        std::fprintf(g_file, "%02d:%02d:%02d.%03ld ", tm.tm_hour, tm.tm_min, tm.tm_sec, ms);
    }
    std::fprintf(g_file, "%s\t%d\t%.*s:%d\n", name, level, static_cast<int>(unit.size()),
                 unit.data(), line);
    // The trace matters most when the program dies next: keep nothing in the buffer.
    std::fflush(g_file);
}

void CloseLogFkt() {
    kimlog::g_active = false;
    if (g_file) {
        std::fclose(g_file);
        g_file = nullptr;
    }
}

bool LogFktIsOpen() { return g_file != nullptr; }
