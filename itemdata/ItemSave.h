#pragma once

#include "ItemVocabulary.h"

#include <optional>
#include <string>
#include <vector>

// The first two save steps: an empty price becomes "0"; an empty stack, or one of digits only worth less than 1
// ("0", "00"), becomes "1"; any other text stays. Returns the messages to show for the changes, in that order.
std::vector<std::string> FixUpPriceAndStack(std::string& price, std::string& stack);

// The service that copies a newly picked icon into the project, with the desktop's progress display.
class IconCopier {
public:
    virtual ~IconCopier() = default;
    // Copies the file source to the file path target, replacing it; raises FileError on failure.
    virtual void CopyIcon(const std::string& source, const std::string& target) = 0;
};

// The item's fields as the editor saves them.
struct ItemToSave {
    std::string projectRoot, itemName;
    ItemVocabulary::TypeIndex type;
    std::string className;                     // empty when no class is selected
    std::string price, stack;                  // already fixed up
    std::vector<std::string> bonuses;          // the bonus entries in list order
    std::vector<std::string> descriptionLines; // bytes, as the description box displays them
    std::optional<std::string> pickedIcon;     // the picture picked for a new item, none for an existing item
};

// Save steps 3 to 6, in order: writes Type, Bonus, Price, Class and Stack into the server data file through the
// key=value store (a new file holds exactly these five lines; other lines of an existing file stay in place);
// copies the picked icon, when it still exists, to CLIENT/<ItemName>.BMP unless it already is that file; writes
// the description lines crash-safe, each ended by CR LF, an empty last line left out. Raises FileError at the
// first step that fails: the steps before it stay done, the ones after it do not run.
void SaveItem(const ItemToSave& item, IconCopier& iconCopier);
