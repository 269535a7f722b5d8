#include "table/ItemTable.h"

std::string ItemNameOf(const QuietFiles::Entry& serverFile) {
    return serverFile.name.substr(0, serverFile.name.size() - 4);
}

std::string ShownServerFile(const ProjectListing& project, const QuietFiles::Entry& serverFile) {
    return project.server.Relative() + serverFile.name;
}
