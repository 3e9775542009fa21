// SPDX-License-Identifier: MIT
#include "frmLapforge2.h"

#include "Desktop.h"
#include "FolderPath.h"
#include "GeneratorStarter.h"
#include "MessageBox.h"
#include "Module1.h"
#include "frmLapforge2Design.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

frmLapforge2::Controls::Controls(Form &form)
    : optStr(form, "optStr"), optLeft90(form, "optLeft90"), optRight90(form, "optRight90"),
      opt180l(form, "opt180l"), opt180r(form, "opt180r"), optSlideL(form, "optSlideL"),
      optSlideR(form, "optSlideR"), optLoop(form, "optLoop"), optLleft(form, "optLleft"),
      optLright(form, "optLright"), optBank(form, "optBank"), optTwist(form, "optTwist"),
      optDip(form, "optDip"), optNor(form, "optNor"), chkHump(form, "chkHump"),
      chkRise(form, "chkRise"), chkTex(form, "chkTex"), chkSurface(form, "chkSurface"),
      chkFlat(form, "chkFlat"), txtTurn(form, "txtTurn"), txtLTurn(form, "txtLTurn"),
      txtBank(form, "txtBank"), txtHump(form, "txtHump"), txtRise(form, "txtRise"),
      txtLen(form, "txtLen"), txtOutFile(form, "txtOutFile"), txtOutput(form, "txtOutput"),
      lstTex(form, "lstTex"), cboSur(form, "cboSur"), frmLoop(form, "frmLoop"),
      Image1(form, "Image1"), drvList1(form, "drvList1"), Dir1(form, "Dir1"),
      cmdBuild(form, "cmdBuild"), cmdReset(form, "cmdReset"), cmdExit(form, "cmdExit")
{ }

frmLapforge2::frmLapforge2(Platform platform)
    : m_platform(platform), m_form(frmLapforge2Design(), platform.files, platform.messages),
      m_ui(m_form), m_outputPicker(m_form, m_form.driveList(m_ui.drvList1.index()),
                                   m_form.folderList(m_ui.Dir1.index()), platform.messages),
      m_commandString(baseCommand())
{
    connectHandlers();
    Form_Load();
}

frmLapforge2::~frmLapforge2()
{
    m_platform.generator.listen(nullptr);
    m_platform.desktop.unload(m_form);
}

void frmLapforge2::connectHandlers()
{
    const std::array<std::pair<const Control *, void (frmLapforge2::*)()>, 14> handlers {{
        {&m_ui.optStr, &frmLapforge2::optStr_Click},
        {&m_ui.optLeft90, &frmLapforge2::optLeft90_Click},
        {&m_ui.optRight90, &frmLapforge2::optRight90_Click},
        {&m_ui.opt180l, &frmLapforge2::opt180l_Click},
        {&m_ui.opt180r, &frmLapforge2::opt180r_Click},
        {&m_ui.optSlideL, &frmLapforge2::optSlideL_Click},
        {&m_ui.optSlideR, &frmLapforge2::optSlideR_Click},
        {&m_ui.optLoop, &frmLapforge2::optLoop_Click},
        {&m_ui.optLleft, &frmLapforge2::optLleft_Click},
        {&m_ui.optLright, &frmLapforge2::optLright_Click},
        {&m_ui.cmdBuild, &frmLapforge2::buildPressed},
        {&m_ui.cmdReset, &frmLapforge2::cmdReset_Click},
        {&m_ui.cmdExit, &frmLapforge2::cmdExit_Click},
        {&m_ui.drvList1, &frmLapforge2::drvList1_Change},
    }};
    for (const auto &[control, handler] : handlers)
        m_form.setHandler(control->index(), [this, handler = handler] { (this->*handler)(); });
    // Closing from the title bar ends the program, as "Exit" does.
    m_form.setCloseHandler([this] { cmdExit_Click(); });
    m_platform.generator.listen([this](const GeneratorEnd &end) { generatorEnded(end); });
}

void frmLapforge2::Form_Load()
{
    for (std::int16_t n = 0; n <= 3; ++n)
        m_ui.lstTex.addEntry(std::size_t(n), std::to_string(n));
    const auto surfaces = surfaceNames();
    for (std::size_t position = 0; position < surfaces.size(); ++position)
        m_ui.cboSur.addEntry(position, std::string(surfaces[position]));
    ResetOptions();
}

void frmLapforge2::ResetOptions()
{
    // The length, the texture row and the output folder stay from one segment to the next.
    for (const Control *box : {&m_ui.txtTurn, &m_ui.txtBank, &m_ui.txtHump, &m_ui.txtRise,
                               &m_ui.txtOutFile, &m_ui.txtLTurn})
        box->setText(m_form.designOf(box->index()).caption);
    for (std::size_t control = 0; control < m_form.count(); ++control) {
        const ControlKind kind = m_form.designOf(control).kind;
        if (kind == ControlKind::CheckBox || kind == ControlKind::OptionButton)
            m_form.setValue(control, 0);
    }
    m_ui.optNor.setValue(-1);
    m_ui.optStr.setValue(-1);
    m_ui.cboSur.setValue(0);
    m_ui.frmLoop.setVisible(false);
    m_ui.Image1.setVisible(true);
    DisableBanking();
    m_commandString = baseCommand();
}

