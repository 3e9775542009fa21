// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// A private mount namespace for the calling process, with a scratch tmpfs on /mnt. Mounts
// made inside it are invisible to the rest of the machine and vanish when the last process
// in it ends. Linux only, and only as root.
namespace MountNamespace {

// Enters the namespace; must run before the process starts any thread. Returns why it
// could not, or an empty text.
std::string enter();

// A fresh, empty tmpfs on /mnt, hiding what an earlier one held.
bool resetScratch();

// Creates `folder` and mounts a tmpfs on it.
bool mountTmpfs(const std::string &folder);

// Creates `folder` and mounts a FUSE file system on it whose server never answers: every
// access to it waits until the returned descriptor is closed. -1 when it cannot.
int mountSilentFuse(const std::string &folder);

bool unmount(const std::string &folder);

} // namespace MountNamespace
