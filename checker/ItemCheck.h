#pragma once

#include "checker/Finding.h"
#include "itemdata/ProjectListing.h"

#include <string>
#include <vector>

// Checks one item: its server data file, the SERVER folder's entry serverEntry, then its description and icon in
// CLIENT, and, for a wearable type of a class, that class's appearance file. Missing files are told at the server
// data file; a file that stands there but is wrong is told at that file.
void CheckItem(const ProjectListing& project, const std::vector<std::string>& classList,
               const QuietFiles::Entry& serverEntry, const std::string& itemName, FindingList& findings);
