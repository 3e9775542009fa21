// SPDX-License-Identifier: MIT
#include "DisplayOrder.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <string_view>

namespace {

// The lower-case partner of the capital letters that most folder names are written in.
char32_t folded(char32_t c)
{
    if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        || (c >= 0x391 && c <= 0x3AB && c != 0x3A2) || (c >= 0x410 && c <= 0x42F))
        return c + 0x20;
    if (c >= 0x400 && c <= 0x40F)
        return c + 0x50;
    // Latin Extended-A pairs each capital with the small letter after it, in two runs.
    if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177))
        return c | 1;
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E))
        return (c & 1) ? c + 1 : c;
    return c;
}

// Code points with their case folded; a byte that begins no valid sequence stands for
// itself above every character, so such names still sort stably.
std::u32string sortKey(std::string_view name)
{
    std::u32string key;
    key.reserve(name.size());
    for (std::size_t at = 0; at < name.size();) {
        const auto lead = static_cast<unsigned char>(name[at]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        char32_t c = length == 1 ? lead : lead & (0x3F >> (length - 1));
        bool valid = lead < 0x80 || (lead >= 0xC2 && lead <= 0xF4 && at + length <= name.size());
        for (std::size_t i = 1; valid && i < length; ++i) {
            const auto next = static_cast<unsigned char>(name[at + i]);
            valid = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        if (!valid) {
            key += char32_t(0x110000 + lead);
            ++at;
            continue;
        }
        key += folded(c);
        at += length;
    }
    return key;
}

} // namespace

void sortForDisplay(std::vector<std::string> &names)
{
    // Each key is made once: a folder of a hundred thousand names would otherwise decode
    // every name at every one of its comparisons.
    std::vector<std::u32string> keys;
    keys.reserve(names.size());
    for (const std::string &name : names)
        keys.push_back(sortKey(name));
    std::vector<std::size_t> order(names.size());
    std::iota(order.begin(), order.end(), std::size_t(0));
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return keys[a] != keys[b] ? keys[a] < keys[b] : names[a] < names[b];
    });
    std::vector<std::string> sorted;
    sorted.reserve(names.size());
    for (std::size_t index : order)
        sorted.push_back(std::move(names[index]));
    names = std::move(sorted);
}
