// SPDX-License-Identifier: MIT
#include "LocalFileSystem.h"

#include <QDir>
#include <QFile>
#include <QStorageInfo>

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {

std::filesystem::path toFsPath(const QString &folder)
{
#ifdef Q_OS_WIN
    return std::filesystem::path(folder.toStdWString());
#else
    // The file system's own encoding, so names that are not valid UTF-8 still round-trip.
    return std::filesystem::path(QFile::encodeName(folder).toStdString());
#endif
}

QString fromFsName(const std::filesystem::path &name)
{
#ifdef Q_OS_WIN
    return QString::fromStdWString(name.wstring());
#else
    return QFile::decodeName(QByteArray::fromStdString(name.native()));
#endif
}

QString osReason(const std::error_code &error)
{
    return QString::fromLocal8Bit(error.message());
}

FolderListing unreadable(const std::error_code &error)
{
    return FolderListing {false, {}, osReason(error)};
}

void sortForDisplay(QStringList &names)
{
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
}

#ifndef Q_OS_WIN
bool isUnder(const QString &folder, const QString &parent)
{
    return folder == parent || folder.startsWith(parent + QLatin1Char('/'));
}
#endif

} // namespace

QStringList LocalFileSystem::drives() const
{
    QStringList result;
#ifdef Q_OS_WIN
    for (const QFileInfo &drive : QDir::drives())
        result.append(drive.path().left(2).toLower());
#else
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        const QString folder = volume.rootPath();
        if (folder != QLatin1String("/") && isPickableVolume(folder, volume.fileSystemType())
            && !result.contains(folder))
            result.append(folder);
    }
    std::sort(result.begin(), result.end());
    result.prepend(QStringLiteral("/"));
#endif
    return result;
}

FolderListing LocalFileSystem::listFolder(const QString &folder) const
{
    std::error_code error;
    std::filesystem::directory_iterator entry(toFsPath(folder), error);
    if (error)
        return unreadable(error);

    FolderListing listing {true, {}, {}};
    for (; entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        if (error)
            return unreadable(error);
        std::error_code typeError;
        // A broken link or a vanished entry is simply not a folder to offer.
        if (!entry->is_directory(typeError))
            continue;
        const QString name = fromFsName(entry->path().filename());
        if (!name.startsWith(QLatin1Char('.')))
            listing.subfolders.append(name);
    }
    if (error)
        return unreadable(error);
    sortForDisplay(listing.subfolders);
    return listing;
}

QString LocalFileSystem::currentFolder() const
{
    return QDir::currentPath();
}

bool LocalFileSystem::isPickableVolume(const QString &mountFolder, const QByteArray &type)
{
#ifdef Q_OS_WIN
    Q_UNUSED(mountFolder);
    Q_UNUSED(type);
    return true;
#else
    static const QByteArrayList systemTypes = {
        "autofs",      "binfmt_misc", "bpf",
        "cgroup",      "cgroup2",     "configfs",
        "debugfs",     "devfs",       "devpts",
        "devtmpfs",    "efivarfs",    "fusectl",
        "hugetlbfs",   "mqueue",      "nsfs",
        "overlay",     "proc",        "pstore",
        "ramfs",       "rpc_pipefs",  "securityfs",
        "selinuxfs",   "squashfs",    "sysfs",
        "tmpfs",       "tracefs",     "fuse.gvfsd-fuse",
        "fuse.portal", "fuse.lxcfs",
    };
    if (mountFolder == QLatin1String("/"))
        return true;
    if (systemTypes.contains(type))
        return false;
    // Removable media land under /run/media on several distributions; the rest of /run
    // is the system's.
    if (isUnder(mountFolder, QStringLiteral("/run")))
        return isUnder(mountFolder, QStringLiteral("/run/media"));
    static const QStringList systemFolders = {
        QStringLiteral("/proc"),
        QStringLiteral("/sys"),
        QStringLiteral("/dev"),
        QStringLiteral("/snap"),
        QStringLiteral("/System/Volumes"),
    };
    return std::none_of(systemFolders.begin(), systemFolders.end(),
                        [&](const QString &system) { return isUnder(mountFolder, system); });
#endif
}
