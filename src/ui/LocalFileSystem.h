// SPDX-License-Identifier: MIT
#pragma once

#include "BoundedCalls.h"
#include "FileSystem.h"

#include <chrono>

// The machine's own volumes and folders.
class LocalFileSystem : public FileSystem
{
public:
    // A folder that gives no answer within `answerLimit` counts as unreadable.
    explicit LocalFileSystem(std::chrono::milliseconds answerLimit = std::chrono::seconds(2));

    QByteArrayList drives() const override;
    Result<QByteArrayList, QString> listFolder(const QByteArray &folder) const override;
    QByteArray currentFolder() const override;

    // Whether a mounted volume is one a person would pick, rather than a pseudo or
    // system file system.
    static bool isPickableVolume(const QByteArray &mountFolder, const QByteArray &type);

private:
    BoundedCalls m_calls;
};
