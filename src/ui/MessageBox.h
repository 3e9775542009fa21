// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QWidget;

// Messages to the user; tests record them instead of showing them.
class MessageBox
{
public:
    virtual ~MessageBox() = default;

    // A critical-error icon and a single OK button; returns when the user has closed it.
    virtual void critical(QWidget *parent, const QString &title, const QString &text) = 0;
    // A warning icon and a single OK button; returns at once, so the window stays usable
    // while it shows, and each call shows a message of its own.
    virtual void warning(QWidget *parent, const QString &title, const QString &text) = 0;
};
