// SPDX-License-Identifier: MIT
#include "StandinReport.h"
#include "WorkingFolder.h"

#include "ComposeCommand.h"
#include "LaunchGenerator.h"
#include "Module1.h"
#include "NativeSeparator.h"

#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

Q_DECLARE_METATYPE(LaunchFailure::Kind)

namespace {

// Kills the long-running program a test started, so a failed check leaves nothing behind.
class StartedProcess
{
public:
    ~StartedProcess()
    {
        if (m_pid > 0)
            kill(m_pid, SIGKILL);
    }
    pid_t &pid() { return m_pid; }

private:
    pid_t m_pid = 0;
};

QStringList entriesOf(const QString &folder)
{
    QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::Hidden
                                                 | QDir::NoDotAndDotDot);
    std::sort(entries.begin(), entries.end(),
              [](const QString &a, const QString &b) { return a.toInt() < b.toInt(); });
    return entries;
}

// The process whose command line is exactly `argv`; 0 when there is none (yet).
pid_t findProcess(const QByteArray &argv)
{
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool isPid = false;
        const pid_t pid = entry.toInt(&isPid);
        QFile commandLine(QStringLiteral("/proc/%1/cmdline").arg(entry));
        if (isPid && commandLine.open(QIODevice::ReadOnly) && commandLine.readAll() == argv)
            return pid;
    }
    return 0;
}

QString statusField(pid_t pid, const QString &name)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return {};
    for (const QString &line : QString::fromUtf8(status.readAll()).split(u'\n')) {
        if (line.startsWith(name + u':'))
            return line.mid(name.size() + 1).trimmed();
    }
    return {};
}

QString childrenOfThisProcess()
{
    QString children;
    for (const QString &task : QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs)) {
        QFile list(QStringLiteral("/proc/self/task/%1/children").arg(task));
        if (list.open(QIODevice::ReadOnly))
            children += QString::fromUtf8(list.readAll()).trimmed();
    }
    return children;
}

bool holdsFileNamedX(const QString &folder)
{
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        if (it.next().endsWith(QStringLiteral("/x")))
            return true;
    }
    return false;
}

} // namespace

class TestLaunchGenerator : public QObject
{
    Q_OBJECT

private slots:
    void passesArgumentsLiterally_data();
    void passesArgumentsLiterally();
    void reportsFailedStart_data();
    void reportsFailedStart();
    void startsWithCleanState();
    void leavesNoZombieOrDescriptor();
};

void TestLaunchGenerator::passesArgumentsLiterally_data()
{
    QTest::addColumn<QString>("name");

    QTest::newRow("blank") << "tool folder";
    QTest::newRow("semicolon") << "a;touch x";
    QTest::newRow("command substitution") << "$(touch x)";
    QTest::newRow("backquotes") << "`touch x`";
    QTest::newRow("quotes") << "it's \"quoted\"";
    QTest::newRow("star") << "*";
    QTest::newRow("everything at once") << " a  b; $(touch x) `touch x` 'q' \"dq\" * ";
}

// Goes the whole way the window goes: tool folder, base command, composition, launch.
void TestLaunchGenerator::passesArgumentsLiterally()
{
    QFETCH(QString, name);
    QTemporaryDir root;
    QVERIFY(root.isValid());
    WorkingFolder inRoot(root.path());
    const QString toolFolder = root.filePath(name);
    const QString outputFolder = root.filePath(QStringLiteral("out ") + name);
    QVERIFY(QDir().mkpath(toolFolder));
    QVERIFY(QDir().mkpath(outputFolder));
    const QString generator = toolFolder + u'/' + QString::fromUtf8(generatorFileName.data());
    QVERIFY(QFile::copy(QStringLiteral(STANDIN_PATH), generator));
    QVERIFY(QFile::setPermissions(generator,
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                      | QFile::ExeGroup | QFile::ExeOther));

    Module1::setToolFolder(toolFolder.toStdString());
    CommandLine command = BaseCommand();
    BuildInputs inputs;
    inputs.optRight90 = inputs.optTwist = inputs.optDbl = optionChosen;
    inputs.txtTurn = "45";
    inputs.txtBank = "2.5";
    inputs.chkFlat = checkChecked;
    inputs.Dir1 = outputFolder.toStdString();
    inputs.txtOutFile = ("new prm " + name).toStdString();
    std::int16_t turnInEffect = 0;
    QVERIFY(!ComposeCommand(inputs, command, turnInEffect));
    const QString outputPath = outputFolder + nativeSeparator + "new prm " + name;
    const QStringList expected {"-r", "-9", "45", "-t", "2.5", "-w", "-f", "-o", outputPath};

    const std::optional<LaunchFailure> failure = LaunchGenerator(command);
    QVERIFY2(!failure, failure ? failure->message().c_str() : "");
    QTRY_COMPARE_WITH_TIMEOUT(recordedArguments(outputPath), expected, 30000);
    QVERIFY(!holdsFileNamedX(root.path()));
}

