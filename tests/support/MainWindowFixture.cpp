// SPDX-License-Identifier: MIT
#include "MainWindowFixture.h"

#include "FolderList.h"
#include "Module1.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

MainWindowFixture::MainWindowFixture(const QString &toolFolder, const QString &startFolder,
                                     GeneratorStarter *generator)
    : files({QStringLiteral("/"), QStringLiteral("/media/cdrom")}, startFolder)
{
    Module1::setToolFolder(toolFolder.toStdString());
    window = std::make_unique<frmLapforge2>(
        Platform {files, messages, generator ? *generator : recorder});
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

FolderList *MainWindowFixture::folders() const
{
    return control<FolderList>(QStringLiteral("Dir1"));
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
    return QString::fromStdString(window->commandString().text());
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
