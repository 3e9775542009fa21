// SPDX-License-Identifier: MIT
#include "MainWindowFixture.h"
#include "Module1.h"
#include "Platform.h"
#include "ProcessChecks.h"
#include "QtDesktop.h"
#include "QtEventLoop.h"
#include "QtMessageBox.h"
#include "QtWindow.h"
#include "WarningBox.h"
#include "WatchedGenerators.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cerrno>
#include <cstring>

#include <sched.h>
#include <spawn.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

constexpr int patience = 30000; // milliseconds; a generator that takes longer has hung

// Whether a core is dumped is the machine's choice (its core_pattern, the hard limit on core
// files), so this row is first tried outside the window, to see that it tells anything apart.
const char coreDumpRow[] = "crashed, dumping core";

bool writeScript(const QString &path, const QByteArray &body)
{
    QFile script(path);
    if (!script.open(QIODevice::WriteOnly))
        return false;
    script.write("#!/bin/sh\n" + body + '\n');
    script.close();
    return script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QStringList texts(const RecordingMessageBox &messages)
{
    QStringList shown;
    for (const RecordingMessageBox::Message &message : messages.shown()) {
        if (message.icon == RecordingMessageBox::Message::Icon::Warning)
            shown.append(QString::fromStdString(message.whole()));
    }
    return shown;
}

// A read-only folder needs a bind mount, in a mount namespace of this process's own so that
// nothing outside sees it; that takes root.
QString makeReadOnly(const QString &folder)
{
    const QByteArray path = QFile::encodeName(folder);
    if (unshare(CLONE_NEWNS) != 0
        || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    if (mount(path.constData(), path.constData(), nullptr, MS_BIND, nullptr) != 0
        || mount(nullptr, path.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr)
            != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    return {};
}

// Runs the script directly and waits for it: true when it crashed and dumped core.
bool dumpsCore(const QString &script)
{
    QByteArray path = QFile::encodeName(script);
    char *argv[] = {path.data(), nullptr};
    pid_t child = 0;
    if (posix_spawn(&child, path.constData(), nullptr, nullptr, argv, environ) != 0)
        return false;
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) { }
    return WIFSIGNALED(status) && WCOREDUMP(status);
}

} // namespace

class tst_GeneratorWatch : public QObject
{
    Q_OBJECT

private slots:
    void failedRunIsWarnedOnce_data();
    void failedRunIsWarnedOnce();
    void everyFailureOfOverlappingRunsIsWarned();
    void endFoundAtTheNextStartIsWarnedFromTheLoop();
    void warningsLeaveTheWindowUsable();
    void tallWarningFitsTheScreen_data();
    void tallWarningFitsTheScreen();
    void markupIsShownAsText();
};

void tst_GeneratorWatch::failedRunIsWarnedOnce_data()
{
    QTest::addColumn<QByteArray>("generator"); // the script; empty: the stand-in itself
    QTest::addColumn<QString>("outputFolder"); // under the test's folder
    QTest::addColumn<QString>("message"); // "%1": the tool folder, "%2": the test's folder

    const QByteArray standin = QByteArray(STANDIN_PATH);
    QTest::newRow("success") << QByteArray() << "tracks" << QString();
    QTest::newRow("read-only output folder")
        << QByteArray() << "read-only"
        << "%1/lapforge.exe ended with exit status 1. The end of its error output:\n\n"
           "lapforge: cannot write %2/read-only/new_prm: Read-only file system";
    QTest::newRow("output folder is a file")
        << QByteArray() << "a file"
        << "%1/lapforge.exe ended with exit status 1. The end of its error output:\n\n"
           "lapforge: cannot write %2/a file/new_prm: Not a directory";
    QTest::newRow("arguments refused")
        << "exec '" + standin + "' -q \"$@\""
        << "tracks"
        << "%1/lapforge.exe ended with exit status 2. The end of its error output:\n\n"
           "lapforge: \"-q\" (argument 1): unknown, repeated or out of order\n"
           "usage: lapforge [-l|-r -9|-U|-S|-O N] [-b|-t|-d N] [-c N] [-h N] [-x N] [-w|-n|-s] "
           "[-m I] [-p I] [-f] -o PATH";
    QTest::newRow("killed by a signal")
        << QByteArray("echo 'out of memory' >&2\nkill -KILL $$") << "tracks"
        << "%1/lapforge.exe ended with signal 9 (Killed). The end of its error output:\n\n"
           "out of memory";
    QTest::newRow("killed without a word")
        << QByteArray("kill -SEGV $$") << "tracks"
        << "%1/lapforge.exe ended with signal 11 (Segmentation fault) and wrote no error output.";
    // The core, if written to a file, lands in the tool folder, which goes with the test.
    QTest::newRow(coreDumpRow)
        << QByteArray("ulimit -c \"$(ulimit -H -c)\"\ncd \"${0%/*}\"\nkill -SEGV $$") << "tracks"
        << "%1/lapforge.exe ended with signal 11 (Segmentation fault) and wrote no error output.";
    QTest::newRow("error output of blanks only")
        << QByteArray("printf ' \\n\\t \\r\\n\\n' >&2\nexit 3") << "tracks"
        << "%1/lapforge.exe ended with exit status 3 and wrote no error output.";
}

void tst_GeneratorWatch::failedRunIsWarnedOnce()
{
    QFETCH(QByteArray, generator);
    QFETCH(QString, outputFolder);
    QFETCH(QString, message);
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString toolFolder = root.filePath(QStringLiteral("tools"));
    QVERIFY(QDir().mkpath(toolFolder));
    QVERIFY(QDir().mkpath(root.filePath(QStringLiteral("tracks"))));
    QVERIFY(QDir().mkpath(root.filePath(QStringLiteral("read-only"))));
    const QByteArray readOnly = QFile::encodeName(root.filePath(QStringLiteral("read-only")));
    const auto unmount = qScopeGuard([&readOnly] { umount(readOnly.constData()); });
    if (outputFolder == QLatin1String("read-only")) {
        if (const QString refused = makeReadOnly(root.filePath(outputFolder)); !refused.isEmpty())
            QSKIP(qPrintable(QStringLiteral("no read-only bind mount here: ") + refused));
    }
    QFile file(root.filePath(QStringLiteral("a file")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const QString program = toolFolder + QStringLiteral("/lapforge.exe");
    if (generator.isEmpty())
        QVERIFY(QFile::copy(QStringLiteral(STANDIN_PATH), program));
    else
        QVERIFY(writeScript(program, generator));
    if (QByteArray(QTest::currentDataTag()) == coreDumpRow && !dumpsCore(program))
        QSKIP("a crash here dumps no core");

    QtEventLoop loop;
    WatchedGenerators starter(loop);
    MainWindowFixture main(toolFolder.toStdString(), root.filePath(outputFolder).toStdString(),
                           &starter);
    main.make();
    QVERIFY(main.messages.shown().empty());
    QVERIFY(!main.shown().isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(starter.unreported(), std::size_t(0), patience);

    const QStringList expected = message.isEmpty()
        ? QStringList()
        : QStringList {QString(message)
                           .replace(QStringLiteral("%1"), toolFolder)
                           .replace(QStringLiteral("%2"), root.path())};
    QCOMPARE(texts(main.messages), expected);
    QCOMPARE(qsizetype(main.messages.shown().size()), expected.size());
    for (const RecordingMessageBox::Message &shown : main.messages.shown()) {
        QCOMPARE(shown.window, &main.core->form());
        QCOMPARE(shown.title, std::string("Lapforge"));
    }
}

// The generators wait at a gate until all have started, so all twenty run at once.
void tst_GeneratorWatch::everyFailureOfOverlappingRunsIsWarned()
{
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString gate = root.filePath(QStringLiteral("gate"));
    QVERIFY(writeScript(root.filePath(QStringLiteral("lapforge.exe")),
                        "for last; do :; done\n"
                        "while [ ! -e '"
                            + QFile::encodeName(gate)
                            + "' ]; do sleep 0.05; done\n"
                              "case \"$last\" in */fail*) echo \"cannot make ${last##*/}\" >&2; "
                              "exit 1;; esac"));
    QtEventLoop loop;
    WatchedGenerators starter(loop);
    MainWindowFixture main(root.path().toStdString(), "/tracks", &starter);
    const std::vector<int> descriptorsBefore = openDescriptors();

    QStringList expected;
    for (int run = 0; run < 20; ++run) {
        const bool fails = run % 4 == 1;
        const QString name = QString::fromLatin1(fails ? "fail-%1" : "ok-%1").arg(run);
        if (fails)
            expected.append(
                root.path()
                + QStringLiteral("/lapforge.exe ended with exit status 1. The end of its error "
                                 "output:\n\ncannot make ")
                + name);
        main.type(QStringLiteral("txtOutFile"), name);
        main.make();
        QVERIFY(main.shown().endsWith(u'/' + name));
    }
    QCOMPARE(starter.unreported(), std::size_t(20));
    QFile(gate).open(QIODevice::WriteOnly);
    QTRY_COMPARE_WITH_TIMEOUT(starter.unreported(), std::size_t(0), patience);

    QStringList warned = texts(main.messages);
    warned.sort();
    expected.sort();
    QCOMPARE(warned, expected);
    QCOMPARE(main.messages.shown().size(), std::size_t(5));
    QVERIFY(hasNoChildToReap());
    QVERIFY(childProcesses().empty());
    QVERIFY(openDescriptors() == descriptorsBefore);
}

// A press that comes before the event loop has seen the last generator end collects that end
// itself; the warning still comes from the event loop, once.
void tst_GeneratorWatch::endFoundAtTheNextStartIsWarnedFromTheLoop()
{
    QTemporaryDir root;
    QVERIFY(root.isValid());
    QVERIFY(writeScript(root.filePath(QStringLiteral("lapforge.exe")),
                        "for last; do :; done\n"
                        "case \"$last\" in */fail*) echo \"cannot make ${last##*/}\" >&2; "
                        "exit 1;; esac"));
    QtEventLoop loop;
    WatchedGenerators starter(loop);
    MainWindowFixture main(root.path().toStdString(), "/tracks", &starter);

    main.type(QStringLiteral("txtOutFile"), QStringLiteral("fail-1"));
    main.make();
    // Waits for the end without collecting it and without running the event loop.
    siginfo_t ended = {};
    QCOMPARE(waitid(P_ALL, 0, &ended, WEXITED | WNOWAIT), 0);
    main.type(QStringLiteral("txtOutFile"), QStringLiteral("ok-2"));
    main.make();
    QVERIFY(main.messages.shown().empty());

    QTRY_COMPARE_WITH_TIMEOUT(starter.unreported(), std::size_t(0), patience);
    QCOMPARE(texts(main.messages),
             QStringList {root.path()
                          + QStringLiteral("/lapforge.exe ended with exit status 1. The end of "
                                           "its error output:\n\ncannot make fail-1")});
    QCOMPARE(main.messages.shown().size(), std::size_t(1));
}

// The main window with Qt's own message boxes and a generator whose ends the test plays.
struct ShownWindow
{
    explicit ShownWindow(const std::string &toolFolder = "/tools")
        : messages(desktop),
          core((Module1::setToolFolder(toolFolder), Platform {files, messages, desktop, generator}))
    {
        desktop.show(core.form());
        window = desktop.windowOf(core.form());
    }

    QList<WarningBox *> openWarnings() const
    {
        QList<WarningBox *> boxes;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *box = qobject_cast<WarningBox *>(widget); box && box->isVisible())
                boxes.append(box);
        }
        return boxes;
    }

    FakeFileSystem files {{"/"}, "/tracks"};
    RecordingGeneratorStarter generator;
    QtDesktop desktop;
    QtMessageBox messages;
    frmLapforge2 core;
    QtWindow *window;
};

// A warning does not block the window; runs that fail while it is open are counted in it
// instead of piling up boxes, and once it is closed the next failure opens a new one.
void tst_GeneratorWatch::warningsLeaveTheWindowUsable()
{
    ShownWindow shown;
    QtWindow &window = *shown.window;
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const GeneratorEnd first {"/tools/lapforge.exe", GeneratorEnd::How::Exited, 1, "first\n"};
    const GeneratorEnd second {"/tools/lapforge.exe", GeneratorEnd::How::Killed, 9, "second\n"};
    const GeneratorEnd fine {"/tools/lapforge.exe", GeneratorEnd::How::Exited, 0, "chatter\n"};
    shown.generator.end(first);
    shown.generator.end(fine);
    for (int run = 0; run < 99; ++run)
        shown.generator.end(second);
    QTRY_COMPARE(shown.openWarnings().size(), 1);
    const QPointer<WarningBox> box = shown.openWarnings().first();
    QCOMPARE(box->windowModality(), Qt::NonModal);
    QCOMPARE(box->parentWidget(), &window);
    QCOMPARE(box->text(),
             QStringLiteral("100 runs of Lapforge failed while this warning was open. The "
                            "latest:\n\n")
                 + QString::fromStdString(second.summary()));
    QCOMPARE(box->detail(), QStringLiteral("second"));
    QCOMPARE(QApplication::activeModalWidget(), nullptr);

    // A click goes the way a user's does, through the window system, which holds it back
    // from a window that a modal box blocks.
    auto *left90 = window.findChild<QRadioButton *>(QStringLiteral("optLeft90"));
    auto *build = window.findChild<QPushButton *>(QStringLiteral("cmdBuild"));
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                      left90->mapTo(&window, left90->rect().center()));
    QVERIFY(left90->isChecked());
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                      build->mapTo(&window, build->rect().center()));
    QCOMPARE(shown.generator.started().size(), std::size_t(1));

    box->close();
    QTRY_VERIFY(box.isNull());
    shown.generator.end(first);
    QTRY_COMPARE(shown.openWarnings().size(), 1);
    QCOMPARE(shown.openWarnings().first()->text(), QString::fromStdString(first.summary()));
    shown.openWarnings().first()->close();
}

