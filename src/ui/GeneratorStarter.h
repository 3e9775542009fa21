// SPDX-License-Identifier: MIT
#pragma once

#include "CommandLine.h"
#include "GeneratorEnd.h"
#include "LaunchGenerator.h"

#include <QObject>

// Starts the generator; window tests record what would be started instead.
class GeneratorStarter : public QObject
{
    Q_OBJECT

public:
    virtual Result<void, LaunchFailure> start(const CommandLine &command) = 0;

signals:
    // A generator this starter started has ended; emitted from the event loop, once each.
    void ended(const GeneratorEnd &end);
};
