#pragma once

#include "itemdata/KeyValueLines.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// What a table asks of a project's items: the problems that refuse it, or the values it changes.

// A problem of one row, where the table holds it: its line, and the field's number in the row (0 for the whole row).
struct TableProblem {
    std::size_t line;
    std::size_t column;
    std::string message; // printable
};

// One value of an item that the table changes, in the system's code page as the file holds it.
struct ValueChange {
    const char* key;
    std::string before, after;
};

// An item whose values the table changes, in the order a save writes its keys, with its server data file as the
// check read it: the write starts from those lines, and a file written since is noticed by its size and time.
struct ItemChange {
    std::string serverFile; // the path of its server data file, as stored
    std::string shown;      // how messages name it: SERVER/<file name>
    std::vector<ValueChange> values;
    KeyValueLines lines;
    std::uint64_t size = 0;
    std::int64_t modified = 0;
};

struct ImportPlan {
    std::vector<TableProblem> problems; // every problem of every row, in the table's order
    std::vector<ItemChange> changes;    // empty when there is a problem: a refused table changes nothing
};

// Checks every row of the table's bytes against the project folder, reading and writing nothing else: the Item
// column (found by its header, letter case aside, as every column is) must name each item once; every value the
// row gives, or its file's value for a column the table leaves out, must pass the editor's rules as
// brindlework-check applies them; a value the system's code page cannot hold is refused. A value changes only when
// the table's text differs from what its file holds, and then is written as the editor's save spells it. Raises
// CsvError when the bytes are no table (no Item column, a header named twice), FileError when the project folder
// cannot be read.
ImportPlan PlanImport(const std::string& projectFolder, std::string_view table);
