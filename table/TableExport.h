#pragma once

#include <cstddef>
#include <string>
#include <vector>

// An exported table: its bytes, and the items it holds and leaves out.
struct ExportedTable {
    std::string bytes;
    std::size_t items = 0;
    std::vector<std::string> leftOut; // one printable line per item whose server data could not be read
};

// The project's items as one table, UTF-8 with a byte order mark, rows ended by CR LF: a header row (Item, Type,
// Class, Price, Stack, Bonuses), then one row per item sorted by name, letter case aside, each value as its server
// data file stores it (a missing key as empty) and converted from the system's code page. Reads each server data
// file once, quietly, and writes nothing. Raises FileError when the project folder cannot be read or is none.
ExportedTable ExportTable(const std::string& projectFolder);
