// SPDX-License-Identifier: MIT
#pragma once

struct ControlDesign;
struct ControlState;
class QWidget;

// Makes `control`, made by buildForm() for `design`, show `state`: only what differs is set,
// so a field being edited keeps its cursor, and nothing is told back as the user's doing.
void showState(QWidget *control, const ControlDesign &design, const ControlState &state);
