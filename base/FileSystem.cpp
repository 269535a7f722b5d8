#include "base/FileSystem.h"

#include "base/FileError.h"
#include "base/Os.h"
#include "base/TextCase.h"

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <random>
#include <system_error>
#include <thread>

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
        const std::string candidate = Os::PathText(it->path().filename());
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

// A short name nobody can foretell, so that nothing can be planted at it before the save creates it; short, so
// that an item name as long as the file system allows still leaves room for it.
std::string UnpredictableName() {
    static std::random_device device;
    static std::uint64_t counter = 0;
    const auto now = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    std::uint64_t bits = ((std::uint64_t{device()} << 32) ^ device()) ^ (now * 0x9E3779B97F4A7C15ull) ^ ++counter;
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string name = ".~";
    for (int i = 0; i < 10; ++i, bits /= 36)
        name += kLetters[bits % 36];
    return name + ".tmp";
}

// A virus scanner or a search indexer holds a file it looks at for a moment: the save waits that moment out.
std::error_code MoveOverOnceFree(const std::string& from, const std::string& to) {
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    std::error_code error = Os::MoveOver(from, to);
    while (Os::IsHeldOpenError(error, to) && std::chrono::steady_clock::now() < giveUp) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        error = Os::MoveOver(from, to);
    }
    return error;
}

// The file a save replaces: the one a link at the name points to, when asked to write there and it exists.
std::string FileReplacedAt(const std::string& stored, AtLink atLink) {
    const fs::path path = Os::FileSystemPath(stored);
    std::error_code error;
    if (atLink == AtLink::WriteItsTarget && fs::is_symlink(path, error) && fs::is_regular_file(path, error)) {
        const fs::path target = fs::canonical(path, error);
        if (!error)
            return Os::PathText(target);
    }
    return stored;
}

// True when a file stands where target is saved; a folder standing there, or a read-only file, refuses the save.
bool ReplacesAFile(const std::string& target, AtLink atLink, const std::string& action, const std::string& path) {
    const fs::path name = Os::FileSystemPath(target);
    std::error_code error;
    const fs::file_status standing =
        atLink == AtLink::ReplaceIt ? fs::symlink_status(name, error) : fs::status(name, error);
    if (fs::is_directory(standing))
        throw FileError(action, path, "a folder of that name stands where the file belongs");
    const bool replacesFile = fs::is_regular_file(standing);
    if (replacesFile && Os::IsReadOnlyFile(target))
        throw FileError(action, path, "the file is read-only");
    return replacesFile;
}

// The size of the file at its stored path; 0 when it cannot be known.
std::uintmax_t SizeOfStored(const std::string& stored) {
    std::error_code unknownSize;
    const std::uintmax_t size = fs::file_size(Os::FileSystemPath(stored), unknownSize);
    return unknownSize ? 0 : size;
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
    FileHandle file(Os::OpenForReading(stored));
    if (!file)
        throw FileError::FromErrno("read", path, errno);
    // Read straight into room for the size the file has; a file that grows meanwhile is read to its end all the same.
    std::string bytes(static_cast<std::size_t>(SizeOfStored(stored)), '\0');
    std::size_t filled = std::fread(bytes.data(), 1, bytes.size(), file.get());
    bytes.resize(filled);
    char buffer[65536];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
        bytes.append(buffer, count);
    if (std::ferror(file.get()))
        throw FileError::FromErrno("read", path, errno);
    return bytes;
}

std::uintmax_t FileSize(const std::string& path) {
    return SizeOfStored(StoredPath(path));
}

void CheckReadable(const std::string& path) {
    if (!FileHandle(Os::OpenForReading(StoredPath(path))))
        throw FileError::FromErrno("read", path, errno);
}

void CheckCanReplace(const std::string& path, AtLink atLink, MissingFolder missingFolder, const std::string& action) {
    const std::string target = FileReplacedAt(StoredPath(path), atLink);
    ReplacesAFile(target, atLink, action, path);
    std::string folder = FolderOf(target);
    if (folder.size() > 1)
        folder.pop_back();
    std::error_code error;
    const fs::file_status holder = fs::status(Os::FileSystemPath(folder.empty() ? "." : folder), error);
    if (fs::is_directory(holder))
        return;
    if (fs::exists(holder))
        throw FileError::FromErrno(action, path, ENOTDIR);
    if (missingFolder == MissingFolder::Refused)
        throw FileError::FromErrno(action, path, ENOENT);
}

