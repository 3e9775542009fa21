// SPDX-License-Identifier: MIT
#pragma once

#include "MessageBox.h"

#include <functional>
#include <string>
#include <vector>

// Records each message instead of showing it; `onShow` lets a test look at the windows
// while the message would be on screen.
class RecordingMessageBox : public MessageBox
{
public:
    struct Message
    {
        enum class Icon { Critical, Warning };

        Icon icon;
        const Form *window;
        std::string title;
        std::string text;
        std::string detail = {};

        // The text with its detail below it, as a person reads the box.
        std::string whole() const { return detail.empty() ? text : text + "\n\n" + detail; }
    };

    void critical(const Form &window, const std::string &title, const std::string &text) override
    {
        record(Message::Icon::Critical, window, title, text);
    }

    void warning(const Form &window, const std::string &title, const std::string &text,
                 const std::string &detail) override
    {
        record(Message::Icon::Warning, window, title, text, detail);
    }
    // A recorded warning stays open until the test closes it.
    bool warningOpen(const Form &) const override { return openWarning; }
    bool openWarning = false;

    const std::vector<Message> &shown() const { return m_shown; }

    std::function<void()> onShow;

private:
    void record(Message::Icon icon, const Form &window, const std::string &title,
                const std::string &text, const std::string &detail = {})
    {
        m_shown.push_back(Message {icon, &window, title, text, detail});
        if (onShow)
            onShow();
    }

    std::vector<Message> m_shown;
};
