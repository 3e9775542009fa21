// SPDX-License-Identifier: MIT
#pragma once

#include "DrivePicker.h"
#include "Platform.h"

#include <QDialog>

#include <memory>

class DriveList;
class FolderList;
class QPushButton;
class frmLapforge2;

// The first window: asks for the folder that holds the generator. "Ok" keeps that folder
// and opens the main window; "Cancel" or closing this window ends the program.
class frmLapforge1 : public QDialog
{
    Q_OBJECT

public:
    explicit frmLapforge1(Platform platform, QWidget *parent = nullptr);
    ~frmLapforge1() override;

    // The main window once "Ok" has created it, else nullptr.
    frmLapforge2 *mainWindow() const { return m_main.get(); }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void cmdOK_Click();
    void cmdEnd_Click();
    void drvList2_Change();

    struct Controls
    {
        DriveList *drvList2;
        FolderList *Dir2;
        QPushButton *cmdOK;
    };

    Platform m_platform;
    Controls m_ui {};
    std::unique_ptr<DrivePicker> m_toolPicker;
    std::unique_ptr<frmLapforge2> m_main;
};
