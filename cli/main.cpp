#include "cli/CliApp.h"

int main(int argc, char** argv) { return marovix::runCli(argc, argv); }
