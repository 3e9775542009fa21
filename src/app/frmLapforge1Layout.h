// SPDX-License-Identifier: MIT
#pragma once

#include "ControlSpec.h"

#include <span>

// The tool-location window's controls.
std::span<const ControlSpec> frmLapforge1Layout();

// The tool-location window's client area in twips.
inline constexpr int frmLapforge1Width = 3210;
inline constexpr int frmLapforge1Height = 2355;
