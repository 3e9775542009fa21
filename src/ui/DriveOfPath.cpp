// SPDX-License-Identifier: MIT
#include "DriveOfPath.h"

#include "FolderPath.h"

namespace {

// Drive letters and their folders compare case-insensitively on Windows only.
bool beginsWith(const QByteArray &path, const QByteArray &folder)
{
#ifdef Q_OS_WIN
    return path.size() >= folder.size()
        && qstrnicmp(path.constData(), folder.constData(), folder.size()) == 0;
#else
    return path.startsWith(folder);
#endif
}

bool holds(const QByteArray &drive, const QByteArray &path)
{
    const QByteArray folder = cleanFolderPath(drive);
    if (folder.isEmpty() || !beginsWith(path, folder))
        return false;
    return path.size() == folder.size() || folder.endsWith('/') || path.at(folder.size()) == '/';
}

} // namespace

QByteArray driveOfPath(const QByteArrayList &drives, const QByteArray &path)
{
    const QByteArray cleanPath = cleanFolderPath(path);
    QByteArray best;
    for (const QByteArray &drive : drives) {
        if (drive.size() > best.size() && holds(drive, cleanPath))
            best = drive;
    }
    return best;
}

QByteArray driveRootFolder(const QByteArray &drive)
{
    return cleanFolderPath(drive);
}
