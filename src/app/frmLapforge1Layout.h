// SPDX-License-Identifier: MIT
#pragma once

#include "ControlDesign.h"

#include <span>

// The tool-location window's controls.
std::span<const ControlDesign> frmLapforge1Layout();

// The tool-location window's client area in twips.
inline constexpr int frmLapforge1Width = 3210;
inline constexpr int frmLapforge1Height = 2355;
