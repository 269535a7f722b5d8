#include "Os.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <io.h>
#include <process.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace Os {

#ifdef _WIN32
std::filesystem::path FileSystemPath(const std::string& path) {
    const int length = static_cast<int>(path.size());
    const int size = MultiByteToWideChar(CP_ACP, 0, path.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_ACP, 0, path.data(), length, wide.data(), size);
    return std::filesystem::path(wide);
}

std::string CodePageText(const std::filesystem::path& path) {
    const std::wstring& wide = path.native();
    const int length = static_cast<int>(wide.size());
    const int size = WideCharToMultiByte(CP_ACP, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), length, text.data(), size, nullptr, nullptr);
    return text;
}

bool FlushFileToDisk(std::FILE* file) {
    return std::fflush(file) == 0 && _commit(_fileno(file)) == 0;
}

void FlushFolderToDisk(const std::string&) {}

int ProcessId() {
    return _getpid();
}
#else
std::filesystem::path FileSystemPath(const std::string& path) {
    return std::filesystem::path(path);
}

std::string CodePageText(const std::filesystem::path& path) {
    return path.string();
}

bool FlushFileToDisk(std::FILE* file) {
    return std::fflush(file) == 0 && fsync(fileno(file)) == 0;
}

void FlushFolderToDisk(const std::string& folder) {
    const int handle = open(folder.empty() ? "." : folder.c_str(), O_RDONLY);
    if (handle >= 0) {
        fsync(handle);
        close(handle);
    }
}

int ProcessId() {
    return static_cast<int>(getpid());
}
#endif

} // namespace Os
