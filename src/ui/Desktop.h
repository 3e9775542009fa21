// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>

class Form;

// What the windows ask of the desktop they run on.
class Desktop
{
public:
    virtual ~Desktop() = default;

    // Shows the window modelessly, without an owner; the first time, its controls are made
    // from its design and its state.
    virtual void show(Form &window) = 0;
    // The window is no longer shown, but stays loaded with its state.
    virtual void hide(Form &window) = 0;
    // The window closes and its controls are destroyed; a window that goes away unloads.
    virtual void unload(Form &window) = 0;
    // Ends the program at once: every window goes, and no handler runs any more.
    virtual void end() = 0;

    // Two presses closer than this are the halves of one double click.
    virtual std::chrono::milliseconds doubleClickTime() const = 0;
    virtual std::chrono::steady_clock::time_point now() const = 0;
};
