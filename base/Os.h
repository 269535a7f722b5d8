#pragma once

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

// The one place where the editor's file handling differs between Windows and the other desktops: FileSystem takes
// every difference from here. One more file differs, QuietFiles.cpp, the checker's reading: elsewhere than on
// Windows it opens files and folders itself, with O_NOATIME and O_NONBLOCK, which keep its promises (no new access
// time, no wait on a pipe) and have no Windows counterpart; on Windows it reads through std::filesystem and the
// functions here.
namespace Os {

#ifdef _WIN32
// Windows separates folders with a backslash and its file system ignores letter case by itself.
inline constexpr char kPathSeparator = '\\';
inline constexpr bool kFileSystemIgnoresCase = true;
#else
inline constexpr char kPathSeparator = '/';
inline constexpr bool kFileSystemIgnoresCase = false;
#endif

// The editor's paths are text in the system's code page, as the desktop's own file functions take them. These
// give the file system's path for such a text, and back; a character the code page cannot hold becomes "?".
// Every std::filesystem call goes through them: on Windows its own conversion of narrow text uses Latin-1 one
// way and UTF-8 the other, not the code page.
std::filesystem::path FileSystemPath(const std::string& path);
std::string CodePageText(const std::filesystem::path& path);

// The system's text (a name, or words from a file) as UTF-8, for readers that take nothing else. On Windows it is
// in the code page; elsewhere the bytes already are the locale's text and pass on as they are.
std::string Utf8Text(const std::string& systemText);

// The system's text as whole UTF-8 whatever its bytes, for a file that must be UTF-8: on Windows from the code
// page; elsewhere the locale's UTF-8 as it is, and text that is no UTF-8 read as Windows-1252, as the editor reads it.
std::string WholeUtf8Text(const std::string& systemText);

// UTF-8 as the system's text; none when the code page cannot hold one of its characters, which would be written
// as "?". Elsewhere than on Windows the locale's UTF-8 holds them all.
std::optional<std::string> SystemTextOfUtf8(const std::string& utf8);

// Lets standard output pass bytes unchanged: in Windows' text mode every LF written would gain a CR.
void SetBinaryStandardOutput();

// Opens an existing file for reading its bytes; null (with errno set) when it cannot. On Windows through the wide
// functions, which take paths longer than 260 characters.
std::FILE* OpenForReading(const std::string& path);

// Opens a new file for writing, only if nothing at all stands at path: an existing file, folder or link (even one
// pointing nowhere) makes it fail with errno EEXIST, so a link planted there can never redirect the write.
std::FILE* CreateNewFile(const std::string& path);

// Gives the open file the access rights of the existing file model; false (with errno set) when that fails.
// Windows keeps no such rights on a file, so there it does nothing.
bool CopyAccessRights(std::FILE* file, const std::string& model);

// True when the existing file may not be changed by this user: Windows' read-only attribute, or elsewhere no
// write permission for anyone or none for this user (the folder's permission would let a save replace it anyway).
bool IsReadOnlyFile(const std::string& path);

// Pushes an open file's written bytes to the disk; false (with errno set) when that fails.
bool FlushFileToDisk(std::FILE* file);

// Puts the file from in place of the file to, replacing it in one step when it exists, so that to holds either its
// old or its new bytes; the system's error when it refuses, none when done.
std::error_code MoveOver(const std::string& from, const std::string& to);

// True when MoveOver's error to replace target says another program holds a file open without letting others
// replace it: on Windows a sharing or lock violation, or an access violation on a file this user may write. Never
// elsewhere, where a file held open is replaced all the same.
bool IsHeldOpenError(const std::error_code& error, const std::string& target);

// Makes a rename inside folder survive a power cut; failures are ignored where the system cannot do it.
void FlushFolderToDisk(const std::string& folder);

} // namespace Os
