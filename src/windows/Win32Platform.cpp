// SPDX-License-Identifier: MIT
#include "Win32Platform.h"

#include "Win32Window.h"

Win32Platform::Win32Platform(HINSTANCE instance)
    : files(&loop), desktop(instance, loop), messages([this](const Form &form) {
          const Win32Window *window = desktop.windowOf(form);
          return window ? window->handle() : nullptr;
      }),
      generators(loop)
{ }

// Generators still running when the program ends are let go unreported.
Win32Platform::~Win32Platform()
{
    generators.letGo();
}
