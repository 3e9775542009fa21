// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>

#include <memory>

// Creates the application, which opens the display. Without a display it prints one line
// that says so and ends the program with status 1, instead of Qt's abort.
std::unique_ptr<QApplication> openApplication(int &argc, char **argv);
