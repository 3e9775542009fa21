// SPDX-License-Identifier: MIT
#include "FakeFileSystem.h"

#include "FolderPath.h"

#include <algorithm>

namespace {

QByteArrayList toBytes(const QStringList &texts)
{
    QByteArrayList bytes;
    for (const QString &text : texts)
        bytes.append(text.toUtf8());
    return bytes;
}

} // namespace

FakeFileSystem::FakeFileSystem(const QStringList &drives, const QString &currentFolder)
    : m_currentFolder(currentFolder.toUtf8())
{
    setDrives(drives);
    addFolder(currentFolder);
}

void FakeFileSystem::addFolder(const QString &folder)
{
    // Every folder on the way down exists too.
    for (QByteArray step = cleanFolderPath(folder.toUtf8()); !m_folders.contains(step);
         step = parentFolder(step))
        m_folders.append(step);
}

void FakeFileSystem::makeUnreadable(const QString &folder, const QString &reason)
{
    m_unreadable.insert(folder.toUtf8(), reason);
}

void FakeFileSystem::setDrives(const QStringList &drives)
{
    m_drives = toBytes(drives);
    for (const QString &drive : drives)
        addFolder(drive);
}

Result<QByteArrayList, QString> FakeFileSystem::listFolder(const QByteArray &folder) const
{
    if (m_unreadable.contains(folder))
        return Failure {m_unreadable.value(folder)};
    if (!m_folders.contains(folder))
        return Failure {QStringLiteral("No such file or directory")};
    QByteArrayList subfolders;
    for (const QByteArray &other : m_folders) {
        if (other != folder && parentFolder(other) == folder)
            subfolders.append(folderName(other));
    }
    std::sort(subfolders.begin(), subfolders.end());
    return subfolders;
}
