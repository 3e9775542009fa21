// SPDX-License-Identifier: MIT
#pragma once

#include "FileSystem.h"
#include "Result.h"

#include <functional>
#include <string>
#include <vector>

// A folder list: the chain of folders from the root down to the open folder, then its
// subfolders. Its path is the open folder, never a row that is merely highlighted. A front
// end opens the highlighted row on a double click, Enter, Right or Space, and its parent on
// Left or Backspace.
class FolderList
{
public:
    // Opens the starting folder; when that cannot be read, its drive's root, quietly, as no
    // window is shown yet to say so.
    explicit FolderList(const FileSystem &files);

    const std::string &path() const { return m_path; }

    std::size_t rowCount() const { return m_chain.size() + m_subfolders.size(); }
    // The row's full folder path, as bytes.
    std::string rowFolder(std::size_t row) const;
    // What a person reads on the row: the root's path, or the folder's name.
    std::string rowText(std::size_t row) const;
    // How far the row is indented: the chain's rows by their depth, the subfolders one
    // deeper than the open folder.
    int rowLevel(std::size_t row) const;
    // Whether the row is on the chain down to the open folder, which shows as opened.
    bool rowIsOpen(std::size_t row) const { return row < m_chain.size(); }
    std::size_t openFolderRow() const { return m_chain.size() - 1; }

    // Counts the listings shown, so that a front end knows when the rows are new.
    unsigned listing() const { return m_listing; }

    int highlighted() const { return m_highlighted; }
    void highlight(int row);

    // Opens `folder`. When it cannot be read the list stays as it was, and the result is
    // the operating system's description.
    Result<void, std::string> setPath(const std::string &folder);

    // Shows `drive`'s current folder: the open folder when it already lies on that drive
    // among `drives`, else the starting folder when that does, else the drive's root.
    Result<void, std::string> openDrive(const std::string &drive,
                                        const std::vector<std::string> &drives);

    // What the user asks for on a row; a folder that cannot be read goes to `openFailed`,
    // and the open folder is highlighted again.
    void open(std::size_t row);
    void openParentOf(std::size_t row);

    // Hears of every change to the rows, the path or the highlight.
    std::function<void()> shown;
    std::function<void(const std::string &folder, const std::string &reason)> openFailed;

private:
    void openStartingFolder();
    void openByUser(const std::string &folder);
    void tellShown() const;

    const FileSystem &m_files;
    std::string m_path;
    std::vector<std::string> m_chain; // root first, the open folder last
    std::vector<std::string> m_subfolders; // names, in display order
    int m_highlighted = -1;
    unsigned m_listing = 0;
};
