// SPDX-License-Identifier: MIT
#include "FakeFileSystem.h"
#include "LocalGeneratorStarter.h"
#include "Module1.h"
#include "Platform.h"
#include "RecordingMessageBox.h"
#include "frmLapforge2.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int presses = 1000;

// A generator that only notes each start, one line of its arguments per run. A single
// short append is atomic, so runs that overlap still leave whole lines.
bool writeCountingGenerator(const QString &path)
{
    QFile script(path);
    if (!script.open(QIODevice::WriteOnly))
        return false;
    script.write("#!/bin/sh\necho \"$*\" >> \"${0%/*}/starts.log\"\n");
    script.close();
    return script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QStringList loggedLines(const QString &log)
{
    QFile file(log);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    lines.removeLast();
    return lines;
}

qsizetype openDescriptors()
{
    return QDir(QStringLiteral("/proc/self/fd"))
        .entryList(QDir::AllEntries | QDir::NoDotAndDotDot)
        .size();
}

// Every process whose parent is this one, with its state letter; a zombie shows "Z".
QStringList childProcesses()
{
    const QString self = QString::number(getpid());
    QStringList children;
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        // "pid (name) state ppid ...": the name may hold blanks, so split after its ")".
        const QString text = QString::fromUtf8(stat.readAll());
        const QStringList fields =
            text.mid(text.lastIndexOf(u')') + 2).split(u' ', Qt::SkipEmptyParts);
        if (fields.size() > 1 && fields[1] == self)
            children.append(entry + u' ' + fields[0]);
    }
    return children;
}

bool hasNoChildToReap()
{
    const pid_t reaped = waitpid(-1, nullptr, WNOHANG);
    return reaped == 0 || (reaped < 0 && errno == ECHILD);
}

} // namespace

class tst_Load : public QObject
{
    Q_OBJECT

private slots:
    void makeItAThousandTimes();
};

void tst_Load::makeItAThousandTimes()
{
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString toolFolder = root.filePath(QStringLiteral("tools"));
    QVERIFY(QDir().mkpath(toolFolder));
    QVERIFY(writeCountingGenerator(toolFolder + QStringLiteral("/lapforge.exe")));
    const QString log = toolFolder + QStringLiteral("/starts.log");

    FakeFileSystem files({QStringLiteral("/")}, QStringLiteral("/tracks"));
    RecordingMessageBox messages;
    Module1::setToolFolder(toolFolder.toStdString());
    LocalGeneratorStarter generator;
    frmLapforge2 window(Platform {files, messages, generator});
    auto *left90 = window.findChild<QRadioButton *>(QStringLiteral("optLeft90"));
    auto *turn = window.findChild<QLineEdit *>(QStringLiteral("txtTurn"));
    auto *build = window.findChild<QPushButton *>(QStringLiteral("cmdBuild"));
    auto *output = window.findChild<QLineEdit *>(QStringLiteral("txtOutput"));
    QVERIFY(left90 && turn && build && output);

    const qsizetype descriptorsBefore = openDescriptors();
    QSet<QString> shownLines;
    QElapsedTimer clock;
    clock.start();
    for (int press = 0; press < presses; ++press) {
        left90->click();
        turn->setText(QStringLiteral("30"));
        build->click();
        shownLines.insert(output->text());
    }
    const qint64 pressing = clock.elapsed();
    QTRY_COMPARE_WITH_TIMEOUT(loggedLines(log).size(), qsizetype(presses), 60000);
    const qint64 allRun = clock.elapsed();
    const std::size_t unreported = generator.unreported();
    QTRY_COMPARE_WITH_TIMEOUT(generator.unreported(), std::size_t(0), 60000);
    const qint64 allEnded = clock.elapsed();
    const qsizetype descriptorsAfter = openDescriptors();
    qInfo("%d starts: pressed in %lld ms, all run after %lld ms (%zu ends then not yet "
          "reported), all ends reported after %lld ms; open descriptors %lld before, %lld after",
          presses, pressing, allRun, unreported, allEnded, qlonglong(descriptorsBefore),
          qlonglong(descriptorsAfter));

    QVERIFY(messages.shown().isEmpty());
    const QString line = toolFolder + QStringLiteral("/lapforge.exe  -l -9 30 -o /tracks/new_prm");
    QCOMPARE(shownLines, QSet<QString> {line});
    const QStringList logged = loggedLines(log);
    QCOMPARE(QSet<QString>(logged.cbegin(), logged.cend()),
             QSet<QString> {QStringLiteral("-l -9 30 -o /tracks/new_prm")});
    QVERIFY(hasNoChildToReap());
    QCOMPARE(childProcesses(), QStringList());
    QCOMPARE(descriptorsAfter, descriptorsBefore);
}

QTEST_MAIN(tst_Load)
#include "tst_load.moc"
