#pragma once

#include <stdexcept>
#include <string>

// The one failure of the file system the editor reports; its message names the file and the reason,
// such as: Could not save "/games/quest/SERVER/Sword.ITM": No such file or directory.
class FileError : public std::runtime_error {
public:
    FileError(const std::string& action, const std::string& fileName, const std::string& reason);

    const std::string& FileName() const { return m_fileName; }
    // Why the action failed, without the file's name: "Permission denied".
    const std::string& Reason() const { return m_reason; }

    // The same failure with a sentence after its reason, such as which files were already saved.
    FileError Adding(const std::string& sentence) const;

    // A FileError whose reason is the operating system's text for an errno value.
    static FileError FromErrno(const std::string& action, const std::string& fileName, int errorNumber);

private:
    std::string m_action;
    std::string m_fileName;
    std::string m_reason;
};
