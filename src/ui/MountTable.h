// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QList>

struct Mount
{
    QByteArray folder;
    QByteArray type;
};

// The system's table of mounts, read without touching any mount: asking a mount for its
// size or state can block for as long as a dead network or FUSE server keeps silent.
// Empty where drives are letters (Windows).
QList<Mount> readMountTable();

// The mounts listed in the text of Linux's /proc/self/mountinfo, in its order; a line that
// does not have the shape of one is skipped.
QList<Mount> parseMountInfo(const QByteArray &text);
