#include "FileSystem.h"

#include "FileError.h"
#include "Os.h"
#include "TextCase.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <system_error>

namespace fs = std::filesystem;

namespace FileSystem {
namespace {

bool Exists(const std::string& path) {
    std::error_code error;
    return fs::exists(Os::FileSystemPath(path), error);
}

std::optional<std::string> EntryIgnoringCase(const std::string& folder, const std::string& name) {
    std::error_code error;
    for (fs::directory_iterator it(Os::FileSystemPath(folder.empty() ? "." : folder), error), end; !error && it != end;
         it.increment(error)) {
        const std::string candidate = Os::CodePageText(it->path().filename());
        if (SameTextIgnoringCase(candidate, name))
            return candidate;
    }
    return std::nullopt;
}

std::string FolderOf(const std::string& path) {
    const auto cut = path.find_last_of(Os::kPathSeparator);
    return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

void WriteTemporary(const std::string& temporary, const std::string& bytes, const std::string& target) {
    FileHandle file(std::fopen(temporary.c_str(), "wb"));
    if (!file)
        throw FileError::FromErrno("save", target, errno);
    const bool written =
        std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size() && Os::FlushFileToDisk(file.get());
    const int writeError = errno;
    const bool closed = std::fclose(file.release()) == 0;
    if (!written || !closed) {
        std::remove(temporary.c_str());
        throw FileError::FromErrno("save", target, written ? errno : writeError);
    }
}

} // namespace

std::string StoredPath(const std::string& path) {
    if (Os::kFileSystemIgnoresCase || path.empty() || Exists(path))
        return path;
    std::string stored;
    bool resolving = true;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find(Os::kPathSeparator, start);
        if (end == std::string::npos)
            end = path.size();
        std::string part = path.substr(start, end - start);
        if (resolving && !part.empty() && part != "." && part != ".." && !Exists(stored + part)) {
            const auto match = EntryIgnoringCase(stored, part);
            resolving = match.has_value();
            if (match)
                part = *match;
        }
        stored += part;
        if (end < path.size())
            stored += Os::kPathSeparator;
        start = end + 1;
    }
    return stored;
}

bool FileExists(const std::string& path) {
    std::error_code error;
    return fs::is_regular_file(Os::FileSystemPath(StoredPath(path)), error);
}

bool FolderExists(const std::string& path) {
    std::error_code error;
    return fs::is_directory(Os::FileSystemPath(StoredPath(path)), error);
}

std::string ReadFile(const std::string& path) {
    const std::string stored = StoredPath(path);
    FileHandle file(std::fopen(stored.c_str(), "rb"));
    if (!file)
        throw FileError::FromErrno("read", path, errno);
    std::string bytes;
    char buffer[65536];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
        bytes.append(buffer, count);
    if (std::ferror(file.get()))
        throw FileError::FromErrno("read", path, errno);
    return bytes;
}

void WriteFileSafely(const std::string& path, const std::string& bytes) {
    const std::string target = StoredPath(path);
    std::error_code error;
    if (fs::is_directory(Os::FileSystemPath(target), error))
        throw FileError("save", path, "a folder of that name stands where the file belongs");
    const std::string temporary = target + ".~" + std::to_string(Os::ProcessId()) + ".tmp";
    WriteTemporary(temporary, bytes, path);
    fs::rename(Os::FileSystemPath(temporary), Os::FileSystemPath(target), error);
    if (error) {
        std::remove(temporary.c_str());
        throw FileError("save", path, error.message());
    }
    Os::FlushFolderToDisk(FolderOf(target));
}

std::vector<FolderEntry> ListFolder(const std::string& folder) {
    std::vector<FolderEntry> entries;
    std::error_code error;
    const std::string stored = StoredPath(folder);
    for (fs::directory_iterator it(Os::FileSystemPath(stored.empty() ? "." : stored), error), end; !error && it != end;
         it.increment(error)) {
        std::error_code kindError;
        entries.push_back({Os::CodePageText(it->path().filename()), it->is_directory(kindError)});
    }
    return entries;
}

bool MatchesMask(const std::string& name, const std::string& mask) {
    // Iterative wildcard match with one backtrack point: linear for masks such as *.CLS.
    std::size_t n = 0, m = 0, starMask = std::string::npos, starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && mask[m] == '*') {
            starMask = m++;
            starName = n;
        } else if (m < mask.size() && (mask[m] == '?' || SameLetterIgnoringCase(mask[m], name[n]))) {
            ++n;
            ++m;
        } else if (starMask != std::string::npos) {
            m = starMask + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*')
        ++m;
    return m == mask.size();
}

} // namespace FileSystem
