#pragma once

#include <string>
#include <vector>

// File access for the editor. Every path goes through StoredPath, so names are found the way Windows
// finds them, without regard to letter case, on every file system.
namespace FileSystem {

// The path as it is stored on disk: each part that does not exist as written is replaced by the entry of its
// folder that differs only in letter case. Parts that match nothing are kept as written.
std::string StoredPath(const std::string& path);

// True for an existing file (not a folder).
bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);

// The whole file's bytes; raises FileError when it cannot be read.
std::string ReadFile(const std::string& path);

// Replaces the file by bytes, crash-safe: a temporary file in the same folder is written, flushed and renamed over
// the target, so the target holds either its old or its new content. Raises FileError; the existing file is
// then untouched.
void WriteFileSafely(const std::string& path, const std::string& bytes);

struct FolderEntry {
    std::string name;
    bool isFolder = false;
};

// The folder's entries in the order the file system lists them; empty when the folder cannot be read.
std::vector<FolderEntry> ListFolder(const std::string& folder);

// True when name matches a wildcard mask ("*" any run, "?" one character), ignoring letter case.
bool MatchesMask(const std::string& name, const std::string& mask);

} // namespace FileSystem
