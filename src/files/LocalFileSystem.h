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
    // A drive or folder that gives no answer within this counts as unreadable: a dead mount
    // or network drive holds the windows up no longer.
    static constexpr std::chrono::seconds answerLimit {2};

    // `waiter` keeps the windows painted while an answer is slow to come.
    explicit LocalFileSystem(Waiter *waiter = nullptr);

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
