// SPDX-License-Identifier: MIT
#pragma once

#include <QComboBox>

class DriveList;
class DriveModel;

// Shows a drive list. Opening it reads the drives again, so that it offers what is mounted
// now; picking a drive hands the choice to the drive list.
class DriveCombo : public QComboBox
{
    Q_OBJECT

public:
    DriveCombo(DriveList &drives, QWidget *parent = nullptr);

    // Shows the drive list's drives and its current one.
    void showDrives();

    void showPopup() override;

private:
    DriveList &m_drives;
    DriveModel *m_model;
};
