// SPDX-License-Identifier: MIT
#pragma once

#include "MessageBox.h"

#include <QPointer>

#include <map>

class QtDesktop;
class WarningBox;

// Qt's message boxes over the form's window, in plain text, so that a folder's name or a
// generator's words show as they are; each window has one warning at most.
class QtMessageBox : public MessageBox
{
public:
    explicit QtMessageBox(const QtDesktop &desktop) : m_desktop(desktop) { }

    void critical(const Form &window, const std::string &title, const std::string &text) override;
    void warning(const Form &window, const std::string &title, const std::string &text,
                 const std::string &detail) override;
    bool warningOpen(const Form &window) const override;

    // The window's warning while it is open, else nullptr.
    WarningBox *warningOf(const Form &window) const;

private:
    const QtDesktop &m_desktop;
    std::map<const Form *, QPointer<WarningBox>> m_warnings;
};
