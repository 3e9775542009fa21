// SPDX-License-Identifier: MIT
#include "FakeFileSystem.h"
#include "FolderRows.h"
#include "FolderView.h"
#include "LayoutCheck.h"
#include "Module1.h"
#include "QtDesktop.h"
#include "QtWindow.h"
#include "RecordingGeneratorStarter.h"
#include "RecordingMessageBox.h"
#include "frmLapforge1.h"
#include "frmLapforge1Design.h"
#include "frmLapforge2.h"

#include <QAccessible>
#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

// The tool-location window on a fake machine that starts in /start, shown as the program
// shows it.
struct ToolLocation
{
    FakeFileSystem files {{"/"}, "/start"};
    RecordingMessageBox messages;
    QtDesktop desktop;
    RecordingGeneratorStarter generator;
    std::unique_ptr<frmLapforge1> core;
    QPointer<QtWindow> window;

    ToolLocation()
    {
        files.addFolder("/start/tools");
        Module1::setToolFolder("");
        core = std::make_unique<frmLapforge1>(Platform {files, messages, desktop, generator});
        desktop.show(core->form());
        window = desktop.windowOf(core->form());
        QVERIFY(QTest::qWaitForWindowActive(window));
    }

    FolderView *folders() const { return window->findChild<FolderView *>(QStringLiteral("Dir2")); }
    QPushButton *button(const char *name) const
    {
        return window->findChild<QPushButton *>(QString::fromLatin1(name));
    }
    QtWindow *mainWindow() const
    {
        return core->mainWindow() ? desktop.windowOf(core->mainWindow()->form()) : nullptr;
    }
    QString baseCommand() const
    {
        return QString::fromStdString(core->mainWindow()->commandString().text());
    }
    // Highlights the row of `name`, as a click on it would.
    void highlight(const QString &name) const
    {
        const QModelIndexList rows = folders()->model()->match(
            folders()->model()->index(0, 0), Qt::DisplayRole, name, 1, Qt::MatchExactly);
        QVERIFY(!rows.isEmpty());
        folders()->setCurrentIndex(rows.first());
    }
};

} // namespace

class tst_frmLapforge1 : public QObject
{
    Q_OBJECT

private slots:
    void layoutMatchesTheDesign();
    void folderListHasTheFocus();
    void pickersAreNamedByTheirLabel_data();
    void pickersAreNamedByTheirLabel();
    void okTakesTheOpenFolder_data();
    void okTakesTheOpenFolder();
    void enterPressesOkAndEscNothing();
    void cancelEndsWithoutMainWindow();
    void enterOnCancelPressesCancel();
    void closingTheMainWindowEndsTheProgram_data();
    void closingTheMainWindowEndsTheProgram();
};

void tst_frmLapforge1::layoutMatchesTheDesign()
{
    ToolLocation tool;
    QCOMPARE(tool.window->size(), QSize(214, 157));
    QCOMPARE(tool.window->windowTitle(), QStringLiteral("Where is Lapforge?"));
    verifyLayout(tool.window, frmLapforge1Design().controls);
    QVERIFY(tool.button("cmdOK")->isDefault());
}

void tst_frmLapforge1::folderListHasTheFocus()
{
    ToolLocation tool;
    QCOMPARE(QApplication::focusWidget(), tool.folders());
}

void tst_frmLapforge1::pickersAreNamedByTheirLabel_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::newRow("drive list") << "drvList2" << QAccessible::ComboBox;
    QTest::newRow("folder list") << "Dir2" << QAccessible::List;
}

void tst_frmLapforge1::pickersAreNamedByTheirLabel()
{
    QFETCH(QString, control);
    QFETCH(QAccessible::Role, role);
    ToolLocation tool;
    QAccessibleInterface *announced =
        QAccessible::queryAccessibleInterface(tool.window->findChild<QWidget *>(control));
    QVERIFY(announced);
    QCOMPARE(announced->role(), role);
    // A drop-down list's own name is the drive it shows; a screen reader then takes the
    // label that is its buddy.
    QString name = announced->text(QAccessible::Name);
    for (const auto &[other, relation] : announced->relations(QAccessible::Label)) {
        if (other->role() == QAccessible::StaticText)
            name = other->text(QAccessible::Name);
    }
    QCOMPARE(name, QStringLiteral("Lapforge Path:"));
}

