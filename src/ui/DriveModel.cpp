// SPDX-License-Identifier: MIT
#include "DriveModel.h"

#include "FolderPath.h"

void DriveModel::setDrives(const QByteArrayList &drives)
{
    beginResetModel();
    m_drives = drives;
    endResetModel();
}

int DriveModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_drives.size());
}

QVariant DriveModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_drives.size())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::AccessibleTextRole:
        return shownPath(m_drives.at(index.row()));
    case Qt::UserRole:
        return m_drives.at(index.row());
    default:
        return {};
    }
}
