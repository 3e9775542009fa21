// SPDX-License-Identifier: MIT
#include "frmLapforge1.h"

#include "Desktop.h"
#include "FolderPath.h"
#include "Module1.h"
#include "frmLapforge1Design.h"
#include "frmLapforge2.h"

frmLapforge1::frmLapforge1(Platform platform)
    : m_platform(platform), m_form(frmLapforge1Design(), platform.files, platform.messages),
      m_Dir2(m_form.indexOf("Dir2")),
      m_toolPicker(m_form, m_form.driveList(m_form.indexOf("drvList2")), m_form.folderList(m_Dir2),
                   platform.messages)
{
    m_form.setHandler(m_form.indexOf("cmdOK"), [this] { cmdOK_Click(); });
    m_form.setHandler(m_form.indexOf("cmdEnd"), [this] { cmdEnd_Click(); });
    m_form.setHandler(m_form.indexOf("drvList2"), [this] { drvList2_Change(); });
    // Closing from the title bar stores no tool folder and ends the program, as "Cancel" does.
    m_form.setCloseHandler([this] { cmdEnd_Click(); });
}

frmLapforge1::~frmLapforge1()
{
    m_main.reset();
    m_platform.desktop.unload(m_form);
}

void frmLapforge1::cmdOK_Click()
{
    // The main window's load builds the base command, so the tool folder comes first.
    Module1::setToolFolder(nativeFolderPath(m_form.folderList(m_Dir2).path()));
    m_platform.desktop.hide(m_form);
    if (!m_main)
        m_main = std::make_unique<frmLapforge2>(m_platform);
    m_platform.desktop.show(m_main->form());
}

void frmLapforge1::cmdEnd_Click()
{
    m_platform.desktop.unload(m_form);
    m_platform.desktop.end();
}

void frmLapforge1::drvList2_Change()
{
    m_toolPicker.change();
}
