#pragma once

#include <cstdio>
#include <string>

// The one place where the editor's file handling differs between Windows and the other desktops.
namespace Os {

#ifdef _WIN32
// Windows separates folders with a backslash and its file system ignores letter case by itself.
inline constexpr char kPathSeparator = '\\';
inline constexpr bool kFileSystemIgnoresCase = true;
#else
inline constexpr char kPathSeparator = '/';
inline constexpr bool kFileSystemIgnoresCase = false;
#endif

// Pushes an open file's written bytes to the disk; false (with errno set) when that fails.
bool FlushFileToDisk(std::FILE* file);

// Makes a rename inside folder survive a power cut; failures are ignored where the system cannot do it.
void FlushFolderToDisk(const std::string& folder);

int ProcessId();

} // namespace Os
