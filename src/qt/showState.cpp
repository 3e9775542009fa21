// SPDX-License-Identifier: MIT
#include "showState.h"

#include "ControlDesign.h"
#include "ControlState.h"
#include "DriveCombo.h"
#include "FolderView.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {

QString textOf(const std::string &text)
{
    return QString::fromStdString(text);
}

void showOption(QRadioButton *button, bool chosen)
{
    if (button->isChecked() == chosen)
        return;
    // An exclusive group refuses to clear its chosen button, so lift that for this step.
    QButtonGroup *group = button->group();
    const bool exclusive = group && group->exclusive() && !chosen;
    if (exclusive)
        group->setExclusive(false);
    button->setChecked(chosen);
    if (exclusive)
        group->setExclusive(true);
}

Qt::CheckState checkStateOf(std::int16_t value)
{
    return value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked;
}

QStringList entriesOf(const ControlState &state)
{
    QStringList entries;
    for (const std::string &entry : state.entries)
        entries.append(textOf(entry));
    return entries;
}

void showList(QListWidget *list, const ControlState &state)
{
    const QStringList entries = entriesOf(state);
    if (list->count() != entries.size()) {
        list->clear();
        list->addItems(entries);
    }
    if (state.value < 0) {
        list->clearSelection();
        return;
    }
    if (!list->item(state.value)->isSelected())
        list->setCurrentRow(state.value);
}

void showCombo(QComboBox *combo, const ControlState &state)
{
    const QStringList entries = entriesOf(state);
    if (combo->count() != entries.size()) {
        combo->clear();
        combo->addItems(entries);
    }
    if (combo->currentIndex() != state.value)
        combo->setCurrentIndex(state.value);
    if (combo->currentText() != textOf(state.text))
        combo->setEditText(textOf(state.text));
}

void showContent(QWidget *control, const ControlDesign &design, const ControlState &state)
{
    switch (design.kind) {
    case ControlKind::TextBox: {
        auto *box = static_cast<QLineEdit *>(control);
        if (box->text() != textOf(state.text))
            box->setText(textOf(state.text));
        return;
    }
    case ControlKind::OptionButton:
        showOption(static_cast<QRadioButton *>(control), state.value == -1);
        return;
    case ControlKind::CheckBox:
        static_cast<QCheckBox *>(control)->setCheckState(checkStateOf(state.value));
        return;
    case ControlKind::ListBox:
        showList(static_cast<QListWidget *>(control), state);
        return;
    case ControlKind::ComboBox:
        showCombo(static_cast<QComboBox *>(control), state);
        return;
    case ControlKind::DriveList:
        static_cast<DriveCombo *>(control)->showDrives();
        return;
    case ControlKind::FolderList:
        static_cast<FolderView *>(control)->showFolders();
        return;
    case ControlKind::Frame:
    case ControlKind::Label:
    case ControlKind::CommandButton:
    case ControlKind::Image:
        return;
    }
}

} // namespace

void showState(QWidget *control, const ControlDesign &design, const ControlState &state)
{
    {
        const QSignalBlocker quiet(control);
        showContent(control, design, state);
    }
    control->setEnabled(state.enabled);
    control->setHidden(!state.visible);
}
