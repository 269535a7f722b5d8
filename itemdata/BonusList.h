#pragma once

#include <string>
#include <vector>

// An item's bonus entries as the server data file's Bonus value holds them: joined by "," and nothing else.

// The entries joined with ","; the empty text for no entries.
std::string JoinBonuses(const std::vector<std::string>& bonuses);

// The value cut at every ","; the text after the last "," is the last entry even when empty, so "" gives one
// empty entry and "A,,B" gives A, an empty entry and B. Joining the result gives the value back.
std::vector<std::string> SplitBonuses(const std::string& value);
