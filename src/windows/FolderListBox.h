// SPDX-License-Identifier: MIT
#pragma once

#include "WindowsApi.h"

class FolderList;

// A folder list shown in an owner-drawn list box that holds no strings: its rows are drawn
// from the folder list when they come into view, however many subfolders there are.
class FolderListBox
{
public:
    FolderListBox(HWND box, FolderList &folders);

    HWND box() const { return m_box; }

    // Shows the folder list's rows and highlight: a new listing scrolls the open folder's
    // row to the top, so that its subfolders show below it.
    void show();
    void draw(const DRAWITEMSTRUCT &item, UINT dpi) const;
    static int rowHeightAt(HFONT font, UINT dpi);

    // What the list box tells its parent and the keys it is sent.
    void selectionChanged();
    void doubleClicked();
    // Whether the key opened a folder: Enter, Right or Space the highlighted one, Left or
    // Backspace its parent, each without a modifier.
    bool keyDown(WPARAM key);

private:
    HWND m_box;
    FolderList &m_folders;
    unsigned m_listing;
};
