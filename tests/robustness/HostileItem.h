#pragma once

#include "tests/ui/ItemSheetFixture.h"

#include <string>
#include <vector>

// The item editor window on one item, "Hostile", whose files a test writes with bad content. The files are
// opened and saved through the real window, and every message the user was shown is recorded.
class HostileItemTest : public ItemSheetTest {
protected:
    static constexpr const char* kServer = "Quest/SERVER/Hostile.ITM";
    static constexpr const char* kDescription = "Quest/CLIENT/Hostile.ITM";
    static constexpr const char* kIcon = "Quest/CLIENT/Hostile.BMP";

    // Writes the server data and the description; the icon is a copy of the sample's ruby ring picture.
    void WriteItem(const std::string& server, const std::string& description);
    void OpenHostile() { OpenItem("Hostile.ITM"); }
    void Save() { ClickCommand("saveButton"); }
    // Writes the item as these CR LF lines, opens it, expects no message, saves it and expects both files unchanged.
    void ExpectOpenedQuietlyAndSavedByteForByte(const std::vector<std::string>& server,
                                                const std::vector<std::string>& description);

    // A file of the scratch project as the messages name it.
    QString Shown(const std::string& relative) const { return QString::fromStdString(project.Path(relative)); }
};

// Every line followed by CR LF: the bytes a save writes for the lines it keeps.
std::string CrLfLines(const std::vector<std::string>& lines);
