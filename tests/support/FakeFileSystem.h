// SPDX-License-Identifier: MIT
#pragma once

#include "FileSystem.h"

#include <QMap>

// A tree of folders given by path; a folder marked unreadable fails with its reason.
class FakeFileSystem : public FileSystem
{
public:
    FakeFileSystem(QStringList drives, QString currentFolder);

    void addFolder(const QString &folder);
    void makeUnreadable(const QString &folder, const QString &reason);

    QStringList drives() const override { return m_drives; }
    FolderListing listFolder(const QString &folder) const override;
    QString currentFolder() const override { return m_currentFolder; }

private:
    QStringList m_drives;
    QString m_currentFolder;
    QStringList m_folders;
    QMap<QString, QString> m_unreadable;
};
