// SPDX-License-Identifier: MIT
#include "FolderListBox.h"

#include "FolderList.h"
#include "FormFont.h"
#include "Twips.h"
#include "WideText.h"

#include <algorithm>

namespace {

// A folder's picture, 15 by 13 twips per pixel at 96 DPI: open on the chain down to the open
// folder, closed below it.
void drawFolder(HDC dc, RECT place, bool open, UINT dpi)
{
    const int width = pixelsFromTwips(195, dpi);
    const int height = pixelsFromTwips(150, dpi);
    const int left = place.left;
    const int top = place.top + (place.bottom - place.top - height) / 2;
    const int tab = std::max(1, height / 4);
    const HBRUSH fill = CreateSolidBrush(open ? RGB(255, 230, 140) : RGB(230, 190, 80));
    const HPEN outline = CreatePen(PS_SOLID, 1, RGB(120, 90, 20));
    const HGDIOBJ oldBrush = SelectObject(dc, fill);
    const HGDIOBJ oldPen = SelectObject(dc, outline);
    const POINT body[] {
        {left, top},
        {left + width / 2, top},
        {left + width / 2 + tab, top + tab},
        {left + width, top + tab},
        {left + width, top + height},
        {left, top + height},
    };
    Polygon(dc, body, static_cast<int>(std::size(body)));
    if (open) {
        const POINT flap[] {
            {left, top + height},
            {left + tab, top + 2 * tab},
            {left + width + tab, top + 2 * tab},
            {left + width, top + height},
        };
        Polygon(dc, flap, static_cast<int>(std::size(flap)));
    }
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(outline);
    DeleteObject(fill);
}

bool modifierDown()
{
    return (GetKeyState(VK_SHIFT) | GetKeyState(VK_CONTROL) | GetKeyState(VK_MENU)) & 0x8000;
}

} // namespace

FolderListBox::FolderListBox(HWND box, FolderList &folders)
    : m_box(box), m_folders(folders), m_listing(folders.listing() - 1)
{
    // The listing counted as not yet shown, so that the first show fills the box.
    show();
}

void FolderListBox::show()
{
    const bool newListing = m_folders.listing() != m_listing;
    if (newListing) {
        m_listing = m_folders.listing();
        SendMessageW(m_box, LB_SETCOUNT, m_folders.rowCount(), 0);
    }
    const int highlighted = m_folders.highlighted();
    if (SendMessageW(m_box, LB_GETCURSEL, 0, 0) != highlighted)
        SendMessageW(m_box, LB_SETCURSEL, static_cast<WPARAM>(highlighted), 0);
    if (newListing)
        SendMessageW(m_box, LB_SETTOPINDEX, m_folders.openFolderRow(), 0);
    InvalidateRect(m_box, nullptr, TRUE);
}

void FolderListBox::draw(const DRAWITEMSTRUCT &item, UINT dpi) const
{
    const bool selected = item.itemState & ODS_SELECTED;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (item.itemID == static_cast<UINT>(-1) || item.itemID >= m_folders.rowCount())
        return;
    const std::size_t row = item.itemID;
    RECT place = item.rcItem;
    place.left += pixelsFromTwips(30 + 150 * m_folders.rowLevel(row), dpi);
    drawFolder(item.hDC, place, m_folders.rowIsOpen(row), dpi);
    place.left += pixelsFromTwips(285, dpi);
    const std::wstring text = toWide(m_folders.rowText(row)).value_or(L"?");
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &place,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (item.itemState & ODS_FOCUS)
        DrawFocusRect(item.hDC, &item.rcItem);
}

int FolderListBox::rowHeightAt(HFONT font, UINT dpi)
{
    return std::max(lineHeightOf(font) + 1, pixelsFromTwips(240, dpi));
}

void FolderListBox::selectionChanged()
{
    m_folders.highlight(static_cast<int>(SendMessageW(m_box, LB_GETCURSEL, 0, 0)));
}

void FolderListBox::doubleClicked()
{
    const auto row = SendMessageW(m_box, LB_GETCURSEL, 0, 0);
    if (row >= 0)
        m_folders.open(static_cast<std::size_t>(row));
}

bool FolderListBox::keyDown(WPARAM key)
{
    const int row = m_folders.highlighted();
    if (modifierDown() || row < 0)
        return false;
    switch (key) {
    case VK_RETURN:
    case VK_RIGHT:
    case VK_SPACE:
        m_folders.open(static_cast<std::size_t>(row));
        return true;
    case VK_LEFT:
    case VK_BACK:
        m_folders.openParentOf(static_cast<std::size_t>(row));
        return true;
    default:
        return false;
    }
}
