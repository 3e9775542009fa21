// SPDX-License-Identifier: MIT
#include "DriveModel.h"

void DriveModel::setDrives(const std::vector<Drive> &drives)
{
    if (drives == m_drives)
        return;
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
    if (!index.isValid() || index.row() >= int(m_drives.size()))
        return {};
    const Drive &drive = m_drives[std::size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::AccessibleTextRole:
        return QString::fromStdString(drive.shown);
    case Qt::UserRole:
        return QByteArray::fromStdString(drive.text);
    default:
        return {};
    }
}
