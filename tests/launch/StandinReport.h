// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

// The arguments that the stand-in generator recorded at the end of its output file; empty
// while the file is missing, and short while it is still being written.
QStringList recordedArguments(const QString &reportPath);
