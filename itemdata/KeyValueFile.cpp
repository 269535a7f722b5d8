#include "itemdata/KeyValueFile.h"

#include "base/FileError.h"
#include "base/FileSystem.h"
#include "base/TextEncoding.h"
#include "itemdata/TextLines.h"

#include <utility>

namespace {

// Lines and keys are single bytes to the store: UTF-16 text would be cut and rewritten into garbage.
void RefuseUtf16(const std::string& bytes, const std::string& fileName) {
    if (DetectTextEncoding(bytes) != TextEncoding::CodePage)
        throw FileError("read", fileName, "it is UTF-16 text, which the editor does not change");
}

KeyValueLines LoadLines(const std::string& fileName) {
    if (!FileSystem::FileExists(fileName))
        return KeyValueLines(std::string());
    std::string bytes = FileSystem::ReadFile(fileName);
    RefuseUtf16(bytes, fileName);
    return KeyValueLines(std::move(bytes));
}

} // namespace

std::vector<std::string> ServerDataLines(const std::string& bytes, const std::string& fileName) {
    RefuseUtf16(bytes, fileName);
    return SplitLines(bytes);
}

KeyValueFile::KeyValueFile(const std::string& fileName) : m_fileName(fileName), m_lines(LoadLines(fileName)) {}

void KeyValueFile::SaveFile() const {
    FileSystem::WriteFileSafely(m_fileName, m_lines.Text());
}
