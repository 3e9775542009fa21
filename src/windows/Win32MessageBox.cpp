// SPDX-License-Identifier: MIT
#include "Win32MessageBox.h"

#include "WarningWindow.h"
#include "WideText.h"

#include <algorithm>
#include <utility>

namespace {

// What a message shows: text that is not UTF-8 shows the system's replacement characters
// rather than nothing, and a NUL, which would end it early, shows as one too.
std::wstring shownText(const std::string &utf8)
{
    std::wstring wide;
    if (const auto converted = toWide(utf8)) {
        wide = *converted;
    } else if (!utf8.empty()) {
        const int size = static_cast<int>(utf8.size());
        wide.resize(static_cast<std::size_t>(
            MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0)));
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(),
                            static_cast<int>(wide.size()));
    }
    std::replace(wide.begin(), wide.end(), L'\0', L'\uFFFD');
    return wide;
}

} // namespace

Win32MessageBox::Win32MessageBox(std::function<HWND(const Form &)> ownerOf)
    : m_ownerOf(std::move(ownerOf))
{ }

Win32MessageBox::~Win32MessageBox() = default;

void Win32MessageBox::critical(const Form &window, const std::string &title,
                               const std::string &text)
{
    MessageBoxW(m_ownerOf(window), shownText(text).c_str(), shownText(title).c_str(),
                MB_OK | MB_ICONERROR);
}

void Win32MessageBox::warning(const Form &window, const std::string &title, const std::string &text,
                              const std::string &detail)
{
    std::unique_ptr<WarningWindow> &box = m_warnings[&window];
    if (!box)
        box = std::make_unique<WarningWindow>();
    box->present(m_ownerOf(window), shownText(title), shownText(text), shownText(detail));
}

bool Win32MessageBox::warningOpen(const Form &window) const
{
    return warningOf(window) != nullptr;
}

HWND Win32MessageBox::warningOf(const Form &window) const
{
    const auto found = m_warnings.find(&window);
    return found == m_warnings.end() ? nullptr : found->second->window();
}
