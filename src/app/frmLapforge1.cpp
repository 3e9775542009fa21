// SPDX-License-Identifier: MIT
#include "frmLapforge1.h"

#include "DriveList.h"
#include "FolderList.h"
#include "FolderPath.h"
#include "Module1.h"
#include "buildForm.h"
#include "frmLapforge1Layout.h"
#include "frmLapforge2.h"

#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {

bool isEnter(const QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent *>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

frmLapforge1::frmLapforge1(Platform platform, QWidget *parent)
    : QDialog(parent), m_platform(platform)
{
    setWindowTitle(QStringLiteral("Where is Lapforge?"));
    setFixedClientSize(this, frmLapforge1Width, frmLapforge1Height);
    buildForm(this, frmLapforge1Layout(), m_platform);
    m_ui.drvList2 = findChild<DriveList *>(QStringLiteral("drvList2"));
    m_ui.Dir2 = findChild<FolderList *>(QStringLiteral("Dir2"));
    m_ui.cmdOK = findChild<QPushButton *>(QStringLiteral("cmdOK"));
    // Some screen readers name a drop-down list by the label that is its buddy.
    findChild<QLabel *>(QStringLiteral("Label5"))->setBuddy(m_ui.drvList2);
    m_toolPicker = std::make_unique<DrivePicker>(*m_ui.drvList2, *m_ui.Dir2, m_platform.messages);
    m_ui.cmdOK->setDefault(true);
    // Enter presses "Ok" even while the folder list, which opens folders on Enter elsewhere,
    // has the focus.
    m_ui.Dir2->installEventFilter(this);
    m_ui.Dir2->setFocus();

    connect(m_ui.cmdOK, &QPushButton::clicked, this, &frmLapforge1::cmdOK_Click);
    connect(findChild<QPushButton *>(QStringLiteral("cmdEnd")), &QPushButton::clicked, this,
            &frmLapforge1::cmdEnd_Click);
    connect(m_ui.drvList2, &DriveList::changed, this, &frmLapforge1::drvList2_Change);
    centreOnScreen(this);
}

frmLapforge1::~frmLapforge1() = default;

void frmLapforge1::cmdOK_Click()
{
    // The main window's load builds the base command, so the tool folder comes first.
    Module1::setToolFolder(nativeFolderPath(m_ui.Dir2->path()));
    hide();
    if (!m_main)
        m_main = std::make_unique<frmLapforge2>(m_platform);
    m_main->show();
}

void frmLapforge1::cmdEnd_Click()
{
    close();
}

void frmLapforge1::drvList2_Change()
{
    m_toolPicker->change();
}

void frmLapforge1::keyPressEvent(QKeyEvent *event)
{
    // No cancel button: Esc presses nothing.
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool frmLapforge1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui.Dir2 && isEnter(event)) {
        m_ui.cmdOK->click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
