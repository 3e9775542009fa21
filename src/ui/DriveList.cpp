// SPDX-License-Identifier: MIT
#include "DriveList.h"

#include "DriveOfPath.h"

#include <algorithm>

namespace {

int rowOf(const std::vector<std::string> &texts, const std::string &text)
{
    const auto found = std::find(texts.begin(), texts.end(), text);
    return found == texts.end() ? -1 : int(found - texts.begin());
}

const std::string noDrive;

} // namespace

DriveList::DriveList(const FileSystem &files) : m_files(files), m_drives(files.drives())
{
    m_current = m_drives.empty() ? -1 : 0;
    const std::vector<std::string> texts = driveTexts();
    const int start = rowOf(texts, driveOfPath(texts, files.currentFolder()));
    if (start >= 0)
        m_current = start;
}

const std::string &DriveList::drive() const
{
    return m_current < 0 ? noDrive : m_drives[std::size_t(m_current)].text;
}

void DriveList::select(int row)
{
    if (row < 0 || row >= int(m_drives.size()) || row == m_current)
        return;
    m_current = row;
    tellShown();
    if (changed)
        changed();
}

void DriveList::setDriveFromPath(const std::string &path)
{
    const std::vector<std::string> texts = driveTexts();
    select(rowOf(texts, driveOfPath(texts, path)));
}

void DriveList::refresh()
{
    std::vector<Drive> now = m_files.drives();
    if (now == m_drives)
        return;
    const std::string current = drive();
    m_drives = std::move(now);
    const std::vector<std::string> texts = driveTexts();
    const int kept = rowOf(texts, current);
    m_current = kept >= 0 ? kept : std::max(0, rowOf(texts, driveOfPath(texts, current)));
    if (m_drives.empty())
        m_current = -1;
    tellShown();
}

void DriveList::tellShown() const
{
    if (shown)
        shown();
}
