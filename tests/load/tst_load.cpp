// SPDX-License-Identifier: MIT
#include "FakeFileSystem.h"
#include "Module1.h"
#include "Platform.h"
#include "ProcessChecks.h"
#include "QtDesktop.h"
#include "QtEventLoop.h"
#include "QtWindow.h"
#include "RecordingMessageBox.h"
#include "WatchedGenerators.h"
#include "frmLapforge2.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QStyleHints>
#include <QTemporaryDir>
#include <QTest>

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

    // A thousand presses in a row, none of them half of a double click.
    QGuiApplication::styleHints()->setMouseDoubleClickInterval(0);
    FakeFileSystem files({"/"}, "/tracks");
    RecordingMessageBox messages;
    QtDesktop desktop;
    Module1::setToolFolder(toolFolder.toStdString());
    QtEventLoop loop;
    WatchedGenerators generator(loop);
    frmLapforge2 core(Platform {files, messages, desktop, generator});
    QtWindow window(core.form());
    auto *left90 = window.findChild<QRadioButton *>(QStringLiteral("optLeft90"));
    auto *turn = window.findChild<QLineEdit *>(QStringLiteral("txtTurn"));
    auto *build = window.findChild<QPushButton *>(QStringLiteral("cmdBuild"));
    auto *output = window.findChild<QLineEdit *>(QStringLiteral("txtOutput"));
    QVERIFY(left90 && turn && build && output);

    const std::vector<int> descriptorsBefore = openDescriptors();
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
    const std::vector<int> descriptorsAfter = openDescriptors();
    qInfo("%d starts: pressed in %lld ms, all run after %lld ms (%zu ends then not yet "
          "reported), all ends reported after %lld ms; open descriptors %lld before, %lld after",
          presses, pressing, allRun, unreported, allEnded, qlonglong(descriptorsBefore.size()),
          qlonglong(descriptorsAfter.size()));

    QVERIFY(messages.shown().empty());
    const QString line = toolFolder + QStringLiteral("/lapforge.exe  -l -9 30 -o /tracks/new_prm");
    QCOMPARE(shownLines, QSet<QString> {line});
    const QStringList logged = loggedLines(log);
    QCOMPARE(QSet<QString>(logged.cbegin(), logged.cend()),
             QSet<QString> {QStringLiteral("-l -9 30 -o /tracks/new_prm")});
    QVERIFY(hasNoChildToReap());
    QVERIFY(childProcesses().empty());
    QVERIFY(descriptorsAfter == descriptorsBefore);
}

QTEST_MAIN(tst_Load)
#include "tst_load.moc"
