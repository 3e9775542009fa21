// SPDX-License-Identifier: MIT
#include "MountTable.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#if defined(__APPLE__) || defined(__FreeBSD__) || defined(__OpenBSD__)
#include <sys/mount.h>
#include <sys/param.h>
#include <sys/ucred.h>
#endif

namespace {

bool isOctalDigit(char c)
{
    return c >= '0' && c <= '7';
}

// The kernel writes a blank, tab, line break and backslash in a path as "\040", "\011",
// "\012" and "\134".
std::string unescaped(std::string_view field)
{
    std::string text;
    text.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && isOctalDigit(field[i + 1])
            && isOctalDigit(field[i + 2]) && isOctalDigit(field[i + 3])) {
            text += char(((field[i + 1] - '0') << 6) | ((field[i + 2] - '0') << 3)
                         | (field[i + 3] - '0'));
            i += 3;
        } else {
            text += field[i];
        }
    }
    return text;
}

std::vector<std::string_view> split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(separator, start), text.size());
        parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

} // namespace

std::vector<Mount> parseMountInfo(std::string_view text)
{
    // Fields: ID, parent ID, device, root, mount folder, options, optional fields ended by
    // "-", then the type, the source and the super block's options.
    constexpr std::size_t folderField = 4;
    constexpr std::size_t firstOptionalField = 6;
    std::vector<Mount> mounts;
    for (std::string_view line : split(text, '\n')) {
        const std::vector<std::string_view> fields = split(line, ' ');
        if (fields.size() <= firstOptionalField)
            continue;
        const auto separator = std::find(fields.begin() + firstOptionalField, fields.end(), "-");
        if (separator == fields.end() || separator + 1 == fields.end()
            || fields[folderField].empty())
            continue;
        mounts.push_back(Mount {unescaped(fields[folderField]), unescaped(*(separator + 1))});
    }
    return mounts;
}

std::vector<Mount> readMountTable()
{
#if defined(__linux__)
    std::ifstream table("/proc/self/mountinfo", std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(table)),
                           std::istreambuf_iterator<char>());
    return parseMountInfo(text);
#elif defined(__APPLE__) || defined(__FreeBSD__) || defined(__OpenBSD__)
    struct statfs *entries = nullptr;
    // MNT_NOWAIT returns what the kernel already knows instead of asking each file system.
    const int count = getmntinfo(&entries, MNT_NOWAIT);
    std::vector<Mount> mounts;
    for (int i = 0; i < count; ++i)
        mounts.push_back(Mount {entries[i].f_mntonname, entries[i].f_fstypename});
    return mounts;
#else
    return {};
#endif
}
