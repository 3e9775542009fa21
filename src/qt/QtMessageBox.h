// SPDX-License-Identifier: MIT
#pragma once

#include "MessageBox.h"

class QtDesktop;

// Qt's message boxes, over the form's window.
class QtMessageBox : public MessageBox
{
public:
    explicit QtMessageBox(const QtDesktop &desktop) : m_desktop(desktop) { }

    void critical(const Form &window, const std::string &title, const std::string &text) override;
    void warning(const Form &window, const std::string &title, const std::string &text) override;

private:
    const QtDesktop &m_desktop;
};
