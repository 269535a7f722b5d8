#include "tests/support/TempFolder.h"

#include "base/Os.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace fs = std::filesystem;

TempFolder::TempFolder() {
    static std::atomic<int> counter{0};
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path candidate =
            fs::temp_directory_path() / ("brindle-test-" + std::to_string(random()) + "-" + std::to_string(counter++));
        if (fs::create_directory(candidate)) {
            m_root = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot make a temporary folder");
}

TempFolder::~TempFolder() {
    std::error_code walking, ignored;
    // Windows removes no read-only file, and a test may have made one; links are left as they are.
    for (fs::recursive_directory_iterator it(m_root, walking), end; !walking && it != end; it.increment(walking)) {
        if (!it->is_symlink(ignored))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
    fs::remove_all(m_root, ignored);
}

std::string TempFolder::Root() const {
    return Os::PathText(m_root) + Os::kPathSeparator;
}

std::string TempFolder::Path(const std::string& relative) const {
    std::string native = relative;
    for (char& c : native) {
        if (c == '/')
            c = Os::kPathSeparator;
    }
    return Root() + native;
}

void TempFolder::Write(const std::string& relative, const std::string& bytes) const {
    const fs::path file = Os::FileSystemPath(Path(relative));
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

std::string TempFolder::Read(const std::string& relative) const {
    std::ifstream in(Os::FileSystemPath(Path(relative)), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void TempFolder::MakeFolder(const std::string& relative) const {
    fs::create_directories(Os::FileSystemPath(Path(relative)));
}

bool TempFolder::Exists(const std::string& relative) const {
    return fs::exists(Os::FileSystemPath(Path(relative)));
}
