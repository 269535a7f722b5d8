#include "checker/CheckRun.h"

#include <iostream>

int main(int argc, char** argv) {
    return RunChecker(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
