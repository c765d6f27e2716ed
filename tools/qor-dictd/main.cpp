// qor-dictd: builds a direction of the shipped dictionary from FreeDict.

#include "qor-dictd/DictdCommand.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return qor::dictd::runDictdTool(args, std::cout, std::cerr);
}