// However much the generator said, the box fits the screen, and its detail shows the end,
// which says what went wrong.
void tst_GeneratorWatch::tallWarningFitsTheScreen_data()
{
    QTest::addColumn<int>("lineLength");
    QTest::newRow("4 KiB of 60-byte lines") << 60;
    QTest::newRow("4 KiB of 10-byte lines") << 10;
    QTest::newRow("one 4 KiB line") << 4096;
}

void tst_GeneratorWatch::tallWarningFitsTheScreen()
{
    QFETCH(int, lineLength);
    ShownWindow shown;
    QVERIFY(QTest::qWaitForWindowExposed(shown.window));
    std::string output;
    while (output.size() + std::size_t(lineLength) < GeneratorEnd::keptErrorOutput)
        output += std::string(std::size_t(lineLength) - 1, 'x') + '\n';
    output += "the last words\n";
    shown.generator.end({"/tools/lapforge.exe", GeneratorEnd::How::Exited, 1, output});

    QTRY_COMPARE(shown.openWarnings().size(), 1);
    WarningBox *box = shown.openWarnings().first();
    QVERIFY(QTest::qWaitForWindowExposed(box));
    const QRect screen = box->screen()->availableGeometry();
    QVERIFY2(box->frameGeometry().height() <= screen.height() * 3 / 4,
             qPrintable(QString::number(box->frameGeometry().height())));
    QVERIFY(box->frameGeometry().width() <= screen.width() * 3 / 4);
    auto *detail = box->findChild<QPlainTextEdit *>();
    QVERIFY(detail->isReadOnly());
    QVERIFY(detail->textInteractionFlags() & Qt::TextSelectableByMouse);
    QCOMPARE(detail->verticalScrollBar()->value(), detail->verticalScrollBar()->maximum());
    QVERIFY(detail->toPlainText().endsWith(QStringLiteral("the last words")));
    box->close();
}

