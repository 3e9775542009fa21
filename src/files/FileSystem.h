// SPDX-License-Identifier: MIT
#pragma once

#include "Result.h"

#include <string>
#include <vector>

// A drive as a drive list offers it: the text the windows work with ("/media/usb", "C:")
// and what a person reads in the list ("/media/usb", "c: [SYSTEM]").
struct Drive
{
    std::string text;
    std::string shown;

    friend bool operator==(const Drive &, const Drive &) = default;
};

// What the drive and folder lists read from the machine; tests put a fake behind it.
// Paths are the file system's own bytes (UTF-8 on Windows) with "/" between names, so a
// name that is not valid text still reaches the generator unchanged; the lists decode
// them only to show them, with native separators.
class FileSystem
{
public:
    virtual ~FileSystem() = default;

    // The drives a person would pick: mount folders, starting with "/", or drive letters.
    virtual std::vector<Drive> drives() const = 0;

    // The subfolders' names, as the file system's bytes, in display order; or the operating
    // system's description of why `folder` cannot be read.
    virtual Result<std::vector<std::string>, std::string>
    listFolder(const std::string &folder) const = 0;

    // Where both folder lists start.
    virtual std::string currentFolder() const = 0;
};

// The texts of `drives`, in their order.
std::vector<std::string> driveTexts(const std::vector<Drive> &drives);
