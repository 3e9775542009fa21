// SPDX-License-Identifier: MIT
#pragma once

#include "ControlDesign.h"
#include "Platform.h"

#include <span>

class QWidget;

// Creates the controls of `layout` on `form` with their names, captions, places, sizes,
// design-time states, accessible names and tab order. Containers come before what they hold.
void buildForm(QWidget *form, std::span<const ControlDesign> layout, const Platform &platform);

// A window's fixed client size from twips.
void setFixedClientSize(QWidget *form, int widthTwips, int heightTwips);

// Places a window in the middle of its screen's available area.
void centreOnScreen(QWidget *form);
