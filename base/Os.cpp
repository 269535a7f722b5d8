#include "base/Os.h"

#include "base/Utf8Text.h"

#include <cerrno>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace Os {

#ifdef _WIN32
namespace {

std::wstring WideText(const std::string& text, UINT codePage) {
    const int length = static_cast<int>(text.size());
    const int size = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), length, wide.data(), size);
    return wide;
}

std::string NarrowText(const std::wstring& wide, UINT codePage) {
    const int length = static_cast<int>(wide.size());
    const int size = WideCharToMultiByte(codePage, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), length, text.data(), size, nullptr, nullptr);
    return text;
}

} // namespace

std::filesystem::path FileSystemPath(const std::string& path) {
    return std::filesystem::path(WideText(path, CP_UTF8));
}

std::string PathText(const std::filesystem::path& path) {
    return NarrowText(path.native(), CP_UTF8);
}

std::string Utf8Text(const std::string& systemText) {
    return NarrowText(WideText(systemText, CP_ACP), CP_UTF8);
}

std::string WholeUtf8Text(const std::string& systemText) {
    return Utf8Text(systemText);
}

std::string WholeUtf8Name(const std::string& name) {
    return name;
}

std::optional<std::string> SystemTextOfUtf8(const std::string& utf8) {
    // A code page that is UTF-8 itself takes no question about characters it cannot hold.
    if (GetACP() == CP_UTF8)
        return utf8;
    const std::wstring wide = WideText(utf8, CP_UTF8);
    const int length = static_cast<int>(wide.size());
    BOOL notHeld = FALSE;
    const int size =
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), length, nullptr, 0, nullptr, &notHeld);
    if (notHeld)
        return std::nullopt;
    std::string text(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), length, text.data(), size, nullptr, nullptr);
    return text;
}

std::string ConsoleText(const std::string& utf8) {
    return NarrowText(WideText(utf8, CP_UTF8), CP_ACP);
}

std::optional<std::string> WholeCommandLine() {
    return NarrowText(GetCommandLineW(), CP_UTF8);
}

std::string ReasonText(const std::error_code& error) {
    // The system's own words come in the code page, in the user's language; an error the C library also knows
    // is told in its words.
    const std::error_condition reason = error.default_error_condition();
    const std::string words = reason.message();
    return reason.category() == std::system_category() ? Utf8Text(words) : words;
}

void SetBinaryStandardOutput() {
    _setmode(_fileno(stdout), _O_BINARY);
}

std::FILE* OpenForReading(const std::string& path) {
    return _wfopen(FileSystemPath(path).c_str(), L"rb");
}

std::FILE* CreateNewFile(const std::string& path) {
    const int handle = _wopen(FileSystemPath(path).c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY | _O_NOINHERIT,
                              _S_IREAD | _S_IWRITE);
    if (handle < 0)
        return nullptr;
    std::FILE* file = _fdopen(handle, "wb");
    if (!file)
        _close(handle);
    return file;
}

bool CopyAccessRights(std::FILE*, const std::string&) {
    return true;
}

bool IsReadOnlyFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(FileSystemPath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) &&
           !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FlushFileToDisk(std::FILE* file) {
    return std::fflush(file) == 0 && _commit(_fileno(file)) == 0;
}

std::error_code MoveOver(const std::string& from, const std::string& to) {
    // Windows has no folder to flush afterwards, so the move itself reaches the disk before it returns.
    if (MoveFileExW(FileSystemPath(from).c_str(), FileSystemPath(to).c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return {};
    return std::error_code(static_cast<int>(GetLastError()), std::system_category());
}

bool IsHeldOpenError(const std::error_code& error, const std::string& target) {
    if (error.category() != std::system_category())
        return false;
    switch (static_cast<DWORD>(error.value())) {
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return true;
    case ERROR_ACCESS_DENIED: {
        // Windows denies access to a read-only file, a folder and a device's name too: no program's hold ends those.
        std::error_code ignored;
        return std::filesystem::is_regular_file(FileSystemPath(target), ignored) && !IsReadOnlyFile(target);
    }
    default:
        return false;
    }
}

void FlushFolderToDisk(const std::string&) {}

#else
std::filesystem::path FileSystemPath(const std::string& path) {
    return std::filesystem::path(path);
}

std::string PathText(const std::filesystem::path& path) {
    return path.string();
}

std::string Utf8Text(const std::string& systemText) {
    return systemText;
}

std::string WholeUtf8Text(const std::string& systemText) {
    return FirstNonUtf8Byte(systemText) ? Utf8FromWindows1252(systemText) : systemText;
}

std::string WholeUtf8Name(const std::string& name) {
    return WholeUtf8Text(name);
}

std::optional<std::string> SystemTextOfUtf8(const std::string& utf8) {
    return utf8;
}

std::string ConsoleText(const std::string& utf8) {
    return utf8;
}

std::optional<std::string> WholeCommandLine() {
    return std::nullopt;
}

std::string ReasonText(const std::error_code& error) {
    return error.default_error_condition().message();
}

void SetBinaryStandardOutput() {}

std::FILE* OpenForReading(const std::string& path) {
    return std::fopen(path.c_str(), "rb");
}

std::FILE* CreateNewFile(const std::string& path) {
    const int handle = open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (handle < 0)
        return nullptr;
    std::FILE* file = fdopen(handle, "wb");
    if (!file)
        close(handle);
    return file;
}

bool CopyAccessRights(std::FILE* file, const std::string& model) {
    struct stat facts {};
    if (stat(model.c_str(), &facts) != 0)
        return false;
    return fchmod(fileno(file), facts.st_mode & 07777) == 0;
}

bool IsReadOnlyFile(const std::string& path) {
    struct stat facts {};
    if (stat(path.c_str(), &facts) != 0 || !S_ISREG(facts.st_mode))
        return false;
    // The superuser passes every access test, so a file nobody may write counts as read-only for it too.
    const bool nobodyMayWrite = (facts.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
    return nobodyMayWrite || (access(path.c_str(), W_OK) != 0 && errno == EACCES);
}

bool FlushFileToDisk(std::FILE* file) {
    return std::fflush(file) == 0 && fsync(fileno(file)) == 0;
}

std::error_code MoveOver(const std::string& from, const std::string& to) {
    if (std::rename(from.c_str(), to.c_str()) == 0)
        return {};
    return std::error_code(errno, std::generic_category());
}

bool IsHeldOpenError(const std::error_code&, const std::string&) {
    return false;
}

void FlushFolderToDisk(const std::string& folder) {
    const int handle = open(folder.empty() ? "." : folder.c_str(), O_RDONLY);
    if (handle >= 0) {
        fsync(handle);
        close(handle);
    }
}

#endif

} // namespace Os
