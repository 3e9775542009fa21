// SPDX-License-Identifier: MIT
#include "DriveCombo.h"
#include "FolderRows.h"
#include "FolderView.h"
#include "LocalFileSystem.h"
#include "Module1.h"
#include "MountNamespace.h"
#include "Platform.h"
#include "QtDesktop.h"
#include "QtEventLoop.h"
#include "QtWindow.h"
#include "RecordingGeneratorStarter.h"
#include "RecordingMessageBox.h"
#include "frmLapforge1.h"
#include "frmLapforge2.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>

#include <unistd.h>

namespace {

const char *const pickAndQuit = "--pick-drive-then-quit";

std::string mountFolder(int number)
{
    char name[32];
    std::snprintf(name, sizeof name, "/mnt/m%04d", number);
    return name;
}

// Both windows on the real machine, as the program builds them.
struct Windows
{
    Windows() : files(&loop)
    {
        Module1::setToolFolder("");
        core = std::make_unique<frmLapforge1>(Platform {files, messages, desktop, generator});
        desktop.show(core->form());
    }

    QtWindow *tool() const { return desktop.windowOf(core->form()); }
    Form &formOf(const QWidget *window) const
    {
        return window == tool() ? core->form() : core->mainWindow()->form();
    }
    DriveList &drives(const QWidget *window) const
    {
        Form &form = formOf(window);
        return form.driveList(form.indexOf(window == tool() ? "drvList2" : "drvList1"));
    }
    FolderList &folders(const QWidget *window) const
    {
        Form &form = formOf(window);
        return form.folderList(form.indexOf(window == tool() ? "Dir2" : "Dir1"));
    }
    DriveCombo *driveCombo(const QWidget *window) const
    {
        return window->findChild<DriveCombo *>(window == tool() ? QStringLiteral("drvList2")
                                                                : QStringLiteral("drvList1"));
    }
    QtWindow *openMain() const
    {
        tool()->findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
        return core->mainWindow() ? desktop.windowOf(core->mainWindow()->form()) : nullptr;
    }

    QtEventLoop loop;
    LocalFileSystem files;
    RecordingMessageBox messages;
    QtDesktop desktop;
    RecordingGeneratorStarter generator;
    std::unique_ptr<frmLapforge1> core;
};

bool lists(const DriveList &drives, const std::string &drive)
{
    const std::vector<std::string> texts = drives.driveTexts();
    return std::find(texts.begin(), texts.end(), drive) != texts.end();
}

// Picks the drive in its list, as a user does.
void pick(DriveCombo *drives, const std::string &drive)
{
    drives->setCurrentIndex(drives->findData(QByteArray::fromStdString(drive)));
}

// The child's part: both windows, a drive picked in the first, then "Cancel".
int pickDriveThenQuit(int argc, char **argv)
{
    QApplication app(argc, argv);
    Windows windows;
    pick(windows.driveCombo(windows.tool()), argv[2]);
    std::printf("messages: %d\n", int(windows.messages.shown().size()));
    std::fflush(stdout);
    QTimer::singleShot(0, windows.tool()->findChild<QPushButton *>(QStringLiteral("cmdEnd")),
                       &QPushButton::click);
    return QApplication::exec();
}

} // namespace

class tst_Mounts : public QObject
{
    Q_OBJECT

public:
    explicit tst_Mounts(std::string refusal) : m_refusal(std::move(refusal)) { }

private slots:
    void initTestCase();
    void init();
    void aThousandMountsAreListedAndFollowed();
    void silentFuseMountIsReportedAndTheProgramStillEnds();
    void cleanup();

private:
    std::string m_refusal;
    int m_fuse = -1;
};

void tst_Mounts::initTestCase()
{
    if (!m_refusal.empty())
        QSKIP(qPrintable(QStringLiteral("No private mount namespace: %1")
                             .arg(QString::fromStdString(m_refusal))));
}

void tst_Mounts::init()
{
    QVERIFY(MountNamespace::resetScratch());
}

void tst_Mounts::aThousandMountsAreListedAndFollowed()
{
    constexpr int mounts = 1000;
    for (int number = 0; number < mounts; ++number)
        QVERIFY2(MountNamespace::mountTmpfs(mountFolder(number)), strerror(errno));
    std::filesystem::current_path(mountFolder(7));
    QVERIFY(std::filesystem::create_directory(mountFolder(500) + "/tracks"));

    Windows windows;
    QVERIFY(QTest::qWaitForWindowExposed(windows.tool()));
    QtWindow *main = windows.openMain();
    QVERIFY(main);
    QVERIFY(QTest::qWaitForWindowExposed(main));

    for (const QWidget *window :
         {static_cast<const QWidget *>(windows.tool()), static_cast<const QWidget *>(main)}) {
        const DriveList &drives = windows.drives(window);
        for (int number = 0; number < mounts; ++number)
            QVERIFY(lists(drives, mountFolder(number)));
        QCOMPARE(drives.drive(), mountFolder(7));
        QCOMPARE(windows.driveCombo(window)->count(), int(drives.drives().size()));

        pick(windows.driveCombo(window), mountFolder(500));
        QCOMPARE(windows.folders(window).path(), mountFolder(500));
        QCOMPARE(windows.folders(window).rowCount(), std::size_t(4));
        pick(windows.driveCombo(window), "/");
        QCOMPARE(windows.folders(window).path(), std::string("/"));
    }
    QVERIFY(windows.messages.shown().empty());

    // Mounts made and removed while the window is open show once the list is opened.
    QVERIFY(MountNamespace::mountTmpfs("/mnt/late"));
    QVERIFY(MountNamespace::unmount(mountFolder(3)));
    DriveCombo *drives = windows.driveCombo(main);
    drives->showPopup();
    QVERIFY(lists(windows.drives(main), "/mnt/late"));
    QVERIFY(!lists(windows.drives(main), mountFolder(3)));
    QVERIFY(drives->findData(QByteArray("/mnt/late")) >= 0);
    drives->hidePopup();
}

