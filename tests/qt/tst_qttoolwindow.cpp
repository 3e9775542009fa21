// SPDX-License-Identifier: MIT
#include "FakeFileSystem.h"
#include "FolderList.h"
#include "LayoutCheck.h"
#include "Module1.h"
#include "RecordingGeneratorStarter.h"
#include "RecordingMessageBox.h"
#include "frmLapforge1.h"
#include "frmLapforge1Layout.h"
#include "frmLapforge2.h"

#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

// The tool-location window on a fake machine that starts in /start.
struct ToolLocation
{
    FakeFileSystem files {{QStringLiteral("/")}, QStringLiteral("/start")};
    RecordingMessageBox messages;
    RecordingGeneratorStarter generator;
    std::unique_ptr<frmLapforge1> window;

    ToolLocation()
    {
        files.addFolder(QStringLiteral("/start/tools"));
        Module1::setToolFolder("");
        window = std::make_unique<frmLapforge1>(Platform {files, messages, generator});
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    FolderList *folders() const { return window->findChild<FolderList *>(QStringLiteral("Dir2")); }
    QPushButton *button(const char *name) const
    {
        return window->findChild<QPushButton *>(QString::fromLatin1(name));
    }
    QString baseCommand() const
    {
        return QString::fromStdString(window->mainWindow()->commandString().text());
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
    void closingTheMainWindowEndsTheProgram_data();
    void closingTheMainWindowEndsTheProgram();
};

void tst_frmLapforge1::layoutMatchesTheDesign()
{
    ToolLocation tool;
    QCOMPARE(tool.window->size(), QSize(214, 157));
    QCOMPARE(tool.window->windowTitle(), QStringLiteral("Where is Lapforge?"));
    verifyLayout(tool.window.get(), frmLapforge1Layout());
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
    QTest::addColumn<QString>("open");
    QTest::addColumn<QString>("highlight");
    QTest::addColumn<QString>("base");
    QTest::newRow("untouched list: the starting folder") << ""
                                                         << ""
                                                         << "/start/lapforge.exe ";
    QTest::newRow("root folder: two separators") << "/"
                                                 << ""
                                                 << "//lapforge.exe ";
    QTest::newRow("opened subfolder") << "/start/tools"
                                      << ""
                                      << "/start/tools/lapforge.exe ";
    QTest::newRow("highlighted row is not opened") << ""
                                                   << "/start/tools"
                                                   << "/start/lapforge.exe ";
}

void tst_frmLapforge1::okTakesTheOpenFolder()
{
    QFETCH(QString, open);
    QFETCH(QString, highlight);
    QFETCH(QString, base);
    ToolLocation tool;
    if (!open.isEmpty())
        QVERIFY(tool.folders()->setPath(open.toUtf8()));
    if (!highlight.isEmpty()) {
        const QList<QListWidgetItem *> rows =
            tool.folders()->findItems(QFileInfo(highlight).fileName(), Qt::MatchContains);
        QVERIFY(!rows.isEmpty());
        tool.folders()->setCurrentItem(rows.first());
    }
    QVERIFY(!tool.window->mainWindow());
    tool.button("cmdOK")->click();
    // The main window's load already built its base command from the new tool folder.
    QVERIFY(tool.window->mainWindow());
    QCOMPARE(tool.baseCommand(), base);
    QVERIFY(tool.window->isHidden());
    QVERIFY(tool.window->mainWindow()->isVisible());
}

void tst_frmLapforge1::enterPressesOkAndEscNothing()
{
    ToolLocation tool;
    QTest::keyClick(tool.folders(), Qt::Key_Escape);
    QVERIFY(tool.window->isVisible());
    QVERIFY(!tool.window->mainWindow());
    QTest::keyClick(tool.folders(), Qt::Key_Return);
    QVERIFY(tool.window->mainWindow());
    QCOMPARE(tool.baseCommand(), QStringLiteral("/start/lapforge.exe "));
}

void tst_frmLapforge1::cancelEndsWithoutMainWindow()
{
    ToolLocation tool;
    // "Cancel" must end the program's event loop; a late exit code 1 means it did not.
    QTimer::singleShot(0, tool.button("cmdEnd"), &QPushButton::click);
    QTimer::singleShot(10'000, qApp, [] { QCoreApplication::exit(1); });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!tool.window->isVisible());
    QVERIFY(!tool.window->mainWindow());
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
    frmLapforge2 *main = tool.window->mainWindow();
    if (byExit) {
        auto *exit = main->findChild<QPushButton *>(QStringLiteral("cmdExit"));
        QTimer::singleShot(0, exit, &QPushButton::click);
    } else {
        QTimer::singleShot(0, main, &QWidget::close);
    }
    QTimer::singleShot(10'000, qApp, [] { QCoreApplication::exit(1); });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!main->isVisible());
}

QTEST_MAIN(tst_frmLapforge1)
#include "tst_frmlapforge1.moc"
