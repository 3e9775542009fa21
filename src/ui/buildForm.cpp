// SPDX-License-Identifier: MIT
#include "buildForm.h"

#include "DriveList.h"
#include "FolderList.h"
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
#include <vector>

namespace {

int pixels(int twips)
{
    return twips / twipsPerPixel;
}

QWidget *createControl(const ControlDesign &design, QWidget *container, const Platform &platform)
{
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
    case ControlKind::CommandButton:
        return new QPushButton(caption, container);
    case ControlKind::DriveList:
        return new DriveList(platform.files, container);
    case ControlKind::FolderList:
        return new FolderList(platform.files, platform.messages, container);
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

bool takesFocus(ControlKind kind)
{
    return kind != ControlKind::Frame && kind != ControlKind::Label && kind != ControlKind::Image;
}

void placeControl(QWidget *control, const ControlDesign &design)
{
    control->setGeometry(pixels(design.left), pixels(design.top), pixels(design.width),
                         pixels(design.height));
    if (design.flags & ControlFlag::SizedToCaption)
        control->adjustSize();
}

// The layout lists each container's controls from front to back, while the toolkit stacks a
// later child in front: where controls overlap, the one listed first must take the click.
void stackInDesignOrder(QWidget *form, std::span<const ControlDesign> layout)
{
    for (auto design = layout.rbegin(); design != layout.rend(); ++design)
        form->findChild<QWidget *>(QString::fromUtf8(design->name))->raise();
}

void setTabOrder(QWidget *form, std::span<const ControlDesign> layout)
{
    std::vector<const ControlDesign *> focusable;
    for (const ControlDesign &design : layout) {
        if (takesFocus(design.kind))
            focusable.push_back(&design);
    }
    std::ranges::sort(focusable, {}, &ControlDesign::tabIndex);
    QWidget *previous = nullptr;
    for (const ControlDesign *design : focusable) {
        auto *control = form->findChild<QWidget *>(QString::fromUtf8(design->name));
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

} // namespace

void buildForm(QWidget *form, std::span<const ControlDesign> layout, const Platform &platform)
{
    form->setFont(formFont());
    // Containers are listed before the controls they hold.
    for (const ControlDesign &design : layout) {
        QWidget *container = design.container
            ? form->findChild<QWidget *>(QString::fromUtf8(design.container))
            : form;
        QWidget *control = createControl(design, container, platform);
        control->setObjectName(QString::fromUtf8(design.name));
        control->setAccessibleName(
            QString::fromUtf8(design.accessibleName ? design.accessibleName : design.caption));
        placeControl(control, design);
        if (design.flags & ControlFlag::Hidden)
            control->hide();
    }
    stackInDesignOrder(form, layout);
    setTabOrder(form, layout);
}

void setFixedClientSize(QWidget *form, int widthTwips, int heightTwips)
{
    form->setFixedSize(pixels(widthTwips), pixels(heightTwips));
}

void centreOnScreen(QWidget *form)
{
    const QRect available = form->screen()->availableGeometry();
    form->move(available.center() - form->rect().center());
}
