// SPDX-License-Identifier: MIT
#pragma once

#include "FileSystem.h"

#include <QByteArray>

// The machine's own volumes and folders.
class LocalFileSystem : public FileSystem
{
public:
    QStringList drives() const override;
    FolderListing listFolder(const QString &folder) const override;
    QString currentFolder() const override;

    // Whether a mounted volume is one a person would pick, rather than a pseudo or
    // system file system.
    static bool isPickableVolume(const QString &mountFolder, const QByteArray &type);
};
