// SPDX-License-Identifier: MIT
#include "FolderPath.h"

#include <QByteArrayList>
#include <QDir>

#include <algorithm>
#include <cctype>

namespace {

bool isDriveLetter(const QByteArray &name)
{
    return name.size() == 2 && name.at(1) == ':'
        && std::isalpha(static_cast<unsigned char>(name.at(0)));
}

} // namespace

QByteArray cleanFolderPath(const QByteArray &path)
{
    QByteArray slashed = path;
#ifdef Q_OS_WIN
    slashed.replace('\\', '/');
#endif
    const bool absolute = slashed.startsWith('/');
    QByteArrayList kept;
    for (const QByteArray &name : slashed.split('/')) {
        if (name.isEmpty() || name == ".")
            continue;
        if (name == "..") {
            const bool atRoot = kept.isEmpty() ? absolute : isDriveLetter(kept.last());
            if (!kept.isEmpty() && !atRoot && kept.last() != "..") {
                kept.removeLast();
                continue;
            }
            // Above a root there is nothing: "/.." is "/", "c:/.." is "c:/".
            if (atRoot)
                continue;
        }
        kept.append(name);
    }
    const QByteArray joined = kept.join('/');
    if (absolute)
        return '/' + joined;
    if (kept.size() == 1 && isDriveLetter(kept.first()))
        return joined + '/';
    return joined;
}

QByteArray parentFolder(const QByteArray &folder)
{
    const qsizetype last = folder.lastIndexOf('/');
    if (last < 0 || last == folder.size() - 1)
        return folder;
    if (last == 0)
        return QByteArray("/");
    const QByteArray parent = folder.left(last);
    return isDriveLetter(parent) ? parent + '/' : parent;
}

QByteArray childFolder(const QByteArray &folder, const QByteArray &name)
{
    return folder.endsWith('/') ? folder + name : folder + '/' + name;
}

QByteArray folderName(const QByteArray &folder)
{
    if (parentFolder(folder) == folder)
        return folder;
    return folder.mid(folder.lastIndexOf('/') + 1);
}

QString shownPath(const QByteArray &path)
{
    return QDir::toNativeSeparators(QString::fromUtf8(path));
}

std::string nativeFolderPath(const QByteArray &folder)
{
    std::string native = folder.toStdString();
#ifdef Q_OS_WIN
    std::replace(native.begin(), native.end(), '/', '\\');
#endif
    return native;
}
