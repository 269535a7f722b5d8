#include "tests/robustness/TinyDisk.h"

#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <stdexcept>

namespace {

constexpr long kPageSize = 4096;

TinyDisk g_tinyDisk;

std::string Failed(const std::string& step) {
    return step + " failed: " + std::strerror(errno);
}

std::string MountInOwnNamespace() {
    if (geteuid() != 0)
        return "the test does not run as root, so it may not mount a tmpfs";
    if (unshare(CLONE_NEWNS) != 0)
        return Failed("unshare(CLONE_NEWNS)");
    // Mounts made here must not show in the namespace the program came from.
    if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return Failed("making the mounts private");
    std::string folder = (std::filesystem::temp_directory_path() / "brindle-tiny-disk-XXXXXX").string();
    if (!mkdtemp(folder.data()))
        return Failed("mkdtemp");
    if (mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=1m,mode=0700") != 0) {
        const std::string reason = Failed("mount -t tmpfs -o size=1m");
        rmdir(folder.c_str());
        return reason;
    }
    g_tinyDisk.mountPoint = folder;
    return {};
}

} // namespace

void MountTinyDisk() {
    g_tinyDisk.unavailableReason = MountInOwnNamespace();
}

void UnmountTinyDisk() {
    if (g_tinyDisk.mountPoint.empty())
        return;
    umount2(g_tinyDisk.mountPoint.c_str(), MNT_DETACH);
    rmdir(g_tinyDisk.mountPoint.c_str());
    g_tinyDisk.mountPoint.clear();
}

const TinyDisk& TheTinyDisk() {
    return g_tinyDisk;
}

long FillDisk(const std::string& fillerFile) {
    const int file = open(fillerFile.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    if (file < 0)
        throw std::runtime_error(Failed("opening " + fillerFile));
    const std::string page(kPageSize, 'F');
    long pages = 0;
    while (write(file, page.data(), page.size()) == kPageSize)
        ++pages;
    const int error = errno;
    close(file);
    if (error != ENOSPC)
        throw std::runtime_error("filling the disk stopped with " + std::string(std::strerror(error)));
    return pages;
}

void FreePages(const std::string& fillerFile, long pages) {
    struct stat status {};
    if (stat(fillerFile.c_str(), &status) != 0 ||
        truncate(fillerFile.c_str(), status.st_size / kPageSize * kPageSize - pages * kPageSize) != 0)
        throw std::runtime_error(Failed("freeing pages of " + fillerFile));
}
