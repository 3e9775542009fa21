// SPDX-License-Identifier: MIT
#include "StartArguments.h"

#include <QTest>

class tst_StartArguments : public QObject
{
    Q_OBJECT

private slots:
    void windowsOpen_data();
    void windowsOpen();
    void answers_data();
    void answers();
    void helpSaysWhatAndWhere();
};

void tst_StartArguments::windowsOpen_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no arguments") << QStringList {};
    QTest::newRow("Qt's platform")
        << QStringList {QStringLiteral("-platform"), QStringLiteral("offscreen")};
    QTest::newRow("Qt's style with =") << QStringList {QStringLiteral("-style=fusion")};
    QTest::newRow("Qt's flag") << QStringList {QStringLiteral("-reverse")};
}

void tst_StartArguments::windowsOpen()
{
    QFETCH(QStringList, arguments);
    arguments.prepend(QStringLiteral("/usr/bin/lapforge-gui"));
    QVERIFY(!answerStartArguments(arguments, QStringLiteral("1.2.3")));
}

void tst_StartArguments::answers_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitStatus");
    QTest::addColumn<QString>("outputStart");
    QTest::addColumn<QString>("errorStart");

    const QString usage = QStringLiteral("Usage: lapforge-gui [options]\n");
    const QString version = QStringLiteral("lapforge-gui 1.2.3\n");
    QTest::newRow("--help") << QStringList {QStringLiteral("--help")} << 0 << usage << QString();
    QTest::newRow("-h") << QStringList {QStringLiteral("-h")} << 0 << usage << QString();
    QTest::newRow("--version") << QStringList {QStringLiteral("--version")} << 0 << version
                               << QString();
    QTest::newRow("-v") << QStringList {QStringLiteral("-v")} << 0 << version << QString();
    QTest::newRow("help after a Qt option")
        << QStringList {QStringLiteral("-style"), QStringLiteral("fusion"), QStringLiteral("-h")}
        << 0 << usage << QString();
    QTest::newRow("unknown long option")
        << QStringList {QStringLiteral("--bogus")} << 2 << QString()
        << QStringLiteral("lapforge-gui: Unknown option 'bogus'.\n\n") + usage;
    QTest::newRow("unknown short option")
        << QStringList {QStringLiteral("-x")} << 2 << QString()
        << QStringLiteral("lapforge-gui: Unknown option 'x'.\n\n") + usage;
    QTest::newRow("unknown option beside help")
        << QStringList {QStringLiteral("--help"), QStringLiteral("--bogus")} << 2 << QString()
        << QStringLiteral("lapforge-gui: Unknown option 'bogus'.\n\n") + usage;
    QTest::newRow("a file name") << QStringList {QStringLiteral("track.prm")} << 2 << QString()
                                 << QStringLiteral(
                                        "lapforge-gui: unexpected argument 'track.prm'.\n\n")
            + usage;
    QTest::newRow("Qt option without its value")
        << QStringList {QStringLiteral("-platform")} << 2 << QString()
        << QStringLiteral("lapforge-gui: Missing value after '-platform'.\n\n") + usage;
}

void tst_StartArguments::answers()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitStatus);
    QFETCH(QString, outputStart);
    QFETCH(QString, errorStart);

    arguments.prepend(QStringLiteral("lapforge-gui"));
    const auto answer = answerStartArguments(arguments, QStringLiteral("1.2.3"));
    QVERIFY(answer);
    QCOMPARE(answer->exitStatus, exitStatus);
    QCOMPARE(answer->standardOutput.left(outputStart.size()), outputStart);
    QCOMPARE(answer->standardError.left(errorStart.size()), errorStart);
    // Each answer goes to one stream only.
    QVERIFY(answer->standardOutput.isEmpty() != answer->standardError.isEmpty());
    const QString &all = answer->standardOutput + answer->standardError;
    QVERIFY2(all.endsWith(QLatin1Char('\n')), qPrintable(all));
}

void tst_StartArguments::helpSaysWhatAndWhere()
{
    const auto answer = answerStartArguments(
        {QStringLiteral("lapforge-gui"), QStringLiteral("--help")}, QStringLiteral("1.2.3"));
    QVERIFY(answer);
    const QString help = answer->standardOutput;
    for (const char *needed :
         {"segment of a race track", "asks for the folder", "Lapforge (lapforge.exe)",
          "PREFIX/lib/lapforge-gui/lapforge.exe", "--help", "--version"})
        QVERIFY2(help.contains(QLatin1String(needed)), needed);
    // Fits a terminal of 80 columns.
    for (const QString &line : help.split(QLatin1Char('\n')))
        QVERIFY2(line.size() <= 80, qPrintable(line));
}

QTEST_GUILESS_MAIN(tst_StartArguments)
#include "tst_startarguments.moc"