// A folder's name or a generator's words are shown as they are, never read as markup.
void tst_GeneratorWatch::markupIsShownAsText()
{
    const std::string folder = "/<u>tracks &amp; <b>x</b>";
    ShownWindow shown(folder);
    QVERIFY(QTest::qWaitForWindowExposed(shown.window));
    shown.generator.end({folder + "/lapforge.exe", GeneratorEnd::How::Exited, 1,
                         "expected <segment> here\n3 < 5 & 7 > 2\n"});
    QTRY_COMPARE(shown.openWarnings().size(), 1);
    WarningBox *box = shown.openWarnings().first();
    QVERIFY(
        box->text().startsWith(QString::fromStdString(folder) + QStringLiteral("/lapforge.exe")));
    for (const QLabel *label : box->findChildren<QLabel *>()) {
        if (!label->text().isEmpty())
            QCOMPARE(label->textFormat(), Qt::PlainText);
    }
    QCOMPARE(box->detail(), QStringLiteral("expected <segment> here\n3 < 5 & 7 > 2"));
    box->close();

    // The critical box of a failed start, looked at while it is up.
    shown.generator.failure =
        LaunchFailure {LaunchFailure::Kind::NoSuchFile, folder + "/lapforge.exe", "<i>gone</i>"};
    QString criticalText;
    Qt::TextFormat criticalFormat = Qt::AutoText;
    QTimer::singleShot(0, [&] {
        if (auto *critical = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            criticalText = critical->text();
            criticalFormat = critical->textFormat();
            critical->accept();
        }
    });
    shown.window->findChild<QPushButton *>(QStringLiteral("cmdBuild"))->click();
    QCOMPARE(criticalFormat, Qt::PlainText);
    QVERIFY2(criticalText.contains(QStringLiteral("(<i>gone</i>)")), qPrintable(criticalText));
}

QTEST_MAIN(tst_GeneratorWatch)
#include "tst_generatorwatch.moc"
