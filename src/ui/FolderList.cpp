// SPDX-License-Identifier: MIT
#include "FolderList.h"

#include "DriveOfPath.h"
#include "FolderPath.h"

#include <algorithm>

namespace {

// The folders from the root down to `folder`, root first.
std::vector<std::string> folderChain(const std::string &folder)
{
    std::vector<std::string> chain;
    for (std::string step = folder;; step = parentFolder(step)) {
        chain.push_back(step);
        if (parentFolder(step) == step)
            break;
    }
    std::reverse(chain.begin(), chain.end());
    return chain;
}

} // namespace

FolderList::FolderList(const FileSystem &files) : m_files(files)
{
    openStartingFolder();
}

std::string FolderList::rowFolder(std::size_t row) const
{
    if (row < m_chain.size())
        return m_chain[row];
    return childFolder(m_path, m_subfolders[row - m_chain.size()]);
}

std::string FolderList::rowText(std::size_t row) const
{
    if (row < m_chain.size())
        return shownPath(row == 0 ? m_chain[row] : folderName(m_chain[row]));
    return shownPath(m_subfolders[row - m_chain.size()]);
}

int FolderList::rowLevel(std::size_t row) const
{
    return int(std::min(row, m_chain.size()));
}

void FolderList::highlight(int row)
{
    if (row < -1 || row >= int(rowCount()) || row == m_highlighted)
        return;
    m_highlighted = row;
    tellShown();
}

Result<void, std::string> FolderList::setPath(const std::string &folder)
{
    std::string cleanFolder = cleanFolderPath(folder);
    auto subfolders = m_files.listFolder(cleanFolder);
    if (!subfolders)
        return Failure {subfolders.failure()};
    m_chain = folderChain(cleanFolder);
    m_subfolders = std::move(*subfolders);
    m_path = std::move(cleanFolder);
    m_highlighted = int(openFolderRow());
    ++m_listing;
    tellShown();
    return {};
}

Result<void, std::string> FolderList::openDrive(const std::string &drive,
                                                const std::vector<std::string> &drives)
{
    if (!m_path.empty() && driveOfPath(drives, m_path) == drive)
        return {};
    const std::string start = m_files.currentFolder();
    if (driveOfPath(drives, start) == drive)
        return setPath(start);
    return setPath(driveRootFolder(drive));
}

void FolderList::open(std::size_t row)
{
    if (row < rowCount())
        openByUser(rowFolder(row));
}

void FolderList::openParentOf(std::size_t row)
{
    if (row < rowCount())
        openByUser(parentFolder(rowFolder(row)));
}

void FolderList::openStartingFolder()
{
    const std::string start = m_files.currentFolder();
    if (setPath(start))
        return;
    // Listing the drives reads the mount table, so only when the start fails.
    const std::string startRoot = driveRootFolder(driveOfPath(driveTexts(m_files.drives()), start));
    if (!startRoot.empty() && setPath(startRoot))
        return;
    if (setPath("/"))
        return;
    // Nothing can be read: the list still shows a root to start from.
    m_path.assign(1, '/');
    m_chain = {m_path};
    m_highlighted = 0;
}

void FolderList::openByUser(const std::string &folder)
{
    const auto opened = setPath(folder);
    if (opened)
        return;
    highlight(int(openFolderRow()));
    if (openFailed)
        openFailed(folder, opened.failure());
}

void FolderList::tellShown() const
{
    if (shown)
        shown();
}
