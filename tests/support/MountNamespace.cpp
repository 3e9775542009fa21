// SPDX-License-Identifier: MIT
#include "MountNamespace.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#ifdef __linux__
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>
#endif

#ifdef __linux__

namespace {

constexpr const char *scratch = "/mnt";

bool makeFolder(const std::string &folder)
{
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return !error;
}

} // namespace

std::string MountNamespace::enter()
{
    if (geteuid() != 0)
        return "needs root for a private mount namespace";
    if (unshare(CLONE_NEWNS) != 0)
        return std::string("unshare(CLONE_NEWNS) failed: ") + std::strerror(errno);
    // Nothing mounted here may reach the machine's own namespace.
    if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return std::string("cannot make the mounts private: ") + std::strerror(errno);
    if (!std::filesystem::is_directory(scratch))
        return "no /mnt to mount a scratch file system on";
    if (!resetScratch())
        return std::string("cannot mount a tmpfs on /mnt: ") + std::strerror(errno);
    return {};
}

bool MountNamespace::resetScratch()
{
    umount2(scratch, MNT_DETACH);
    return mount("lapforge-scratch", scratch, "tmpfs", 0, "size=16m") == 0;
}

bool MountNamespace::mountTmpfs(const std::string &folder)
{
    return makeFolder(folder) && mount("lapforge-test", folder.c_str(), "tmpfs", 0, "size=1m") == 0;
}

int MountNamespace::mountSilentFuse(const std::string &folder)
{
    if (!makeFolder(folder))
        return -1;
    const int device = open("/dev/fuse", O_RDWR | O_CLOEXEC);
    if (device < 0)
        return -1;
    const std::string options =
        "fd=" + std::to_string(device) + ",rootmode=40000,user_id=0,group_id=0";
    if (mount("lapforge-silent", folder.c_str(), "fuse", MS_NOSUID | MS_NODEV, options.c_str())
        != 0) {
        close(device);
        return -1;
    }
    return device;
}

bool MountNamespace::unmount(const std::string &folder)
{
    return umount2(folder.c_str(), MNT_DETACH) == 0;
}

#else

std::string MountNamespace::enter()
{
    return "mount namespaces are Linux's";
}

bool MountNamespace::resetScratch()
{
    return false;
}

bool MountNamespace::mountTmpfs(const std::string &)
{
    return false;
}

int MountNamespace::mountSilentFuse(const std::string &)
{
    return -1;
}

bool MountNamespace::unmount(const std::string &)
{
    return false;
}

#endif
