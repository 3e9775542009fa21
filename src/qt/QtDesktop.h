// SPDX-License-Identifier: MIT
#pragma once

#include "Desktop.h"

#include <QPointer>

#include <map>
#include <memory>
#include <vector>

class QtWindow;

// The windows as Qt widgets, made when a form is first shown.
class QtDesktop : public Desktop
{
public:
    QtDesktop();
    ~QtDesktop() override;
    QtDesktop(const QtDesktop &) = delete;
    QtDesktop &operator=(const QtDesktop &) = delete;

    void show(Form &window) override;
    void hide(Form &window) override;
    void unload(Form &window) override;
    void end() override;
    std::chrono::milliseconds doubleClickTime() const override;
    std::chrono::steady_clock::time_point now() const override;

    // The form's window while it is loaded, else nullptr.
    QtWindow *windowOf(const Form &window) const;

private:
    std::map<const Form *, std::unique_ptr<QtWindow>> m_windows;
    // Unloaded windows that the event loop has not deleted yet.
    std::vector<QPointer<QtWindow>> m_unloaded;
};
