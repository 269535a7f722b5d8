#pragma once

#include <string>

// Takes every read permission from a file for the helper's lifetime; its owner may still write it. A test run as the
// superuser, which reads every file whatever its permissions, gives up that power on this thread meanwhile, so the file
// is unreadable to it too. Windows has no such permission: there Supported() is false and the file stays as it is.
class UnreadableFile {
public:
    explicit UnreadableFile(const std::string& path);
    ~UnreadableFile();
    UnreadableFile(const UnreadableFile&) = delete;
    UnreadableFile& operator=(const UnreadableFile&) = delete;

    static bool Supported();

private:
    std::string m_path;
    bool m_superuserPowerDropped = false;
};
