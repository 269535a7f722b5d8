#include "tests/robustness/HostileItem.h"

void HostileItemTest::WriteItem(const std::string& server, const std::string& description) {
    project.Write(kServer, server);
    project.Write(kDescription, description);
    project.Write(kIcon, Sample("CLIENT/RubyRing.BMP"));
}

void HostileItemTest::ExpectOpenedQuietlyAndSavedByteForByte(const std::vector<std::string>& server,
                                                             const std::vector<std::string>& description) {
    WriteItem(CrLfLines(server), CrLfLines(description));
    OpenHostile();
    EXPECT_TRUE(desktop.messages.isEmpty()) << desktop.messages.join('|').toStdString();
    Save();
    EXPECT_EQ(project.Read(kServer), CrLfLines(server));
    EXPECT_EQ(project.Read(kDescription), CrLfLines(description));
}

std::string CrLfLines(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    return bytes;
}
