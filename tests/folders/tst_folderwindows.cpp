// SPDX-License-Identifier: MIT
#include "ByteNamedFolder.h"
#include "FakeFileSystem.h"
#include "FolderRows.h"
#include "FolderView.h"
#include "LocalFileSystem.h"
#include "Module1.h"
#include "Platform.h"
#include "QtPlatform.h"
#include "QtWindow.h"
#include "RecordingGeneratorStarter.h"
#include "RecordingMessageBox.h"
#include "TestFiles.h"
#include "frmLapforge1.h"
#include "frmLapforge2.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <memory>
#include <string>

namespace {

// Restores the working folder, given by bytes, even when a check fails half-way.
class StartingFolder
{
public:
    explicit StartingFolder(const std::string &folder) : m_previous(std::filesystem::current_path())
    {
        std::filesystem::current_path(folder);
    }
    ~StartingFolder() { std::filesystem::current_path(m_previous); }
    StartingFolder(const StartingFolder &) = delete;
    StartingFolder &operator=(const StartingFolder &) = delete;

private:
    std::filesystem::path m_previous;
};

FolderView *folderList(const QWidget *window, const char *name)
{
    return window->findChild<FolderView *>(QString::fromLatin1(name));
}

// Highlights the row of `folder` and opens it with Right, sent to the focused list; true
// when the row is then the highlighted, open one.
bool openByKey(FolderView *list, const QByteArray &folder)
{
    const QAbstractItemModel *rows = list->model();
    for (int row = 0; row < rows->rowCount(); ++row) {
        if (rows->index(row, 0).data(FolderRows::PathRole).toByteArray() == folder) {
            list->setFocus();
            list->setCurrentIndex(rows->index(row, 0));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
            const QModelIndex current = list->currentIndex();
            return current.data(FolderRows::PathRole).toByteArray() == folder
                && current.data(FolderRows::LevelRole).toInt() == current.row();
        }
    }
    return false;
}

// The windows on a file system of the test's choosing, shown as the program shows them.
struct Windows
{
    explicit Windows(const FileSystem &files, GeneratorStarter &generator)
        : core((Module1::setToolFolder(""), Platform {files, messages, desktop, generator}))
    {
        desktop.show(core.form());
    }

    QtWindow *tool() const { return desktop.windowOf(core.form()); }
    QtWindow *main() const
    {
        return core.mainWindow() ? desktop.windowOf(core.mainWindow()->form()) : nullptr;
    }

    RecordingMessageBox messages;
    QtDesktop desktop;
    frmLapforge1 core;
};

} // namespace

class tst_FolderWindows : public QObject
{
    Q_OBJECT

private slots:
    void namesThatAreNotTextReachTheGenerator_data();
    void namesThatAreNotTextReachTheGenerator();
    void unreadableFolderMessageCarriesItsWindowsTitle();
    void keysOpenInTheToolWindowAndEnterStillPressesOk();
    void hugeFolderOpensWithinTheBound();
};

void tst_FolderWindows::namesThatAreNotTextReachTheGenerator_data()
{
    QTest::addColumn<QByteArray>("toolName");
    QTest::addColumn<QByteArray>("outputName");
    QTest::addColumn<bool>("startInTool");

    QTest::newRow("Latin-1 and stray bytes, opened by keys")
        << QByteArray("outils \xe9t\xe9") << QByteArray("bad\xff\xfename") << false;
    QTest::newRow("one folder for both")
        << QByteArray("bad\xff\xfename") << QByteArray("bad\xff\xfename") << false;
    QTest::newRow("program started inside the tool folder")
        << QByteArray("d\xe9part") << QByteArray("sortie\x80") << true;
}

void tst_FolderWindows::namesThatAreNotTextReachTheGenerator()
{
    QFETCH(QByteArray, toolName);
    QFETCH(QByteArray, outputName);
    QFETCH(bool, startInTool);
    QTemporaryDir temp;
    QVERIFY(temp.isValid());
    const QByteArray root = QFile::encodeName(temp.path());
    const QByteArray toolFolder = root + '/' + toolName;
    const QByteArray outputFolder = root + '/' + outputName;
    const ByteNamedFolder tools(toolFolder.toStdString());
    const ByteNamedFolder output(outputFolder.toStdString());
    QVERIFY(tools.isValid() && output.isValid());
    const std::string generator = tools.path() + "/lapforge.exe";
    std::filesystem::copy_file(STANDIN_PATH, generator);
    std::filesystem::permissions(generator, std::filesystem::perms::owner_all);
    const StartingFolder start(startInTool ? tools.path() : root.toStdString());

    LocalFileSystem files;
    QtEventLoop loop;
    WatchedGenerators generators(loop);
    Windows windows(files, generators);
    QVERIFY(QTest::qWaitForWindowActive(windows.tool()));
    FolderView *toolList = folderList(windows.tool(), "Dir2");
    if (!startInTool)
        QVERIFY(openByKey(toolList, toolFolder));
    QCOMPARE(QByteArray::fromStdString(windows.core.form().folderList(2).path()), toolFolder);
    QVERIFY(toolList->currentIndex().data().toString().contains(QChar::ReplacementCharacter));
    toolList->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(QByteArray::fromStdString(Module1::toolFolder()), toolFolder + '/');

    QtWindow *main = windows.main();
    QVERIFY(main);
    QVERIFY(QTest::qWaitForWindowActive(main));
    FolderView *outputList = folderList(main, "Dir1");
    if (startInTool) {
        outputList->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    }
    QVERIFY(openByKey(outputList, outputFolder));
    main->findChild<QPushButton *>(QStringLiteral("cmdBuild"))->click();
    QVERIFY(windows.messages.shown().empty());

    const std::string outputFile = output.path() + "/new_prm";
    QTRY_VERIFY_WITH_TIMEOUT(std::filesystem::exists(outputFile), 20000);
    QTRY_COMPARE_WITH_TIMEOUT(recordedReport(outputFile), reportOf({"-o", outputFile}), 20000);
}

