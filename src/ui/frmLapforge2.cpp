// SPDX-License-Identifier: MIT
#include "frmLapforge2.h"

#include "ControlValues.h"
#include "DriveList.h"
#include "FolderList.h"
#include "FolderPath.h"
#include "GeneratorStarter.h"
#include "MessageBox.h"
#include "Module1.h"
#include "OptionGroup.h"
#include "SegmentPicture.h"
#include "buildForm.h"
#include "frmLapforge2Layout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>
#include <utility>

namespace {

constexpr std::array surfaceNames {
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

std::string textOf(const QWidget *control)
{
    if (const auto *folders = qobject_cast<const FolderList *>(control))
        return nativeFolderPath(folders->path());
    return qobject_cast<const QLineEdit *>(control)->text().toStdString();
}

// The text a box had when the window was designed, which the reset brings back.
QString designText(const char *name)
{
    const auto layout = frmLapforge2Layout();
    const auto design = std::ranges::find_if(
        layout, [name](const ControlDesign &d) { return std::string_view(d.name) == name; });
    return QString::fromUtf8(design->caption);
}

} // namespace

frmLapforge2::frmLapforge2(Platform platform, QWidget *parent)
    : QWidget(parent), m_platform(platform), m_commandString(baseCommand())
{
    setWindowTitle(QStringLiteral("Lapforge"));
    setFixedClientSize(this, frmLapforge2Width, frmLapforge2Height);
    buildForm(this, frmLapforge2Layout(), m_platform);
    findControls();
    new SegmentPicture(*m_ui.Image1,
                       {{m_ui.optStr, SegmentShape::Straight},
                        {m_ui.optLeft90, SegmentShape::Left90},
                        {m_ui.optRight90, SegmentShape::Right90},
                        {m_ui.opt180l, SegmentShape::Left180},
                        {m_ui.opt180r, SegmentShape::Right180},
                        {m_ui.optSlideL, SegmentShape::SlideLeft},
                        {m_ui.optSlideR, SegmentShape::SlideRight}},
                       this);
    // Some screen readers name a drop-down list by the label that is its buddy, not by its
    // accessible name, and would otherwise announce the drive shown in it.
    findChild<QLabel *>(QStringLiteral("Label3"))->setBuddy(m_ui.drvList1);
    m_outputPicker = std::make_unique<DrivePicker>(*m_ui.drvList1, *m_ui.Dir1, m_platform.messages);
    makeOptionGroups();
    connectHandlers();
    centreOnScreen(this);
    Form_Load();
}

frmLapforge2::~frmLapforge2() = default;

void frmLapforge2::findControls()
{
    const auto find = [this]<typename T>(T *&control, const char *name) {
        control = findChild<T *>(QString::fromUtf8(name));
        Q_ASSERT(control);
    };
    find(m_ui.optStr, "optStr");
    find(m_ui.optLeft90, "optLeft90");
    find(m_ui.optRight90, "optRight90");
    find(m_ui.opt180l, "opt180l");
    find(m_ui.opt180r, "opt180r");
    find(m_ui.optSlideL, "optSlideL");
    find(m_ui.optSlideR, "optSlideR");
    find(m_ui.optLoop, "optLoop");
    find(m_ui.optLleft, "optLleft");
    find(m_ui.optLright, "optLright");
    find(m_ui.optBank, "optBank");
    find(m_ui.optTwist, "optTwist");
    find(m_ui.optDip, "optDip");
    find(m_ui.optNor, "optNor");
    find(m_ui.optDbl, "optDbl");
    find(m_ui.optNar, "optNar");
    find(m_ui.optSpr, "optSpr");
    find(m_ui.chkHump, "chkHump");
    find(m_ui.chkRise, "chkRise");
    find(m_ui.chkTex, "chkTex");
    find(m_ui.chkSurface, "chkSurface");
    find(m_ui.chkFlat, "chkFlat");
    find(m_ui.txtTurn, "txtTurn");
    find(m_ui.txtLTurn, "txtLTurn");
    find(m_ui.txtBank, "txtBank");
    find(m_ui.txtHump, "txtHump");
    find(m_ui.txtRise, "txtRise");
    find(m_ui.txtLen, "txtLen");
    find(m_ui.txtOutFile, "txtOutFile");
    find(m_ui.txtOutput, "txtOutput");
    find(m_ui.lstTex, "lstTex");
    find(m_ui.cboSur, "cboSur");
    find(m_ui.frmLoop, "frmLoop");
    find(m_ui.Image1, "Image1");
    find(m_ui.drvList1, "drvList1");
    find(m_ui.Dir1, "Dir1");
    find(m_ui.cmdBuild, "cmdBuild");
    find(m_ui.cmdReset, "cmdReset");
    find(m_ui.cmdExit, "cmdExit");
}

void frmLapforge2::makeOptionGroups()
{
    new OptionGroup({m_ui.optLeft90, m_ui.optRight90, m_ui.opt180l, m_ui.optSlideL, m_ui.optSlideR,
                     m_ui.optStr, m_ui.opt180r, m_ui.optLoop},
                    this);
    new OptionGroup({m_ui.optBank, m_ui.optTwist, m_ui.optDip}, this);
    new OptionGroup({m_ui.optLleft, m_ui.optLright}, this);
    new OptionGroup({m_ui.optNor, m_ui.optDbl, m_ui.optNar, m_ui.optSpr}, this);
}

void frmLapforge2::connectHandlers()
{
    // A handler runs when its button becomes chosen, by the user or from code.
    const std::array<std::pair<QRadioButton *, void (frmLapforge2::*)()>, 10> clickHandlers {{
        {m_ui.optStr, &frmLapforge2::optStr_Click},
        {m_ui.optLeft90, &frmLapforge2::optLeft90_Click},
        {m_ui.optRight90, &frmLapforge2::optRight90_Click},
        {m_ui.opt180l, &frmLapforge2::opt180l_Click},
        {m_ui.opt180r, &frmLapforge2::opt180r_Click},
        {m_ui.optSlideL, &frmLapforge2::optSlideL_Click},
        {m_ui.optSlideR, &frmLapforge2::optSlideR_Click},
        {m_ui.optLoop, &frmLapforge2::optLoop_Click},
        {m_ui.optLleft, &frmLapforge2::optLleft_Click},
        {m_ui.optLright, &frmLapforge2::optLright_Click},
    }};
    for (const auto &clickHandler : clickHandlers) {
        const auto handler = clickHandler.second;
        connect(clickHandler.first, &QAbstractButton::toggled, this, [this, handler](bool chosen) {
            if (chosen)
                (this->*handler)();
        });
    }
    connect(m_ui.cmdBuild, &QPushButton::clicked, this, &frmLapforge2::cmdBuild_Click);
    connect(m_ui.cmdReset, &QPushButton::clicked, this, &frmLapforge2::cmdReset_Click);
    connect(m_ui.cmdExit, &QPushButton::clicked, this, &frmLapforge2::cmdExit_Click);
    connect(m_ui.drvList1, &DriveList::changed, this, &frmLapforge2::drvList1_Change);
    connect(&m_platform.generator, &GeneratorStarter::ended, this, &frmLapforge2::generatorEnded);
}

void frmLapforge2::Form_Load()
{
    for (std::int16_t n = 0; n <= 3; ++n)
        m_ui.lstTex->insertItem(n, QString::number(n));
    for (int position = 0; position < int(surfaceNames.size()); ++position)
        m_ui.cboSur->insertItem(position, QString::fromUtf8(surfaceNames[position]));
    ResetOptions();
}

void frmLapforge2::ResetOptions()
{
    // The length, the texture row and the output folder stay from one segment to the next.
    for (QLineEdit *box :
         {m_ui.txtTurn, m_ui.txtBank, m_ui.txtHump, m_ui.txtRise, m_ui.txtOutFile, m_ui.txtLTurn})
        box->setText(designText(qPrintable(box->objectName())));
    for (QCheckBox *box : findChildren<QCheckBox *>())
        box->setCheckState(Qt::Unchecked);
    for (QRadioButton *button : findChildren<QRadioButton *>())
        setOptionValue(button, 0);
    setOptionValue(m_ui.optNor, -1);
    setOptionValue(m_ui.optStr, -1);
    m_ui.cboSur->setCurrentIndex(0);
    m_ui.frmLoop->hide();
    m_ui.Image1->show();
    DisableBanking();
    m_commandString = baseCommand();
}

void frmLapforge2::DisableBanking()
{
    m_ui.optBank->setEnabled(false);
    m_ui.optTwist->setEnabled(false);
    m_ui.optDip->setEnabled(false);
    m_ui.txtBank->setEnabled(false);
    m_ui.txtLen->setEnabled(true);
}

void frmLapforge2::EnableBanking()
{
    m_ui.optBank->setEnabled(true);
    m_ui.optTwist->setEnabled(true);
    m_ui.optDip->setEnabled(true);
    m_ui.txtBank->setEnabled(true);
    m_ui.txtLen->setEnabled(false);
}

void frmLapforge2::ShowLoopFrame()
{
    m_ui.frmLoop->show();
    m_ui.Image1->hide();
}

void frmLapforge2::HideLoopFrame()
{
    m_ui.frmLoop->hide();
    m_ui.Image1->show();
    setOptionValue(m_ui.optLleft, 0);
    setOptionValue(m_ui.optLright, 0);
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
    m_ui.txtOutput->setText(QString::fromStdString(command->text()));
    ResetOptions();
}

// The line under "Debugger:" only says what was started; a run that failed later is told
// apart here, without holding up the window.
void frmLapforge2::generatorEnded(const GeneratorEnd &end)
{
    if (end.failed())
        m_platform.messages.warning(this, windowTitle(), QString::fromStdString(end.message()));
}

void frmLapforge2::cmdExit_Click()
{
    close();
}

void frmLapforge2::drvList1_Change()
{
    m_outputPicker->change();
}

BuildInputs frmLapforge2::readInputs() const
{
    BuildInputs inputs;
    for (const auto &[control, field] : buildInputTexts)
        inputs.*field = textOf(findChild<QWidget *>(QString::fromUtf8(control)));
    for (const auto &[control, field] : buildInputValues)
        inputs.*field = controlValue(findChild<QWidget *>(QString::fromUtf8(control)));
    return inputs;
}

void frmLapforge2::reportNumberOutOfRange(NumberField field)
{
    const auto box =
        std::ranges::find(buildInputTexts, field, &BuildInputField<std::string>::field);
    const auto *control = findChild<QWidget *>(QString::fromUtf8(box->control));
    m_platform.messages.critical(
        this, windowTitle(),
        QStringLiteral(
            "The number in \"%1\" lies beyond the range of numbers. Nothing was started.")
            .arg(control->accessibleName()));
}

void frmLapforge2::reportStartFailure(const LaunchFailure &failure)
{
    QString text = QString::fromStdString(failure.message());
    // The folder is asked for only once, at start: say which it was and how to change it.
    if (failure.kind == LaunchFailure::Kind::NoSuchFile)
        text += QStringLiteral(
                    "\n\nLapforge was looked for in %1, the folder chosen at start. To choose "
                    "another folder, start this program again.")
                    .arg(QString::fromStdString(Module1::toolFolder()));
    m_platform.messages.critical(this, windowTitle(), text);
}
