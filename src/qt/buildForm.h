// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

class Form;
class QWidget;

// Creates the controls of `form`'s design on `window`, with their names, captions, places,
// sizes, design-time states, accessible names and labels, stacking and tab order. Returns
// them by their place in the design.
std::vector<QWidget *> buildForm(QWidget *window, Form &form);

// A window's fixed client size from twips.
void setFixedClientSize(QWidget *window, int widthTwips, int heightTwips);

// Places a window in the middle of its screen's available area.
void centreOnScreen(QWidget *window);
