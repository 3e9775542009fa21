// SPDX-License-Identifier: MIT
#include "ControlValues.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>

std::int16_t optionValue(const QAbstractButton *button)
{
    return button->isChecked() ? -1 : 0;
}

void setOptionValue(QAbstractButton *button, std::int16_t value)
{
    if (value == -1) {
        button->setChecked(true);
        return;
    }
    // An exclusive group refuses to clear its chosen button, so lift that for this step.
    QButtonGroup *group = button->group();
    const bool exclusive = group && group->exclusive();
    if (exclusive)
        group->setExclusive(false);
    button->setChecked(false);
    if (exclusive)
        group->setExclusive(true);
}

std::int16_t checkValue(const QCheckBox *box)
{
    switch (box->checkState()) {
    case Qt::Unchecked:
        return 0;
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    }
    return 0;
}

std::int16_t selectedIndex(const QListWidget *list)
{
    const QList<QListWidgetItem *> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : static_cast<std::int16_t>(list->row(selected.constFirst()));
}

std::int16_t controlValue(const QWidget *control)
{
    if (const auto *box = qobject_cast<const QCheckBox *>(control))
        return checkValue(box);
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        return optionValue(button);
    if (const auto *list = qobject_cast<const QListWidget *>(control))
        return selectedIndex(list);
    return static_cast<std::int16_t>(qobject_cast<const QComboBox *>(control)->currentIndex());
}
