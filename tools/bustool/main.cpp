// bustool: the simulated bus tool's host program (TBusToolCommands.h).
#include "tools/bustool/TBusToolCommands.h"

#include <iostream>

int main(int argc, char **argv) {
    return RunBusTool(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
