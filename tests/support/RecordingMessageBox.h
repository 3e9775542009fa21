// SPDX-License-Identifier: MIT
#pragma once

#include "MessageBox.h"

#include <QList>
#include <QPointer>
#include <QWidget>

#include <functional>

// Records each message instead of showing it; `onShow` lets a test look at the widgets
// while the message would be on screen.
class RecordingMessageBox : public MessageBox
{
public:
    struct Message
    {
        enum class Icon { Critical, Warning };

        Icon icon;
        QPointer<QWidget> parent;
        QString title;
        QString text;
    };

    void critical(QWidget *parent, const QString &title, const QString &text) override
    {
        record(Message::Icon::Critical, parent, title, text);
    }

    void warning(QWidget *parent, const QString &title, const QString &text) override
    {
        record(Message::Icon::Warning, parent, title, text);
    }

    const QList<Message> &shown() const { return m_shown; }

    std::function<void()> onShow;

private:
    void record(Message::Icon icon, QWidget *parent, const QString &title, const QString &text)
    {
        m_shown.append(Message {icon, parent, title, text});
        if (onShow)
            onShow();
    }

    QList<Message> m_shown;
};
