// SPDX-License-Identifier: MIT
#pragma once

#include "ControlDesign.h"

#include <span>

// The main window's controls, in the order its design lists them.
std::span<const ControlDesign> frmLapforge2Layout();

// The main window's client area in twips.
inline constexpr int frmLapforge2Width = 6210;
inline constexpr int frmLapforge2Height = 7425;
