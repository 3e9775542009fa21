// SPDX-License-Identifier: MIT
#include "FolderPath.h"

#include "NativeSeparator.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace {

constexpr bool backslashSeparates = nativeSeparator == '\\';

bool isDriveLetter(std::string_view name)
{
    return name.size() == 2 && name[1] == ':' && std::isalpha(static_cast<unsigned char>(name[0]));
}

std::vector<std::string_view> namesOf(std::string_view path)
{
    std::vector<std::string_view> names;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t end = std::min(path.find('/', start), path.size());
        names.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return names;
}

std::string joined(const std::vector<std::string_view> &names)
{
    std::string path;
    for (std::string_view name : names) {
        if (!path.empty())
            path += '/';
        path += name;
    }
    return path;
}

// The length of the UTF-8 sequence that begins `text`, or 0 when it is no valid one.
std::size_t sequenceLength(std::string_view text)
{
    const auto byte = [&](std::size_t i) {
        return static_cast<unsigned char>(text[i]);
    };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    }
    return length;
}

} // namespace

std::string cleanFolderPath(std::string_view path)
{
    std::string slashed(path);
    if constexpr (backslashSeparates)
        std::replace(slashed.begin(), slashed.end(), '\\', '/');
    const bool absolute = slashed.starts_with('/');
    std::vector<std::string_view> kept;
    for (std::string_view name : namesOf(slashed)) {
        if (name.empty() || name == ".")
            continue;
        if (name == "..") {
            const bool atRoot = kept.empty() ? absolute : isDriveLetter(kept.back());
            if (!kept.empty() && !atRoot && kept.back() != "..") {
                kept.pop_back();
                continue;
            }
            // Above a root there is nothing: "/.." is "/", "c:/.." is "c:/".
            if (atRoot)
                continue;
        }
        kept.push_back(name);
    }
    if (absolute)
        return '/' + joined(kept);
    if (kept.size() == 1 && isDriveLetter(kept.front()))
        return std::string(kept.front()) + '/';
    return joined(kept);
}

std::string parentFolder(std::string_view folder)
{
    const std::size_t last = folder.rfind('/');
    if (last == std::string_view::npos || last == folder.size() - 1)
        return std::string(folder);
    if (last == 0)
        return "/";
    const std::string parent(folder.substr(0, last));
    return isDriveLetter(parent) ? parent + '/' : parent;
}

std::string childFolder(std::string_view folder, std::string_view name)
{
    std::string child(folder);
    if (!child.ends_with('/'))
        child += '/';
    return child += name;
}

std::string folderName(std::string_view folder)
{
    if (parentFolder(folder) == folder)
        return std::string(folder);
    return std::string(folder.substr(folder.rfind('/') + 1));
}

std::string shownPath(std::string_view path)
{
    std::string shown;
    shown.reserve(path.size());
    for (std::size_t at = 0; at < path.size();) {
        const std::size_t length = sequenceLength(path.substr(at));
        if (length == 0) {
            shown += "\xEF\xBF\xBD";
            ++at;
            continue;
        }
        shown += path.substr(at, length);
        at += length;
    }
    return nativeFolderPath(shown);
}

std::string nativeFolderPath(std::string_view folder)
{
    std::string native(folder);
    std::replace(native.begin(), native.end(), '/', nativeSeparator);
    return native;
}
