// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

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
