// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

class Form;

// Where Tab moves the focus in a form: its controls in the design's tab order, among those
// that can take the focus now. An option group is one stop, on its chosen button, or on its
// first button that can take the focus when none is chosen.
std::vector<std::size_t> tabStops(const Form &form,
                                  const std::function<bool(std::size_t)> &canFocus);

// The stop after `from` (before it, going back), round the form; `from` need not be a stop
// itself, and when there is none, the first stop is next.
std::optional<std::size_t> nextTabStop(const Form &form, const std::vector<std::size_t> &stops,
                                       std::optional<std::size_t> from, bool back);

// The option button beside `button` in its group, in tab order and round it, among those
// that can take the focus; nothing when `button` is no option button.
std::optional<std::size_t> nextInOptionGroup(const Form &form, std::size_t button, bool back,
                                             const std::function<bool(std::size_t)> &canFocus);
