// SPDX-License-Identifier: MIT
#include "DriveList.h"
#include "FolderList.h"
#include "LocalFileSystem.h"
#include "Module1.h"
#include "MountNamespace.h"
#include "Platform.h"
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
    explicit Windows(std::chrono::milliseconds answerLimit = std::chrono::seconds(2))
        : files(answerLimit)
    {
        Module1::setToolFolder("");
        tool = std::make_unique<frmLapforge1>(Platform {files, messages, generator});
        tool->show();
    }

    DriveList *drives(const QWidget *window) const
    {
        return window->findChild<DriveList *>(window == tool.get() ? QStringLiteral("drvList2")
                                                                   : QStringLiteral("drvList1"));
    }
    FolderList *folders(const QWidget *window) const
    {
        return window->findChild<FolderList *>(window == tool.get() ? QStringLiteral("Dir2")
                                                                    : QStringLiteral("Dir1"));
    }
    frmLapforge2 *openMain() const
    {
        tool->findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
        return tool->mainWindow();
    }

    LocalFileSystem files;
    RecordingMessageBox messages;
    RecordingGeneratorStarter generator;
    std::unique_ptr<frmLapforge1> tool;
};

void pick(DriveList *drives, const std::string &drive)
{
    drives->setCurrentIndex(drives->findData(QByteArray::fromStdString(drive)));
}

// The child's part: both windows, a drive picked in the first, then "Cancel".
int pickDriveThenQuit(int argc, char **argv)
{
    QApplication app(argc, argv);
    Windows windows;
    pick(windows.drives(windows.tool.get()), argv[2]);
    std::printf("messages: %d\n", int(windows.messages.shown().size()));
    std::fflush(stdout);
    QTimer::singleShot(0, windows.tool->findChild<QPushButton *>(QStringLiteral("cmdEnd")),
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
    QVERIFY(QTest::qWaitForWindowExposed(windows.tool.get()));
    frmLapforge2 *main = windows.openMain();
    QVERIFY(main);
    QVERIFY(QTest::qWaitForWindowExposed(main));

    for (const QWidget *window :
         {static_cast<const QWidget *>(windows.tool.get()), static_cast<const QWidget *>(main)}) {
        DriveList *drives = windows.drives(window);
        const QByteArrayList listed = drives->drives();
        for (int number = 0; number < mounts; ++number)
            QVERIFY(listed.contains(QByteArray::fromStdString(mountFolder(number))));
        QCOMPARE(drives->drive(), QByteArray::fromStdString(mountFolder(7)));

        pick(drives, mountFolder(500));
        QCOMPARE(windows.folders(window)->path(), QByteArray::fromStdString(mountFolder(500)));
        QCOMPARE(windows.folders(window)->count(), 4);
        pick(drives, "/");
        QCOMPARE(windows.folders(window)->path(), QByteArray("/"));
    }
    QVERIFY(windows.messages.shown().isEmpty());

    // Mounts made and removed while the window is open show once the list is opened.
    QVERIFY(MountNamespace::mountTmpfs("/mnt/late"));
    QVERIFY(MountNamespace::unmount(mountFolder(3)));
    DriveList *drives = windows.drives(main);
    drives->showPopup();
    QVERIFY(drives->drives().contains("/mnt/late"));
    QVERIFY(!drives->drives().contains(QByteArray::fromStdString(mountFolder(3))));
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
    QVERIFY(QTest::qWaitForWindowExposed(windows.tool.get()));
    frmLapforge2 *main = windows.openMain();
    QVERIFY(main);
    QVERIFY(QTest::qWaitForWindowExposed(main));
    const QString timedOut = QString::fromLocal8Bit(std::strerror(ETIMEDOUT));

    int expected = 0;
    for (const QWidget *window :
         {static_cast<const QWidget *>(windows.tool.get()), static_cast<const QWidget *>(main),
          static_cast<const QWidget *>(main)}) {
        DriveList *drives = windows.drives(window);
        QVERIFY(drives->drives().contains(silent));
        QElapsedTimer clock;
        clock.start();
        pick(drives, silent.toStdString());
        qInfo("the silent drive was given up after %lld ms", clock.elapsed());
        // Far beyond the two seconds of the wait, far below "forever".
        QVERIFY(clock.elapsed() < 30'000);
        QCOMPARE(windows.messages.shown().size(), ++expected);
        const RecordingMessageBox::Message &message = windows.messages.shown().last();
        QCOMPARE(message.title, timedOut);
        QCOMPARE(message.text, QStringLiteral("Access denied!. Please check drive /mnt/silent/"));
        QCOMPARE(message.parent.data(), window);
        QCOMPARE(drives->drive(), QByteArray("/mnt"));
        QCOMPARE(windows.folders(window)->path(), QByteArray("/mnt/tracks"));
    }

    // Opened as a folder, it gets the folder message, and the list stays where it was.
    FolderList *folders = windows.folders(main);
    folders->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    QCOMPARE(folders->path(), QByteArray("/mnt"));
    folders->setCurrentItem(folders->findItems(QStringLiteral("silent"), Qt::MatchExactly).first());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QCOMPARE(folders->path(), QByteArray("/mnt"));
    QCOMPARE(windows.messages.shown().size(), ++expected);
    QCOMPARE(windows.messages.shown().last().title, QStringLiteral("Lapforge"));
    QVERIFY(windows.messages.shown().last().text.contains(timedOut));

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
