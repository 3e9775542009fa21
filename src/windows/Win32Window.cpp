// SPDX-License-Identifier: MIT
#include "Win32Window.h"

#include "ControlClass.h"
#include "DialogWindowClass.h"
#include "FolderListBox.h"
#include "Form.h"
#include "FormFont.h"
#include "MessageLoop.h"
#include "ResourceIds.h"
#include "TabStops.h"
#include "Twips.h"
#include "WideText.h"
#include "WindowDpi.h"
#include "WindowPlacement.h"
#include "showControlState.h"

#include <commctrl.h>

#include <algorithm>
#include <system_error>
#include <utility>

namespace {

constexpr wchar_t windowClassName[] = L"LapforgeWindow";
constexpr DWORD windowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
// A combo box's own list shows this many entries before it scrolls.
constexpr int droppedRows = 8;

bool keyDown(int key)
{
    return GetKeyState(key) & 0x8000;
}

std::wstring wide(const char *text)
{
    return toWide(text ? text : "").value_or(std::wstring());
}

SIZE captionSize(HWND control, HFONT font)
{
    const std::wstring caption = windowText(control);
    const HDC dc = GetDC(control);
    const HGDIOBJ previous = SelectObject(dc, font);
    RECT extent {};
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &extent,
              DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    return {extent.right, extent.bottom};
}

} // namespace

Win32Window::Win32Window(Form &form, HINSTANCE instance) : m_form(form)
{
    static const ATOM registered =
        registerDialogWindowClass(instance, windowClassName, windowProcedure,
                                  LoadIconW(instance, MAKEINTRESOURCEW(LAPFORGE_ICON)));
    static_cast<void>(registered);
    m_icon = LoadIconW(instance, MAKEINTRESOURCEW(LAPFORGE_ICON));
    // Made hidden where the system likes, so that its DPI is known before it is laid out.
    m_window.reset(CreateWindowExW(0, windowClassName, wide(form.design().caption).c_str(),
                                   windowStyle, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                   CW_USEDEFAULT, nullptr, nullptr, instance, this));
    if (!m_window)
        throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                                "The window cannot be created");
    m_dpi = dpiOfWindow(handle());
    m_font = formFontAt(m_dpi);
    for (std::size_t index = 0; index < form.count(); ++index) {
        if (form.designOf(index).flags & ControlFlag::Default)
            m_defaultButton = index;
    }
    createControls(instance);
    layOut();
    placeCentred(handle(), {form.design().width, form.design().height});
    if (m_defaultButton)
        SendMessageW(handle(), DM_SETDEFID, firstControlId + *m_defaultButton, 0);
    for (std::size_t index = 0; index < form.count(); ++index)
        showControl(index);
    form.changed = [this](std::size_t index) {
        showControl(index);
    };
}

// The form may be gone already: the window and its controls, which still send notifications
// while they are destroyed, hand nothing on from now.
Win32Window::~Win32Window()
{
    SetWindowLongPtrW(handle(), GWLP_USERDATA, 0);
    for (const HWND control : m_controls)
        RemoveWindowSubclass(control, controlProcedure, m_indexOf.at(control));
    m_window.reset();
}

void Win32Window::show()
{
    ShowWindow(handle(), SW_SHOW);
    SetForegroundWindow(handle());
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    const auto stops = tabStops(m_form, [this](std::size_t index) { return canFocus(index); });
    if (!stops.empty())
        focusControl(stops.front());
}

void Win32Window::hide()
{
    ShowWindow(handle(), SW_HIDE);
}

LRESULT CALLBACK Win32Window::windowProcedure(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto *creation = reinterpret_cast<const CREATESTRUCTW *>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto *self = reinterpret_cast<Win32Window *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return DefDlgProcW(window, message, wParam, lParam);
    return self->handleMessage(window, message, wParam, lParam);
}

