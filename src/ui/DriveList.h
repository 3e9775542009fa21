// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayList>
#include <QComboBox>

class DriveModel;
class FileSystem;

// The drives a person would pick, starting on the one that holds the current folder.
// Opening the list reads the drives again, so that it offers what is mounted now.
class DriveList : public QComboBox
{
    Q_OBJECT

public:
    explicit DriveList(const FileSystem &files, QWidget *parent = nullptr);

    // The current drive text: "/" or "/media/usb", "c:" on Windows.
    QByteArray drive() const;

    // Every drive text, in the list's order.
    QByteArrayList drives() const;

    // Selects the drive that holds `path`: the longest mount folder that begins it, or
    // its drive letter on Windows.
    void setDriveFromPath(const QByteArray &path);

    void showPopup() override;

signals:
    // The current drive changed, by the user or from code.
    void changed();

private:
    void refresh();

    const FileSystem &m_files;
    DriveModel *m_model;
};
