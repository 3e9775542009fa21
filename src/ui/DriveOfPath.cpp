// SPDX-License-Identifier: MIT
#include "DriveOfPath.h"

#include <QDir>

namespace {

// Drive letters and their folders compare case-insensitively on Windows only.
constexpr Qt::CaseSensitivity pathCase =
#ifdef Q_OS_WIN
    Qt::CaseInsensitive;
#else
    Qt::CaseSensitive;
#endif

QString withoutTrailingSeparator(const QString &folder)
{
    QString trimmed = folder;
    while (trimmed.size() > 1 && trimmed.endsWith(QLatin1Char('/')))
        trimmed.chop(1);
    return trimmed;
}

bool holds(const QString &drive, const QString &path)
{
    const QString folder = withoutTrailingSeparator(QDir::fromNativeSeparators(drive));
    if (folder.isEmpty() || !path.startsWith(folder, pathCase))
        return false;
    return path.size() == folder.size() || folder.endsWith(QLatin1Char('/'))
        || path.at(folder.size()) == QLatin1Char('/');
}

} // namespace

QString driveOfPath(const QStringList &drives, const QString &path)
{
    const QString cleanPath = QDir::cleanPath(QDir::fromNativeSeparators(path));
    QString best;
    for (const QString &drive : drives) {
        if (drive.size() > best.size() && holds(drive, cleanPath))
            best = drive;
    }
    return best;
}

QString driveRootFolder(const QString &drive)
{
    const QString folder = QDir::fromNativeSeparators(drive);
    if (folder.size() == 2 && folder.at(1) == QLatin1Char(':'))
        return folder + QLatin1Char('/');
    return folder;
}
