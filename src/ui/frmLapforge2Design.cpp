// SPDX-License-Identifier: MIT
#include "frmLapforge2Design.h"

#include <array>

namespace {

using enum ControlKind;
using namespace ControlFlag;

// clang-format off
constexpr std::array controls{
//  name          kind           container  caption or text                                  flags            left  top   width height tab accessible name
    ControlDesign{"frmLoop",    Frame,         nullptr,  "    ???      ",                                None,            360, 5280,  975, 1215, 48, "Loop"},
    ControlDesign{"txtLTurn",   TextBox,       "frmLoop", "0",                                           None,            240,  840,  615,  285, 52, "Loop number"},
    ControlDesign{"optLright",  OptionButton,  "frmLoop", "",                                            None,            360,  480,  255,  255, 50, "Loop right"},
    ControlDesign{"optLleft",   OptionButton,  "frmLoop", "",                                            None,            360,  240,  255,  255, 49, "Loop left"},
    ControlDesign{"Label5",     Label,         "frmLoop", "#",                                           SizedToCaption,  120,  840,  105,  195, 51, nullptr},
    ControlDesign{"cboSur",     ComboBox,      nullptr,  "Combo1",                                       None,           3600, 3960, 2295,  315, 43, "Alt Surface Type"},
    ControlDesign{"chkSurface", CheckBox,      nullptr,  "Alt Surface Type",                             None,           1920, 3960, 1575,  255, 42, nullptr},
    ControlDesign{"chkTex",     CheckBox,      nullptr,  "Alt Texture Space",                            None,           1920, 3600, 1695,  255, 41, nullptr},
    ControlDesign{"lstTex",     ListBox,       nullptr,  "",                                             None,           3600, 3600,  855,  255, 40, "Alt Texture Space"},
    ControlDesign{"optSpr",     OptionButton,  nullptr,  "Spread",                                       None,           3960, 3120, 1215,  255, 38, nullptr},
    ControlDesign{"optNar",     OptionButton,  nullptr,  "Narrow",                                       None,           3000, 3120, 1215,  255, 37, nullptr},
    ControlDesign{"optDbl",     OptionButton,  nullptr,  "Double",                                       None,           3960, 2880, 1215,  255, 36, nullptr},
    ControlDesign{"optNor",     OptionButton,  nullptr,  "Normal",                                       None,           3000, 2880, 1215,  255, 35, nullptr},
    ControlDesign{"chkFlat",    CheckBox,      nullptr,  "Make Flat?",                                   None,           4680, 2520, 1215,  255, 34, nullptr},
    ControlDesign{"drvList1",   DriveList,     nullptr,  "",                                             None,            120, 4680, 1575,  315, 33, "Output Path:"},
    ControlDesign{"Dir1",       FolderList,    nullptr,  "",                                             None,           1800, 4560, 4335, 1440, 30, "Output Path:"},
    ControlDesign{"txtLen",     TextBox,       nullptr,  "0",                                            None,           3000, 2520, 1455,  285, 29, "Track Length:"},
    ControlDesign{"Frame4",     Frame,         nullptr,  "Misc Options",                                 None,           1800, 2280, 4215, 2055, 26, nullptr},
    ControlDesign{"Label6",     Label,         "Frame4",  "Width:",                                      SizedToCaption,  600,  600,  465,  195, 39, nullptr},
    ControlDesign{"Label2",     Label,         "Frame4",  "Track Length:",                               None,            120,  240, 1215,  255, 28, nullptr},
    ControlDesign{"txtOutput",  TextBox,       nullptr,  "",                                             Locked,            0, 7080, 5775,  285, 25, "Debugger:"},
    ControlDesign{"cmdExit",    CommandButton, nullptr,  "Exit",                                         None,           5280, 6480,  855,  495, 22, nullptr},
    ControlDesign{"cmdReset",   CommandButton, nullptr,  "Reset",                                        None,           4200, 6480,  855,  495, 21, nullptr},
    ControlDesign{"cmdBuild",   CommandButton, nullptr,  "Make It!",                                     None,           3240, 6480,  855,  495, 20, nullptr},
    ControlDesign{"txtOutFile", TextBox,       nullptr,  "new_prm",                                      None,           2880, 6120, 3255,  285, 19, "Output Name:"},
    ControlDesign{"Frame3",     Frame,         nullptr,  "Elevation Options",                            None,            120, 2280, 1575, 2055, 14, nullptr},
    ControlDesign{"txtRise",    TextBox,       "Frame3",  "0",                                           None,            120, 1560, 1215,  285, 18, "Rise"},
    ControlDesign{"txtHump",    TextBox,       "Frame3",  "0",                                           None,            120,  600, 1215,  285, 17, "Hump"},
    ControlDesign{"chkRise",    CheckBox,      "Frame3",  "Rise",                                        None,            120, 1200, 1215,  255, 16, nullptr},
    ControlDesign{"chkHump",    CheckBox,      "Frame3",  "Hump",                                        None,            120,  240, 1215,  255, 15, nullptr},
    ControlDesign{"Frame2",     Frame,         nullptr,  "Twist Options",                                None,           3120,  120, 2895, 2055,  1, nullptr},
    ControlDesign{"txtBank",    TextBox,       "Frame2",  "0",                                           None,           1440, 1320, 1215,  285, 12, "Bank height:"},
    ControlDesign{"optDip",     OptionButton,  "Frame2",  "Dip",                                         None,            120, 1560, 1215,  255, 11, nullptr},
    ControlDesign{"optTwist",   OptionButton,  "Frame2",  "Tilt",                                        None,            120, 1200, 1215,  255, 10, nullptr},
    ControlDesign{"optBank",    OptionButton,  "Frame2",  "Bank",                                        None,            120,  840, 1215,  255,  9, nullptr},
    ControlDesign{"Label7",     Label,         "Frame2",  "Bank is (# x 5*)",                            None,           1440, 1680, 1215,  255, 46, nullptr},
    ControlDesign{"lblInfo",    Label,         "Frame2",  "Banking will be disabled on slide operations", WordWrap,        120,  240, 2655,  495, 23, nullptr},
    ControlDesign{"lblBank",    Label,         "Frame2",  "Bank height:",                                None,           1440,  960, 1215,  255, 13, nullptr},
    ControlDesign{"Frame1",     Frame,         nullptr,  "Turn Options",                                 None,            120,  120, 2895, 2055,  0, nullptr},
    ControlDesign{"optLoop",    OptionButton,  "Frame1",  "",                                            None,           2640, 1800,  135,  195, 47, "Loop"},
    ControlDesign{"opt180r",    OptionButton,  "Frame1",  "180 Right",                                   None,            120, 1080, 1215,  255, 45, nullptr},
    ControlDesign{"optStr",     OptionButton,  "Frame1",  "Straight",                                    None,           1440, 1680, 1215,  255, 44, nullptr},
    ControlDesign{"txtTurn",    TextBox,       "Frame1",  "0",                                           None,           1440, 1080, 1215,  285,  7, "Diameter/Slide:"},
    ControlDesign{"optSlideR",  OptionButton,  "Frame1",  "Slide Right",                                 None,            120, 1680, 1215,  255,  6, nullptr},
    ControlDesign{"optSlideL",  OptionButton,  "Frame1",  "Slide Left",                                  None,            120, 1440, 1215,  255,  5, nullptr},
    ControlDesign{"opt180l",    OptionButton,  "Frame1",  "180 Left",                                    None,            120,  840, 1215,  255,  4, nullptr},
    ControlDesign{"optRight90", OptionButton,  "Frame1",  "90 Right",                                    None,            120,  480, 1215,  255,  3, nullptr},
    ControlDesign{"optLeft90",  OptionButton,  "Frame1",  "90 Left",                                     None,            120,  240, 1215,  255,  2, nullptr},
    ControlDesign{"lblTurn",    Label,         "Frame1",  "Diameter/Slide:",                             None,           1440,  720, 1215,  255,  8, nullptr},
    ControlDesign{"Image1",     Image,         nullptr,  "",                                             Hidden,          360, 5280,  960, 1260, -1, "Track picture"},
    ControlDesign{"Label4",     Label,         nullptr,  "Debugger:",                                    None,              0, 6840, 1215,  255, 32, nullptr},
    ControlDesign{"Label3",     Label,         nullptr,  "Output Path:",                                 SizedToCaption,  120, 4440,  900,  195, 31, nullptr},
    ControlDesign{"Label1",     Label,         nullptr,  "Output Name:",                                 SizedToCaption, 1800, 6120,  990,  195, 27, nullptr},
    ControlDesign{"lblCredit",  Label,         nullptr,  "zq",                                           SizedToCaption, 5880, 7200,  180,  195, 24, "Credit"},
};
// clang-format on

// What names each input for a screen reader: the label or check box beside it, rather than
// the frame around it or the value it shows.
constexpr std::array labels {
    LabelFor {"Label3", "drvList1"},  LabelFor {"lblTurn", "txtTurn"},
    LabelFor {"lblBank", "txtBank"},  LabelFor {"chkHump", "txtHump"},
    LabelFor {"chkRise", "txtRise"},  LabelFor {"Label2", "txtLen"},
    LabelFor {"Label1", "txtOutFile"}, LabelFor {"Label4", "txtOutput"},
    LabelFor {"chkTex", "lstTex"},    LabelFor {"chkSurface", "cboSur"},
};

constexpr FormDesign design {"frmLapforge2", "Lapforge", 6210, 7425, controls, labels};

constexpr std::array<std::string_view, 26> surfaces {
    "Default",
    "Default2",
    "Grim Sunday",
    "Trick",
    "Flower Field",
    "Evil Conspiracy",
    "Grippy",
    "Jaws",
    "Shiny",
    "Conspiracy",
    "Mega Slide",
    "Evil Trick",
    "Grass",
    "Bone Shaker",
    "Pebbles",
    "Gravel",
    "Intensely Weird Magnet",
    "Mildly Weird Magnet",
    "Manor Born",
    "Lord Muck",
    "Lady Muck",
    "Super Slippy",
    "Super Slippy2",
    "Conspiracy2",
    "Head Wind",
    "Side Wind",
};

} // namespace

const FormDesign &frmLapforge2Design()
{
    return design;
}

std::span<const std::string_view> surfaceNames()
{
    return surfaces;
}