void tst_Mounts::silentFuseMountIsReportedAndTheProgramStillEnds()
{
    m_fuse = MountNamespace::mountSilentFuse("/mnt/silent");
    if (m_fuse < 0)
        QSKIP(qPrintable(
            QStringLiteral("No FUSE mount: %1").arg(QString::fromLocal8Bit(strerror(errno)))));
    QVERIFY(std::filesystem::create_directory("/mnt/tracks"));
    std::filesystem::current_path("/mnt/tracks");
    const QByteArray silent("/mnt/silent");

    Windows windows;
    QVERIFY(QTest::qWaitForWindowExposed(windows.tool()));
    QtWindow *main = windows.openMain();
    QVERIFY(main);
    QVERIFY(QTest::qWaitForWindowExposed(main));
    const std::string timedOut = std::strerror(ETIMEDOUT);

    std::size_t expected = 0;
    for (const QWidget *window :
         {static_cast<const QWidget *>(windows.tool()), static_cast<const QWidget *>(main),
          static_cast<const QWidget *>(main)}) {
        QVERIFY(lists(windows.drives(window), silent.toStdString()));
        QElapsedTimer clock;
        clock.start();
        pick(windows.driveCombo(window), silent.toStdString());
        qInfo("the silent drive was given up after %lld ms", clock.elapsed());
        // Beyond the two seconds of the wait, yet well below a bound ten times as long: a
        // dead mount must not freeze the picker for longer.
        QVERIFY(clock.elapsed() < 10'000);
        QCOMPARE(windows.messages.shown().size(), ++expected);
        const RecordingMessageBox::Message &message = windows.messages.shown().back();
        QCOMPARE(message.title, timedOut);
        QCOMPARE(message.text, std::string("Access denied!. Please check drive /mnt/silent/"));
        QCOMPARE(message.window, &windows.formOf(window));
        QCOMPARE(windows.drives(window).drive(), std::string("/mnt"));
        QCOMPARE(windows.folders(window).path(), std::string("/mnt/tracks"));
    }

    // Opened as a folder, it gets the folder message, and the list stays where it was.
    auto *folders = main->findChild<FolderView *>(QStringLiteral("Dir1"));
    folders->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    QCOMPARE(windows.folders(main).path(), std::string("/mnt"));
    const QModelIndexList rows = folders->model()->match(folders->model()->index(0, 0),
                                                         Qt::DisplayRole, QStringLiteral("silent"));
    QVERIFY(!rows.isEmpty());
    folders->setCurrentIndex(rows.first());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QCOMPARE(windows.folders(main).path(), std::string("/mnt"));
    QCOMPARE(windows.messages.shown().size(), ++expected);
    QCOMPARE(windows.messages.shown().back().title, std::string("Lapforge"));
    QVERIFY(windows.messages.shown().back().text.find(timedOut) != std::string::npos);

    // A program whose folder read is stuck for good still ends when asked to.
    QProcess child;
    child.setProgram(QCoreApplication::applicationFilePath());
    child.setArguments({QString::fromLatin1(pickAndQuit), QString::fromLatin1(silent)});
    // LeakSanitizer stops every thread before its check at exit, and a thread waiting in the
    // kernel for a FUSE answer never stops: under it the program would hang there.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ASAN_OPTIONS"),
                       environment.value(QStringLiteral("ASAN_OPTIONS"))
                           + QStringLiteral(":detect_leaks=0"));
    child.setProcessEnvironment(environment);
    QElapsedTimer clock;
    clock.start();
    child.start();
    QVERIFY(child.waitForStarted());
    const bool ended = child.waitForFinished(60'000);
    if (!ended)
        child.kill();
    qInfo("the program ended %lld ms after it started", clock.elapsed());
    QVERIFY2(ended, "the program hung on its stuck folder read");
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
    QCOMPARE(child.readAllStandardOutput().trimmed(), QByteArray("messages: 1"));
}

void tst_Mounts::cleanup()
{
    std::filesystem::current_path("/");
    if (m_fuse >= 0) {
        // Closing the server's end fails every waiting request, so stuck reads end too.
        close(m_fuse);
        m_fuse = -1;
    }
}

int main(int argc, char **argv)
{
    if (argc == 3 && std::strcmp(argv[1], pickAndQuit) == 0)
        return pickDriveThenQuit(argc, argv);
    // Before QApplication: the namespace is entered by this thread alone.
    const std::string refusal = MountNamespace::enter();
    QApplication app(argc, argv);
    tst_Mounts test(refusal);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mounts.moc"
