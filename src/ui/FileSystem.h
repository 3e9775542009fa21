// SPDX-License-Identifier: MIT
#pragma once

#include "Result.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QString>

// What the drive and folder lists read from the machine; tests put a fake behind it.
// Paths are the file system's own bytes (UTF-8 on Windows) with "/" between names, so a
// name that is not valid text still reaches the generator unchanged; the lists decode
// them only to show them, with native separators.
class FileSystem
{
public:
    virtual ~FileSystem() = default;

    // The drive texts: mount folders such as "/" and "/media/usb", or drives such as "c:".
    virtual QByteArrayList drives() const = 0;

    // The subfolders' names, as the file system's bytes, in display order; or the operating
    // system's description of why `folder` cannot be read.
    virtual Result<QByteArrayList, QString> listFolder(const QByteArray &folder) const = 0;

    // Where both folder lists start.
    virtual QByteArray currentFolder() const = 0;
};
