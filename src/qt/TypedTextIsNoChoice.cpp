// SPDX-License-Identifier: MIT
#include "TypedTextIsNoChoice.h"

#include <QComboBox>
#include <QKeyEvent>

namespace {

bool endsEditing(const QEvent *event)
{
    switch (event->type()) {
    case QEvent::FocusOut:
        return true;
    case QEvent::KeyPress: {
        const int key = static_cast<const QKeyEvent *>(event)->key();
        return key == Qt::Key_Return || key == Qt::Key_Enter;
    }
    default:
        return false;
    }
}

} // namespace

TypedTextIsNoChoice::TypedTextIsNoChoice(QComboBox *combo) : QObject(combo), m_combo(combo)
{
    combo->installEventFilter(this);
}

bool TypedTextIsNoChoice::eventFilter(QObject *watched, QEvent *event)
{
    // Run before the combo box sees the event, so that its match finds the chosen entry.
    if (watched == m_combo && endsEditing(event))
        m_combo->setEditText(m_combo->itemText(m_combo->currentIndex()));
    return QObject::eventFilter(watched, event);
}
