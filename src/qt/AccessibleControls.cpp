// SPDX-License-Identifier: MIT
#include "AccessibleControls.h"

#include "QtWindow.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace {

using Relations = QList<QPair<QAccessibleInterface *, QAccessible::Relation>>;

QtWindow *windowOf(const QWidget *control)
{
    return qobject_cast<QtWindow *>(control->window());
}

// The labels the design names for `control`, and what Qt finds besides them but for the
// labels it guesses: the frame around the control, or a label beside it.
Relations designedRelations(const QAccessibleWidget &accessible, const QWidget *control,
                            QAccessible::Relation match)
{
    Relations relations;
    for (const auto &relation : accessible.QAccessibleWidget::relations(match)) {
        if (relation.second != QAccessible::Label)
            relations.append(relation);
    }
    if (!(match & QAccessible::Label))
        return relations;
    if (const QtWindow *window = windowOf(control)) {
        for (QWidget *label : window->labelsOf(control))
            relations.append({QAccessible::queryAccessibleInterface(label), QAccessible::Label});
    }
    return relations;
}

class AccessibleComboBox : public QAccessibleWidget
{
public:
    explicit AccessibleComboBox(QComboBox *combo) : QAccessibleWidget(combo, QAccessible::ComboBox)
    { }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return combo()->currentText();
        return QAccessibleWidget::text(t);
    }

    Relations relations(QAccessible::Relation match) const override
    {
        return designedRelations(*this, widget(), match);
    }

private:
    QComboBox *combo() const { return static_cast<QComboBox *>(widget()); }
};

class AccessibleTextBox : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface
{
public:
    explicit AccessibleTextBox(QLineEdit *box) : QAccessibleWidget(box, QAccessible::EditableText)
    { }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return box()->text();
        // The field of an editable combo box has the combo box's name.
        if (t == QAccessible::Name && box()->accessibleName().isEmpty())
            if (const auto *combo = qobject_cast<const QComboBox *>(box()->parentWidget()))
                return combo->accessibleName();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = box()->isReadOnly();
        state.editable = !box()->isReadOnly();
        state.selectableText = true;
        return state;
    }

    Relations relations(QAccessible::Relation match) const override
    {
        return designedRelations(*this, widget(), match);
    }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (t == QAccessible::EditableTextInterface && !box()->isReadOnly())
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (selectionIndex == 0 && box()->hasSelectedText()) {
            *startOffset = box()->selectionStart();
            *endOffset = box()->selectionEnd();
        }
    }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override
    {
        setSelection(0, startOffset, endOffset);
    }
    void removeSelection(int) override { box()->deselect(); }
    void setSelection(int, int startOffset, int endOffset) override
    {
        box()->setSelection(startOffset, endOffset - startOffset);
    }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    QString text(int startOffset, int endOffset) const override
    {
        return box()->text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(box()->text().size()); }
    // Measured from the text's start; a scrolled box is a rare case to place exactly.
    QRect characterRect(int offset) const override
    {
        const QFontMetrics metrics(box()->font());
        const int left =
            box()->textMargins().left() + metrics.horizontalAdvance(box()->text().left(offset));
        return QRect(
            box()->mapToGlobal(QPoint(left, 0)),
            QSize(metrics.horizontalAdvance(box()->text().mid(offset, 1)), box()->height()));
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }
    void scrollToSubstring(int startIndex, int) override { box()->setCursorPosition(startIndex); }
    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = offset;
        return {};
    }

    void deleteText(int startOffset, int endOffset) override
    {
        replaceText(startOffset, endOffset, {});
    }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int startOffset, int endOffset, const QString &text) override
    {
        box()->setText(box()->text().replace(startOffset, endOffset - startOffset, text));
    }

private:
    QLineEdit *box() const { return static_cast<QLineEdit *>(widget()); }
};

QAccessibleInterface *accessibleControl(const QString &, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (auto *window = qobject_cast<QtWindow *>(widget))
        return new QAccessibleWidget(
            window, window->isDialog() ? QAccessible::Dialog : QAccessible::Window);
    if (!windowOf(widget))
        return nullptr;
    if (auto *combo = qobject_cast<QComboBox *>(widget))
        return new AccessibleComboBox(combo);
    if (auto *box = qobject_cast<QLineEdit *>(widget))
        return new AccessibleTextBox(box);
    return nullptr;
}

} // namespace

void installAccessibleControls()
{
    QAccessible::installFactory(accessibleControl);
}
