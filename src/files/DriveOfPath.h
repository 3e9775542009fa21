// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The drive among `drives` that holds `path`: the longest drive text that begins the path
// on a folder boundary ("/media/usb2" is not under "/media/usb"). Empty when none does.
std::string driveOfPath(const std::vector<std::string> &drives, std::string_view path);

// The folder a drive opens at when nothing else is known: its mount folder, or "c:/".
std::string driveRootFolder(std::string_view drive);
