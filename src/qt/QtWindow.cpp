// SPDX-License-Identifier: MIT
#include "QtWindow.h"

#include "AccessibleControls.h"
#include "Form.h"
#include "OptionGroup.h"
#include "SegmentPicture.h"
#include "buildForm.h"
#include "showState.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace {

bool isEnter(const QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent *>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

int selectedRow(const QListWidget *list)
{
    const QList<QListWidgetItem *> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.constFirst());
}

} // namespace

QtWindow::QtWindow(Form &form, QWidget *parent) : QWidget(parent), m_form(form)
{
    static const bool accessible = (installAccessibleControls(), true);
    static_cast<void>(accessible);
    setWindowTitle(QString::fromUtf8(form.design().caption));
    setFixedClientSize(this, form.design().width, form.design().height);
    m_controls = buildForm(this, form);
    makeOptionGroups();
    for (std::size_t index = 0; index < form.count(); ++index) {
        if (form.designOf(index).flags & ControlFlag::Default)
            m_defaultButton = index;
    }
    for (std::size_t index = 0; index < form.count(); ++index) {
        showControl(index);
        connectControl(index);
        if (form.designOf(index).kind == ControlKind::Image)
            m_picture =
                std::make_unique<SegmentPicture>(form, *qobject_cast<QLabel *>(control(index)));
    }
    form.changed = [this](std::size_t index) {
        controlChanged(index);
    };
    centreOnScreen(this);
    focusFirstControl();
}

QtWindow::~QtWindow() = default;

std::vector<QWidget *> QtWindow::labelsOf(const QWidget *control) const
{
    std::vector<QWidget *> labels;
    for (const LabelFor &labelFor : m_form.design().labels) {
        if (m_controls[m_form.indexOf(labelFor.control)] == control)
            labels.push_back(m_controls[m_form.indexOf(labelFor.label)]);
    }
    return labels;
}

// With a default button, Enter presses it wherever the focus is but on another command
// button, even in the folder list, which opens folders on Enter elsewhere. Esc presses
// nothing: there is no cancel button.
bool QtWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (m_defaultButton && isEnter(event) && !qobject_cast<QPushButton *>(watched)) {
        qobject_cast<QPushButton *>(control(*m_defaultButton))->click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// Whatever the window's procedures make of it: the window itself only says it was asked.
void QtWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    m_form.close();
}

// The groups follow the form's: as in the classic toolkit, Tab then stops once per group.
void QtWindow::makeOptionGroups()
{
    for (const std::vector<std::size_t> &group : m_form.optionGroups()) {
        std::vector<QAbstractButton *> buttons;
        for (std::size_t index : group)
            buttons.push_back(qobject_cast<QAbstractButton *>(control(index)));
        new OptionGroup(buttons, this);
    }
}

void QtWindow::connectControl(std::size_t index)
{
    QWidget *widget = control(index);
    if (m_defaultButton)
        widget->installEventFilter(this);
    switch (m_form.designOf(index).kind) {
    case ControlKind::OptionButton:
        // The group clears the other buttons itself; the form hears only of the chosen one.
        connect(qobject_cast<QRadioButton *>(widget), &QAbstractButton::toggled, this,
                [this, index](bool chosen) {
                    if (!chosen)
                        return;
                    m_form.click(index);
                    showControl(index);
                });
        return;
    case ControlKind::CheckBox:
    case ControlKind::CommandButton:
        connect(qobject_cast<QAbstractButton *>(widget), &QAbstractButton::clicked, this,
                [this, index] {
                    m_form.click(index);
                    showControl(index);
                });
        return;
    case ControlKind::TextBox:
        connect(qobject_cast<QLineEdit *>(widget), &QLineEdit::textChanged, this,
                [this, index](const QString &text) { m_form.type(index, text.toStdString()); });
        return;
    case ControlKind::ListBox: {
        auto *list = qobject_cast<QListWidget *>(widget);
        connect(list, &QListWidget::itemSelectionChanged, this,
                [this, index, list] { m_form.select(index, selectedRow(list)); });
        return;
    }
    case ControlKind::ComboBox: {
        auto *combo = qobject_cast<QComboBox *>(widget);
        connect(combo, &QComboBox::currentIndexChanged, this,
                [this, index](int row) { m_form.select(index, row); });
        // A new choice changes the field's text before it is told as a choice.
        connect(combo, &QComboBox::editTextChanged, this,
                [this, index, combo](const QString &text) {
                    m_form.select(index, combo->currentIndex());
                    m_form.type(index, text.toStdString());
                });
        return;
    }
    default:
        return;
    }
}

void QtWindow::controlChanged(std::size_t index)
{
    showControl(index);
    if (m_picture && m_form.designOf(index).kind == ControlKind::OptionButton)
        m_picture->update();
}

void QtWindow::showControl(std::size_t index)
{
    showState(control(index), m_form.designOf(index), m_form.state(index));
}

// The control with the lowest tab index holds the focus when the window is first shown.
void QtWindow::focusFirstControl()
{
    std::vector<std::size_t> focusable;
    for (std::size_t index = 0; index < m_form.count(); ++index) {
        if (takesFocus(m_form.designOf(index).kind) && m_form.state(index).visible
            && m_form.state(index).enabled)
            focusable.push_back(index);
    }
    const auto first = std::ranges::min_element(
        focusable, {}, [this](std::size_t index) { return m_form.designOf(index).tabIndex; });
    if (first != focusable.end())
        control(*first)->setFocus();
}
