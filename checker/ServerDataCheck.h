#pragma once

#include "checker/Finding.h"
#include "itemdata/ItemVocabulary.h"
#include "itemdata/KeyValueLines.h"

#include <optional>
#include <string>
#include <vector>

// What an item's server data file says that the checks of its other files need.
struct ServerFacts {
    ItemVocabulary::TypeIndex type;       // none when Type names none of the twenty types
    std::optional<std::string> className; // the class list's entry the editor selects; none when none matches
    std::optional<std::size_t> typeLine;  // the line the editor reads Type from
};

// Checks the five keys of a server data file's lines, read as the editor reads them (the first line of a key
// counts, letter case ignored): Type, Class against classList, Price, Stack and each Bonus entry, and every key
// written again after its first line.
ServerFacts CheckServerData(const KeyValueLines& lines, const std::vector<std::string>& classList,
                            const std::string& file, FindingList& findings);
