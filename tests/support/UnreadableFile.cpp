#include "tests/support/UnreadableFile.h"

#ifdef _WIN32

UnreadableFile::UnreadableFile(const std::string& path) : m_path(path) {}
UnreadableFile::~UnreadableFile() = default;
bool UnreadableFile::Supported() {
    return false;
}

#else

#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// The superuser's power to read and search whatever the permissions say, switched on or off for this thread.
bool SetSuperuserFileAccess(bool on) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    if (syscall(SYS_capget, &header, data) != 0)
        return false;
    constexpr unsigned kPowers = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);
    data[0].effective = on ? (data[0].effective | (data[0].permitted & kPowers)) : (data[0].effective & ~kPowers);
    return syscall(SYS_capset, &header, data) == 0;
}

} // namespace

UnreadableFile::UnreadableFile(const std::string& path) : m_path(path) {
    // Writable still, so that only the editor's own care keeps a save from replacing what it could not read.
    chmod(m_path.c_str(), S_IWUSR);
    if (geteuid() == 0)
        m_superuserPowerDropped = SetSuperuserFileAccess(false);
}

UnreadableFile::~UnreadableFile() {
    if (m_superuserPowerDropped)
        SetSuperuserFileAccess(true);
    chmod(m_path.c_str(), 0644);
}

bool UnreadableFile::Supported() {
    return true;
}

#endif
