// SPDX-License-Identifier: MIT
#pragma once

#include <QListView>

class FolderList;
class FolderRows;

// Shows a folder list. A click only highlights; a double click, Enter, Right or Space opens
// the highlighted folder, and Left or Backspace opens its parent.
class FolderView : public QListView
{
    Q_OBJECT

public:
    FolderView(FolderList &folders, QWidget *parent = nullptr);

    FolderRows *rows() const { return m_rows; }

    // Shows the folder list's rows and its highlighted row.
    void showFolders();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void scrollToOpenFolder();

    FolderList &m_folders;
    FolderRows *m_rows;
    unsigned m_listing;
};
