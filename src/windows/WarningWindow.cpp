// SPDX-License-Identifier: MIT
#include "WarningWindow.h"

#include "DialogWindowClass.h"
#include "Twips.h"
#include "WindowDpi.h"
#include "WindowPlacement.h"

#include <algorithm>

namespace {

constexpr int marginTwips = 165; // 11 pixels at 96 DPI
constexpr int gapTwips = 105;
constexpr int textTwips = 6600; // the text's width: a line of some 70 characters
constexpr SIZE buttonTwips {1125, 345}; // a dialog box's button
// Room for the end of what a generator says; never fewer than minimumDetailLines, while
// the work area has room for them.
constexpr int detailLines = 12;
constexpr int minimumDetailLines = 3;
constexpr int detailId = 100;
// Between the detail's border and its lines.
constexpr int detailPaddingTwips = 60;

constexpr DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD extendedStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

// An edit control breaks lines at "\r\n" only: a lone "\n" or "\r" becomes one too.
std::wstring editLines(const std::wstring &text)
{
    std::wstring lines;
    lines.reserve(text.size() + text.size() / 8);
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == L'\r' || text[at] == L'\n') {
            lines += L"\r\n";
            if (text[at] == L'\r' && at + 1 < text.size() && text[at + 1] == L'\n')
                ++at;
        } else {
            lines += text[at];
        }
    }
    return lines;
}

struct TextSize
{
    int lineHeight;
    int height; // of the text, wrapped as the static control wraps it
};

TextSize measureText(HWND window, HFONT font, const std::wstring &text, int width)
{
    const HDC context = GetDC(window);
    const HGDIOBJ previous = font ? SelectObject(context, font) : nullptr;
    TEXTMETRICW metrics {};
    GetTextMetricsW(context, &metrics);
    RECT rect {0, 0, width, 0};
    DrawTextW(context, text.c_str(), static_cast<int>(text.size()), &rect,
              DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_EDITCONTROL | DT_NOPREFIX);
    if (previous)
        SelectObject(context, previous);
    ReleaseDC(window, context);
    return {metrics.tmHeight, rect.bottom - rect.top};
}

struct Heights
{
    int message;
    int detail;
};

// The detail gives up lines first, down to its least, then the text, so that both fit the
// room there is.
Heights fittedHeights(int room, int message, int fullDetail, int leastDetail)
{
    const int detail = std::min(fullDetail, std::max(std::min(leastDetail, room), room - message));
    return {std::min(message, room - detail), detail};
}

HWND makeChild(HWND parent, DWORD extended, const wchar_t *windowClass, const wchar_t *text,
               DWORD childStyle, int id)
{
    return CreateWindowExW(extended, windowClass, text, WS_CHILD | WS_VISIBLE | childStyle, 0, 0, 0,
                           0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleW(nullptr), nullptr);
}

} // namespace

WarningWindow::~WarningWindow()
{
    if (m_window)
        DestroyWindow(m_window);
}

void WarningWindow::present(HWND owner, const std::wstring &title, const std::wstring &text,
                            const std::wstring &detail)
{
    if (m_window && GetWindow(m_window, GW_OWNER) != owner)
        DestroyWindow(m_window);
    const bool opening = !m_window;
    if (opening)
        open(owner);
    if (!m_window)
        return;
    SetWindowTextW(m_window, title.c_str());
    SetWindowTextW(m_text, text.c_str());
    SetWindowTextW(m_detail, editLines(detail).c_str());
    layOut(text, !detail.empty());
    centreOverOwner();
    if (opening) {
        ShowWindow(m_window, SW_SHOW);
        SetFocus(m_ok);
    } else {
        SetWindowPos(m_window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    // After the focus has settled: a dialog selects all of an edit control it focuses.
    const auto end = static_cast<WPARAM>(GetWindowTextLengthW(m_detail));
    SendMessageW(m_detail, EM_SETSEL, end, static_cast<LPARAM>(end));
    SendMessageW(m_detail, EM_SCROLLCARET, 0, 0);
}

LRESULT CALLBACK WarningWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto &creation = *reinterpret_cast<const CREATESTRUCTW *>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(creation.lpCreateParams));
        static_cast<WarningWindow *>(creation.lpCreateParams)->m_window = window;
    }
    auto *self = reinterpret_cast<WarningWindow *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
    case WM_COMMAND:
        // OK and Enter come as IDOK; Escape and the title bar's close as IDCANCEL.
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            DestroyWindow(window);
            return 0;
        }
        break;
    case WM_NCDESTROY:
        if (self)
            self->m_window = self->m_icon = self->m_text = self->m_detail = self->m_ok = nullptr;
        break;
    }
    return DefDlgProcW(window, message, wParam, lParam);
}

