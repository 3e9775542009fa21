// SPDX-License-Identifier: MIT
#pragma once

#include "ControlDesign.h"

// The tool-location window as designed.
const FormDesign &frmLapforge1Design();
