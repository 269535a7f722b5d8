#include "table/TableWrite.h"

#include "base/FileError.h"
#include "base/FileSystem.h"
#include "base/QuietFiles.h"
#include "itemdata/KeyValueFile.h"

namespace {

// A file written since the table was checked would lose that write: it is refused.
void CheckUnchanged(const ItemChange& change) {
    const QuietFiles::FileHead now = QuietFiles::ReadFile(change.serverFile, 0);
    if (now.size != change.size || now.modified != change.modified)
        throw FileError("save", change.serverFile,
                        "it was changed after the table was checked; run the import again to check the new values");
}

} // namespace

void WriteChanges(std::vector<ItemChange> changes) {
    for (const ItemChange& change : changes) {
        FileSystem::CheckCanReplace(change.serverFile, FileSystem::AtLink::WriteItsTarget,
                                    FileSystem::MissingFolder::Refused, "save");
        CheckUnchanged(change);
    }
    std::string written;
    try {
        for (ItemChange& change : changes) {
            CheckUnchanged(change);
            KeyValueFile store(change.serverFile, std::move(change.lines));
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
