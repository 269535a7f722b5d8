#include "HostileItem.h"

void HostileItemTest::WriteItem(const std::string& server, const std::string& description) {
    project.Write(kServer, server);
    project.Write(kDescription, description);
    project.Write(kIcon, Sample("CLIENT/RubyRing.BMP"));
}

std::string CrLfLines(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    return bytes;
}
