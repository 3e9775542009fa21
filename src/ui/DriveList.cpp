// SPDX-License-Identifier: MIT
#include "DriveList.h"

#include "DriveModel.h"
#include "DriveOfPath.h"
#include "FileSystem.h"

#include <QSignalBlocker>

#include <algorithm>

DriveList::DriveList(const FileSystem &files, QWidget *parent)
    : QComboBox(parent), m_files(files), m_model(new DriveModel(this))
{
    setEditable(false);
    setModel(m_model);
    m_model->setDrives(files.drives());
    setCurrentIndex(0);
    setDriveFromPath(files.currentFolder());
    connect(this, &QComboBox::currentIndexChanged, this, &DriveList::changed);
}

QByteArray DriveList::drive() const
{
    return currentData().toByteArray();
}

QByteArrayList DriveList::drives() const
{
    return m_model->drives();
}

void DriveList::setDriveFromPath(const QByteArray &path)
{
    const qsizetype row = drives().indexOf(driveOfPath(drives(), path));
    if (row >= 0)
        setCurrentIndex(int(row));
}

void DriveList::showPopup()
{
    refresh();
    QComboBox::showPopup();
}

// The current drive stays; when it is gone, the drive that now holds its folder takes its
// place, which is where the folder list already is. Neither is a change of drive.
void DriveList::refresh()
{
    const QByteArrayList now = m_files.drives();
    if (now == drives())
        return;
    const QByteArray current = drive();
    const QSignalBlocker quiet(this);
    m_model->setDrives(now);
    const QByteArray kept = now.contains(current) ? current : driveOfPath(now, current);
    setCurrentIndex(int(std::max<qsizetype>(0, now.indexOf(kept))));
}
