// SPDX-License-Identifier: MIT
#pragma once

#include "BuildInputs.h"
#include "CommandLine.h"

#include <cstdint>
#include <optional>

// The number boxes whose text the composition reads as a number.
enum class NumberField { txtTurn, txtLTurn, txtBank, txtHump, txtRise, txtLen };

// Appends the generator options chosen in `inputs` to `command` and sets `turnInEffect`.
// A number box is read only when its number can change the line, so a box that the
// chosen options leave out never fails. All or nothing: when a number that is read lies
// beyond a double's range, neither `command` nor `turnInEffect` changes and that number's
// field is returned.
[[nodiscard]] std::optional<NumberField>
ComposeCommand(const BuildInputs &inputs, CommandLine &command, std::int16_t &turnInEffect);
