// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractListModel>
#include <QByteArrayList>

// The drive list's rows: each drive's text as bytes under Qt::UserRole, shown decoded with
// native separators. Holding the bytes and decoding on demand keeps a thousand mounts cheap.
class DriveModel : public QAbstractListModel
{
public:
    using QAbstractListModel::QAbstractListModel;

    void setDrives(const QByteArrayList &drives);
    const QByteArrayList &drives() const { return m_drives; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    QByteArrayList m_drives;
};
