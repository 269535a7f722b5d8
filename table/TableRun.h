#pragma once

#include <ostream>
#include <string>
#include <vector>

// The exit statuses of brindlework-table.
enum TableStatus { kTableDone = 0, kRowsRefused = 1, kCannotRead = 2 };

// Runs brindlework-table on its arguments (without the program's own name). An export's table goes to out unless
// -o names a file; the changes and summaries go to out, problems and usage errors to err. Returns the exit status.
int RunTable(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
