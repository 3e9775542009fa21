// SPDX-License-Identifier: MIT
#pragma once

// One control of a window as its designer laid it out: positions and sizes in twips
// (1/1440 inch, 15 to a device-independent pixel) from the top left of its container.
enum class ControlKind {
    Frame,
    Label,
    TextBox,
    OptionButton,
    CheckBox,
    ListBox,
    ComboBox,
    CommandButton,
    DriveList,
    FolderList,
    Image,
};

namespace ControlFlag {
enum : unsigned {
    None = 0,
    SizedToCaption = 1, // a label that takes its caption's size
    Hidden = 2, // not visible at design time
    Locked = 4, // a text box that can be read and copied, not edited
    WordWrap = 8, // a label of more than one line
};
}

struct ControlDesign
{
    const char *name;
    ControlKind kind;
    const char *container; // nullptr: the window itself
    const char *caption; // caption, or a text box's design-time text
    unsigned flags;
    int left;
    int top;
    int width;
    int height;
    int tabIndex; // -1: never takes the focus
    const char *accessibleName; // nullptr: the caption
};

inline constexpr int twipsPerPixel = 15;
