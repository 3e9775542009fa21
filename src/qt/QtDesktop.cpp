// SPDX-License-Identifier: MIT
#include "QtDesktop.h"

#include "Form.h"
#include "QtWindow.h"

#include <QGuiApplication>
#include <QStyleHints>

QtDesktop::QtDesktop() = default;

QtDesktop::~QtDesktop()
{
    for (const QPointer<QtWindow> &window : m_unloaded)
        delete window.data();
}

void QtDesktop::show(Form &window)
{
    std::unique_ptr<QtWindow> &shown = m_windows[&window];
    if (!shown)
        shown = std::make_unique<QtWindow>(window);
    shown->show();
}

void QtDesktop::hide(Form &window)
{
    if (QtWindow *shown = windowOf(window))
        shown->hide();
}

// The window may be inside one of its own handlers, so it goes once control is back in the
// event loop; from now on it shows nothing of the form, which may go first.
void QtDesktop::unload(Form &window)
{
    const auto found = m_windows.find(&window);
    if (found == m_windows.end())
        return;
    QtWindow *unloaded = found->second.release();
    m_windows.erase(found);
    window.changed = nullptr;
    unloaded->hide();
    unloaded->deleteLater();
    m_unloaded.emplace_back(unloaded);
}

void QtDesktop::end()
{
    for (auto &[form, window] : m_windows)
        window->hide();
    QCoreApplication::exit(0);
}

std::chrono::milliseconds QtDesktop::doubleClickTime() const
{
    return std::chrono::milliseconds(QGuiApplication::styleHints()->mouseDoubleClickInterval());
}

std::chrono::steady_clock::time_point QtDesktop::now() const
{
    return std::chrono::steady_clock::now();
}

QtWindow *QtDesktop::windowOf(const Form &window) const
{
    const auto found = m_windows.find(&window);
    return found == m_windows.end() ? nullptr : found->second.get();
}
