// Opening a file as the desktop opens it: a program starts with its parameters, any other file
// goes to the desktop's opener (xdg-open), which picks the program for its kind. Either way the
// program runs detached: it has its own session, is never waited for and outlives the caller.
#pragma once

#include "platform/win/Messages.h"

#include <string>
#include <vector>

// How the window of the started program shows (passed on as the callers give it).
enum : int { SW_HIDE = 0, SW_SHOWNORMAL = 1 };

// Results of ShellExecute: above 32 the file was handed on; else why not.
enum : intptr_t {
    SE_ERR_FNF = 2,         // the file, or the opener for a document, is not there
    SE_ERR_ACCESSDENIED = 5 // the program could not be started
};

// verb: only "open" (or none) opens; file: a program (an executable file, found as given or on
// the PATH) or a document; parameters: the program's arguments, split at blanks, a part in
// double quotes staying one argument (not passed to a document's opener); directory: the
// program's working folder (empty: the caller's). Answers a value above 32 on success, else
// SE_ERR_FNF or SE_ERR_ACCESSDENIED.
intptr_t ShellExecute(HWND owner, const std::string &verb, const std::string &file,
                      const std::string &parameters, const std::string &directory, int show);

// The arguments of a parameter text: split at blanks (space, tab), double quotes group a part
// with its blanks and are dropped.
std::vector<std::string> SplitShellParameters(const std::string &parameters);
