// SPDX-License-Identifier: MIT
#include "StandinReport.h"

#include "ComposeCommand.h"
#include "NativeSeparator.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(BuildInputs)

namespace {

const QString outputMark = QStringLiteral("@OUT");

struct Run
{
    bool finished = false;
    int exitCode = -1;
    QString errors;
};

Run runStandin(const QStringList &arguments)
{
    QProcess standin;
    standin.start(QStringLiteral(STANDIN_PATH), arguments);
    Run run;
    run.finished = standin.waitForFinished(60000) && standin.exitStatus() == QProcess::NormalExit;
    run.exitCode = standin.exitCode();
    run.errors = QString::fromLocal8Bit(standin.readAllStandardError());
    return run;
}

QStringList withOutput(QStringList arguments, const QString &outputPath)
{
    arguments.replaceInStrings(outputMark, outputPath);
    return arguments;
}

QStringList toStringList(const std::vector<std::string> &words)
{
    QStringList list;
    for (const std::string &word : words)
        list.append(QString::fromStdString(word));
    return list;
}

BuildInputs resetWindow()
{
    BuildInputs inputs;
    inputs.txtTurn = inputs.txtLTurn = inputs.txtBank = "0";
    inputs.txtHump = inputs.txtRise = inputs.txtLen = "0";
    inputs.optNor = optionChosen;
    inputs.txtOutFile = "new_prm";
    return inputs;
}

} // namespace

class TestStandin : public QObject
{
    Q_OBJECT

private slots:
    void acceptsGrammar_data();
    void acceptsGrammar();
    void acceptsComposedLines_data();
    void acceptsComposedLines();
    void rejectsOtherLines_data();
    void rejectsOtherLines();
    void reportsUnwritableOutput_data();
    void reportsUnwritableOutput();
};

void TestStandin::acceptsGrammar_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("describes");

    QTest::newRow("output only") << QStringList {"-o", outputMark} << "Segment: straight";
    QTest::newRow("every option once")
        << QStringList {"-l", "-9", "30", "-b", "3",  "-c", "2",       "-w",
                        "-m", "2",  "-p", "2",  "-f", "-o", outputMark}
        << "Twist: bank, height 3";
    QTest::newRow("slide with rise and length")
        << QStringList {"-r", "-S", "12", "-h", "-1", "-x", "20", "-o", outputMark} << "Length: 20";
    QTest::newRow("loop numbered 0")
        << QStringList {"-l", "-O", "0", "-o", outputMark} << "Segment: loop to the left, number 0";
    QTest::newRow("180 with tilt, narrow")
        << QStringList {"-r", "-U", "2.5", "-t", "-0.5", "-n", "-o", outputMark} << "Width: narrow";
    QTest::newRow("dip of a large number")
        << QStringList {"-l", "-9", "1E+15", "-d", "5.6789E-12", "-o", outputMark}
        << "Twist: dip, height 5.6789E-12";
    QTest::newRow("hump 0") << QStringList {"-c", "0", "-o", outputMark} << "Hump: 0";
    QTest::newRow("negative length") << QStringList {"-x", "-5", "-o", outputMark} << "Length: -5";
    QTest::newRow("no rows selected")
        << QStringList {"-m", "-1", "-p", "-1", "-o", outputMark} << "Surface: -1";
}

void TestStandin::acceptsGrammar()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, describes);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString outputPath = folder.filePath(QStringLiteral("new prm"));
    arguments = withOutput(arguments, outputPath);

    const Run run = runStandin(arguments);
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(recordedArguments(outputPath), arguments);
    QFile report(outputPath);
    QVERIFY(report.open(QIODevice::ReadOnly));
    QVERIFY2(QString::fromUtf8(report.readAll()).contains(describes), qPrintable(describes));
}

void TestStandin::acceptsComposedLines_data()
{
    QTest::addColumn<BuildInputs>("inputs");

    BuildInputs example1 = resetWindow();
    example1.optLeft90 = example1.optBank = example1.optDbl = optionChosen;
    example1.optNor = 0;
    example1.txtTurn = "030";
    example1.txtBank = "3";
    example1.chkHump = example1.chkTex = example1.chkSurface = example1.chkFlat = checkChecked;
    example1.txtHump = "2";
    example1.txtLen = "20";
    example1.lstTex = example1.cboSur = 2;
    QTest::newRow("worked example 1") << example1;

    BuildInputs slide = resetWindow();
    slide.optSlideR = slide.optBank = optionChosen;
    slide.txtTurn = "12";
    slide.txtBank = "5";
    slide.chkRise = checkChecked;
    slide.txtRise = "-1";
    slide.txtLen = "20";
    QTest::newRow("slide with rise and length") << slide;

    BuildInputs loop = resetWindow();
    loop.optLright = optionChosen;
    loop.txtTurn = "10";
    loop.txtLTurn = "";
    loop.txtLen = "20";
    QTest::newRow("loop with an empty number") << loop;

    BuildInputs right90 = resetWindow();
    right90.optRight90 = right90.optDip = right90.optSpr = optionChosen;
    right90.optNor = 0;
    right90.txtTurn = "1e20";
    right90.txtBank = "-0.000001";
    right90.chkTex = checkChecked;
    QTest::newRow("90 right, huge diameter, no texture row") << right90;

    QTest::newRow("reset window") << resetWindow();
}

