// SPDX-License-Identifier: MIT
#include "FolderView.h"

#include "FolderIndentDelegate.h"
#include "FolderList.h"
#include "FolderRows.h"

#include <QKeyEvent>
#include <QSignalBlocker>

namespace {

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

FolderView::FolderView(FolderList &folders, QWidget *parent)
    : QListView(parent), m_folders(folders), m_rows(new FolderRows(folders, this)),
      m_listing(folders.listing())
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setModel(m_rows);
    setItemDelegate(new FolderIndentDelegate(FolderRows::LevelRole, this));
    // Double clicks open, whatever the style says about single-click activation.
    connect(this, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex &index) { m_folders.open(std::size_t(index.row())); });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { m_folders.highlight(current.row()); });
    showFolders();
}

void FolderView::showFolders()
{
    const QSignalBlocker quiet(selectionModel());
    const bool newListing = m_folders.listing() != m_listing;
    if (newListing) {
        m_listing = m_folders.listing();
        m_rows->reset();
    }
    const QModelIndex highlighted = m_rows->index(m_folders.highlighted());
    if (currentIndex() != highlighted)
        setCurrentIndex(highlighted);
    if (newListing)
        scrollToOpenFolder();
}

void FolderView::keyPressEvent(QKeyEvent *event)
{
    const int row = currentIndex().row();
    switch (keyAction(event)) {
    case KeyAction::OpenHighlighted:
        if (row >= 0)
            m_folders.open(std::size_t(row));
        break;
    case KeyAction::OpenParent:
        if (row >= 0)
            m_folders.openParentOf(std::size_t(row));
        break;
    case KeyAction::None:
        QListView::keyPressEvent(event);
        return;
    }
    event->accept();
}

void FolderView::showEvent(QShowEvent *event)
{
    QListView::showEvent(event);
    // Only now does the list know its height.
    scrollToOpenFolder();
}

// The open folder's row goes to the top, with as many of its subfolders below it as fit:
// at any depth the list shows where it is and what can be opened.
void FolderView::scrollToOpenFolder()
{
    scrollTo(m_rows->index(int(m_folders.openFolderRow())), QAbstractItemView::PositionAtTop);
}
