// SPDX-License-Identifier: MIT
#pragma once

// Makes the windows read as a screen reader expects through the desktop's bridge: the main
// window as a frame and the tool-location window as a dialog, text boxes and combo boxes
// named by their caption and labelled by the control the design names for them (not by the
// frame around them, nor by the value they show), and a locked text box as read-only, not
// editable. Called once, by the first window made.
void installAccessibleControls();
