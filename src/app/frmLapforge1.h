// SPDX-License-Identifier: MIT
#pragma once

#include "DrivePicker.h"
#include "Form.h"
#include "Platform.h"

#include <memory>

class frmLapforge2;

// The first window: asks for the folder that holds the generator. "Ok" keeps that folder
// and opens the main window; "Cancel" or closing this window ends the program.
class frmLapforge1
{
public:
    explicit frmLapforge1(Platform platform);
    ~frmLapforge1();
    frmLapforge1(const frmLapforge1 &) = delete;
    frmLapforge1 &operator=(const frmLapforge1 &) = delete;

    Form &form() { return m_form; }
    const Form &form() const { return m_form; }

    // The main window once "Ok" has created it, else nullptr.
    frmLapforge2 *mainWindow() const { return m_main.get(); }
    // The tool folder list's drive root, which only the unreadable-drive message reads.
    const std::string &driveRoot() const { return m_toolPicker.driveRoot(); }

private:
    void cmdOK_Click();
    void cmdEnd_Click();
    void drvList2_Change();

    Platform m_platform;
    Form m_form;
    std::size_t m_Dir2;
    DrivePicker m_toolPicker;
    std::unique_ptr<frmLapforge2> m_main;
};
