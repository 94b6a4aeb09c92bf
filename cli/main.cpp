#include <cstdio>
#include <string>
#include <vector>

#include "cli/CliApp.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return marovix::runCli(args, argv[0]);
}
