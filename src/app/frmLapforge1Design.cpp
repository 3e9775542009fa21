// SPDX-License-Identifier: MIT
#include "frmLapforge1Design.h"

#include <array>

namespace {

using enum ControlKind;
using namespace ControlFlag;

// clang-format off
constexpr std::array controls{
//  name                 kind           container caption           flags           left  top  width height tab accessible name
    ControlDesign{"Label5",   Label,         nullptr, "Lapforge Path:", SizedToCaption,  120,  120, 1050,  195, 2, nullptr},
    ControlDesign{"drvList2", DriveList,     nullptr, "",               None,            120,  360, 3015,  315, 1, "Lapforge Path:"},
    ControlDesign{"Dir2",     FolderList,    nullptr, "",               None,            120,  720, 3015,  990, 0, "Lapforge Path:"},
    ControlDesign{"cmdOK",    CommandButton, nullptr, "Ok",             Default,         600, 1800, 1215,  495, 3, nullptr},
    ControlDesign{"cmdEnd",   CommandButton, nullptr, "Cancel",         None,           1920, 1800, 1215,  495, 4, nullptr},
};
// clang-format on

// What names the drive list for a screen reader: the label above it, not the drive it shows.
constexpr std::array labels {LabelFor {"Label5", "drvList2"}};

constexpr FormDesign design {"frmLapforge1", "Where is Lapforge?", 3210, 2355, controls, labels};

} // namespace

const FormDesign &frmLapforge1Design()
{
    return design;
}
