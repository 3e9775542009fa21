// SPDX-License-Identifier: MIT
#include "DriveCombo.h"

#include "DriveList.h"
#include "DriveModel.h"

#include <QSignalBlocker>

DriveCombo::DriveCombo(DriveList &drives, QWidget *parent)
    : QComboBox(parent), m_drives(drives), m_model(new DriveModel(this))
{
    setEditable(false);
    setModel(m_model);
    showDrives();
    connect(this, &QComboBox::currentIndexChanged, this, [this](int row) { m_drives.select(row); });
}

void DriveCombo::showDrives()
{
    const QSignalBlocker quiet(this);
    m_model->setDrives(m_drives.drives());
    setCurrentIndex(m_drives.current());
}

void DriveCombo::showPopup()
{
    m_drives.refresh();
    QComboBox::showPopup();
}
