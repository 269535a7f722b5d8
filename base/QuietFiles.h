#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// Reading files and folders for a program that only looks at a project and writes nothing (brindlework-check):
// where the system lets it, nothing it reads gets a new access time, and nothing it meets (a pipe, a device, a link
// to one) can make it wait. Paths are taken as stored on disk: no letter case is looked up, so a caller finds a name
// in a folder's listing first. The editor, which finds names in any case and writes, uses FileSystem instead.
namespace QuietFiles {

// The most a read takes when the caller wants it all.
constexpr std::size_t kWholeFile = SIZE_MAX;

struct FileHead {
    std::string bytes;         // the file's first bytes, at most as many as asked for
    std::uint64_t size = 0;    // the whole file's size
    std::int64_t modified = 0; // when it was last written, in the system's own units: to tell a later change
};

// The file's first limit bytes, its size and when it was last written (with a limit of 0, only those). Raises FileError
// ("read") when it cannot be read, or when a folder or anything but a plain file stands there.
FileHead ReadFile(const std::string& path, std::size_t limit = kWholeFile);

enum class EntryKind { File, Folder, Other };

struct Entry {
    std::string name;
    EntryKind kind; // what a link points to; Other for a link that points nowhere
};

// The folder's entries in the order the file system lists them. Raises FileError ("read") when it cannot be read.
std::vector<Entry> ListFolder(const std::string& folder);

} // namespace QuietFiles
