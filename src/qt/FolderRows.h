// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractListModel>

class FolderList;

// A folder list's rows as the view asks for them, one at a time: a folder of a hundred
// thousand subfolders costs no more to show than the rows in sight.
class FolderRows : public QAbstractListModel
{
public:
    // Each row's full folder path, as bytes, and its indentation level.
    static constexpr int PathRole = Qt::UserRole;
    static constexpr int LevelRole = Qt::UserRole + 1;

    FolderRows(const FolderList &folders, QObject *parent);

    // The folder list shows a new listing.
    void reset();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    const FolderList &m_folders;
    int m_rows = 0;
};
