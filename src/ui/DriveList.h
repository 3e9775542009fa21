// SPDX-License-Identifier: MIT
#pragma once

#include <QComboBox>

class FileSystem;

// The drives a person would pick, starting on the one that holds the current folder.
class DriveList : public QComboBox
{
    Q_OBJECT

public:
    explicit DriveList(const FileSystem &files, QWidget *parent = nullptr);

    // The current drive text: "/" or "/media/usb", "c:" on Windows.
    QString drive() const;

    // Selects the drive that holds `path`: the longest mount folder that begins it, or
    // its drive letter on Windows.
    void setDriveFromPath(const QString &path);

signals:
    // The current drive changed, by the user or from code.
    void changed();
};
