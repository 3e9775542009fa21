// SPDX-License-Identifier: MIT
#pragma once

#include "CommandLine.h"
#include "ComposeCommand.h"
#include "Control.h"
#include "DrivePicker.h"
#include "Form.h"
#include "Platform.h"

#include <chrono>
#include <optional>

struct GeneratorEnd;
struct LaunchFailure;

// The main window: the segment, its dressing and the output file; "Make It!" starts the
// generator with the matching command line and shows that line.
class frmLapforge2
{
public:
    // Creates and loads the window: the tool folder must already be set.
    explicit frmLapforge2(Platform platform);
    ~frmLapforge2();
    frmLapforge2(const frmLapforge2 &) = delete;
    frmLapforge2 &operator=(const frmLapforge2 &) = delete;

    Form &form() { return m_form; }
    const Form &form() const { return m_form; }

    // The command line that the next "Make It!" extends: the base command between runs.
    const CommandLine &commandString() const { return m_commandString; }
    // The output folder list's drive root, which only the unreadable-drive message reads.
    const std::string &driveRoot() const { return m_outputPicker.driveRoot(); }

private:
    struct Controls
    {
        Control optStr, optLeft90, optRight90, opt180l, opt180r, optSlideL, optSlideR, optLoop;
        Control optLleft, optLright;
        Control optBank, optTwist, optDip;
        Control optNor;
        Control chkHump, chkRise, chkTex, chkSurface, chkFlat;
        Control txtTurn, txtLTurn, txtBank, txtHump, txtRise, txtLen, txtOutFile, txtOutput;
        Control lstTex, cboSur;
        Control frmLoop, Image1;
        Control drvList1, Dir1;
        Control cmdBuild, cmdReset, cmdExit;

        explicit Controls(Form &form);
    };

    void connectHandlers();

    void Form_Load();
    void ResetOptions();
    void DisableBanking();
    void EnableBanking();
    void ShowLoopFrame();
    void HideLoopFrame();

    void optStr_Click();
    void optLeft90_Click();
    void optRight90_Click();
    void opt180l_Click();
    void opt180r_Click();
    void optSlideL_Click();
    void optSlideR_Click();
    void optLoop_Click();
    void optLleft_Click();
    void optLright_Click();

    void buildPressed();
    void cmdBuild_Click();
    void cmdReset_Click();
    void cmdExit_Click();
    void drvList1_Change();
    void generatorEnded(const GeneratorEnd &end);

    BuildInputs readInputs() const;
    void reportNumberOutOfRange(NumberField field);
    void reportStartFailure(const LaunchFailure &failure);

    Platform m_platform;
    Form m_form;
    Controls m_ui;
    DrivePicker m_outputPicker;
    CommandLine m_commandString;
    std::optional<std::chrono::steady_clock::time_point> m_lastStart;
    int m_failedRuns = 0; // since the window's warning opened
};
