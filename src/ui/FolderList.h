// SPDX-License-Identifier: MIT
#pragma once

#include <QListWidget>

class FileSystem;
class MessageBox;

// The chain of folders from the root down to the open folder, then its subfolders.
// A click only highlights; a double click or Enter opens. Its path is the open folder.
class FolderList : public QListWidget
{
    Q_OBJECT

public:
    // Each row's full folder path and its indentation level.
    static constexpr int PathRole = Qt::UserRole;
    static constexpr int LevelRole = Qt::UserRole + 1;

    FolderList(const FileSystem &files, MessageBox &messages, QWidget *parent = nullptr);

    // The open folder, never an entry that is merely highlighted.
    QString path() const;

    // Opens `folder`. When it cannot be read the list stays as it was and `reason`
    // receives the operating system's description.
    bool setPath(const QString &folder, QString *reason = nullptr);

    // Shows `drive`'s current folder: the open folder when it already lies on that drive,
    // else the starting folder when that does, else the drive's root.
    bool openDrive(const QString &drive, QString *reason = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void openStartingFolder();
    void openItem(QListWidgetItem *item);
    void highlightOpenFolder();
    void showFolder(const QString &folder, const QStringList &subfolders);
    void addRow(const QString &text, const QString &folder, int level, const QIcon &icon);

    const FileSystem &m_files;
    MessageBox &m_messages;
    QString m_path;
};
