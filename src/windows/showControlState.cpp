// SPDX-License-Identifier: MIT
#include "showControlState.h"

#include "ControlDesign.h"
#include "ControlState.h"
#include "DriveList.h"
#include "WideText.h"

#include <vector>

namespace {

std::wstring wide(const std::string &text)
{
    return toWide(text).value_or(std::wstring());
}

void showText(HWND window, const std::string &text)
{
    const std::wstring shown = wide(text);
    if (windowText(window) != shown)
        SetWindowTextW(window, shown.c_str());
}

WPARAM checkOf(std::int16_t value)
{
    return value == 1 ? BST_CHECKED : value == 2 ? BST_INDETERMINATE : BST_UNCHECKED;
}

// A list box's or combo box's entries, refilled only when their number changed: the
// windows' lists are filled once, at load.
void showEntries(HWND list, const std::vector<std::string> &entries, UINT countMessage,
                 UINT resetMessage, UINT addMessage)
{
    if (static_cast<std::size_t>(SendMessageW(list, countMessage, 0, 0)) == entries.size())
        return;
    SendMessageW(list, resetMessage, 0, 0);
    for (const std::string &entry : entries) {
        const std::wstring text = wide(entry);
        SendMessageW(list, addMessage, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

void showListBox(HWND list, const ControlState &state)
{
    showEntries(list, state.entries, LB_GETCOUNT, LB_RESETCONTENT, LB_ADDSTRING);
    if (SendMessageW(list, LB_GETCURSEL, 0, 0) != state.value)
        SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(state.value), 0);
}

void showComboBox(HWND combo, const ControlState &state)
{
    showEntries(combo, state.entries, CB_GETCOUNT, CB_RESETCONTENT, CB_ADDSTRING);
    if (SendMessageW(combo, CB_GETCURSEL, 0, 0) != state.value)
        SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(state.value), 0);
    showText(combo, state.text);
}

void showContent(HWND control, const ControlDesign &design, const ControlState &state)
{
    switch (design.kind) {
    case ControlKind::TextBox:
        showText(control, state.text);
        return;
    case ControlKind::OptionButton:
        SendMessageW(control, BM_SETCHECK, state.value == -1 ? BST_CHECKED : BST_UNCHECKED, 0);
        return;
    case ControlKind::CheckBox:
        SendMessageW(control, BM_SETCHECK, checkOf(state.value), 0);
        return;
    case ControlKind::ListBox:
        showListBox(control, state);
        return;
    case ControlKind::ComboBox:
        showComboBox(control, state);
        return;
    case ControlKind::Frame:
    case ControlKind::Label:
    case ControlKind::CommandButton:
    case ControlKind::DriveList:
    case ControlKind::FolderList:
    case ControlKind::Image:
        return;
    }
}

} // namespace

void showControlState(HWND control, const ControlDesign &design, const ControlState &state)
{
    showContent(control, design, state);
    if ((IsWindowEnabled(control) != FALSE) != state.enabled)
        EnableWindow(control, state.enabled);
    const bool visible = GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE;
    if (visible != state.visible)
        ShowWindow(control, state.visible ? SW_SHOWNA : SW_HIDE);
}

// Refilled whenever it is shown: it is short, and a drive's label may have come meanwhile.
void showDriveList(HWND combo, const DriveList &drives)
{
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (const Drive &drive : drives.drives()) {
        const std::wstring text = wide(drive.shown);
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(drives.current()), 0);
}

std::wstring windowText(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}
