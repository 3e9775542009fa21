// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What the program prints and the status it ends with when its command line asks for
// information (or is wrong) instead of the windows.
struct StartAnswer
{
    int exitStatus = 0;
    QString standardOutput;
    QString standardError;

    // Prints the answer and returns the exit status.
    int deliver() const;
};

// Reads the command line before anything needs a display. Empty when the windows should
// open. Qt's own options (-platform, -style, ...) are let through for the application.
std::optional<StartAnswer> answerStartArguments(const QStringList &arguments,
                                                const QString &version);