void tst_frmLapforge1::okTakesTheOpenFolder_data()
{
    QTest::addColumn<QString>("highlight");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("base");
    QTest::newRow("untouched list: the starting folder") << "" << 0 << "/start/lapforge.exe ";
    QTest::newRow("highlighted row is not opened") << "tools" << 0 << "/start/lapforge.exe ";
    QTest::newRow("row opened by Right")
        << "tools" << int(Qt::Key_Right) << "/start/tools/lapforge.exe ";
}

void tst_frmLapforge1::okTakesTheOpenFolder()
{
    QFETCH(QString, highlight);
    QFETCH(int, key);
    QFETCH(QString, base);
    ToolLocation tool;
    if (!highlight.isEmpty())
        tool.highlight(highlight);
    if (key)
        QTest::keyClick(tool.folders(), Qt::Key(key));
    QVERIFY(!tool.mainWindow());
    QTest::mouseClick(tool.button("cmdOK"), Qt::LeftButton);
    // The main window's load already built its base command from the new tool folder.
    QVERIFY(tool.mainWindow());
    QCOMPARE(tool.baseCommand(), base);
    QVERIFY(tool.window->isHidden());
    QVERIFY(tool.mainWindow()->isVisible());
}

void tst_frmLapforge1::enterPressesOkAndEscNothing()
{
    ToolLocation tool;
    QTest::keyClick(tool.folders(), Qt::Key_Escape);
    QVERIFY(tool.window->isVisible());
    QVERIFY(!tool.mainWindow());
    QTest::keyClick(tool.folders(), Qt::Key_Return);
    QVERIFY(tool.mainWindow());
    QCOMPARE(tool.baseCommand(), QStringLiteral("/start/lapforge.exe "));
}

void tst_frmLapforge1::cancelEndsWithoutMainWindow()
{
    ToolLocation tool;
    // "Cancel" must end the program's event loop; a late exit code 1 means it did not.
    QTimer::singleShot(0, tool.button("cmdEnd"), &QPushButton::click);
    QTimer::singleShot(10'000, qApp, [] { QCoreApplication::exit(1); });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!tool.window || !tool.window->isVisible());
    QVERIFY(!tool.core->mainWindow());
}

// The focused command button takes Enter before the window's default button does.
void tst_frmLapforge1::enterOnCancelPressesCancel()
{
    ToolLocation tool;
    tool.button("cmdEnd")->setFocus();
    QTimer::singleShot(0, [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); });
    QTimer::singleShot(10'000, qApp, [] { QCoreApplication::exit(1); });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!tool.core->mainWindow());
}

void tst_frmLapforge1::closingTheMainWindowEndsTheProgram_data()
{
    QTest::addColumn<bool>("byExit");
    QTest::newRow("Exit") << true;
    QTest::newRow("title bar") << false;
}

void tst_frmLapforge1::closingTheMainWindowEndsTheProgram()
{
    QFETCH(bool, byExit);
    ToolLocation tool;
    tool.button("cmdOK")->click();
    const QPointer<QtWindow> main = tool.mainWindow();
    if (byExit) {
        auto *exit = main->findChild<QPushButton *>(QStringLiteral("cmdExit"));
        QTimer::singleShot(0, exit, &QPushButton::click);
    } else {
        QTimer::singleShot(0, main, &QWidget::close);
    }
    QTimer::singleShot(10'000, qApp, [] { QCoreApplication::exit(1); });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!main || !main->isVisible());
    QVERIFY(!tool.window || !tool.window->isVisible());
}

QTEST_MAIN(tst_frmLapforge1)
#include "tst_qttoolwindow.moc"
