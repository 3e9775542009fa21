// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QWidget;

// Modal messages; tests record them instead of running a modal loop.
class MessageBox
{
public:
    virtual ~MessageBox() = default;

    // A critical-error icon and a single OK button; returns when the user has closed it.
    virtual void critical(QWidget *parent, const QString &title, const QString &text) = 0;
};
