#pragma once

#include <ostream>
#include <string>
#include <vector>

// The exit statuses of brindlework-check.
enum CheckStatus { kClean = 0, kErrorsFound = 1, kCannotCheck = 2 };

// Runs brindlework-check on its arguments (without the program's own name): the report goes to out, usage errors
// and folders that cannot be read to err. Returns the exit status.
int RunChecker(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
