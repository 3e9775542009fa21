// SPDX-License-Identifier: MIT
#pragma once

#include "ControlDesign.h"

#include <span>

class QWidget;

// Checks that `form` holds every control of `layout` with its kind, container, caption or
// text, place and size, stacked from front to back in the layout's order; the caller checks
// QTest::currentTestFailed() afterwards.
void verifyLayout(const QWidget *form, std::span<const ControlDesign> layout);
