// SPDX-License-Identifier: MIT
#include "LocalFileSystem.h"

#include "MountTable.h"

#include <QDir>

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace {

// What a folder's thread hands back: plain bytes and an error, nothing of the toolkit's, as
// the thread may finish while the program is ending.
struct FolderRead
{
    std::error_code error;
    std::vector<std::string> names;
};

std::filesystem::path toFsPath(const std::string &folder)
{
#ifdef Q_OS_WIN
    return std::filesystem::path(std::u8string(folder.begin(), folder.end()));
#else
    return std::filesystem::path(folder);
#endif
}

std::string fromFsPath(const std::filesystem::path &path)
{
#ifdef Q_OS_WIN
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
#else
    return path.native();
#endif
}

FolderRead readFolder(const std::string &folder)
{
    FolderRead read;
    std::filesystem::directory_iterator entry(toFsPath(folder), read.error);
    for (; !read.error && entry != std::filesystem::directory_iterator();
         entry.increment(read.error)) {
        std::error_code typeError;
        // A broken link or a vanished entry is simply not a folder to offer.
        if (entry->is_directory(typeError))
            read.names.push_back(fromFsPath(entry->path().filename()));
    }
    return read;
}

Failure<QString> unreadable(const std::error_code &error)
{
    return Failure {QString::fromLocal8Bit(error.message())};
}

void sortForDisplay(QByteArrayList &names)
{
    std::sort(names.begin(), names.end(), [](const QByteArray &a, const QByteArray &b) {
        const int folded = QString::fromUtf8(a).compare(QString::fromUtf8(b), Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
}

#ifndef Q_OS_WIN
bool isUnder(const QByteArray &folder, const QByteArray &parent)
{
    return folder == parent || folder.startsWith(parent + '/');
}

bool isUnderAny(const QByteArray &folder, const QByteArrayList &parents)
{
    return std::any_of(parents.begin(), parents.end(),
                       [&](const QByteArray &parent) { return isUnder(folder, parent); });
}
#endif

} // namespace

LocalFileSystem::LocalFileSystem(std::chrono::milliseconds answerLimit) : m_calls(answerLimit) { }

QByteArrayList LocalFileSystem::drives() const
{
    QByteArrayList result;
#ifdef Q_OS_WIN
    for (const QFileInfo &drive : QDir::drives())
        result.append(drive.path().left(2).toLower().toUtf8());
#else
    for (const Mount &mount : readMountTable()) {
        if (mount.folder != "/" && isPickableVolume(mount.folder, mount.type))
            result.append(mount.folder);
    }
    std::sort(result.begin(), result.end());
    result.erase(std::unique(result.begin(), result.end()), result.end());
    result.prepend(QByteArray("/"));
#endif
    return result;
}

Result<QByteArrayList, QString> LocalFileSystem::listFolder(const QByteArray &folder) const
{
    const std::string path = folder.toStdString();
    const std::optional<FolderRead> read =
        m_calls.run<FolderRead>(path, [path] { return readFolder(path); });
    if (!read)
        return unreadable(std::make_error_code(std::errc::timed_out));
    if (read->error)
        return unreadable(read->error);
    QByteArrayList subfolders;
    for (const std::string &name : read->names) {
        if (!name.starts_with('.'))
            subfolders.append(QByteArray::fromStdString(name));
    }
    sortForDisplay(subfolders);
    return subfolders;
}

QByteArray LocalFileSystem::currentFolder() const
{
    std::error_code error;
    const std::filesystem::path current = std::filesystem::current_path(error);
    if (error)
        return QByteArray("/");
    return QByteArray::fromStdString(fromFsPath(current));
}

bool LocalFileSystem::isPickableVolume(const QByteArray &mountFolder, const QByteArray &type)
{
#ifdef Q_OS_WIN
    Q_UNUSED(mountFolder);
    Q_UNUSED(type);
    return true;
#else
    static const QByteArrayList systemTypes = {
        "autofs",          "binfmt_misc", "bpf",        "cgroup",   "cgroup2",  "configfs",
        "debugfs",         "devfs",       "devpts",     "devtmpfs", "efivarfs", "fusectl",
        "hugetlbfs",       "mqueue",      "nsfs",       "overlay",  "proc",     "pstore",
        "rpc_pipefs",      "securityfs",  "selinuxfs",  "squashfs", "sysfs",    "tracefs",
        "fuse.gvfsd-fuse", "fuse.portal", "fuse.lxcfs",
    };
    // A memory file system is the system's, unless a person mounted it where people mount
    // their own volumes.
    static const QByteArrayList memoryTypes = {"tmpfs", "ramfs"};
    static const QByteArrayList peoplesFolders = {"/media", "/mnt", "/run/media"};
    if (mountFolder == "/")
        return true;
    if (systemTypes.contains(type))
        return false;
    if (memoryTypes.contains(type))
        return isUnderAny(mountFolder, peoplesFolders);
    // Removable media land under /run/media on several distributions; the rest of /run
    // is the system's.
    if (isUnder(mountFolder, "/run"))
        return isUnder(mountFolder, "/run/media");
    static const QByteArrayList systemFolders = {"/proc", "/sys", "/dev", "/snap",
                                                 "/System/Volumes"};
    return !isUnderAny(mountFolder, systemFolders);
#endif
}