void tst_FolderWindows::unreadableFolderMessageCarriesItsWindowsTitle()
{
    FakeFileSystem files({"/"}, "/start");
    files.addFolder("/start/locked");
    files.makeUnreadable("/start/locked", "Permission denied");
    RecordingGeneratorStarter generator;
    Windows windows(files, generator);
    QVERIFY(QTest::qWaitForWindowActive(windows.tool()));

    QVERIFY(!openByKey(folderList(windows.tool(), "Dir2"), "/start/locked"));
    windows.tool()->findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
    QVERIFY(QTest::qWaitForWindowActive(windows.main()));
    QVERIFY(!openByKey(folderList(windows.main(), "Dir1"), "/start/locked"));

    QCOMPARE(windows.messages.shown().size(), std::size_t(2));
    QCOMPARE(windows.messages.shown().at(0).title, "Where is Lapforge?");
    QCOMPARE(windows.messages.shown().at(0).window, &windows.core.form());
    QCOMPARE(windows.messages.shown().at(1).title, "Lapforge");
    QCOMPARE(windows.messages.shown().at(1).window, &windows.core.mainWindow()->form());
}

void tst_FolderWindows::keysOpenInTheToolWindowAndEnterStillPressesOk()
{
    FakeFileSystem files({"/"}, "/start");
    files.addFolder("/start/tools/inner");
    RecordingGeneratorStarter generator;
    Windows windows(files, generator);
    QVERIFY(QTest::qWaitForWindowActive(windows.tool()));
    FolderView *list = folderList(windows.tool(), "Dir2");
    const auto highlightInner = [list] {
        const QModelIndexList rows = list->model()->match(list->model()->index(0, 0),
                                                          Qt::DisplayRole, QStringLiteral("inner"));
        QVERIFY(!rows.isEmpty());
        list->setCurrentIndex(rows.first());
    };

    QVERIFY(openByKey(list, "/start/tools"));
    highlightInner();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(windows.core.form().folderList(2).path(), "/start/tools/inner");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    QCOMPARE(windows.core.form().folderList(2).path(), "/start/tools");
    // Highlighted but not opened: Enter presses "Ok", which takes the open folder.
    highlightInner();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

    QVERIFY(windows.main());
    QCOMPARE(Module1::toolFolder(), std::string("/start/tools/"));
    QVERIFY(windows.messages.shown().empty());
}

// A folder of a hundred thousand subfolders is read, sorted and shown within the two seconds
// that any folder's read is given, so the window never freezes for longer.
void tst_FolderWindows::hugeFolderOpensWithinTheBound()
{
    // In memory where the system has it: making the folders on a disk takes far longer than
    // what is measured.
    QTemporaryDir temp(QDir(QStringLiteral("/dev/shm")).exists()
                           ? QStringLiteral("/dev/shm/lapforge-huge-XXXXXX")
                           : QDir::tempPath() + QStringLiteral("/lapforge-huge-XXXXXX"));
    QVERIFY(temp.isValid());
    const std::string huge = QFile::encodeName(temp.filePath(QStringLiteral("huge"))).toStdString();
    std::filesystem::create_directory(huge);
    for (int entry = 0; entry < 100'000; ++entry)
        std::filesystem::create_directory(huge + "/f" + std::to_string(entry));
    const StartingFolder start(temp.path().toStdString());
    QtEventLoop loop;
    LocalFileSystem files(&loop);
    RecordingGeneratorStarter generator;
    Windows windows(files, generator);
    QVERIFY(QTest::qWaitForWindowExposed(windows.tool()));
    FolderView *list = folderList(windows.tool(), "Dir2");

    QElapsedTimer clock;
    clock.start();
    QVERIFY(openByKey(list, QByteArray::fromStdString(huge)));
    list->viewport()->repaint();
    const qint64 opened = clock.elapsed();
    qInfo("opened in %lld ms", opened);
    QVERIFY(opened < 2000);
    QVERIFY(windows.messages.shown().empty());
    QCOMPARE(list->model()->rowCount(), list->currentIndex().row() + 1 + 100'000);
}

QTEST_MAIN(tst_FolderWindows)
#include "tst_folderwindows.moc"
