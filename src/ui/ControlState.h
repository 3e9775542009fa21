// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A control's state in the classic toolkit's terms, which the windows' procedures read and
// write and every front end shows.
struct ControlState
{
    // A caption, a text box's text, or the text in a combo box's field.
    std::string text;
    // An option button: -1 chosen, 0 not. A check box: 0 unchecked, 1 checked, 2 grayed.
    // A list box or combo box: the selected entry's position, -1 when none is.
    std::int16_t value = 0;
    bool enabled = true;
    bool visible = true;
    // A list box's or combo box's entries, in their order.
    std::vector<std::string> entries;
};