LRESULT Win32Window::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case takeKeyMessage:
        return takeKey(*reinterpret_cast<const MSG *>(lParam));
    case WM_COMMAND: {
        const std::size_t id = LOWORD(wParam);
        if (id >= firstControlId && id - firstControlId < m_controls.size())
            command(id - firstControlId, HIWORD(wParam));
        // Enter without a default button and Escape come as IDOK and IDCANCEL: they press
        // nothing.
        return 0;
    }
    case WM_CLOSE:
        m_form.close();
        return 0;
    case WM_MEASUREITEM: {
        auto &item = *reinterpret_cast<MEASUREITEMSTRUCT *>(lParam);
        item.itemHeight = static_cast<UINT>(FolderListBox::rowHeightAt(m_font.get(), m_dpi));
        return TRUE;
    }
    case WM_DRAWITEM:
        drawItem(*reinterpret_cast<const DRAWITEMSTRUCT *>(lParam));
        return TRUE;
    case WM_DPICHANGED: {
        // Moved to a monitor of another DPI: the fonts and every place and size anew.
        m_dpi = HIWORD(wParam);
        // The old font goes only once no control uses it.
        OwnedFont previous = std::exchange(m_font, formFontAt(m_dpi));
        layOut();
        const RECT &suggested = *reinterpret_cast<const RECT *>(lParam);
        SetWindowPos(window, nullptr, suggested.left, suggested.top,
                     suggested.right - suggested.left, suggested.bottom - suggested.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    default:
        return DefDlgProcW(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK Win32Window::controlProcedure(HWND control, UINT message, WPARAM wParam,
                                               LPARAM lParam, UINT_PTR, DWORD_PTR self)
{
    return reinterpret_cast<Win32Window *>(self)->handleControlMessage(control, message, wParam,
                                                                       lParam);
}

LRESULT Win32Window::handleControlMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    // A frame holds controls, whose notifications come to it: they are the window's.
    case WM_COMMAND:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
        return SendMessageW(handle(), message, wParam, lParam);
    case WM_SETFOCUS: {
        const bool focusing = std::exchange(m_focusing, true);
        const LRESULT result = DefSubclassProc(control, message, wParam, lParam);
        m_focusing = focusing;
        return result;
    }
    default:
        return DefSubclassProc(control, message, wParam, lParam);
    }
}

// In the design's order, front to back within each container: a new child goes behind its
// siblings, so that where controls overlap, the one listed first takes the click.
void Win32Window::createControls(HINSTANCE instance)
{
    m_folderLists.resize(m_form.count());
    for (std::size_t index = 0; index < m_form.count(); ++index) {
        const ControlDesign &design = m_form.designOf(index);
        const ControlClass kind = controlClassOf(design);
        const HWND container =
            design.container ? m_controls[m_form.indexOf(design.container)] : handle();
        const HWND control = CreateWindowExW(
            kind.extendedStyle, kind.name, wide(design.caption).c_str(), kind.style, 0, 0, 0, 0,
            container, reinterpret_cast<HMENU>(firstControlId + index), instance, nullptr);
        m_controls.push_back(control);
        m_indexOf.emplace(control, index);
        if (design.kind == ControlKind::Frame || design.kind == ControlKind::OptionButton)
            SetWindowSubclass(control, controlProcedure, index, reinterpret_cast<DWORD_PTR>(this));
        if (design.kind == ControlKind::FolderList)
            m_folderLists[index] =
                std::make_unique<FolderListBox>(control, m_form.folderList(index));
        if (design.kind == ControlKind::TextBox)
            // No length limit: a pasted text or a shown command line is never cut short.
            SendMessageW(control, EM_SETLIMITTEXT, 0, 0);
    }
}

void Win32Window::layOut()
{
    for (const HWND control : m_controls)
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.get()), FALSE);
    for (std::size_t index = 0; index < m_controls.size(); ++index)
        placeControl(index);
    InvalidateRect(handle(), nullptr, TRUE);
}

void Win32Window::placeControl(std::size_t index)
{
    const ControlDesign &design = m_form.designOf(index);
    const HWND control = m_controls[index];
    const int left = pixelsFromTwips(design.left, m_dpi);
    const int top = pixelsFromTwips(design.top, m_dpi);
    int width = pixelsFromTwips(design.width, m_dpi);
    int height = pixelsFromTwips(design.height, m_dpi);
    if (design.flags & ControlFlag::SizedToCaption) {
        const SIZE caption = captionSize(control, m_font.get());
        width = caption.cx;
        height = caption.cy;
    }
    const bool combo =
        design.kind == ControlKind::ComboBox || design.kind == ControlKind::DriveList;
    if (design.kind == ControlKind::FolderList)
        SendMessageW(control, LB_SETITEMHEIGHT, 0, FolderListBox::rowHeightAt(m_font.get(), m_dpi));
    const int listHeight =
        combo ? droppedRows * static_cast<int>(SendMessageW(control, CB_GETITEMHEIGHT, 0, 0)) : 0;
    const auto place = [&] {
        SetWindowPos(control, nullptr, left, top, width, height + listHeight,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    };
    place();
    if (combo)
        fitComboBox(control, height, place);
}

// A combo box is as tall as its field, whatever height it is given, and the field follows
// the item height it is set to by the system's own rule, which may not be the one it then
// reports: the height set is corrected until the box has the design's height.
void Win32Window::fitComboBox(HWND combo, int height, const std::function<void()> &place) const
{
    auto item = static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, WPARAM(-1), 0));
    for (int attempt = 0; attempt < 4; ++attempt) {
        RECT closed {};
        GetWindowRect(combo, &closed);
        const int shortBy = height - static_cast<int>(closed.bottom - closed.top);
        if (shortBy == 0)
            return;
        item = std::max(1, item + shortBy);
        SendMessageW(combo, CB_SETITEMHEIGHT, WPARAM(-1), item);
        // The field takes its new height when the box is next placed.
        place();
    }
}

