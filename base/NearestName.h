#pragma once

#include <optional>
#include <string>
#include <vector>

// The name a mistyped text most likely meant: the first of names fewest letters away from it (a letter added,
// left out, changed, or two neighbours swapped; letter case ignored), when it is close enough to be a typing
// slip: at most a third of the name's letters, and at least one.
std::optional<std::string> NearestName(const std::string& text, const std::vector<std::string>& names);

// A finding's hint for a mistyped text: " (did you mean "Ring"?)" with the name NearestName gives, or the empty
// text when none is near.
std::string DidYouMean(const std::string& text, const std::vector<std::string>& names);
