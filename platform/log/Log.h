// Trace log: every method of the system's own classes announces its entry here.
// Off by default; while off, LOG_FKT costs one test of a global flag.
#pragma once

#include <string>

// Levels of an entry; LogFktStart writes an entry when (level & enabled mask) != 0.
enum : int { LOG_FKT_LEVEL = 1024 };

// Opens (appends to) the trace file. priority is the level given to LOG_FKT entries,
// enabledMask filters them (-1 = everything), withTime prefixes each line with the clock time.
bool InitLogFkt(const std::string &path, int priority = LOG_FKT_LEVEL, int enabledMask = -1,
                bool withTime = true);
// Writes one entry: the qualified method name, its level, source file and line.
void LogFktStart(const char *name, int level, const char *file, int line);
// Closes the trace file; further entries are dropped until the next InitLogFkt.
void CloseLogFkt();
// True while a trace file is open.
bool LogFktIsOpen();

namespace kimlog {
extern bool g_active; // read inline by LOG_FKT, written only by Init/Close
extern int g_priority;
} // namespace kimlog

#define LOG_FKT(name)                                                                              \
    do {                                                                                           \
        if (::kimlog::g_active)                                                                    \
            ::LogFktStart(name, ::kimlog::g_priority, __FILE__, __LINE__);                         \
    } while (0)
