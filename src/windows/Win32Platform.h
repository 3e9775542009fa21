// SPDX-License-Identifier: MIT
#pragma once

#include "LocalFileSystem.h"
#include "Platform.h"
#include "WatchedGenerators.h"
#include "Win32Desktop.h"
#include "Win32EventLoop.h"
#include "Win32MessageBox.h"

// The real machine under Windows: its drives and folders, native windows and message boxes,
// and the generators started and watched through the message loop.
struct Win32Platform
{
    explicit Win32Platform(HINSTANCE instance);
    ~Win32Platform();

    Platform platform() { return Platform {files, messages, desktop, generators}; }

    Win32EventLoop loop;
    LocalFileSystem files;
    Win32Desktop desktop;
    Win32MessageBox messages;
    WatchedGenerators generators;
};
