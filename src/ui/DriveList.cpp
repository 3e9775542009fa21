// SPDX-License-Identifier: MIT
#include "DriveList.h"

#include "DriveOfPath.h"
#include "FileSystem.h"

#include <QDir>

DriveList::DriveList(const FileSystem &files, QWidget *parent) : QComboBox(parent)
{
    setEditable(false);
    for (const QString &drive : files.drives())
        addItem(QDir::toNativeSeparators(drive), drive);
    setDriveFromPath(files.currentFolder());
    connect(this, &QComboBox::currentIndexChanged, this, &DriveList::changed);
}

QString DriveList::drive() const
{
    return currentData().toString();
}

void DriveList::setDriveFromPath(const QString &path)
{
    QStringList drives;
    for (int row = 0; row < count(); ++row)
        drives.append(itemData(row).toString());
    const qsizetype row = drives.indexOf(driveOfPath(drives, path));
    if (row >= 0)
        setCurrentIndex(int(row));
}
