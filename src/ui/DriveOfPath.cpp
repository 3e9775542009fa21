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

// Drive texts are mount folders as the system lists them, so a trailing separator is all
// there is to tidy; a full clean for each of a thousand mounts would show in every change.
QByteArray driveFolder(const QByteArray &drive)
{
    QByteArray folder = drive;
#ifdef Q_OS_WIN
    folder.replace('\\', '/');
#endif
    while (folder.size() > 1 && folder.endsWith('/') && !folder.endsWith(":/"))
        folder.chop(1);
    return folder;
}

bool holds(const QByteArray &drive, const QByteArray &path)
{
    const QByteArray folder = driveFolder(drive);
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
