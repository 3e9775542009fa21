// SPDX-License-Identifier: MIT
#pragma once

#include <string>

class Form;

// Messages to the user, over the window they concern, shown as plain text; tests record
// them instead.
class MessageBox
{
public:
    virtual ~MessageBox() = default;

    // A critical-error icon and a single OK button; returns when the user has closed it.
    virtual void critical(const Form &window, const std::string &title,
                          const std::string &text) = 0;
    // A warning icon and a single OK button; returns at once, so the window stays usable
    // while it shows. `detail`, when there is any, is shown below the text, scrolled to its
    // end. A window has one warning at most: while it is open, a new one takes its place.
    virtual void warning(const Form &window, const std::string &title, const std::string &text,
                         const std::string &detail) = 0;
    // Whether the window's warning is still open.
    virtual bool warningOpen(const Form &window) const = 0;
};
