// Trace log: every method of the system's own classes announces its entry here.
// Off by default; while off, LOG_FKT costs one test of a global flag.
#pragma once

#include <string>
#include <string_view>

// Levels of an entry; LogFktStart writes an entry when (level & enabled mask) != 0.
// LOG_FKT entries carry the priority given to InitLogFkt (LOG_FKT_LEVEL unless told);
// LOG_FKT_DETAIL entries, of helpers that run many times for one operation (the simulated bus
// tool's SQL statements), carry LOG_FKT_DETAIL_LEVEL, which the default mask leaves out.
enum : int { LOG_FKT_DETAIL_LEVEL = 512, LOG_FKT_LEVEL = 1024 };

// Opens (appends to) the trace file. priority is the level given to LOG_FKT entries,
// enabledMask filters them (-1 = everything, the details too), withTime prefixes each line with
// the clock time.
bool InitLogFkt(const std::string &path, int priority = LOG_FKT_LEVEL,
                int enabledMask = LOG_FKT_LEVEL, bool withTime = true);
// Writes one entry: the qualified method name, its level, source unit and line.
void LogFktStart(const char *name, int level, std::string_view unit, int line);
// Closes the trace file; further entries are dropped until the next InitLogFkt.
void CloseLogFkt();
// True while a trace file is open.
bool LogFktIsOpen();

namespace kimlog {
extern bool g_active; // read inline by LOG_FKT, written only by Init/Close
extern int g_priority;

// The source unit of a file: its name without folders and extension, and without the "T" of a
// class's file ("platform/bustool/TEts2Cdi.cpp" -> "Ets2Cdi", "objectmodel/TAzMelder.cpp" ->
// "AzMelder", "AzDeviceParam.cpp" -> "AzDeviceParam").
constexpr std::string_view SourceUnit(std::string_view file) {
    if (const size_t slash = file.find_last_of("/\\"); slash != std::string_view::npos)
        file.remove_prefix(slash + 1);
    if (const size_t dot = file.find('.'); dot != std::string_view::npos)
        file = file.substr(0, dot);
    if (file.size() > 1 && file[0] == 'T' && file[1] >= 'A' && file[1] <= 'Z')
        file.remove_prefix(1);
    return file;
}
} // namespace kimlog

#define LOG_FKT_AT(name, level)                                                                    \
    do {                                                                                           \
        if (::kimlog::g_active) {                                                                  \
            constexpr std::string_view logFktUnit = ::kimlog::SourceUnit(__FILE__);                \
            ::LogFktStart(name, level, logFktUnit, __LINE__);                                      \
        }                                                                                          \
    } while (0)
#define LOG_FKT(name) LOG_FKT_AT(name, ::kimlog::g_priority)
#define LOG_FKT_DETAIL(name) LOG_FKT_AT(name, LOG_FKT_DETAIL_LEVEL)
