// SPDX-License-Identifier: MIT
#include "WindowParts.h"

std::wstring textOf(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), int(text.size()))));
    return text;
}

std::wstring classOf(HWND window)
{
    wchar_t name[64] {};
    GetClassNameW(window, name, 64);
    return name;
}

std::vector<HWND> threadWindowsOf(const std::wstring &windowClass)
{
    struct Search
    {
        const std::wstring &windowClass;
        std::vector<HWND> found;
    } search {windowClass, {}};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM address) {
            auto &search = *reinterpret_cast<Search *>(address);
            if (classOf(window) == search.windowClass && IsWindowVisible(window))
                search.found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> childrenOf(HWND parent)
{
    std::vector<HWND> children;
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM address) {
            reinterpret_cast<std::vector<HWND> *>(address)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&children));
    return children;
}

LONG_PTR styleOf(HWND window)
{
    return GetWindowLongPtrW(window, GWL_STYLE);
}

Parts::Parts(HWND box)
{
    for (const HWND child : childrenOf(box)) {
        const std::wstring name = classOf(child);
        if (lstrcmpiW(name.c_str(), L"Static") == 0 && (styleOf(child) & SS_TYPEMASK) == SS_ICON)
            icon = child;
        else if (lstrcmpiW(name.c_str(), L"Static") == 0 && !textOf(child).empty())
            text = child;
        else if (lstrcmpiW(name.c_str(), L"Edit") == 0)
            detail = child;
    }
    ok = GetDlgItem(box, IDOK);
}

namespace {

struct Watch
{
    HWND owner = nullptr;
    SeenBox seen;
    int ticks = 0;
};
Watch *watch = nullptr;

void CALLBACK closeBox(HWND, UINT, UINT_PTR timer, DWORD)
{
    Watch &current = *watch;
    const std::vector<HWND> boxes = threadWindowsOf(L"#32770");
    if (boxes.empty() && ++current.ticks < 200)
        return;
    KillTimer(nullptr, timer);
    if (boxes.empty())
        return;
    const Parts parts(boxes.front());
    SeenBox &seen = current.seen;
    seen.found = true;
    seen.title = textOf(boxes.front());
    seen.text = parts.text ? textOf(parts.text) : L"";
    seen.icon = parts.icon != nullptr;
    seen.ownerDisabled = !IsWindowEnabled(current.owner);
    PostMessageW(boxes.front(), WM_COMMAND, IDOK, 0);
}

} // namespace

SeenBox closeModalBox(HWND owner, const std::function<void()> &action)
{
    Watch current;
    current.owner = owner;
    watch = &current;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, closeBox);
    action();
    KillTimer(nullptr, timer);
    watch = nullptr;
    return current.seen;
}
