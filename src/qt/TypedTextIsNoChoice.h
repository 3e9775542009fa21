// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QComboBox;

// Keeps an editable combo box's choice to what is picked from its list. When editing ends
// (Enter, or the focus leaving), the toolkit would choose the entry that matches the typed
// text; instead the field shows the chosen entry again, so it never shows what is not sent.
class TypedTextIsNoChoice : public QObject
{
    Q_OBJECT

public:
    // Lives as long as `combo`, which becomes its parent.
    explicit TypedTextIsNoChoice(QComboBox *combo);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QComboBox *m_combo;
};
