#include "checker/ItemCheck.h"

#include "base/FileError.h"
#include "base/Os.h"
#include "base/TextEncoding.h"
#include "checker/ServerDataCheck.h"
#include "itemdata/IconBitmap.h"
#include "itemdata/ItemPaths.h"
#include "itemdata/ItemRules.h"
#include "itemdata/KeyValueFile.h"

namespace {

std::string FileNameOf(const std::string& path) {
    return path.substr(path.find_last_of(Os::kPathSeparator) + 1);
}

// One of the item's files in CLIENT, where ItemPaths puts it, and what it is called in findings.
struct ClientFile {
    const QuietFiles::Entry* entry; // none when missing
    std::string shown;              // CLIENT/<file name>, as stored when it exists
    std::string path;
};

ClientFile FindClientFile(const FolderListing& client, const std::string& itemPath) {
    const std::string name = FileNameOf(itemPath);
    const QuietFiles::Entry* entry = client.Find(name);
    const std::string stored = entry ? entry->name : name;
    return {entry, client.Relative() + stored, client.Path() + stored};
}

std::optional<ServerFacts> CheckServerFile(const ProjectListing& project, const std::vector<std::string>& classList,
                                           const std::string& name, FindingList& findings) {
    const std::string shown = project.server.Relative() + name;
    const std::string path = project.server.Path() + name;
    try {
        return CheckServerData(ServerDataLines(QuietFiles::ReadFile(path).bytes, path), classList, shown, findings);
    } catch (const FileError& unread) {
        findings.Add(shown, std::nullopt, Severity::Error, "server-unreadable", "cannot be read: " + unread.Reason());
        return std::nullopt;
    }
}

void CheckDescription(const ProjectListing& project, const std::string& itemName, const std::string& serverFile,
                      FindingList& findings) {
    const ClientFile description = FindClientFile(project.client, DescriptionFilePath(project.root, itemName));
    if (!description.entry) {
        findings.Add(serverFile, std::nullopt, Severity::Error, "description-missing",
                     "description file " + description.shown + " is missing");
        return;
    }
    try {
        if (DetectTextEncoding(QuietFiles::ReadFile(description.path).bytes) == TextEncoding::Unkeepable)
            findings.Add(description.shown, std::nullopt, Severity::Warning, "description-encoding",
                         "UTF-16 text with broken characters, which the editor cannot write back unchanged");
    } catch (const FileError& unread) {
        findings.Add(description.shown, std::nullopt, Severity::Error, "description-unreadable",
                     "cannot be read: " + unread.Reason());
    }
}

void CheckIcon(const ProjectListing& project, const std::string& itemName, const std::string& serverFile,
               FindingList& findings) {
    const ClientFile icon = FindClientFile(project.client, IconFilePath(project.root, itemName));
    if (!icon.entry) {
        findings.Add(serverFile, std::nullopt, Severity::Error, "icon-missing",
                     "icon file " + icon.shown + " is missing");
        return;
    }
    try {
        const QuietFiles::FileHead head = QuietFiles::ReadFile(icon.path, kIconHeadBytes);
        const IconJudgement judgement = JudgeIconBitmap(head.bytes, head.size);
        if (judgement.verdict == IconVerdict::NoBitmap)
            findings.Add(icon.shown, std::nullopt, Severity::Error, "icon-not-bitmap",
                         "not a Windows bitmap the editor can show");
        else if (judgement.verdict == IconVerdict::CutShort)
            findings.Add(icon.shown, std::nullopt, Severity::Error, "icon-unreadable",
                         "cannot be read: the file is cut short");
        else if (judgement.verdict == IconVerdict::TooLarge)
            findings.Add(icon.shown, std::nullopt, Severity::Error, "icon-not-bitmap",
                         "a bitmap too large for the editor to show: " + std::to_string(judgement.width) + " x " +
                             std::to_string(judgement.height) + " pixels");
    } catch (const FileError& unread) {
        findings.Add(icon.shown, std::nullopt, Severity::Error, "icon-unreadable",
                     "cannot be read: " + unread.Reason());
    }
}

void CheckAppearance(const ProjectListing& project, const std::string& itemName, const ServerFacts& facts,
                     const std::string& serverFile, FindingList& findings) {
    if (!facts.className)
        return;
    if (const auto breach = ItemRules::AppearanceBreach(project.root, project.client.Relative(), itemName, facts.type,
                                                        *facts.className))
        findings.Add(serverFile, facts.typeLine, Severity::Error, breach->rule, breach->message);
}

} // namespace

void CheckItem(const ProjectListing& project, const std::vector<std::string>& classList,
               const QuietFiles::Entry& serverEntry, const std::string& itemName, FindingList& findings) {
    const std::string serverFile = project.server.Relative() + serverEntry.name;
    const auto facts = CheckServerFile(project, classList, serverEntry.name, findings);
    CheckDescription(project, itemName, serverFile, findings);
    CheckIcon(project, itemName, serverFile, findings);
    if (facts)
        CheckAppearance(project, itemName, *facts, serverFile, findings);
}
