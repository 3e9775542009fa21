// SPDX-License-Identifier: MIT
#include "OptionGroup.h"

#include <QAbstractButton>

OptionGroup::OptionGroup(const std::vector<QAbstractButton *> &buttons, QObject *parent)
    : QButtonGroup(parent)
{
    for (QAbstractButton *button : buttons)
        addButton(button);
    connect(this, &QButtonGroup::buttonToggled, this, &OptionGroup::updateTabStop);
    updateTabStop();
}

void OptionGroup::updateTabStop()
{
    QAbstractButton *stop = checkedButton();
    if (!stop && !buttons().isEmpty())
        stop = buttons().constFirst();
    for (QAbstractButton *button : buttons())
        button->setFocusPolicy(button == stop ? Qt::StrongFocus : Qt::ClickFocus);
}
