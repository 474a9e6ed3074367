#include <iostream>
#include <string>
#include <vector>

#include "dvk/dvkcli.h"

int main(int argc, char** argv) {
    try {
        const std::vector<std::string> args(argv + 1, argv + argc);
        return dvk::runDvk(args, std::cout, std::cerr);
    } catch (...) {
        return 1;
    }
}
