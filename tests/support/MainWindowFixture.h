// SPDX-License-Identifier: MIT
#pragma once

#include "FakeFileSystem.h"
#include "QtDesktop.h"
#include "QtWindow.h"
#include "RecordingGeneratorStarter.h"
#include "RecordingMessageBox.h"
#include "frmLapforge2.h"

#include <QStringList>

#include <memory>
#include <string>

class FolderView;
class QAbstractButton;
class QCheckBox;
class QLineEdit;
class QRadioButton;

// The main window as Qt shows it, on a fake machine with the drives "/" and "/media/cdrom",
// whose output folder list starts at `startFolder`. Starts are recorded unless `generator`
// is given. The window is made but not shown.
struct MainWindowFixture
{
    explicit MainWindowFixture(const std::string &toolFolder = "/tools",
                               const std::string &startFolder = "/tracks",
                               GeneratorStarter *generator = nullptr);
    ~MainWindowFixture();

    template<typename T = QWidget>
    T *control(const QString &name) const
    {
        T *found = window->findChild<T *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }

    QRadioButton *option(const QString &name) const;
    QLineEdit *box(const QString &name) const;
    QCheckBox *check(const QString &name) const;
    FolderView *folders() const;
    FolderList &folderList() const;

    void type(const QString &name, const QString &text) const;
    // Pasted as a user would, so the box's own handling of line breaks takes part.
    void paste(const QString &name, const QString &text) const;
    void make() const;
    void reset() const;

    // Where a user aims at a check box or option button, in window coordinates: the middle
    // of its mark, and the middle of its caption.
    QPoint markOf(const QAbstractButton *button) const;
    QPoint captionOf(const QAbstractButton *button) const;
    // A click where the user clicks: at `point` in window coordinates, on the control that
    // lies in front there.
    void clickAt(QPoint point) const;

    QString shown() const;
    QString commandText() const;
    // The names of the chosen option buttons, sorted.
    QStringList chosen() const;

    FakeFileSystem files;
    RecordingMessageBox messages;
    QtDesktop desktop;
    RecordingGeneratorStarter recorder;
    std::unique_ptr<frmLapforge2> core;
    std::unique_ptr<QtWindow> window;
};
