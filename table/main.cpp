#include "table/TableRun.h"

#include "base/CommandLine.h"

#include <iostream>

int main(int argc, char** argv) {
    return RunTable(ProgramArguments(argc, argv), std::cout, std::cerr);
}
