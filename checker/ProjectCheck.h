#pragma once

#include "checker/Finding.h"

#include <string>
#include <vector>

// What checking one project found.
struct ProjectResult {
    std::size_t items = 0; // the server data files checked
    std::vector<Finding> findings;
};

// Checks every item of the project folder, SERVER/*.ITM, and the files in CLIENT that belong to no item, reading
// each file once and writing nothing. Raises FileError when the folder cannot be read or is no project folder.
ProjectResult CheckProject(const std::string& projectFolder);
