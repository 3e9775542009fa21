// SPDX-License-Identifier: MIT
#pragma once

#include "FileSystem.h"

#include <QMap>
#include <QStringList>

// A tree of folders given by path; a folder marked unreadable fails with its reason.
// Paths are given as text and kept as its UTF-8 bytes.
class FakeFileSystem : public FileSystem
{
public:
    FakeFileSystem(const QStringList &drives, const QString &currentFolder);

    void addFolder(const QString &folder);
    void makeUnreadable(const QString &folder, const QString &reason);
    // What the machine mounts from now on, as a drive list reads it when opened.
    void setDrives(const QStringList &drives);

    QByteArrayList drives() const override { return m_drives; }
    Result<QByteArrayList, QString> listFolder(const QByteArray &folder) const override;
    QByteArray currentFolder() const override { return m_currentFolder; }

private:
    QByteArrayList m_drives;
    QByteArray m_currentFolder;
    QByteArrayList m_folders;
    QMap<QByteArray, QString> m_unreadable;
};
