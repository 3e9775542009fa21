// SPDX-License-Identifier: MIT
#include "DriveList.h"

#include "DriveOfPath.h"
#include "FileSystem.h"
#include "FolderPath.h"

#include <QSignalBlocker>

#include <algorithm>

DriveList::DriveList(const FileSystem &files, QWidget *parent) : QComboBox(parent), m_files(files)
{
    setEditable(false);
    fill(files.drives());
    setDriveFromPath(files.currentFolder());
    connect(this, &QComboBox::currentIndexChanged, this, &DriveList::changed);
}

QByteArray DriveList::drive() const
{
    return currentData().toByteArray();
}

QByteArrayList DriveList::drives() const
{
    QByteArrayList texts;
    texts.reserve(count());
    for (int row = 0; row < count(); ++row)
        texts.append(itemData(row).toByteArray());
    return texts;
}

void DriveList::setDriveFromPath(const QByteArray &path)
{
    const int row = findData(driveOfPath(drives(), path));
    if (row >= 0)
        setCurrentIndex(row);
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
    clear();
    fill(now);
    setCurrentIndex(
        std::max(0, findData(now.contains(current) ? current : driveOfPath(now, current))));
}

void DriveList::fill(const QByteArrayList &drives)
{
    for (const QByteArray &drive : drives)
        addItem(shownPath(drive), drive);
}
