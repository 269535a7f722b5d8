#include "itemdata/KeyValueFile.h"

#include "base/FileError.h"
#include "base/FileSystem.h"
#include "base/TextEncoding.h"

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
    return KeyValueLines(std::move(bytes));
}

KeyValueFile::KeyValueFile(const std::string& fileName) : m_fileName(fileName), m_lines(LoadLines(fileName)) {}

void KeyValueFile::SaveFile() const {
    FileSystem::SafeFileWriter writer(m_fileName, FileSystem::AtLink::WriteItsTarget);
    m_lines.WriteText([&writer](const char* bytes, std::size_t size) { writer.Write(bytes, size); });
    writer.Commit();
}
