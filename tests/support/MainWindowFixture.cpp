// SPDX-License-Identifier: MIT
#include "MainWindowFixture.h"

#include "FolderView.h"
#include "Module1.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleHints>
#include <QStyleOptionButton>
#include <QTest>

namespace {

QStyleOptionButton styleOptionOf(const QAbstractButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    return option;
}

bool isRadio(const QAbstractButton *button)
{
    return qobject_cast<const QRadioButton *>(button);
}

} // namespace

MainWindowFixture::MainWindowFixture(const std::string &toolFolder, const std::string &startFolder,
                                     GeneratorStarter *generator)
    : files({"/", "/media/cdrom"}, startFolder)
{
    // The tests press faster than a person does: their presses are no double clicks.
    QGuiApplication::styleHints()->setMouseDoubleClickInterval(0);
    Module1::setToolFolder(toolFolder);
    core = std::make_unique<frmLapforge2>(
        Platform {files, messages, desktop, generator ? *generator : recorder});
    window = std::make_unique<QtWindow>(core->form());
}

MainWindowFixture::~MainWindowFixture() = default;

QRadioButton *MainWindowFixture::option(const QString &name) const
{
    return control<QRadioButton>(name);
}

QLineEdit *MainWindowFixture::box(const QString &name) const
{
    return control<QLineEdit>(name);
}

QCheckBox *MainWindowFixture::check(const QString &name) const
{
    return control<QCheckBox>(name);
}

FolderView *MainWindowFixture::folders() const
{
    return control<FolderView>(QStringLiteral("Dir1"));
}

FolderList &MainWindowFixture::folderList() const
{
    return core->form().folderList(core->form().indexOf("Dir1"));
}

void MainWindowFixture::type(const QString &name, const QString &text) const
{
    box(name)->setText(text);
}

void MainWindowFixture::paste(const QString &name, const QString &text) const
{
    QGuiApplication::clipboard()->setText(text);
    QLineEdit *target = box(name);
    target->selectAll();
    QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
}

void MainWindowFixture::make() const
{
    control<QPushButton>(QStringLiteral("cmdBuild"))->click();
}

void MainWindowFixture::reset() const
{
    control<QPushButton>(QStringLiteral("cmdReset"))->click();
}

QString MainWindowFixture::shown() const
{
    return box(QStringLiteral("txtOutput"))->text();
}

QString MainWindowFixture::commandText() const
{
    return QString::fromStdString(core->commandString().text());
}

QStringList MainWindowFixture::chosen() const
{
    QStringList names;
    for (const QRadioButton *button : window->findChildren<QRadioButton *>()) {
        if (button->isChecked())
            names.append(button->objectName());
    }
    names.sort();
    return names;
}

QPoint MainWindowFixture::markOf(const QAbstractButton *button) const
{
    const QStyleOptionButton option = styleOptionOf(button);
    const QRect mark = button->style()->subElementRect(
        isRadio(button) ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &option,
        button);
    return button->mapTo(window.get(), (mark & button->rect()).center());
}

QPoint MainWindowFixture::captionOf(const QAbstractButton *button) const
{
    const QStyleOptionButton option = styleOptionOf(button);
    const QRect contents = button->style()->subElementRect(
        isRadio(button) ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &option,
        button);
    // The caption is drawn from the left of its room, centred in height.
    const int textWidth = button->fontMetrics().horizontalAdvance(button->text());
    return button->mapTo(window.get(),
                         QPoint(contents.left() + textWidth / 2, contents.center().y()));
}

void MainWindowFixture::clickAt(QPoint point) const
{
    QWidget *hit = window->childAt(point);
    if (!hit)
        qFatal("nothing at %d, %d", point.x(), point.y());
    QTest::mouseClick(hit, Qt::LeftButton, {}, hit->mapFrom(window.get(), point));
}
