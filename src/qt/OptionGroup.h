// SPDX-License-Identifier: MIT
#pragma once

#include <QButtonGroup>

#include <vector>

class QAbstractButton;

// The option buttons of one container: choosing one clears the others of this group and
// no other. As in the classic toolkit, Tab stops once per group, on the chosen button
// (on the first when none is chosen); the arrow keys move within the group.
class OptionGroup : public QButtonGroup
{
    Q_OBJECT

public:
    // `buttons` in tab order.
    OptionGroup(const std::vector<QAbstractButton *> &buttons, QObject *parent);

private:
    void updateTabStop();
};
