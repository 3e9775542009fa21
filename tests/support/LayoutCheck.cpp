// SPDX-License-Identifier: MIT
#include "LayoutCheck.h"

#include "DriveCombo.h"
#include "FolderView.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

QString captionOf(const QWidget *control)
{
    if (const auto *box = qobject_cast<const QLineEdit *>(control))
        return box->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (const auto *frame = qobject_cast<const QGroupBox *>(control))
        return frame->title();
    return {};
}

bool isKind(const QWidget *control, ControlKind kind)
{
    switch (kind) {
    case ControlKind::Frame:
        return qobject_cast<const QGroupBox *>(control);
    case ControlKind::Label:
    case ControlKind::Image:
        return qobject_cast<const QLabel *>(control);
    case ControlKind::TextBox:
        return qobject_cast<const QLineEdit *>(control);
    case ControlKind::OptionButton:
        return qobject_cast<const QRadioButton *>(control);
    case ControlKind::CheckBox:
        return qobject_cast<const QCheckBox *>(control);
    case ControlKind::ListBox:
        return qobject_cast<const QListWidget *>(control);
    case ControlKind::ComboBox:
        return qobject_cast<const QComboBox *>(control)
            && !qobject_cast<const DriveCombo *>(control);
    case ControlKind::CommandButton:
        return qobject_cast<const QPushButton *>(control);
    case ControlKind::DriveList:
        return qobject_cast<const DriveCombo *>(control);
    case ControlKind::FolderList:
        return qobject_cast<const FolderView *>(control);
    }
    return false;
}

// Within each container, the controls that the layout lists there, from front to back.
void verifyStacking(const QWidget *form, std::span<const ControlDesign> layout)
{
    QMap<QString, QStringList> listed;
    for (const ControlDesign &design : layout)
        listed[QString::fromUtf8(design.container)].append(QString::fromUtf8(design.name));
    for (auto it = listed.cbegin(); it != listed.cend(); ++it) {
        const QObject *container = it.key().isEmpty() ? form : form->findChild<QWidget *>(it.key());
        QStringList frontToBack;
        // A container lists its children from back to front.
        for (const QObject *child : container->children()) {
            if (child->isWidgetType() && it.value().contains(child->objectName()))
                frontToBack.prepend(child->objectName());
        }
        QCOMPARE(frontToBack, it.value());
    }
}

} // namespace

void verifyLayout(const QWidget *form, std::span<const ControlDesign> layout)
{
    for (const ControlDesign &design : layout) {
        const QString name = QString::fromUtf8(design.name);
        const auto *control = form->findChild<const QWidget *>(name);
        QVERIFY2(control, qPrintable(name));
        QVERIFY2(isKind(control, design.kind), qPrintable(name));
        const QWidget *parent = control->parentWidget();
        QCOMPARE(parent == form ? QString() : parent->objectName(),
                 design.container ? QString::fromUtf8(design.container) : QString());
        // The load writes the design-time texts anew, but replaces the combo box's.
        if (design.kind != ControlKind::ComboBox)
            QCOMPARE(captionOf(control), QString::fromUtf8(design.caption));
        QCOMPARE(control->pos(), QPoint(design.left / twipsPerPixel, design.top / twipsPerPixel));
        if (!(design.flags & ControlFlag::SizedToCaption))
            QCOMPARE(control->size(),
                     QSize(design.width / twipsPerPixel, design.height / twipsPerPixel));
    }
    verifyStacking(form, layout);
}
