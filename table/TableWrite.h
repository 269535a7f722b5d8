#pragma once

#include "table/TableImport.h"

#include <vector>

// Writes each item's changed values into its server data file through the key=value store, as the editor's save
// writes them, onto the lines the check read: each line replaced in place, a missing key appended, every other line
// kept; crash-safe, and with the file's access rights. Every file is checked before the first is written, so that
// whatever can be known (a read-only file, a folder in its place, a file written since the check) stops the import
// with nothing written. Raises FileError; one raised once a file is written names the files written, each of which
// holds its new values whole.
void WriteChanges(std::vector<ItemChange> changes);
