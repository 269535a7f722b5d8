#pragma once

#include <filesystem>
#include <string>

// A fresh folder for one test, removed with everything in it when the test ends.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder's path with the platform's separator at its end.
    std::string Root() const;
    // Root() + relative, where relative uses "/" between folders.
    std::string Path(const std::string& relative) const;

    void Write(const std::string& relative, const std::string& bytes) const;
    std::string Read(const std::string& relative) const;
    void MakeFolder(const std::string& relative) const;
    bool Exists(const std::string& relative) const;

private:
    std::filesystem::path m_root;
};