void TestLaunchGenerator::reportsFailedStart_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::addColumn<QByteArray>("contents"); // null: nothing is created
    QTest::addColumn<int>("mode");
    QTest::addColumn<LaunchFailure::Kind>("kind");
    QTest::addColumn<QString>("says");

    using Kind = LaunchFailure::Kind;
    const QString noFile = QStringLiteral("there is no such file");
    const QString notPermitted = QStringLiteral("not executable, or permission was denied");
    const QString notRunnable = QStringLiteral("not a program this system can run");

    QTest::newRow("missing file") << "lapforge.exe" << QByteArray() << 0 << Kind::NoSuchFile
                                  << noFile;
    QTest::newRow("missing folder")
        << "gone/lapforge.exe" << QByteArray() << 0 << Kind::NoSuchFile << noFile;
    // Root may run a file only when some execute bit is set, so this holds for root too.
    QTest::newRow("no execute bit") << "lapforge.exe" << QByteArray("#!/bin/sh\n") << 0644
                                    << Kind::NotPermitted << notPermitted;
    // A shell would run this; the generator must not be handed to one.
    QTest::newRow("text without #! line")
        << "lapforge.exe" << QByteArray("touch x\n") << 0755 << Kind::NotRunnable << notRunnable;
    QTest::newRow("missing interpreter")
        << "lapforge.exe" << QByteArray("#!/nonexistent/interpreter\n") << 0755 << Kind::NotRunnable
        << notRunnable;
    QTest::newRow("empty path") << "" << QByteArray() << 0 << Kind::NoSuchFile << noFile;
}

void TestLaunchGenerator::reportsFailedStart()
{
    QFETCH(QString, relativePath);
    QFETCH(QByteArray, contents);
    QFETCH(int, mode);
    QFETCH(LaunchFailure::Kind, kind);
    QFETCH(QString, says);
    QTemporaryDir root;
    QVERIFY(root.isValid());
    WorkingFolder inRoot(root.path());
    const QString program = relativePath.isEmpty() ? QString() : root.filePath(relativePath);
    if (!contents.isNull()) {
        QFile file(program);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write(contents) == contents.size());
        file.close();
        QCOMPARE(chmod(QFile::encodeName(program).constData(), mode_t(mode)), 0);
    }

    const std::optional<LaunchFailure> failure =
        LaunchGenerator(CommandLine(program.toStdString()));
    QVERIFY(failure);
    QCOMPARE(failure->kind, kind);
    QCOMPARE(QString::fromStdString(failure->program), program);
    const QString message = QString::fromStdString(failure->message());
    QVERIFY2(message.contains(program) && message.contains(says), qPrintable(message));
    QVERIFY(!holdsFileNamedX(root.path()));
}

// Open files, ignored or blocked signals and the working folder are the caller's state the
// generator would otherwise pick up; /proc shows what it really got.
void TestLaunchGenerator::startsWithCleanState()
{
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString workFolder = root.filePath(QStringLiteral("work folder"));
    QVERIFY(QDir().mkpath(workFolder));
    WorkingFolder inWork(workFolder);
    const int leakedFile = open("/dev/null", O_RDONLY);
    QVERIFY(leakedFile > 2);
    int leakedPipe[2];
    QCOMPARE(pipe(leakedPipe), 0);
    const auto previousUsr1 = signal(SIGUSR1, SIG_IGN);
    sigset_t usr2;
    sigemptyset(&usr2);
    sigaddset(&usr2, SIGUSR2);
    sigset_t previousMask;
    pthread_sigmask(SIG_BLOCK, &usr2, &previousMask);

    const QByteArray seconds = QByteArray::number(3000 + getpid() % 1000) + ".25";
    CommandLine command("/bin/sleep");
    command.appendArgument(seconds.toStdString());
    const std::optional<LaunchFailure> failure = LaunchGenerator(command);

    pthread_sigmask(SIG_SETMASK, &previousMask, nullptr);
    signal(SIGUSR1, previousUsr1);
    close(leakedFile);
    close(leakedPipe[0]);
    close(leakedPipe[1]);
    QVERIFY2(!failure, failure ? failure->message().c_str() : "");

    // Before exec the command line is still the test's, so a match means exec has happened.
    StartedProcess sleeper;
    const QByteArray argv = QByteArray("/bin/sleep") + '\0' + seconds + '\0';
    QTRY_VERIFY_WITH_TIMEOUT((sleeper.pid() = findProcess(argv)) > 0, 30000);
    QCOMPARE(entriesOf(QStringLiteral("/proc/%1/fd").arg(sleeper.pid())),
             QStringList({"0", "1", "2"}));
    QCOMPARE(statusField(sleeper.pid(), QStringLiteral("SigBlk")),
             QStringLiteral("0").repeated(16));
    QCOMPARE(statusField(sleeper.pid(), QStringLiteral("SigIgn")),
             QStringLiteral("0").repeated(16));
    QCOMPARE(QFile::symLinkTarget(QStringLiteral("/proc/%1/cwd").arg(sleeper.pid())),
             QDir(workFolder).canonicalPath());
}

void TestLaunchGenerator::leavesNoZombieOrDescriptor()
{
    const QStringList descriptorsBefore = entriesOf(QStringLiteral("/proc/self/fd"));
    CommandLine started("/bin/true");
    started.appendOption(" -a -b -c -d -e -f -g -h -i -j -k -l ");
    const CommandLine missing("/nonexistent/lapforge.exe");

    // Failed starts take other paths through the launch, so they are mixed in.
    for (int i = 0; i < 300; ++i) {
        const bool shouldFail = i % 3 == 2;
        const std::optional<LaunchFailure> failure =
            LaunchGenerator(shouldFail ? missing : started);
        QCOMPARE(failure.has_value(), shouldFail);
    }

    int status = 0;
    const pid_t reaped = waitpid(-1, &status, WNOHANG);
    QVERIFY2(reaped == 0 || (reaped < 0 && errno == ECHILD), "a child was left to reap");
    QCOMPARE(childrenOfThisProcess(), QString());
    QCOMPARE(entriesOf(QStringLiteral("/proc/self/fd")), descriptorsBefore);
}

QTEST_GUILESS_MAIN(TestLaunchGenerator)
#include "tst_launchgenerator.moc"
