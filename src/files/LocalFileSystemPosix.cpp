// SPDX-License-Identifier: MIT
#include "LocalFileSystem.h"

#include "DisplayOrder.h"
#include "FolderPath.h"
#include "MountTable.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>

namespace {

// What a folder's thread hands back: plain bytes and an error, as the thread may finish
// while the program is ending. Listing and sorting both happen there, so that a folder of a
// hundred thousand subfolders costs the windows no more than its wait.
struct FolderRead
{
    std::error_code error;
    std::vector<std::string> names;
};

FolderRead readFolder(const std::string &folder)
{
    FolderRead read;
    std::filesystem::directory_iterator entry(folder, read.error);
    for (; !read.error && entry != std::filesystem::directory_iterator();
         entry.increment(read.error)) {
        std::string name = entry->path().filename().native();
        std::error_code typeError;
        // A hidden folder is not offered; a broken link or a vanished entry is no folder.
        if (!name.starts_with('.') && entry->is_directory(typeError))
            read.names.push_back(std::move(name));
    }
    if (!read.error)
        sortForDisplay(read.names);
    return read;
}

bool isUnder(std::string_view folder, std::string_view parent)
{
    return folder == parent
        || (folder.starts_with(parent) && folder.size() > parent.size()
            && folder[parent.size()] == '/');
}

template<std::size_t count>
bool isUnderAny(std::string_view folder, const std::array<std::string_view, count> &parents)
{
    return std::any_of(parents.begin(), parents.end(),
                       [&](std::string_view parent) { return isUnder(folder, parent); });
}

template<std::size_t count>
bool isAmong(std::string_view type, const std::array<std::string_view, count> &types)
{
    return std::find(types.begin(), types.end(), type) != types.end();
}

} // namespace

LocalFileSystem::LocalFileSystem(Waiter *waiter) : m_calls(answerLimit, waiter) { }

std::vector<Drive> LocalFileSystem::drives() const
{
    std::vector<std::string> folders;
    for (Mount &mount : readMountTable()) {
        if (mount.folder != "/" && isPickableVolume(mount.folder, mount.type))
            folders.push_back(std::move(mount.folder));
    }
    std::sort(folders.begin(), folders.end());
    folders.erase(std::unique(folders.begin(), folders.end()), folders.end());
    std::vector<Drive> result {{"/", "/"}};
    result.reserve(folders.size() + 1);
    for (std::string &folder : folders) {
        std::string shown = shownPath(folder);
        result.push_back(Drive {std::move(folder), std::move(shown)});
    }
    return result;
}

Result<std::vector<std::string>, std::string>
LocalFileSystem::listFolder(const std::string &folder) const
{
    std::optional<FolderRead> read =
        m_calls.run<FolderRead>(folder, [folder] { return readFolder(folder); });
    if (!read)
        return Failure {std::make_error_code(std::errc::timed_out).message()};
    if (read->error)
        return Failure {read->error.message()};
    return std::move(read->names);
}

std::string LocalFileSystem::currentFolder() const
{
    std::error_code error;
    const std::filesystem::path current = std::filesystem::current_path(error);
    return error ? std::string("/") : current.native();
}

bool LocalFileSystem::isPickableVolume(std::string_view mountFolder, std::string_view type)
{
    static constexpr std::array<std::string_view, 27> systemTypes {
        "autofs",          "binfmt_misc", "bpf",        "cgroup",   "cgroup2",  "configfs",
        "debugfs",         "devfs",       "devpts",     "devtmpfs", "efivarfs", "fusectl",
        "hugetlbfs",       "mqueue",      "nsfs",       "overlay",  "proc",     "pstore",
        "rpc_pipefs",      "securityfs",  "selinuxfs",  "squashfs", "sysfs",    "tracefs",
        "fuse.gvfsd-fuse", "fuse.portal", "fuse.lxcfs",
    };
    // A memory file system is the system's, unless a person mounted it where people mount
    // their own volumes.
    static constexpr std::array<std::string_view, 2> memoryTypes {"tmpfs", "ramfs"};
    static constexpr std::array<std::string_view, 3> peoplesFolders {"/media", "/mnt",
                                                                     "/run/media"};
    static constexpr std::array<std::string_view, 5> systemFolders {"/proc", "/sys", "/dev",
                                                                    "/snap", "/System/Volumes"};
    if (mountFolder == "/")
        return true;
    if (isAmong(type, systemTypes))
        return false;
    if (isAmong(type, memoryTypes))
        return isUnderAny(mountFolder, peoplesFolders);
    // Removable media land under /run/media on several distributions; the rest of /run
    // is the system's.
    if (isUnder(mountFolder, "/run"))
        return isUnder(mountFolder, "/run/media");
    return !isUnderAny(mountFolder, systemFolders);
}
