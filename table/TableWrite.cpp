#include "table/TableWrite.h"

#include "base/FileError.h"
#include "base/FileSystem.h"
#include "itemdata/KeyValueFile.h"

void WriteChanges(const std::vector<ItemChange>& changes) {
    for (const ItemChange& change : changes)
        FileSystem::CheckCanReplace(change.serverFile, FileSystem::AtLink::WriteItsTarget,
                                    FileSystem::MissingFolder::Refused, "save");
    std::string written;
    try {
        for (const ItemChange& change : changes) {
            KeyValueFile store(change.serverFile);
            for (const ValueChange& value : change.values)
                store.WriteValue(value.key, value.after);
            store.SaveFile();
            written += (written.empty() ? "\"" : ", \"") + change.serverFile + "\"";
        }
    } catch (const FileError& failure) {
        if (written.empty())
            throw;
        throw failure.Adding("Already written: " + written + "; the other items' files are as they were");
    }
}