// The stand-in must take every line the front end composes, or launch tests prove nothing.
void TestStandin::acceptsComposedLines()
{
    QFETCH(BuildInputs, inputs);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    inputs.Dir1 = folder.path().toStdString();
    CommandLine command("lapforge.exe");
    std::int16_t turnInEffect = 0;
    QVERIFY(!ComposeCommand(inputs, command, turnInEffect));
    const QStringList arguments = toStringList(command.arguments());

    const Run run = runStandin(arguments);
    QVERIFY(run.finished);
    QVERIFY2(run.exitCode == 0, qPrintable(run.errors));
    QCOMPARE(recordedArguments(folder.path() + nativeSeparator + "new_prm"), arguments);
}

void TestStandin::rejectsOtherLines_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("offending");

    QTest::newRow("no arguments") << QStringList {} << "-o";
    QTest::newRow("no output") << QStringList {"-f"} << "-o";
    QTest::newRow("-o without path") << QStringList {"-o"} << "-o";
    QTest::newRow("two output paths") << QStringList {"-o", outputMark, "extra"} << "extra";
    QTest::newRow("option after output") << QStringList {"-o", outputMark, "-f"} << "\"-f\"";
    QTest::newRow("unknown option") << QStringList {"-q", "-o", outputMark} << "-q";
    QTest::newRow("empty word") << QStringList {"", "-o", outputMark} << "\"\"";
    QTest::newRow("glued flags") << QStringList {"-l-9", "30", "-o", outputMark} << "-l-9";
    QTest::newRow("direction without kind") << QStringList {"-l", "30", "-o", outputMark} << "30";
    QTest::newRow("segment without number") << QStringList {"-l", "-9", "-o", outputMark} << "-o";
    QTest::newRow("number with leading zero")
        << QStringList {"-l", "-9", "030", "-o", outputMark} << "030";
    QTest::newRow("number with plus sign") << QStringList {"-c", "+2", "-o", outputMark} << "+2";
    QTest::newRow("decimal comma") << QStringList {"-c", "2,5", "-o", outputMark} << "2,5";
    QTest::newRow("twist after a slide")
        << QStringList {"-l", "-S", "12", "-b", "3", "-o", outputMark} << "-b";
    QTest::newRow("twist without segment") << QStringList {"-t", "3", "-o", outputMark} << "-t";
    QTest::newRow("length after a turn")
        << QStringList {"-r", "-U", "12", "-x", "20", "-o", outputMark} << "-x";
    QTest::newRow("out of order") << QStringList {"-f", "-c", "2", "-o", outputMark} << "-c";
    QTest::newRow("repeated option")
        << QStringList {"-c", "2", "-c", "3", "-o", outputMark} << "-c";
    QTest::newRow("two widths") << QStringList {"-w", "-n", "-o", outputMark} << "-n";
    QTest::newRow("fractional texture space")
        << QStringList {"-m", "2.5", "-o", outputMark} << "2.5";
    QTest::newRow("surface beyond 16 bits")
        << QStringList {"-p", "40000", "-o", outputMark} << "40000";
}

void TestStandin::rejectsOtherLines()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, offending);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString outputPath = folder.filePath(QStringLiteral("new_prm"));

    const Run run = runStandin(withOutput(arguments, outputPath));
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.errors.contains(offending), qPrintable(run.errors));
    QVERIFY(QDir(folder.path()).isEmpty());
}

void TestStandin::reportsUnwritableOutput_data()
{
    QTest::addColumn<QString>("relativePath");

    QTest::newRow("missing folder") << "missing/new_prm";
    QTest::newRow("a folder") << "folder";
    QTest::newRow("below a file") << "file/new_prm";
}

void TestStandin::reportsUnwritableOutput()
{
    QFETCH(QString, relativePath);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("folder")));
    QFile file(folder.filePath(QStringLiteral("file")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const QString outputPath = folder.filePath(relativePath);

    const Run run = runStandin({"-o", outputPath});
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.errors.contains(outputPath), qPrintable(run.errors));
}

QTEST_GUILESS_MAIN(TestStandin)
#include "tst_standin.moc"
