#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

// File access for the editor, which opens an item's files and saves them: every path goes through StoredPath, so
// names are found the way Windows finds them, without regard to letter case, on every file system, and every write
// is crash-safe. A program that only looks and must leave a project untouched, its access times too, reads through
// QuietFiles instead.
namespace FileSystem {

// The path as it is stored on disk: each part that does not exist as written is replaced by the entry of its
// folder that differs only in letter case. Parts that match nothing are kept as written.
std::string StoredPath(const std::string& path);

// True for an existing file (not a folder).
bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);

// The whole file's bytes; raises FileError when it cannot be read.
std::string ReadFile(const std::string& path);

// The file's size in bytes; 0 when it cannot be known.
std::uintmax_t FileSize(const std::string& path);

// What a save does when the file's name is a link: a link to an existing file of the user's keeps pointing there
// and that file is replaced; otherwise the link itself is replaced by the file.
enum class AtLink { WriteItsTarget, ReplaceIt };

// Raises FileError ("read") when the file cannot be opened for reading.
void CheckReadable(const std::string& path);

// Whether a folder missing where a file is saved refuses the save, or is made by the writing itself.
enum class MissingFolder { Refused, MadeOnWrite };

// Raises the FileError that saving path would raise before writing anything: a folder standing at its name, a
// read-only file, or no folder to hold it. A save of several files checks them all before it writes the first.
void CheckCanReplace(const std::string& path, AtLink atLink, MissingFolder missingFolder, const std::string& action);

// Replaces a file crash-safe: the bytes go to a new temporary file beside the file replaced, created exclusively
// under an unpredictable short name, which Commit flushes and renames over it. Until then the file is untouched,
// and a writer dropped without Commit removes its temporary. The file keeps its access rights; a read-only file
// or a folder standing at its name is refused. Every failure raises FileError naming path, with action ("save").
class SafeFileWriter {
public:
    SafeFileWriter(const std::string& path, AtLink atLink, const std::string& action = "save");
    ~SafeFileWriter();
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    void Write(const char* bytes, std::size_t size);
    void Commit();

private:
    [[noreturn]] void Fail(int errorNumber);

    std::string m_path, m_action, m_target, m_temporary;
    std::FILE* m_file = nullptr;
};

// Replaces the file by bytes with a SafeFileWriter: the target holds either its old or its new content.
void WriteFileSafely(const std::string& path, const std::string& bytes, AtLink atLink = AtLink::WriteItsTarget);

// Told, after each piece of a copy, how many of the file's bytes are copied so far and how many it has.
using CopyProgress = std::function<void(std::uint64_t copied, std::uint64_t total)>;

// Copies the file source to the file path target, as the desktop's copy does: the target's folder is made when
// missing, and the target is written crash-safe, a link at its name replaced rather than followed. Raises
// FileError ("copy" naming source when it cannot be read, "copy to" naming target); progress, when given, may
// raise to stop the copy, which leaves the target as it was.
void CopyFile(const std::string& source, const std::string& target, const CopyProgress& progress);

struct FolderEntry {
    std::string name;
    bool isFolder = false;
};

// The folder's entries in the order the file system lists them; empty when the folder cannot be read.
std::vector<FolderEntry> ListFolder(const std::string& folder);

// True when name matches a wildcard mask ("*" any run, "?" one character), ignoring letter case.
bool MatchesMask(const std::string& name, const std::string& mask);

// The names of the folder's entries that match mask, folders and names starting with a dot among them, in the
// order the file system lists them; empty when the folder cannot be read.
std::vector<std::string> NamesMatching(const std::string& folder, const std::string& mask);

} // namespace FileSystem
