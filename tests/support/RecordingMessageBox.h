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
    };

    void critical(const Form &window, const std::string &title, const std::string &text) override
    {
        record(Message::Icon::Critical, window, title, text);
    }

    void warning(const Form &window, const std::string &title, const std::string &text) override
    {
        record(Message::Icon::Warning, window, title, text);
    }

    const std::vector<Message> &shown() const { return m_shown; }

    std::function<void()> onShow;

private:
    void record(Message::Icon icon, const Form &window, const std::string &title,
                const std::string &text)
    {
        m_shown.push_back(Message {icon, &window, title, text});
        if (onShow)
            onShow();
    }

    std::vector<Message> m_shown;
};
