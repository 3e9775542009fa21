// SPDX-License-Identifier: MIT
#include "FolderList.h"

#include "DriveOfPath.h"
#include "FileSystem.h"
#include "FolderIndentDelegate.h"
#include "FolderPath.h"
#include "MessageBox.h"
#include "readPng.h"

#include <QDir>
#include <QKeyEvent>

namespace {

// The folders from the root down to `folder`, root first.
QByteArrayList folderChain(const QByteArray &folder)
{
    QByteArrayList chain;
    for (QByteArray step = folder;; step = parentFolder(step)) {
        chain.prepend(step);
        if (parentFolder(step) == step)
            return chain;
    }
}

QString rowText(const QByteArray &folder, bool isRoot)
{
    return isRoot ? shownPath(folder) : QString::fromUtf8(folderName(folder));
}

enum class KeyAction { None, OpenHighlighted, OpenParent };

KeyAction keyAction(const QKeyEvent *event)
{
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return KeyAction::None;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Right:
    case Qt::Key_Space:
        return KeyAction::OpenHighlighted;
    case Qt::Key_Left:
    case Qt::Key_Backspace:
        return KeyAction::OpenParent;
    default:
        return KeyAction::None;
    }
}

} // namespace

FolderList::FolderList(const FileSystem &files, MessageBox &messages, QWidget *parent)
    : QListWidget(parent), m_files(files), m_messages(messages)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegate(new FolderIndentDelegate(LevelRole, this));
    // Double clicks and Enter open, whatever the style says about single-click activation.
    connect(this, &QListWidget::itemDoubleClicked, this, &FolderList::openItem);
    openStartingFolder();
}

QByteArray FolderList::path() const
{
    return m_path;
}

Result<void, QString> FolderList::setPath(const QByteArray &folder)
{
    const QByteArray cleanFolder = cleanFolderPath(folder);
    const auto subfolders = m_files.listFolder(cleanFolder);
    if (!subfolders)
        return Failure {subfolders.failure()};
    showFolder(cleanFolder, *subfolders);
    return {};
}

Result<void, QString> FolderList::openDrive(const QByteArray &drive, const QByteArrayList &drives)
{
    if (!m_path.isEmpty() && driveOfPath(drives, m_path) == drive)
        return {};
    const QByteArray start = m_files.currentFolder();
    if (driveOfPath(drives, start) == drive)
        return setPath(start);
    return setPath(driveRootFolder(drive));
}

void FolderList::keyPressEvent(QKeyEvent *event)
{
    switch (keyAction(event)) {
    case KeyAction::OpenHighlighted:
        openItem(currentItem());
        break;
    case KeyAction::OpenParent:
        openParentOf(currentItem());
        break;
    case KeyAction::None:
        QListWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void FolderList::showEvent(QShowEvent *event)
{
    QListWidget::showEvent(event);
    // Only now does the list know its height.
    scrollToOpenFolder();
}

void FolderList::openStartingFolder()
{
    // Never a message here: the window is not even shown yet, so fall back quietly.
    const QByteArray start = m_files.currentFolder();
    if (setPath(start))
        return;
    // Listing the drives reads the mount table, so only when the start fails.
    const QByteArray startRoot = driveRootFolder(driveOfPath(m_files.drives(), start));
    if (!startRoot.isEmpty() && setPath(startRoot))
        return;
    static_cast<void>(setPath(QDir::rootPath().toUtf8()));
}

void FolderList::openItem(QListWidgetItem *item)
{
    if (item)
        openFolder(item->data(PathRole).toByteArray());
}

void FolderList::openParentOf(QListWidgetItem *item)
{
    if (item)
        openFolder(parentFolder(item->data(PathRole).toByteArray()));
}

void FolderList::openFolder(const QByteArray &folder)
{
    const auto opened = setPath(folder);
    if (opened)
        return;
    highlightOpenFolder();
    m_messages.critical(window(), window()->windowTitle(),
                        QStringLiteral("The folder %1 cannot be opened:\n%2")
                            .arg(shownPath(folder), opened.failure()));
}

void FolderList::showFolder(const QByteArray &folder, const QByteArrayList &subfolders)
{
    // Our own pictures: the style's would look up an icon theme and its image plugins.
    static const QIcon openIcon(readPng(QStringLiteral(":/images/folder-open.png")));
    static const QIcon closedIcon(readPng(QStringLiteral(":/images/folder-closed.png")));
    const QByteArrayList chain = folderChain(folder);
    clear();
    for (int level = 0; level < chain.size(); ++level)
        addRow(rowText(chain.at(level), level == 0), chain.at(level), level, openIcon);
    for (const QByteArray &name : subfolders)
        addRow(QString::fromUtf8(name), childFolder(folder, name), int(chain.size()), closedIcon);
    m_path = folder;
    highlightOpenFolder();
    scrollToOpenFolder();
}

QListWidgetItem *FolderList::openFolderItem() const
{
    for (int row = 0; row < count(); ++row) {
        if (item(row)->data(PathRole).toByteArray() == m_path)
            return item(row);
    }
    return nullptr;
}

void FolderList::highlightOpenFolder()
{
    if (QListWidgetItem *open = openFolderItem())
        setCurrentItem(open);
}

// The open folder's row goes to the top, with as many of its subfolders below it as fit:
// at any depth the list shows where it is and what can be opened.
void FolderList::scrollToOpenFolder()
{
    if (QListWidgetItem *open = openFolderItem())
        scrollToItem(open, QAbstractItemView::PositionAtTop);
}

void FolderList::addRow(const QString &text, const QByteArray &folder, int level, const QIcon &icon)
{
    auto *item = new QListWidgetItem(icon, text, this);
    item->setData(PathRole, folder);
    item->setData(LevelRole, level);
}