SafeFileWriter::SafeFileWriter(const std::string& path, AtLink atLink, const std::string& action)
    : m_path(path), m_action(action), m_target(FileReplacedAt(StoredPath(path), atLink)) {
    const bool replacesFile = ReplacesAFile(m_target, atLink, action, path);
    const std::string folder = FolderOf(m_target);
    for (int attempt = 0; attempt < 100 && !m_file; ++attempt) {
        m_temporary = folder + UnpredictableName();
        m_file = Os::CreateNewFile(m_temporary);
        if (!m_file && errno != EEXIST)
            throw FileError::FromErrno(action, path, errno);
    }
    if (!m_file)
        throw FileError::FromErrno(action, path, EEXIST);
    if (replacesFile && !Os::CopyAccessRights(m_file, m_target))
        Fail(errno);
}

SafeFileWriter::~SafeFileWriter() {
    if (!m_file)
        return;
    std::fclose(m_file);
    std::error_code ignored;
    fs::remove(Os::FileSystemPath(m_temporary), ignored);
}

void SafeFileWriter::Write(const char* bytes, std::size_t size) {
    if (std::fwrite(bytes, 1, size, m_file) != size)
        Fail(errno);
}

void SafeFileWriter::Commit() {
    if (!Os::FlushFileToDisk(m_file))
        Fail(errno);
    const bool closed = std::fclose(m_file) == 0;
    const int closeError = errno;
    m_file = nullptr;
    std::error_code ignored;
    if (!closed) {
        fs::remove(Os::FileSystemPath(m_temporary), ignored);
        throw FileError::FromErrno(m_action, m_path, closeError);
    }
    const std::error_code error = MoveOverOnceFree(m_temporary, m_target);
    if (error) {
        fs::remove(Os::FileSystemPath(m_temporary), ignored);
        if (!Os::IsHeldOpenError(error, m_target))
            throw FileError(m_action, m_path, Os::ReasonText(error));
        throw FileError(m_action, m_path,
                        "the file is in use by another program; close it there and " +
                            std::string(m_action == "save" ? "save" : "try") + " again");
    }
    Os::FlushFolderToDisk(FolderOf(m_target));
}

void SafeFileWriter::Fail(int errorNumber) {
    std::fclose(m_file);
    m_file = nullptr;
    std::error_code ignored;
    fs::remove(Os::FileSystemPath(m_temporary), ignored);
    throw FileError::FromErrno(m_action, m_path, errorNumber);
}

void WriteFileSafely(const std::string& path, const std::string& bytes, AtLink atLink) {
    SafeFileWriter writer(path, atLink);
    writer.Write(bytes.data(), bytes.size());
    writer.Commit();
}

void CopyFile(const std::string& source, const std::string& target, const CopyProgress& progress) {
    FileHandle input(Os::OpenForReading(StoredPath(source)));
    if (!input)
        throw FileError::FromErrno("copy", source, errno);
    std::error_code ignored;
    const std::uint64_t total = fs::file_size(Os::FileSystemPath(StoredPath(source)), ignored);
    const fs::path folder = Os::FileSystemPath(StoredPath(target)).parent_path();
    if (!folder.empty() && !fs::create_directories(folder, ignored) && !fs::is_directory(folder, ignored))
        throw FileError("copy to", target, "its folder cannot be made");
    SafeFileWriter output(target, AtLink::ReplaceIt, "copy to");
    std::uint64_t copied = 0;
    char buffer[1 << 16];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, input.get())) > 0) {
        output.Write(buffer, count);
        copied += count;
        if (progress)
            progress(copied, total);
    }
    if (std::ferror(input.get()))
        throw FileError::FromErrno("copy", source, errno);
    output.Commit();
}

std::vector<FolderEntry> ListFolder(const std::string& folder) {
    std::vector<FolderEntry> entries;
    std::error_code error;
    const std::string stored = StoredPath(folder);
    for (fs::directory_iterator it(Os::FileSystemPath(stored.empty() ? "." : stored), error), end; !error && it != end;
         it.increment(error)) {
        std::error_code kindError;
        entries.push_back({Os::PathText(it->path().filename()), it->is_directory(kindError)});
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

std::vector<std::string> NamesMatching(const std::string& folder, const std::string& mask) {
    std::vector<std::string> names;
    for (const auto& entry : ListFolder(folder)) {
        if (MatchesMask(entry.name, mask))
            names.push_back(entry.name);
    }
    return names;
}

} // namespace FileSystem
