// SPDX-License-Identifier: MIT
#pragma once

#include "BuildInputs.h"
#include "CommandLine.h"
#include "ComposeCommand.h"
#include "DrivePicker.h"
#include "Platform.h"

#include <QWidget>

#include <memory>

class DriveList;
struct GeneratorEnd;
class FolderList;
class OptionGroup;
struct LaunchFailure;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

// The main window: the segment, its dressing and the output file; "Make It!" starts the
// generator with the matching command line and shows that line.
class frmLapforge2 : public QWidget
{
    Q_OBJECT

public:
    // Loads the window: the tool folder must already be set.
    explicit frmLapforge2(Platform platform, QWidget *parent = nullptr);
    ~frmLapforge2() override;

    // The command line that the next "Make It!" extends: the base command between runs.
    const CommandLine &commandString() const { return m_commandString; }

private:
    struct Controls
    {
        QRadioButton *optStr, *optLeft90, *optRight90, *opt180l, *opt180r, *optSlideL, *optSlideR,
            *optLoop;
        QRadioButton *optLleft, *optLright;
        QRadioButton *optBank, *optTwist, *optDip;
        QRadioButton *optNor, *optDbl, *optNar, *optSpr;
        QCheckBox *chkHump, *chkRise, *chkTex, *chkSurface, *chkFlat;
        QLineEdit *txtTurn, *txtLTurn, *txtBank, *txtHump, *txtRise, *txtLen, *txtOutFile,
            *txtOutput;
        QListWidget *lstTex;
        QComboBox *cboSur;
        QGroupBox *frmLoop;
        QLabel *Image1;
        DriveList *drvList1;
        FolderList *Dir1;
        QPushButton *cmdBuild, *cmdReset, *cmdExit;
    };

    void findControls();
    void makeOptionGroups();
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

    void cmdBuild_Click();
    void cmdReset_Click();
    void cmdExit_Click();
    void generatorEnded(const GeneratorEnd &end);
    void drvList1_Change();

    BuildInputs readInputs() const;
    void reportNumberOutOfRange(NumberField field);
    void reportStartFailure(const LaunchFailure &failure);

    Platform m_platform;
    Controls m_ui {};
    std::unique_ptr<DrivePicker> m_outputPicker;
    CommandLine m_commandString;
};
