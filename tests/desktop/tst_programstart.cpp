// SPDX-License-Identifier: MIT
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

namespace {

struct Finished
{
    int exitStatus;
    QString output;
    QString error;
};

// lapforge-gui with `arguments`, with no display unless `display` names one, and no platform
// chosen for it, as a desktop session without a window system would start it.
Finished run(const QStringList &arguments, const QString &display)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    if (!display.isEmpty())
        environment.insert(QStringLiteral("DISPLAY"), display);
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(LAPFORGE_GUI), arguments);
    if (!program.waitForFinished(60000)) {
        program.kill();
        program.waitForFinished();
        return {-1, {}, QStringLiteral("did not end")};
    }
    if (program.exitStatus() != QProcess::NormalExit)
        return {-1,
                {},
                QStringLiteral("crashed: ")
                    + QString::fromLocal8Bit(program.readAllStandardError())};
    return {program.exitCode(), QString::fromLocal8Bit(program.readAllStandardOutput()),
            QString::fromLocal8Bit(program.readAllStandardError())};
}

// A display name that no X server answers on this machine.
QString absentDisplay()
{
    for (int number = 873;; ++number) {
        if (!QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number))
            && !QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(number)))
            return QStringLiteral(":%1").arg(number);
    }
}

} // namespace

class tst_ProgramStart : public QObject
{
    Q_OBJECT

private slots:
    void answersWithoutADisplay_data();
    void answersWithoutADisplay();
    void missingDisplayIsOneLine_data();
    void missingDisplayIsOneLine();
};

void tst_ProgramStart::answersWithoutADisplay_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitStatus");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("errorStart");

    const QString usage = QStringLiteral("Usage: lapforge-gui [options]\n");
    QTest::newRow("--version") << QStringList {QStringLiteral("--version")} << 0
                               << QStringLiteral("lapforge-gui " LAPFORGE_VERSION "\n")
                               << QString();
    QTest::newRow("unknown option")
        << QStringList {QStringLiteral("--bogus")} << 2 << QString()
        << QStringLiteral("lapforge-gui: Unknown option 'bogus'.\n\n") + usage;
}

void tst_ProgramStart::answersWithoutADisplay()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitStatus);
    QFETCH(QString, output);
    QFETCH(QString, errorStart);

    const Finished finished = run(arguments, {});
    QCOMPARE(finished.exitStatus, exitStatus);
    QCOMPARE(finished.output.left(output.size()), output);
    if (output.isEmpty())
        QVERIFY2(finished.output.isEmpty(), qPrintable(finished.output));
    QCOMPARE(finished.error.left(errorStart.size()), errorStart);
    if (errorStart.isEmpty())
        QVERIFY2(finished.error.isEmpty(), qPrintable(finished.error));
}

void tst_ProgramStart::missingDisplayIsOneLine_data()
{
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("error");

    QTest::newRow("DISPLAY unset")
        << QString()
        << QStringLiteral("lapforge-gui: could not open a display: DISPLAY is not set\n");
    const QString absent = absentDisplay();
    QTest::newRow("DISPLAY without a server")
        << absent
        << QStringLiteral("lapforge-gui: could not open the display \"%1\"\n").arg(absent);
}

void tst_ProgramStart::missingDisplayIsOneLine()
{
    QFETCH(QString, display);
    QFETCH(QString, error);

    const Finished finished = run({}, display);
    QCOMPARE(finished.error, error);
    QCOMPARE(finished.exitStatus, 1);
    QVERIFY(finished.output.isEmpty());
}

QTEST_GUILESS_MAIN(tst_ProgramStart)
#include "tst_programstart.moc"
