// SPDX-License-Identifier: MIT
#pragma once

#include "BuildInputs.h"
#include "CommandLine.h"
#include "Result.h"

#include <string>

// A number box that the composition reads, by its field.
using NumberField = std::string BuildInputs::*;

// `command` with the generator options chosen in `inputs` appended. A number box is read
// only when its number can change the line, so a box that the chosen options leave out
// never fails. All or nothing: when a number that is read lies beyond a double's range,
// the result is that number's field instead.
Result<CommandLine, NumberField> ComposeCommand(const BuildInputs &inputs, CommandLine command);