void Win32Window::command(std::size_t index, WORD code)
{
    const HWND control = m_controls[index];
    switch (m_form.designOf(index).kind) {
    case ControlKind::OptionButton:
        if (code == BN_CLICKED && !m_focusing)
            m_form.click(index);
        return;
    case ControlKind::CheckBox:
    case ControlKind::CommandButton:
        if (code == BN_CLICKED) {
            m_form.click(index);
            showControl(index);
        }
        return;
    case ControlKind::TextBox:
        if (code == EN_CHANGE && !m_showing)
            m_form.type(index, toUtf8(windowText(control)));
        return;
    case ControlKind::ListBox:
        if (code == LBN_SELCHANGE)
            m_form.select(index, static_cast<int>(SendMessageW(control, LB_GETCURSEL, 0, 0)));
        return;
    case ControlKind::ComboBox:
        comboCommand(index, code);
        return;
    case ControlKind::DriveList:
        if (code == CBN_DROPDOWN)
            m_form.driveList(index).refresh();
        else if (code == CBN_SELCHANGE)
            m_form.driveList(index).select(
                static_cast<int>(SendMessageW(control, CB_GETCURSEL, 0, 0)));
        return;
    case ControlKind::FolderList:
        if (code == LBN_SELCHANGE)
            m_folderLists[index]->selectionChanged();
        else if (code == LBN_DBLCLK)
            m_folderLists[index]->doubleClicked();
        return;
    case ControlKind::Frame:
    case ControlKind::Label:
    case ControlKind::Image:
        return;
    }
}

// A choice from the list changes the field's text after it is told as a choice; typed text
// is no choice, and when editing ends the field shows the chosen entry again.
void Win32Window::comboCommand(std::size_t index, WORD code)
{
    if (m_showing)
        return;
    const HWND combo = m_controls[index];
    switch (code) {
    case CBN_SELCHANGE: {
        const auto row = static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
        m_form.select(index, row);
        if (row >= 0)
            m_form.type(index, m_form.state(index).entries[static_cast<std::size_t>(row)]);
        return;
    }
    case CBN_EDITCHANGE: {
        // The box has let go of its choice while it is typed in; choosing again, to show the
        // form's state, would put the caret back at the start.
        const auto typedInto = std::exchange(m_typedInto, index);
        m_form.type(index, toUtf8(windowText(combo)));
        m_typedInto = typedInto;
        return;
    }
    case CBN_KILLFOCUS:
        restoreChoice(index);
        return;
    default:
        return;
    }
}

void Win32Window::restoreChoice(std::size_t index)
{
    const ControlState &state = m_form.state(index);
    if (state.value >= 0 && state.text != state.entries[static_cast<std::size_t>(state.value)])
        m_form.type(index, state.entries[static_cast<std::size_t>(state.value)]);
}

// Tab, the arrow keys and Enter follow the design, not the order the system keeps its
// controls in; what is left goes to the dialog manager.
bool Win32Window::takeKey(const MSG &message)
{
    const auto key = message.wParam;
    // Ctrl+Tab moves as Tab does, as in a dialog box; the dialog manager would move it in
    // the order the system keeps the controls in.
    if (keyDown(VK_MENU) || (keyDown(VK_CONTROL) && key != VK_TAB))
        return false;
    const std::optional<std::size_t> focused = controlOf(GetFocus());
    // An open drop-down list takes its own keys.
    if (focused
        && (m_form.designOf(*focused).kind == ControlKind::ComboBox
            || m_form.designOf(*focused).kind == ControlKind::DriveList)
        && SendMessageW(m_controls[*focused], CB_GETDROPPEDSTATE, 0, 0))
        return false;
    switch (key) {
    case VK_TAB:
        return takeTab(keyDown(VK_SHIFT));
    case VK_RETURN:
        return takeEnter(focused);
    case VK_ESCAPE:
        return true;
    default:
        break;
    }
    if (!focused)
        return false;
    const ControlKind kind = m_form.designOf(*focused).kind;
    if (kind == ControlKind::FolderList)
        return m_folderLists[*focused]->keyDown(key);
    const bool arrow = key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN;
    if (arrow
        && (kind == ControlKind::OptionButton || kind == ControlKind::CheckBox
            || kind == ControlKind::CommandButton))
        return takeArrow(*focused, key == VK_LEFT || key == VK_UP);
    return false;
}

