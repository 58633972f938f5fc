// The host program's commands (see Usage()): init, add, show, memory and run. Each either does
// all it was asked or changes nothing in the project; a failure is one message on the error
// stream and a non-zero exit code.
#pragma once

#include <ostream>
#include <string>
#include <vector>

enum : int { kExitSuccess = 0, kExitFailure = 1, kExitUsage = 2 };

// Runs the command given by the words after the program's name; answers the exit code.
int RunBusTool(const std::vector<std::string> &args, std::ostream &out, std::ostream &err);
// The program's usage text.
std::string Usage();
