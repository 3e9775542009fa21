// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

// The drive among `drives` that holds `path`: the longest drive text that begins the path
// on a folder boundary ("/media/usb2" is not under "/media/usb"). Empty when none does.
QString driveOfPath(const QStringList &drives, const QString &path);

// The folder a drive opens at when nothing else is known: its mount folder, or "c:/".
QString driveRootFolder(const QString &drive);