void frmLapforge2::DisableBanking()
{
    m_ui.optBank.setEnabled(false);
    m_ui.optTwist.setEnabled(false);
    m_ui.optDip.setEnabled(false);
    m_ui.txtBank.setEnabled(false);
    m_ui.txtLen.setEnabled(true);
}

void frmLapforge2::EnableBanking()
{
    m_ui.optBank.setEnabled(true);
    m_ui.optTwist.setEnabled(true);
    m_ui.optDip.setEnabled(true);
    m_ui.txtBank.setEnabled(true);
    m_ui.txtLen.setEnabled(false);
}

void frmLapforge2::ShowLoopFrame()
{
    m_ui.frmLoop.setVisible(true);
    m_ui.Image1.setVisible(false);
}

void frmLapforge2::HideLoopFrame()
{
    m_ui.frmLoop.setVisible(false);
    m_ui.Image1.setVisible(true);
    m_ui.optLleft.setValue(0);
    m_ui.optLright.setValue(0);
}

void frmLapforge2::optStr_Click()
{
    DisableBanking();
    HideLoopFrame();
}

void frmLapforge2::optSlideL_Click()
{
    DisableBanking();
    HideLoopFrame();
}

void frmLapforge2::optSlideR_Click()
{
    DisableBanking();
    HideLoopFrame();
}

void frmLapforge2::optLeft90_Click()
{
    EnableBanking();
    HideLoopFrame();
}

void frmLapforge2::optRight90_Click()
{
    EnableBanking();
    HideLoopFrame();
}

void frmLapforge2::opt180l_Click()
{
    EnableBanking();
    HideLoopFrame();
}

void frmLapforge2::opt180r_Click()
{
    EnableBanking();
    HideLoopFrame();
}

void frmLapforge2::optLoop_Click()
{
    ShowLoopFrame();
}

void frmLapforge2::optLleft_Click()
{
    EnableBanking();
}

void frmLapforge2::optLright_Click()
{
    EnableBanking();
}

void frmLapforge2::cmdReset_Click()
{
    ResetOptions();
}

// A press so soon after a start is the second half of a double click: a second run would
// build a default segment over the output file, since the first one reset the window.
void frmLapforge2::buildPressed()
{
    const Desktop &desktop = m_platform.desktop;
    if (m_lastStart && desktop.now() - *m_lastStart < desktop.doubleClickTime())
        return;
    cmdBuild_Click();
}

void frmLapforge2::cmdBuild_Click()
{
    // The options stay as the user set them after a failure, so the next try composes afresh.
    const auto command = ComposeCommand(readInputs(), m_commandString);
    if (!command) {
        reportNumberOutOfRange(command.failure());
        return;
    }
    if (const auto started = m_platform.generator.start(*command); !started) {
        reportStartFailure(started.failure());
        return;
    }
    m_lastStart = m_platform.desktop.now();
    m_ui.txtOutput.setText(command->text());
    ResetOptions();
}

void frmLapforge2::cmdExit_Click()
{
    m_platform.desktop.unload(m_form);
    m_platform.desktop.end();
}

void frmLapforge2::drvList1_Change()
{
    m_outputPicker.change();
}

// The line under "Debugger:" only says what was started; a run that failed later is told
// apart here, without holding up the window. Runs that fail while the warning is open are
// counted in it, rather than piling up a box for each.
void frmLapforge2::generatorEnded(const GeneratorEnd &end)
{
    if (!end.failed())
        return;
    MessageBox &messages = m_platform.messages;
    m_failedRuns = messages.warningOpen(m_form) ? m_failedRuns + 1 : 1;
    std::string text = end.summary();
    if (m_failedRuns > 1)
        text = std::to_string(m_failedRuns)
            + " runs of Lapforge failed while this warning was open. The latest:\n\n" + text;
    messages.warning(m_form, m_form.design().caption, text, end.errorOutput());
}

BuildInputs frmLapforge2::readInputs() const
{
    BuildInputs inputs;
    for (const auto &[control, field] : buildInputTexts) {
        const std::size_t index = m_form.indexOf(control);
        inputs.*field = m_form.designOf(index).kind == ControlKind::FolderList
            ? nativeFolderPath(m_form.folderList(index).path())
            : m_form.state(index).text;
    }
    for (const auto &[control, field] : buildInputValues)
        inputs.*field = m_form.state(m_form.indexOf(control)).value;
    return inputs;
}

void frmLapforge2::reportNumberOutOfRange(NumberField field)
{
    const auto box =
        std::ranges::find(buildInputTexts, field, &BuildInputField<std::string>::field);
    const ControlDesign &design = m_form.designOf(m_form.indexOf(box->control));
    m_platform.messages.critical(
        m_form, m_form.design().caption,
        std::string("The number in \"")
            + (design.accessibleName ? design.accessibleName : design.caption)
            + "\" lies beyond the range of numbers. Nothing was started.");
}

void frmLapforge2::reportStartFailure(const LaunchFailure &failure)
{
    std::string text = failure.message();
    // The folder is asked for only once, at start: say which it was and how to change it.
    if (failure.kind == LaunchFailure::Kind::NoSuchFile)
        text += "\n\nLapforge was looked for in " + Module1::toolFolder()
            + ", the folder chosen at start. To choose another folder, start this program again.";
    m_platform.messages.critical(m_form, m_form.design().caption, text);
}
