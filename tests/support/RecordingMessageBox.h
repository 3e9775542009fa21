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
        QPointer<QWidget> parent;
        QString title;
        QString text;
    };

    void critical(QWidget *parent, const QString &title, const QString &text) override
    {
        m_shown.append(Message {parent, title, text});
        if (onShow)
            onShow();
    }

    const QList<Message> &shown() const { return m_shown; }

    std::function<void()> onShow;

private:
    QList<Message> m_shown;
};
