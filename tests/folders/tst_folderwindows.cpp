// SPDX-License-Identifier: MIT
#include "ByteNamedFolder.h"
#include "FakeFileSystem.h"
#include "FolderList.h"
#include "LocalFileSystem.h"
#include "Module1.h"
#include "Platform.h"
#include "RecordingGeneratorStarter.h"
#include "RecordingMessageBox.h"
#include "TestFiles.h"
#include "frmLapforge1.h"
#include "frmLapforge2.h"

#include <QApplication>
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

FolderList *folderList(const QWidget *window, const char *name)
{
    return window->findChild<FolderList *>(QString::fromLatin1(name));
}

// Highlights the row of `folder` and opens it with Right, sent to the focused list.
bool openByKey(FolderList *list, const QByteArray &folder)
{
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->data(FolderList::PathRole).toByteArray() == folder) {
            list->setFocus();
            list->setCurrentRow(row);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
            return list->path() == folder;
        }
    }
    return false;
}

} // namespace

class tst_FolderWindows : public QObject
{
    Q_OBJECT

private slots:
    void namesThatAreNotTextReachTheGenerator_data();
    void namesThatAreNotTextReachTheGenerator();
    void unreadableFolderMessageCarriesItsWindowsTitle();
    void keysOpenInTheToolWindowAndEnterStillPressesOk();
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
#ifdef Q_OS_WIN
    QSKIP("Windows names are UTF-16 and always decode.");
#else
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
    RecordingMessageBox messages;
    Module1::setToolFolder("");
    frmLapforge1 tool(Platform {files, messages, localPlatform().generator});
    tool.show();
    QVERIFY(QTest::qWaitForWindowActive(&tool));
    FolderList *toolList = folderList(&tool, "Dir2");
    if (startInTool)
        QCOMPARE(toolList->path(), toolFolder);
    else
        QVERIFY(openByKey(toolList, toolFolder));
    QVERIFY(toolList->currentItem()->text().contains(QChar::ReplacementCharacter));
    toolList->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(QByteArray::fromStdString(Module1::toolFolder()), toolFolder + '/');

    frmLapforge2 *main = tool.mainWindow();
    QVERIFY(main);
    QVERIFY(QTest::qWaitForWindowActive(main));
    FolderList *outputList = folderList(main, "Dir1");
    if (startInTool) {
        outputList->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    }
    QVERIFY(openByKey(outputList, outputFolder));
    main->findChild<QPushButton *>(QStringLiteral("cmdBuild"))->click();
    QVERIFY(messages.shown().isEmpty());

    const std::string outputFile = output.path() + "/new_prm";
    QTRY_VERIFY_WITH_TIMEOUT(std::filesystem::exists(outputFile), 20000);
    QTRY_COMPARE_WITH_TIMEOUT(recordedReport(outputFile), reportOf({"-o", outputFile}), 20000);
#endif
}

void tst_FolderWindows::unreadableFolderMessageCarriesItsWindowsTitle()
{
    FakeFileSystem files({QStringLiteral("/")}, QStringLiteral("/start"));
    files.addFolder(QStringLiteral("/start/locked"));
    files.makeUnreadable(QStringLiteral("/start/locked"), QStringLiteral("Permission denied"));
    RecordingMessageBox messages;
    RecordingGeneratorStarter generator;
    Module1::setToolFolder("");
    frmLapforge1 tool(Platform {files, messages, generator});
    tool.show();
    QVERIFY(QTest::qWaitForWindowActive(&tool));

    QVERIFY(!openByKey(folderList(&tool, "Dir2"), "/start/locked"));
    tool.findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
    QVERIFY(QTest::qWaitForWindowActive(tool.mainWindow()));
    QVERIFY(!openByKey(folderList(tool.mainWindow(), "Dir1"), "/start/locked"));

    QCOMPARE(messages.shown().size(), 2);
    QCOMPARE(messages.shown().at(0).title, QStringLiteral("Where is Lapforge?"));
    QCOMPARE(messages.shown().at(0).parent.data(), &tool);
    QCOMPARE(messages.shown().at(1).title, QStringLiteral("Lapforge"));
    QCOMPARE(messages.shown().at(1).parent.data(), tool.mainWindow());
}

void tst_FolderWindows::keysOpenInTheToolWindowAndEnterStillPressesOk()
{
    FakeFileSystem files({QStringLiteral("/")}, QStringLiteral("/start"));
    files.addFolder(QStringLiteral("/start/tools/inner"));
    RecordingMessageBox messages;
    RecordingGeneratorStarter generator;
    Module1::setToolFolder("");
    frmLapforge1 tool(Platform {files, messages, generator});
    tool.show();
    QVERIFY(QTest::qWaitForWindowActive(&tool));
    FolderList *list = folderList(&tool, "Dir2");

    QVERIFY(openByKey(list, "/start/tools"));
    list->setCurrentItem(list->findItems(QStringLiteral("inner"), Qt::MatchExactly).first());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(list->path(), QByteArray("/start/tools/inner"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    QCOMPARE(list->path(), QByteArray("/start/tools"));
    // Highlighted but not opened: Enter presses "Ok", which takes the open folder.
    list->setCurrentItem(list->findItems(QStringLiteral("inner"), Qt::MatchExactly).first());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

    QVERIFY(tool.mainWindow());
    QCOMPARE(Module1::toolFolder(), std::string("/start/tools/"));
    QVERIFY(messages.shown().isEmpty());
}

QTEST_MAIN(tst_FolderWindows)
#include "tst_folderwindows.moc"
