#include "Os.h"

#ifdef _WIN32
#include <io.h>
#include <process.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace Os {

#ifdef _WIN32
bool FlushFileToDisk(std::FILE* file) {
    return std::fflush(file) == 0 && _commit(_fileno(file)) == 0;
}

void FlushFolderToDisk(const std::string&) {}

int ProcessId() {
    return _getpid();
}
#else
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
