#include "UINI.h"

#include "FileSystem.h"
#include "TextLines.h"

namespace {

std::vector<std::string> LoadLines(const std::string& fileName) {
    if (!FileSystem::FileExists(fileName))
        return {};
    return SplitLines(FileSystem::ReadFile(fileName));
}

} // namespace

TINI::TINI(const std::string& fileName, bool autoAdd) : m_fileName(fileName), m_lines(LoadLines(fileName), autoAdd) {}

TINI::~TINI() {
    if (!m_lines.AutoAdd())
        return;
    try {
        SaveFile();
    } catch (...) {
        // The saver's own SaveFile call has already reported this failure.
    }
}

std::string TINI::ReadValue(const std::string& name, bool addIfMissing) {
    return m_lines.ReadValue(name, addIfMissing);
}

void TINI::WriteValue(const std::string& name, const std::string& value, bool addIfMissing) {
    m_lines.WriteValue(name, value, addIfMissing);
}

void TINI::SaveFile() const {
    FileSystem::WriteFileSafely(m_fileName, JoinLines(m_lines.Lines()));
}
