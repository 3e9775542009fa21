// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

#include <string>

// Folder paths as bytes with "/" between names ("c:/tools" on Windows), worked on without
// decoding them, so that any name survives.

// Resolves "." and ".." by name, folds repeated separators and drops a trailing one;
// a root keeps its own ("/", "c:/"). On Windows "\" counts as a separator too.
QByteArray cleanFolderPath(const QByteArray &path);

// The folder that holds `folder`; a root is its own parent. `folder` is clean.
QByteArray parentFolder(const QByteArray &folder);

QByteArray childFolder(const QByteArray &folder, const QByteArray &name);

// The last name of `folder`, or the whole path for a root.
QByteArray folderName(const QByteArray &folder);

// For people: decoded, with a replacement mark for each byte that is not text, and with
// native separators.
QString shownPath(const QByteArray &path);

// For the generator's command line: the same bytes, with native separators.
std::string nativeFolderPath(const QByteArray &folder);
