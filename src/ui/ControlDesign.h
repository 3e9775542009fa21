// SPDX-License-Identifier: MIT
#pragma once

#include <span>

// One control of a window as its designer laid it out: positions and sizes in twips
// (1/1440 inch, 15 to a pixel at 96 dots per inch) from the top left of its container.
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
    Default = 16, // the window's default button: Enter presses it
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

// A control whose caption names another control for screen readers: a label, or a check box
// beside the box it switches on.
struct LabelFor
{
    const char *label;
    const char *control;
};

// A window as its designer laid it out; its controls are listed from front to back within
// each container, and containers come before what they hold.
struct FormDesign
{
    const char *name;
    const char *caption;
    int width; // the client area, in twips
    int height;
    std::span<const ControlDesign> controls;
    std::span<const LabelFor> labels;
};

inline constexpr int twipsPerPixel = 15;

// Frames, labels and pictures never take the focus.
constexpr bool takesFocus(ControlKind kind)
{
    return kind != ControlKind::Frame && kind != ControlKind::Label && kind != ControlKind::Image;
}
