// SPDX-License-Identifier: MIT
#include "buildForm.h"

#include "DriveCombo.h"
#include "FolderView.h"
#include "Form.h"
#include "TypedTextIsNoChoice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <algorithm>
#include <limits>
#include <string_view>

namespace {

int pixels(int twips)
{
    return twips / twipsPerPixel;
}

QWidget *createControl(Form &form, std::size_t index, QWidget *container)
{
    const ControlDesign &design = form.designOf(index);
    const QString caption = QString::fromUtf8(design.caption);
    switch (design.kind) {
    case ControlKind::Frame:
        return new QGroupBox(caption, container);
    case ControlKind::Label: {
        auto *label = new QLabel(caption, container);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(design.flags & ControlFlag::WordWrap);
        return label;
    }
    case ControlKind::TextBox: {
        auto *box = new QLineEdit(caption, container);
        // No length limit: a pasted text or a shown command line is never cut short.
        box->setMaxLength(std::numeric_limits<int>::max());
        box->setReadOnly(design.flags & ControlFlag::Locked);
        return box;
    }
    case ControlKind::OptionButton:
        // Left auto-exclusive, so that screen readers announce a radio button: the window's
        // button group per container, which takes precedence, does the exclusion.
        return new QRadioButton(caption, container);
    case ControlKind::CheckBox:
        return new QCheckBox(caption, container);
    case ControlKind::ListBox:
        return new QListWidget(container);
    case ControlKind::ComboBox: {
        auto *combo = new QComboBox(container);
        combo->setEditable(true);
        // Typed text is no choice: it must never become an entry nor pick one.
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr);
        new TypedTextIsNoChoice(combo);
        combo->setEditText(caption);
        return combo;
    }
    case ControlKind::CommandButton: {
        auto *button = new QPushButton(caption, container);
        button->setDefault(design.flags & ControlFlag::Default);
        // As in the classic toolkit, Enter presses the command button that has the focus.
        button->setAutoDefault(true);
        return button;
    }
    case ControlKind::DriveList:
        return new DriveCombo(form.driveList(index), container);
    case ControlKind::FolderList:
        return new FolderView(form.folderList(index), container);
    case ControlKind::Image:
        return new QLabel(container);
    }
    return nullptr;
}

// The layout leaves a caption little room: a narrow face fits every caption in full.
QFont formFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Arial Narrow")});
    font.setPointSize(8);
    return font;
}

void placeControl(QWidget *control, const ControlDesign &design)
{
    control->setGeometry(pixels(design.left), pixels(design.top), pixels(design.width),
                         pixels(design.height));
    if (design.flags & ControlFlag::SizedToCaption)
        control->adjustSize();
}

// The design lists each container's controls from front to back, while the toolkit stacks a
// later child in front: where controls overlap, the one listed first must take the click.
void stackInDesignOrder(const std::vector<QWidget *> &controls)
{
    for (auto control = controls.rbegin(); control != controls.rend(); ++control)
        (*control)->raise();
}

void setTabOrder(const Form &form, const std::vector<QWidget *> &controls)
{
    std::vector<std::size_t> focusable;
    for (std::size_t index = 0; index < form.count(); ++index) {
        if (takesFocus(form.designOf(index).kind))
            focusable.push_back(index);
    }
    std::ranges::sort(focusable, {}, [&form](std::size_t i) { return form.designOf(i).tabIndex; });
    for (std::size_t i = 1; i < focusable.size(); ++i)
        QWidget::setTabOrder(controls[focusable[i - 1]], controls[focusable[i]]);
}

// A label's buddy gets the focus by the label's shortcut and is what the label tells
// screen readers it names; a check box that names a box is told as such by AccessibleControls.
void setLabels(const Form &form, const std::vector<QWidget *> &controls)
{
    for (const LabelFor &labelFor : form.design().labels) {
        if (auto *label = qobject_cast<QLabel *>(controls[form.indexOf(labelFor.label)]))
            label->setBuddy(controls[form.indexOf(labelFor.control)]);
    }
}

} // namespace

std::vector<QWidget *> buildForm(QWidget *window, Form &form)
{
    window->setFont(formFont());
    std::vector<QWidget *> controls;
    // Containers are listed before the controls they hold.
    for (std::size_t index = 0; index < form.count(); ++index) {
        const ControlDesign &design = form.designOf(index);
        QWidget *container = design.container ? controls[form.indexOf(design.container)] : window;
        QWidget *control = createControl(form, index, container);
        control->setObjectName(QString::fromUtf8(design.name));
        control->setAccessibleName(
            QString::fromUtf8(design.accessibleName ? design.accessibleName : design.caption));
        placeControl(control, design);
        controls.push_back(control);
    }
    stackInDesignOrder(controls);
    setTabOrder(form, controls);
    setLabels(form, controls);
    return controls;
}

void setFixedClientSize(QWidget *window, int widthTwips, int heightTwips)
{
    window->setFixedSize(pixels(widthTwips), pixels(heightTwips));
}

void centreOnScreen(QWidget *window)
{
    const QRect available = window->screen()->availableGeometry();
    window->move(available.center() - window->rect().center());
}
