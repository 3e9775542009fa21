// SPDX-License-Identifier: MIT
#include "FolderRows.h"

#include "FolderList.h"
#include "readPng.h"

#include <QIcon>

FolderRows::FolderRows(const FolderList &folders, QObject *parent)
    : QAbstractListModel(parent), m_folders(folders), m_rows(int(folders.rowCount()))
{ }

void FolderRows::reset()
{
    beginResetModel();
    m_rows = int(m_folders.rowCount());
    endResetModel();
}

int FolderRows::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

QVariant FolderRows::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows)
        return {};
    // Our own pictures: the style's would look up an icon theme and its image plugins.
    static const QIcon openIcon(readPng(QStringLiteral(":/images/folder-open.png")));
    static const QIcon closedIcon(readPng(QStringLiteral(":/images/folder-closed.png")));
    const auto row = std::size_t(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return QString::fromStdString(m_folders.rowText(row));
    case Qt::DecorationRole:
        return m_folders.rowIsOpen(row) ? openIcon : closedIcon;
    case PathRole:
        return QByteArray::fromStdString(m_folders.rowFolder(row));
    case LevelRole:
        return m_folders.rowLevel(row);
    default:
        return {};
    }
}
