// SPDX-License-Identifier: MIT
#pragma once

#include "BoundedCalls.h"
#include "FileSystem.h"

#include <chrono>
#include <string_view>

// The machine's own volumes and folders.
class LocalFileSystem : public FileSystem
{
public:
    // Where an answer matters, a drive or folder that gives none within `answerLimit` counts
    // as unreadable; `waiter` keeps the windows painted meanwhile.
    explicit LocalFileSystem(std::chrono::milliseconds answerLimit = std::chrono::seconds(2),
                             Waiter *waiter = nullptr);

    std::vector<Drive> drives() const override;
    Result<std::vector<std::string>, std::string>
    listFolder(const std::string &folder) const override;
    std::string currentFolder() const override;

    // Whether a mounted volume is one a person would pick, rather than a pseudo or
    // system file system. Mounts matter only where drives are not letters.
    static bool isPickableVolume(std::string_view mountFolder, std::string_view type);

private:
    BoundedCalls m_calls;
};
