// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The main window's control values that the composition reads, one field per control,
// each named after the control that supplies it. Option fields are chosen only at -1;
// check fields are 0 unchecked, 1 checked, 2 grayed; list indexes are -1 when no row is selected.
struct BuildInputs
{
    std::string txtTurn;
    std::string txtLTurn;
    std::int16_t optLeft90 = 0;
    std::int16_t optRight90 = 0;
    std::int16_t opt180l = 0;
    std::int16_t opt180r = 0;
    std::int16_t optSlideL = 0;
    std::int16_t optSlideR = 0;
    std::int16_t optLleft = 0;
    std::int16_t optLright = 0;
    std::string txtBank;
    std::int16_t optBank = 0;
    std::int16_t optTwist = 0;
    std::int16_t optDip = 0;
    std::int16_t chkHump = 0;
    std::string txtHump;
    std::int16_t chkRise = 0;
    std::string txtRise;
    std::string txtLen;
    std::int16_t optNor = 0;
    std::int16_t optDbl = 0;
    std::int16_t optNar = 0;
    std::int16_t optSpr = 0;
    std::int16_t chkTex = 0;
    std::int16_t lstTex = -1;
    std::int16_t chkSurface = 0;
    std::int16_t cboSur = -1;
    std::int16_t chkFlat = 0;
    std::string Dir1;
    std::string txtOutFile;
};

inline constexpr std::int16_t optionChosen = -1;
inline constexpr std::int16_t checkChecked = 1;

// Every field with the name of the control that supplies it, in the order above: what reads
// the controls walks these instead of naming each field again.
template<typename Type>
struct BuildInputField
{
    std::string_view control;
    Type BuildInputs::*field;
};

inline constexpr std::array<BuildInputField<std::string>, 8> buildInputTexts {{
    {"txtTurn", &BuildInputs::txtTurn},
    {"txtLTurn", &BuildInputs::txtLTurn},
    {"txtBank", &BuildInputs::txtBank},
    {"txtHump", &BuildInputs::txtHump},
    {"txtRise", &BuildInputs::txtRise},
    {"txtLen", &BuildInputs::txtLen},
    {"Dir1", &BuildInputs::Dir1},
    {"txtOutFile", &BuildInputs::txtOutFile},
}};

inline constexpr std::array<BuildInputField<std::int16_t>, 22> buildInputValues {{
    {"optLeft90", &BuildInputs::optLeft90}, {"optRight90", &BuildInputs::optRight90},
    {"opt180l", &BuildInputs::opt180l},     {"opt180r", &BuildInputs::opt180r},
    {"optSlideL", &BuildInputs::optSlideL}, {"optSlideR", &BuildInputs::optSlideR},
    {"optLleft", &BuildInputs::optLleft},   {"optLright", &BuildInputs::optLright},
    {"optBank", &BuildInputs::optBank},     {"optTwist", &BuildInputs::optTwist},
    {"optDip", &BuildInputs::optDip},       {"chkHump", &BuildInputs::chkHump},
    {"chkRise", &BuildInputs::chkRise},     {"optNor", &BuildInputs::optNor},
    {"optDbl", &BuildInputs::optDbl},       {"optNar", &BuildInputs::optNar},
    {"optSpr", &BuildInputs::optSpr},       {"chkTex", &BuildInputs::chkTex},
    {"lstTex", &BuildInputs::lstTex},       {"chkSurface", &BuildInputs::chkSurface},
    {"cboSur", &BuildInputs::cboSur},       {"chkFlat", &BuildInputs::chkFlat},
}};
