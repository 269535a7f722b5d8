#include "base/FileError.h"

#include <system_error>

FileError::FileError(const std::string& action, const std::string& fileName, const std::string& reason)
    : std::runtime_error("Could not " + action + " \"" + fileName + "\": " + reason + "."), m_action(action),
      m_fileName(fileName), m_reason(reason) {}

FileError FileError::Adding(const std::string& sentence) const {
    return FileError(m_action, m_fileName, m_reason + ". " + sentence);
}

FileError FileError::FromErrno(const std::string& action, const std::string& fileName, int errorNumber) {
    return FileError(action, fileName, std::generic_category().message(errorNumber));
}
