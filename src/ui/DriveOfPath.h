// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayList>

// The drive among `drives` that holds `path`: the longest drive text that begins the path
// on a folder boundary ("/media/usb2" is not under "/media/usb"). Empty when none does.
QByteArray driveOfPath(const QByteArrayList &drives, const QByteArray &path);

// The folder a drive opens at when nothing else is known: its mount folder, or "c:/".
QByteArray driveRootFolder(const QByteArray &drive);
