// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

class QAbstractButton;
class QCheckBox;
class QListWidget;
class QWidget;

// The controls' states in the classic toolkit's values, which the command line is built from.

// -1 when chosen, 0 when not.
std::int16_t optionValue(const QAbstractButton *button);

// Setting 0 clears the button even when it is the chosen one of an exclusive group.
void setOptionValue(QAbstractButton *button, std::int16_t value);

// 0 unchecked, 1 checked, 2 grayed.
std::int16_t checkValue(const QCheckBox *box);

// The selected row, -1 when none: a row that merely has the focus is not selected.
std::int16_t selectedIndex(const QListWidget *list);

// Whichever of the above `control` holds: an option button, a check box, a list's selected
// row, or a combo box's current row.
std::int16_t controlValue(const QWidget *control);