bool Win32Window::takeTab(bool back)
{
    const auto canTakeFocus = [this](std::size_t index) {
        return canFocus(index);
    };
    const std::vector<std::size_t> stops = tabStops(m_form, canTakeFocus);
    if (const auto next = nextTabStop(m_form, stops, controlOf(GetFocus()), back))
        focusControl(*next);
    return true;
}

// Within an option group they choose the button beside; elsewhere on a button they do
// nothing.
bool Win32Window::takeArrow(std::size_t focused, bool back)
{
    const auto next = nextInOptionGroup(m_form, focused, back,
                                        [this](std::size_t index) { return canFocus(index); });
    if (next && *next != focused) {
        focusControl(*next);
        m_form.click(*next);
    }
    return true;
}

// Enter presses the command button that has the focus, opens the folder list's highlighted
// folder in a window without a default button, and presses the default button elsewhere.
// Editing the combo box's field ends with it.
bool Win32Window::takeEnter(std::optional<std::size_t> focused)
{
    const auto kind = focused ? m_form.designOf(*focused).kind : ControlKind::Frame;
    if (kind == ControlKind::ComboBox)
        restoreChoice(*focused);
    if (kind == ControlKind::CommandButton) {
        command(*focused, BN_CLICKED);
        return true;
    }
    if (kind == ControlKind::FolderList && !m_defaultButton)
        return m_folderLists[*focused]->keyDown(VK_RETURN);
    if (m_defaultButton)
        command(*m_defaultButton, BN_CLICKED);
    return true;
}

void Win32Window::focusControl(std::size_t index)
{
    const bool focusing = std::exchange(m_focusing, true);
    SetFocus(m_controls[index]);
    m_focusing = focusing;
    if (m_form.designOf(index).kind == ControlKind::TextBox)
        SendMessageW(m_controls[index], EM_SETSEL, 0, -1);
}

// The control that a window is, or lies in, such as a combo box's field.
std::optional<std::size_t> Win32Window::controlOf(HWND window) const
{
    for (; window && window != handle(); window = GetParent(window)) {
        if (const auto found = m_indexOf.find(window); found != m_indexOf.end()) {
            // A frame holds controls but is none that takes the focus.
            if (takesFocus(m_form.designOf(found->second).kind))
                return found->second;
        }
    }
    return std::nullopt;
}

// Shown and enabled, and so is every container it lies in; the window itself may be hidden.
bool Win32Window::canFocus(std::size_t index) const
{
    for (HWND window = m_controls[index]; window && window != handle();
         window = GetParent(window)) {
        const auto style = GetWindowLongPtrW(window, GWL_STYLE);
        if (!(style & WS_VISIBLE) || (style & WS_DISABLED))
            return false;
    }
    return true;
}

void Win32Window::showControl(std::size_t index)
{
    if (m_typedInto == index)
        return;
    ++m_showing;
    const HWND control = m_controls[index];
    showControlState(control, m_form.designOf(index), m_form.state(index));
    switch (m_form.designOf(index).kind) {
    case ControlKind::DriveList:
        showDriveList(control, m_form.driveList(index));
        break;
    case ControlKind::FolderList:
        m_folderLists[index]->show();
        break;
    default:
        break;
    }
    --m_showing;
}

void Win32Window::drawItem(const DRAWITEMSTRUCT &item) const
{
    const auto index = static_cast<std::size_t>(item.CtlID - firstControlId);
    if (index >= m_controls.size())
        return;
    if (m_folderLists[index])
        m_folderLists[index]->draw(item, m_dpi);
    else if (m_form.designOf(index).kind == ControlKind::Image)
        drawPicture(item);
}

// The picture is decorative: the program's icon, in the middle of its place.
void Win32Window::drawPicture(const DRAWITEMSTRUCT &item) const
{
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    if (!m_icon)
        return;
    const int size = pixelsFromTwips(720, m_dpi);
    const int left = (item.rcItem.left + item.rcItem.right - size) / 2;
    const int top = (item.rcItem.top + item.rcItem.bottom - size) / 2;
    DrawIconEx(item.hDC, left, top, m_icon, size, size, 0, nullptr, DI_NORMAL);
}
