#include "itemdata/KeyValueFile.h"

#include "base/FileError.h"
#include "base/FileSystem.h"
#include "base/TextEncoding.h"
#include "itemdata/ItemVocabulary.h"

#include <cstdint>
#include <utility>

namespace {

KeyValueLines LoadLines(const std::string& fileName) {
    if (!FileSystem::FileExists(fileName))
        return KeyValueLines(std::string());
    return ServerDataLines(FileSystem::ReadFile(fileName), fileName);
}

} // namespace

KeyValueLines ServerDataLines(std::string bytes, const std::string& fileName) {
    // Lines and keys are single bytes to the store: UTF-16 text would be cut and rewritten into garbage.
    if (DetectTextEncoding(bytes) != TextEncoding::CodePage)
        throw FileError("read", fileName, "it is UTF-16 text, which the editor does not change");
    // The store's places in the text are 32-bit.
    if (bytes.size() >= (std::uint64_t{4} << 30) - 1)
        throw FileError("read", fileName, "it is 4 GiB or larger, far more than any server data file");
    // The item's keys are found as the file is read: the file's other names are never asked for, and indexing them
    // all cost a large file most of its load.
    return KeyValueLines(std::move(bytes),
                         {ItemVocabulary::kServerDataKeys.begin(), ItemVocabulary::kServerDataKeys.end()});
}

KeyValueFile::KeyValueFile(const std::string& fileName) : m_fileName(fileName), m_lines(LoadLines(fileName)) {}

KeyValueFile::KeyValueFile(const std::string& fileName, KeyValueLines lines)
    : m_fileName(fileName), m_lines(std::move(lines)) {}

void KeyValueFile::SaveFile() const {
    FileSystem::SafeFileWriter writer(m_fileName, FileSystem::AtLink::WriteItsTarget);
    m_lines.WriteText([&writer](const char* bytes, std::size_t size) { writer.Write(bytes, size); });
    writer.Commit();
}
