// SPDX-License-Identifier: MIT
#pragma once

#include "LocalFileSystem.h"
#include "Platform.h"
#include "QtDesktop.h"
#include "QtEventLoop.h"
#include "QtMessageBox.h"
#include "WatchedGenerators.h"

// The real machine under Qt: its drives and folders, Qt's windows and message boxes, and
// the generators started and watched through Qt's event loop. Made after the application.
struct QtPlatform
{
    QtPlatform();

    Platform platform() { return Platform {files, messages, desktop, generators}; }

    QtEventLoop loop;
    LocalFileSystem files;
    QtDesktop desktop;
    QtMessageBox messages;
    WatchedGenerators generators;
};
