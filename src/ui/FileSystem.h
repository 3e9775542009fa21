// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

struct FolderListing
{
    bool readable = false;
    QStringList subfolders; // names only, in display order
    QString reason; // the operating system's description when not readable
};

// What the drive and folder lists read from the machine; tests put a fake behind it.
// Paths use "/" as Qt does; the lists show them with native separators.
class FileSystem
{
public:
    virtual ~FileSystem() = default;

    // The drive texts: mount folders such as "/" and "/media/usb", or drives such as "c:".
    virtual QStringList drives() const = 0;

    virtual FolderListing listFolder(const QString &folder) const = 0;

    // Where both folder lists start.
    virtual QString currentFolder() const = 0;
};
