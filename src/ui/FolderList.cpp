// SPDX-License-Identifier: MIT
#include "FolderList.h"

#include "DriveOfPath.h"
#include "FileSystem.h"
#include "FolderIndentDelegate.h"
#include "MessageBox.h"
#include "readPng.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>

namespace {

// The folders from the root down to `folder`, root first.
QStringList folderChain(const QString &folder)
{
    QStringList chain;
    for (QString step = folder;; step = QFileInfo(step).path()) {
        chain.prepend(step);
        if (QFileInfo(step).path() == step)
            return chain;
    }
}

QString rowText(const QString &folder, bool isRoot)
{
    return isRoot ? QDir::toNativeSeparators(folder) : QFileInfo(folder).fileName();
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

QString FolderList::path() const
{
    return m_path;
}

bool FolderList::setPath(const QString &folder, QString *reason)
{
    const QString cleanFolder = QDir::cleanPath(QDir::fromNativeSeparators(folder));
    const FolderListing listing = m_files.listFolder(cleanFolder);
    if (!listing.readable) {
        if (reason)
            *reason = listing.reason;
        return false;
    }
    showFolder(cleanFolder, listing.subfolders);
    return true;
}

bool FolderList::openDrive(const QString &drive, QString *reason)
{
    const QStringList drives = m_files.drives();
    if (!m_path.isEmpty() && driveOfPath(drives, m_path) == drive)
        return true;
    const QString start = m_files.currentFolder();
    if (driveOfPath(drives, start) == drive)
        return setPath(start, reason);
    return setPath(driveRootFolder(drive), reason);
}

void FolderList::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        openItem(currentItem());
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void FolderList::openStartingFolder()
{
    // Never a message here: the window is not even shown yet, so fall back quietly.
    const QString start = m_files.currentFolder();
    if (setPath(start))
        return;
    // Listing the drives costs a look at every mount, so only when the start fails.
    const QString startRoot = driveRootFolder(driveOfPath(m_files.drives(), start));
    if (!startRoot.isEmpty() && setPath(startRoot))
        return;
    setPath(QDir::rootPath());
}

void FolderList::openItem(QListWidgetItem *item)
{
    if (!item)
        return;
    const QString folder = item->data(PathRole).toString();
    QString reason;
    if (setPath(folder, &reason))
        return;
    highlightOpenFolder();
    m_messages.critical(
        window(), QStringLiteral("Lapforge"),
        tr("The folder %1 cannot be opened:\n%2").arg(QDir::toNativeSeparators(folder), reason));
}

void FolderList::showFolder(const QString &folder, const QStringList &subfolders)
{
    // Our own pictures: the style's would look up an icon theme and its image plugins.
    static const QIcon openIcon(readPng(QStringLiteral(":/images/folder-open.png")));
    static const QIcon closedIcon(readPng(QStringLiteral(":/images/folder-closed.png")));
    const QStringList chain = folderChain(folder);
    clear();
    for (int level = 0; level < chain.size(); ++level)
        addRow(rowText(chain.at(level), level == 0), chain.at(level), level, openIcon);
    const QDir openFolder(folder);
    for (const QString &name : subfolders)
        addRow(name, openFolder.filePath(name), int(chain.size()), closedIcon);
    m_path = folder;
    highlightOpenFolder();
}

void FolderList::highlightOpenFolder()
{
    for (int row = 0; row < count(); ++row) {
        if (item(row)->data(PathRole).toString() == m_path) {
            setCurrentRow(row);
            return;
        }
    }
}

void FolderList::addRow(const QString &text, const QString &folder, int level, const QIcon &icon)
{
    auto *item = new QListWidgetItem(icon, text, this);
    item->setData(PathRole, folder);
    item->setData(LevelRole, level);
}
