// SPDX-License-Identifier: MIT
#pragma once

#include "ControlDesign.h"

#include <span>
#include <string_view>

// The main window as designed.
const FormDesign &frmLapforge2Design();

// The surface list's entries, in the order the load adds them: the generator is sent the
// position of the chosen one.
std::span<const std::string_view> surfaceNames();