void WarningWindow::open(HWND owner)
{
    static const ATOM windowClass =
        registerDialogWindowClass(GetModuleHandleW(nullptr), className, procedure);
    if (!windowClass)
        return;
    // Made on the owner's monitor, so that its DPI is the owner's before it is laid out.
    RECT ownerRect {};
    if (owner)
        GetWindowRect(owner, &ownerRect);
    // The procedure keeps m_window from WM_NCCREATE on, so that a warning closed by the user
    // or with its owner is known to be gone.
    CreateWindowExW(extendedStyle, className, L"", style, ownerRect.left, ownerRect.top, 0, 0,
                    owner, nullptr, GetModuleHandleW(nullptr), this);
    if (!m_window)
        return;
    m_icon = makeChild(m_window, 0, L"STATIC", nullptr, SS_ICON, -1);
    SendMessageW(m_icon, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconW(nullptr, IDI_WARNING)), 0);
    m_text = makeChild(m_window, 0, L"STATIC", L"", SS_LEFT | SS_NOPREFIX | SS_EDITCONTROL, -1);
    m_detail =
        makeChild(m_window, WS_EX_CLIENTEDGE, L"EDIT", L"",
                  WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, detailId);
    m_ok = makeChild(m_window, 0, L"BUTTON", L"OK", WS_TABSTOP | BS_DEFPUSHBUTTON, IDOK);
    SendMessageW(m_window, DM_SETDEFID, IDOK, 0);
    makeFont();
    for (const HWND control : {m_icon, m_text, m_detail, m_ok})
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.get()), FALSE);
}

// The system's message font, at the window's DPI.
void WarningWindow::makeFont()
{
    NONCLIENTMETRICSW metrics {};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        return;
    LOGFONTW font = metrics.lfMessageFont;
    font.lfHeight = MulDiv(font.lfHeight, static_cast<int>(dpiOfWindow(m_window)),
                           static_cast<int>(deviceContextDpi(nullptr)));
    m_font.reset(CreateFontIndirectW(&font));
}

// Sized to fit the work area of its monitor, at the window's DPI.
void WarningWindow::layOut(const std::wstring &text, bool withDetail)
{
    const UINT dpi = dpiOfWindow(m_window);
    const auto pixels = [dpi](int twips) {
        return pixelsFromTwips(twips, dpi);
    };
    const RECT work = workAreaOf(m_window);
    const SIZE frame = windowSizeForClient(m_window, {0, 0});
    const int roomWidth = work.right - work.left - frame.cx;
    const int roomHeight = work.bottom - work.top - frame.cy;

    const int margin = pixels(marginTwips);
    const int gap = pixels(gapTwips);
    const int iconWidth = GetSystemMetrics(SM_CXICON);
    const int iconHeight = GetSystemMetrics(SM_CYICON);
    const int buttonWidth = pixels(buttonTwips.cx);
    const int buttonHeight = pixels(buttonTwips.cy);
    const int textLeft = margin + iconWidth + gap;
    const int textWidth =
        std::clamp(pixels(textTwips), 1, std::max(1, roomWidth - textLeft - margin));
    const int clientWidth = textLeft + textWidth + margin;

    const TextSize measured = measureText(m_window, m_font.get(), text, textWidth);
    const int detailFrame = 2 * (GetSystemMetrics(SM_CYEDGE) + pixels(detailPaddingTwips));
    const int fullDetail = withDetail ? detailLines * measured.lineHeight + detailFrame : 0;
    const int leastDetail = withDetail ? minimumDetailLines * measured.lineHeight + detailFrame : 0;
    const int room =
        std::max(0, roomHeight - (2 * margin + gap + buttonHeight + (withDetail ? gap : 0)));
    const auto [messageHeight, detailHeight] =
        fittedHeights(room, std::max(iconHeight, measured.height), fullDetail, leastDetail);

    int y = margin;
    MoveWindow(m_icon, margin, y, iconWidth, iconHeight, FALSE);
    MoveWindow(m_text, textLeft, y, textWidth, messageHeight, FALSE);
    y += messageHeight + gap;
    ShowWindow(m_detail, withDetail ? SW_SHOWNA : SW_HIDE);
    if (withDetail) {
        MoveWindow(m_detail, margin, y, clientWidth - 2 * margin, detailHeight, FALSE);
        y += detailHeight + gap;
    }
    MoveWindow(m_ok, clientWidth - margin - buttonWidth, y, buttonWidth, buttonHeight, FALSE);
    y += buttonHeight + margin;
    SetWindowPos(m_window, nullptr, 0, 0, clientWidth + frame.cx, y + frame.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(m_window, nullptr, TRUE);
}

// Over the middle of its owner, but never past the work area's edges.
void WarningWindow::centreOverOwner()
{
    const RECT work = workAreaOf(m_window);
    RECT around = work;
    const HWND owner = GetWindow(m_window, GW_OWNER);
    if (owner && IsWindowVisible(owner))
        GetWindowRect(owner, &around);
    RECT box {};
    GetWindowRect(m_window, &box);
    const LONG width = box.right - box.left;
    const LONG height = box.bottom - box.top;
    const LONG left = std::clamp((around.left + around.right - width) / 2, work.left,
                                 std::max(work.left, work.right - width));
    const LONG top = std::clamp((around.top + around.bottom - height) / 2, work.top,
                                std::max(work.top, work.bottom - height));
    SetWindowPos(m_window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
