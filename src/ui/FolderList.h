// SPDX-License-Identifier: MIT
#pragma once

#include "Result.h"

#include <QByteArrayList>
#include <QListWidget>

class FileSystem;
class MessageBox;

// The chain of folders from the root down to the open folder, then its subfolders.
// A click only highlights; a double click, Enter, Right or Space opens the highlighted
// folder, and Left or Backspace opens its parent. Its path is the open folder.
class FolderList : public QListWidget
{
    Q_OBJECT

public:
    // Each row's full folder path, as bytes, and its indentation level.
    static constexpr int PathRole = Qt::UserRole;
    static constexpr int LevelRole = Qt::UserRole + 1;

    FolderList(const FileSystem &files, MessageBox &messages, QWidget *parent = nullptr);

    // The open folder, never an entry that is merely highlighted.
    QByteArray path() const;

    // Opens `folder`. When it cannot be read the list stays as it was, and the result is
    // the operating system's description.
    Result<void, QString> setPath(const QByteArray &folder);

    // Shows `drive`'s current folder: the open folder when it already lies on that drive
    // among `drives`, else the starting folder when that does, else the drive's root.
    Result<void, QString> openDrive(const QByteArray &drive, const QByteArrayList &drives);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void openStartingFolder();
    void openItem(QListWidgetItem *item);
    void openParentOf(QListWidgetItem *item);
    void openFolder(const QByteArray &folder);
    QListWidgetItem *openFolderItem() const;
    void highlightOpenFolder();
    void scrollToOpenFolder();
    void showFolder(const QByteArray &folder, const QByteArrayList &subfolders);
    void addRow(const QString &text, const QByteArray &folder, int level, const QIcon &icon);

    const FileSystem &m_files;
    MessageBox &m_messages;
    QByteArray m_path;
};
