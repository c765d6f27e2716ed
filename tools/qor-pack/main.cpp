// qor-pack: builds the sample installation's files from their readable sources.

#include "qor-pack/PackCommands.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return qor::pack::runPackTool(args, std::cout, std::cerr);
}
