// SPDX-License-Identifier: MIT
#pragma once

#include "OwnedHandle.h"

#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include "WindowsApi.h"

class FolderListBox;
class Form;

// A top-level window that shows a form: its standard controls made from the form's design
// and showing its state, and what the user does handed to the form. It holds none of the
// window's behaviour; the form's procedures decide, and the window shows what they did.
class Win32Window
{
public:
    Win32Window(Form &form, HINSTANCE instance);
    ~Win32Window();
    Win32Window(const Win32Window &) = delete;
    Win32Window &operator=(const Win32Window &) = delete;

    Form &form() const { return m_form; }
    HWND handle() const { return m_window.get(); }
    HWND control(std::size_t index) const { return m_controls[index]; }
    UINT dpi() const { return m_dpi; }

    // Shown and made active; the first time, the first tab stop takes the focus.
    void show();
    void hide();

private:
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    static LRESULT CALLBACK controlProcedure(HWND control, UINT message, WPARAM wParam,
                                             LPARAM lParam, UINT_PTR index, DWORD_PTR self);
    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleControlMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

    void createControls(HINSTANCE instance);
    void layOut();
    void placeControl(std::size_t index);
    void fitComboBox(HWND combo, int height, const std::function<void()> &place) const;

    void command(std::size_t index, WORD code);
    void comboCommand(std::size_t index, WORD code);
    void restoreChoice(std::size_t index);
    bool takeKey(const MSG &message);
    bool takeTab(bool back);
    bool takeArrow(std::size_t focused, bool back);
    bool takeEnter(std::optional<std::size_t> focused);
    void focusControl(std::size_t index);
    std::optional<std::size_t> controlOf(HWND window) const;
    bool canFocus(std::size_t index) const;

    void showControl(std::size_t index);
    void drawItem(const DRAWITEMSTRUCT &item) const;
    void drawPicture(const DRAWITEMSTRUCT &item) const;

    Form &m_form;
    OwnedWindow m_window;
    std::vector<HWND> m_controls;
    std::unordered_map<HWND, std::size_t> m_indexOf;
    std::vector<std::unique_ptr<FolderListBox>> m_folderLists; // by control, where it is one
    OwnedFont m_font;
    HICON m_icon = nullptr;
    UINT m_dpi = USER_DEFAULT_SCREEN_DPI;
    std::optional<std::size_t> m_defaultButton;
    // While the form's state is shown, the controls' notifications are the window's own.
    int m_showing = 0;
    // While an option button takes the focus, it reports a click that nobody made.
    bool m_focusing = false;
    bool m_shownOnce = false;
    // The combo box whose field the user is typing in, which already shows what it should.
    std::optional<std::size_t> m_typedInto;
};
