#include "base/QuietFiles.h"

#include "base/FileError.h"
#include "base/Os.h"

#include <algorithm>
#include <cerrno>
#include <memory>

#ifdef _WIN32
#include <filesystem>
#include <system_error>
#else
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace QuietFiles {
namespace {

const char* const kFolderInTheWay = "a folder of that name stands where the file belongs";
const char* const kNoFile = "it is no plain file";

} // namespace

#ifdef _WIN32

FileHead ReadFile(const std::string& path, std::size_t limit) {
    const auto native = Os::FileSystemPath(path);
    std::error_code error;
    const auto status = std::filesystem::status(native, error);
    if (std::filesystem::is_directory(status))
        throw FileError("read", path, kFolderInTheWay);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
        throw FileError("read", path, kNoFile);
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(Os::OpenForReading(path), std::fclose);
    if (!file)
        throw FileError::FromErrno("read", path, errno);
    FileHead head;
    head.size = std::filesystem::file_size(native, error);
    head.modified = std::filesystem::last_write_time(native, error).time_since_epoch().count();
    char buffer[65536];
    while (head.bytes.size() < limit) {
        const std::size_t count = std::fread(buffer, 1, std::min(sizeof buffer, limit - head.bytes.size()), file.get());
        if (count == 0)
            break;
        head.bytes.append(buffer, count);
    }
    if (std::ferror(file.get()))
        throw FileError::FromErrno("read", path, errno);
    return head;
}

std::vector<Entry> ListFolder(const std::string& folder) {
    std::vector<Entry> entries;
    std::error_code error;
    std::filesystem::directory_iterator it(Os::FileSystemPath(folder), error), end;
    for (; !error && it != end; it.increment(error)) {
        std::error_code kindError;
        const auto status = it->status(kindError);
        const EntryKind kind = std::filesystem::is_directory(status)      ? EntryKind::Folder
                               : std::filesystem::is_regular_file(status) ? EntryKind::File
                                                                          : EntryKind::Other;
        entries.push_back({Os::PathText(it->path().filename()), kind});
    }
    if (error)
        throw FileError("read", folder, Os::ReasonText(error));
    return entries;
}

#else

namespace {

// Only the file's owner (or the superuser) may ask the system to leave the access time alone; anyone else reads
// the ordinary way.
int OpenQuietly(const std::string& path, int flags) {
    int handle = open(path.c_str(), flags | O_NOATIME | O_CLOEXEC | O_NOCTTY);
    if (handle < 0 && errno == EPERM)
        handle = open(path.c_str(), flags | O_CLOEXEC | O_NOCTTY);
    return handle;
}

class Handle {
public:
    explicit Handle(int handle) : m_handle(handle) {}
    ~Handle() {
        if (m_handle >= 0)
            close(m_handle);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    int get() const { return m_handle; }

private:
    int m_handle;
};

EntryKind KindOf(mode_t mode) {
    return S_ISDIR(mode) ? EntryKind::Folder : S_ISREG(mode) ? EntryKind::File : EntryKind::Other;
}

EntryKind KindOf(int folder, const dirent& entry) {
    if (entry.d_type == DT_DIR)
        return EntryKind::Folder;
    if (entry.d_type == DT_REG)
        return EntryKind::File;
    if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN)
        return EntryKind::Other;
    struct stat facts {};
    if (fstatat(folder, entry.d_name, &facts, 0) != 0)
        return EntryKind::Other;
    return KindOf(facts.st_mode);
}

} // namespace

FileHead ReadFile(const std::string& path, std::size_t limit) {
    // Not blocking: opening a pipe for reading would otherwise wait for a writer that never comes.
    const Handle file(OpenQuietly(path, O_RDONLY | O_NONBLOCK));
    if (file.get() < 0)
        throw FileError::FromErrno("read", path, errno);
    struct stat facts {};
    if (fstat(file.get(), &facts) != 0)
        throw FileError::FromErrno("read", path, errno);
    if (S_ISDIR(facts.st_mode))
        throw FileError("read", path, kFolderInTheWay);
    if (!S_ISREG(facts.st_mode))
        throw FileError("read", path, kNoFile);
    FileHead head;
    head.size = static_cast<std::uint64_t>(facts.st_size);
    head.modified = std::int64_t{facts.st_mtim.tv_sec} * 1000000000 + facts.st_mtim.tv_nsec;
    char buffer[65536];
    while (head.bytes.size() < limit) {
        const ssize_t count = read(file.get(), buffer, std::min(sizeof buffer, limit - head.bytes.size()));
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            throw FileError::FromErrno("read", path, errno);
        if (count == 0)
            break;
        head.bytes.append(buffer, static_cast<std::size_t>(count));
    }
    return head;
}

std::vector<Entry> ListFolder(const std::string& folder) {
    const int handle = OpenQuietly(folder.empty() ? "." : folder, O_RDONLY | O_DIRECTORY | O_NONBLOCK);
    if (handle < 0)
        throw FileError::FromErrno("read", folder, errno);
    DIR* listing = fdopendir(handle);
    if (!listing) {
        const int error = errno;
        close(handle);
        throw FileError::FromErrno("read", folder, error);
    }
    const std::unique_ptr<DIR, int (*)(DIR*)> closer(listing, closedir);
    std::vector<Entry> entries;
    errno = 0;
    while (const dirent* entry = readdir(listing)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            entries.push_back({name, KindOf(handle, *entry)});
        errno = 0;
    }
    if (errno != 0)
        throw FileError::FromErrno("read", folder, errno);
    return entries;
}

#endif

} // namespace QuietFiles
