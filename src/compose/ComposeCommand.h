// SPDX-License-Identifier: MIT
#pragma once

#include "BuildInputs.h"
#include "CommandLine.h"

#include <cstdint>
#include <optional>

// The number boxes whose text the composition reads as a number.
enum class NumberField { txtTurn, txtLTurn, txtBank, txtHump, txtRise, txtLen };

// Appends the generator options chosen in `inputs` to `command` and sets `turnInEffect`.
// All or nothing: when a number that a step needs lies beyond a double's range, neither
// `command` nor `turnInEffect` changes and that number's field is returned.
[[nodiscard]] std::optional<NumberField>
ComposeCommand(const BuildInputs &inputs, CommandLine &command, std::int16_t &turnInEffect);
