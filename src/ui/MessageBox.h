// SPDX-License-Identifier: MIT
#pragma once

#include <string>

class Form;

// Messages to the user, over the window they concern; tests record them instead.
class MessageBox
{
public:
    virtual ~MessageBox() = default;

    // A critical-error icon and a single OK button; returns when the user has closed it.
    virtual void critical(const Form &window, const std::string &title,
                          const std::string &text) = 0;
    // A warning icon and a single OK button; returns at once, so the window stays usable
    // while it shows, and each call shows a message of its own.
    virtual void warning(const Form &window, const std::string &title, const std::string &text) = 0;
};
