// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QString>

// Reads a PNG by its known format: guessing the format would load and ask every image
// plugin first, which costs start-up time for nothing.
QPixmap readPng(const QString &path);
