#pragma once

#include <string>
#include <vector>

// An item's bonus entries as the server data file's Bonus value holds them: joined by "," and nothing else.

// The entries joined with ","; the empty text for no entries.
std::string JoinBonuses(const std::vector<std::string>& bonuses);

// The value cut at every ","; the text after the last "," is the last entry even when empty, so "A,,B" gives A, an
// empty entry and B. The empty value is the empty list, as an item without bonuses is saved: an entry added to it
// must not follow an empty one. Joining the result gives the value back.
std::vector<std::string> SplitBonuses(const std::string& value);
