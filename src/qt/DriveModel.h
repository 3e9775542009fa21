// SPDX-License-Identifier: MIT
#pragma once

#include "FileSystem.h"

#include <QAbstractListModel>

#include <vector>

// The drive list's rows: each drive's text as bytes under Qt::UserRole, and what a person
// reads. Decoding on demand keeps a thousand mounts cheap.
class DriveModel : public QAbstractListModel
{
public:
    using QAbstractListModel::QAbstractListModel;

    // Shows `drives` from now on, when they differ from what is shown.
    void setDrives(const std::vector<Drive> &drives);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    std::vector<Drive> m_drives;
};
