#include "checker/CheckRun.h"

#include "base/CommandLine.h"

#include <iostream>

int main(int argc, char** argv) {
    return RunChecker(ProgramArguments(argc, argv), std::cout, std::cerr);
}
