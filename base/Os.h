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

// The editor's names and paths are UTF-8 text on Windows, taken from and given to its wide functions, so that no
// path is ever cut inside a character of a double-byte code page; elsewhere they are the bytes the system's
// functions take. The system's code page serves only for what files hold: the server data's values and the
// description. These give the file system's path for such a text, and back; every std::filesystem call goes
// through them.
std::filesystem::path FileSystemPath(const std::string& path);
std::string PathText(const std::filesystem::path& path);

// Text a file holds in the system's code page (a value, or words from a file) as UTF-8, as names and messages
// are. Elsewhere than on Windows the bytes already are the locale's text and pass on as they are.
std::string Utf8Text(const std::string& systemText);

// The system's text as whole UTF-8 whatever its bytes, for a file that must be UTF-8: on Windows from the code
// page; elsewhere the locale's UTF-8 as it is, and text that is no UTF-8 read as Windows-1252, as the editor reads it.
std::string WholeUtf8Text(const std::string& systemText);

// A name or a path as whole UTF-8: on Windows it is so already; elsewhere as WholeUtf8Text reads it.
std::string WholeUtf8Name(const std::string& name);

// UTF-8 (a name, or a value typed elsewhere) as text a file holds in the system's code page; none when the code
// page cannot hold one of its characters, which would be written as "?". Elsewhere than on Windows the locale's
// UTF-8 holds them all.
std::optional<std::string> SystemTextOfUtf8(const std::string& utf8);

// A line of UTF-8 for a console or a pipe, which read the system's code page on Windows; a character the code page
// cannot hold is shown as "?". Elsewhere it passes as it is.
std::string ConsoleText(const std::string& utf8);

// The command line the program was started with, as UTF-8 text, on Windows, where it arrives whole and the C
// runtime's own splitting of it would take a backslash before a quote for an escape; none elsewhere, where the
// arguments arrive split.
std::optional<std::string> WholeCommandLine();

// The system's reason for an error, as UTF-8 like every message.
std::string ReasonText(const std::error_code& error);

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
