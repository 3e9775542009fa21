// SPDX-License-Identifier: MIT
#pragma once

// Shared by the resource script and the code. The lowest icon is the one Explorer shows.
#define LAPFORGE_ICON 1
