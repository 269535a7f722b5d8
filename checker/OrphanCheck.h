#pragma once

#include "checker/Finding.h"
#include "itemdata/ProjectListing.h"

#include <string>
#include <unordered_set>
#include <vector>

// Warns of each file in CLIENT that belongs to no item: a description (.ITM) or icon (.BMP) whose name is no
// item's, and an appearance file (.FAP) whose name is no class of classList followed by an item's name.
// itemsUpper: the names of the project's items in upper case.
void CheckOrphans(const ProjectListing& project, const std::vector<std::string>& classList,
                  const std::unordered_set<std::string>& itemsUpper, FindingList& findings);
