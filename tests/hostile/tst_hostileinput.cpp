// SPDX-License-Identifier: MIT
#include "MainWindowFixture.h"
#include "QtEventLoop.h"
#include "TestFiles.h"
#include "WatchedGenerators.h"
#include "WorkingFolder.h"

#include <QCheckBox>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <memory>

namespace {

const QString tracks = QStringLiteral("/tracks");

enum class Place { ToolFolder, OutputFolder, OutputName };

struct HostileText
{
    const char *what;
    QString text;
};

// Texts that a shell, an argument splitter or a careless encoder would take apart.
QList<HostileText> hostileTexts()
{
    return {
        {"blanks", QStringLiteral(" my  tracks ")},
        {"semicolon", QStringLiteral("a;b")},
        {"pipe", QStringLiteral("a|b")},
        {"ampersand", QStringLiteral("a&b")},
        {"command substitution", QStringLiteral("$(touch x)")},
        {"backquotes", QStringLiteral("`touch x`")},
        {"single quotes", QStringLiteral("it's 'q'")},
        {"double quotes", QStringLiteral("say \"hi\"")},
        {"star", QStringLiteral("*")},
        {"leading dash", QStringLiteral("-o")},
        {"e acute", QStringLiteral("café")},
        {"Japanese", QStringLiteral("日本語")},
        {"line breaks", QStringLiteral("one\ntwo\r\nthree")},
    };
}

// The main window, with steps written as data.
struct MainWindow : MainWindowFixture
{
    using MainWindowFixture::MainWindowFixture;

    // "name" clicks a button; "name=text" types into a box.
    void apply(const QStringList &steps) const
    {
        for (const QString &step : steps) {
            const qsizetype equals = step.indexOf(u'=');
            if (equals < 0)
                control<QAbstractButton>(step)->click();
            else
                type(step.left(equals), step.mid(equals + 1));
        }
    }

    // Every button and box that `steps` set still reads as they left it.
    bool keeps(const QStringList &steps) const
    {
        for (const QString &step : steps) {
            const qsizetype equals = step.indexOf(u'=');
            if (equals < 0 && !control<QAbstractButton>(step)->isChecked())
                return false;
            if (equals >= 0 && box(step.left(equals))->text() != step.mid(equals + 1))
                return false;
        }
        return true;
    }
};

QStringList toQStringList(const std::vector<std::string> &texts)
{
    QStringList list;
    for (const std::string &text : texts)
        list.append(QString::fromStdString(text));
    return list;
}

// A long text that begins with no number, full of what a shell would act on.
QString hostileJunk(qsizetype length)
{
    const QString piece = QStringLiteral("$(touch x);|&`*'\"é日本語\n ");
    QString junk;
    while (junk.size() < length)
        junk += piece;
    junk.truncate(length);
    return junk;
}

QStringList filesNamedX(const QString &folder)
{
    QStringList found;
    QDirIterator it(folder, {QStringLiteral("x")}, QDir::AllEntries | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        found.append(it.next());
    return found;
}

} // namespace

Q_DECLARE_METATYPE(Place)

class tst_HostileInput : public QObject
{
    Q_OBJECT

private slots:
    void hostileTextStaysOneArgument_data();
    void hostileTextStaysOneArgument();
    void longTextInEveryBox_data();
    void longTextInEveryBox();
    void numberTexts_data();
    void numberTexts();
    void realLaunchRunsOnlyTheGenerator_data();
    void realLaunchRunsOnlyTheGenerator();

private:
    void addBoxColumns();
    void composeOrRefuse();
};

void tst_HostileInput::hostileTextStaysOneArgument_data()
{
    QTest::addColumn<Place>("place");
    QTest::addColumn<QString>("text");
    const std::array<std::pair<Place, const char *>, 3> places {{
        {Place::ToolFolder, "tool folder"},
        {Place::OutputFolder, "output folder"},
        {Place::OutputName, "output name"},
    }};
    for (const auto &[place, where] : places) {
        for (const HostileText &hostile : hostileTexts())
            QTest::addRow("%s in %s", hostile.what, where) << place << hostile.text;
    }
}

void tst_HostileInput::hostileTextStaysOneArgument()
{
    QFETCH(Place, place);
    QFETCH(QString, text);
    const QString toolFolder =
        place == Place::ToolFolder ? QStringLiteral("/tools/") + text : QStringLiteral("/tools");
    const QString folder = place == Place::OutputFolder ? tracks + u'/' + text : tracks;
    const QString name = place == Place::OutputName ? text : QStringLiteral("new_prm");
    MainWindow main(toolFolder.toStdString());
    if (place == Place::OutputFolder) {
        main.files.addFolder(folder.toStdString());
        QVERIFY(main.folderList().setPath(folder.toStdString()));
        QCOMPARE(QString::fromStdString(main.folderList().path()), folder);
    }
    if (place == Place::OutputName) {
        main.paste(QStringLiteral("txtOutFile"), text);
        QCOMPARE(main.box(QStringLiteral("txtOutFile"))->text(), text);
    }
    main.apply({QStringLiteral("optLeft90"), QStringLiteral("txtTurn=30")});
    main.make();

    const QString program = toolFolder + QStringLiteral("/lapforge.exe");
    const QString output = folder + u'/' + name;
    const QString line = program + QStringLiteral("  -l -9 30 -o ") + output;
    QVERIFY(main.messages.shown().empty());
    QCOMPARE(main.recorder.started().size(), std::size_t(1));
    const CommandLine &started = main.recorder.started().front();
    QCOMPARE(QString::fromStdString(started.program()), program);
    QCOMPARE(toQStringList(started.arguments()), QStringList({"-l", "-9", "30", "-o", output}));
    QCOMPARE(QString::fromStdString(started.text()), line);
    QCOMPARE(main.shown(), line);
    QCOMPARE(main.commandText(), program + u' ');

    main.make();
    QCOMPARE(main.recorder.started().size(), std::size_t(2));
    QCOMPARE(QString::fromStdString(main.recorder.started().back().text()),
             program + QStringLiteral("  -o ") + folder + QStringLiteral("/new_prm"));
}

void tst_HostileInput::addBoxColumns()
{
    QTest::addColumn<QStringList>("setUp");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    // Empty when the input composes; else the label that the refusal has to name.
    QTest::addColumn<QString>("refusedLabel");
    QTest::addColumn<QString>("appended");
}

// A number box, the choices that make the composition read it, and its label.
struct NumberBox
{
    const char *box;
    QStringList setUp;
    const char *label;
    const char *appendedForZero;
};

void tst_HostileInput::longTextInEveryBox_data()
{
    addBoxColumns();
    const qsizetype length = 100'000;
    const QList<NumberBox> boxes {
        {"txtTurn", {"optSlideL"}, "Diameter/Slide:", ""},
        {"txtLTurn", {"optLoop", "optLleft", "txtTurn=5"}, "Loop number", " -l -O 0"},
        {"txtBank", {"optLeft90", "txtTurn=5", "optBank"}, "Bank height:", " -l -9 5"},
        {"txtHump", {"chkHump"}, "Hump", " -c 0"},
        {"txtRise", {"chkRise"}, "Rise", ""},
        {"txtLen", {}, "Track Length:", ""},
    };
    for (const NumberBox &number : boxes) {
        const QString box = QString::fromUtf8(number.box);
        const QString label = QString::fromUtf8(number.label);
        QTest::addRow("100000 digits in %s are refused", number.label)
            << number.setUp << box << QString(length, u'9') << label << QString();
        QTest::addRow("100000 characters of junk in %s read 0", number.label)
            << number.setUp << box << hostileJunk(length) << QString()
            << QString::fromUtf8(number.appendedForZero);
    }
    QTest::newRow("100000 digits of a fraction keep 15 significant digits")
        << QStringList {} << QStringLiteral("txtLen")
        << QStringLiteral("1.") + QString(length - 2, u'2') << QString()
        << QStringLiteral(" -x 1.22222222222222");
    QTest::newRow("100000 characters of output name stay one argument")
        << QStringList {} << QStringLiteral("txtOutFile") << hostileJunk(length) << QString()
        << QString();
}

void tst_HostileInput::longTextInEveryBox()
{
    composeOrRefuse();
}

void tst_HostileInput::numberTexts_data()
{
    addBoxColumns();
    struct Row
    {
        const char *name;
        QStringList setUp;
        const char *box;
        const char *text;
        const char *refusedLabel;
        const char *appended;
    };
    const QStringList hump {QStringLiteral("chkHump")};
    const QList<Row> rows {
        {"1e308 is written back in E form", hump, "txtHump", "1e308", "", " -c 1E+308"},
        {"1e309 lies beyond a double", hump, "txtHump", "1e309", "Hump", ""},
        {"-1e400 lies beyond a double", hump, "txtHump", "-1e400", "Hump", ""},
        {"1e-400 underflows to 0", hump, "txtHump", "1e-400", "", " -c 0"},
        {"0x10 reads its leading 0", hump, "txtHump", "0x10", "", " -c 0"},
        {"1,5 reads 1: the comma ends the number", hump, "txtHump", "1,5", "", " -c 1"},
        {"Arabic-Indic digits read 0", hump, "txtHump", "١٢", "", " -c 0"},
        {"-0 is written as 0", hump, "txtHump", "-0", "", " -c 0"},
        {"1e308 as a length", {}, "txtLen", "1e308", "", " -x 1E+308"},
        {"-1e400 as a length", {}, "txtLen", "-1e400", "Track Length:", ""},
        {"1e309 as a slide", {"optSlideR"}, "txtTurn", "1e309", "Diameter/Slide:", ""},
        {"1,5 as a turn reads 1", {"optLeft90"}, "txtTurn", "1,5", "", " -l -9 1"},
        {"1e309 as a loop number",
         {"optLoop", "optLright", "txtTurn=5"},
         "txtLTurn",
         "1e309",
         "Loop number",
         ""},
        {"-1e400 as a bank height",
         {"opt180r", "txtTurn=5", "optDip"},
         "txtBank",
         "-1e400",
         "Bank height:",
         ""},
        {"1e309 as a rise", {"chkRise"}, "txtRise", "1e309", "Rise", ""},
    };
    for (const Row &row : rows) {
        QTest::newRow(row.name) << row.setUp << QString::fromUtf8(row.box)
                                << QString::fromUtf8(row.text)
                                << QString::fromUtf8(row.refusedLabel)
                                << QString::fromUtf8(row.appended);
    }
}

void tst_HostileInput::numberTexts()
{
    composeOrRefuse();
}

// Either the line is the base command, what the row appends and the output path, and
// the window resets; or nothing starts, the message names the box, and the window keeps
// every choice. Either way a plain "Make It!" afterwards starts the default line.
void tst_HostileInput::composeOrRefuse()
{
    QFETCH(QStringList, setUp);
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, refusedLabel);
    QFETCH(QString, appended);
    const QString base = QStringLiteral("/tools/lapforge.exe ");
    MainWindow main;
    main.apply(setUp);
    main.type(box, text);
    const QString typed = main.box(box)->text();
    const QString name = main.box(QStringLiteral("txtOutFile"))->text();
    main.make();

    if (refusedLabel.isEmpty()) {
        const QString output = tracks + u'/' + name;
        const QString line = base + appended + QStringLiteral(" -o ") + output;
        QVERIFY(main.messages.shown().empty());
        QCOMPARE(main.recorder.started().size(), std::size_t(1));
        const CommandLine &started = main.recorder.started().front();
        QCOMPARE(toQStringList(started.arguments()).last(), output);
        QCOMPARE(QString::fromStdString(started.text()), line);
        QCOMPARE(main.shown(), line);
    } else {
        QVERIFY(main.recorder.started().empty());
        QCOMPARE(main.messages.shown().size(), std::size_t(1));
        const RecordingMessageBox::Message &message = main.messages.shown().front();
        QCOMPARE(message.window, &main.core->form());
        const QString text = QString::fromStdString(message.text);
        QVERIFY2(text.contains(u'"' + refusedLabel + u'"'), qPrintable(text));
        QVERIFY(main.keeps(setUp));
        QCOMPARE(main.box(box)->text(), typed);
        QVERIFY(main.shown().isEmpty());
    }
    QCOMPARE(main.commandText(), base);

    const std::size_t messages = main.messages.shown().size();
    main.reset();
    // The reset leaves the length alone, so put back what the row changed.
    main.type(box,
              box == QLatin1String("txtOutFile") ? QStringLiteral("new_prm") : QStringLiteral("0"));
    main.make();
    QCOMPARE(main.messages.shown().size(), messages);
    QVERIFY(!main.recorder.started().empty());
    QCOMPARE(QString::fromStdString(main.recorder.started().back().text()),
             base + QStringLiteral(" -o /tracks/new_prm"));
}

void tst_HostileInput::realLaunchRunsOnlyTheGenerator_data()
{
    QTest::addColumn<QString>("toolName");
    QTest::addColumn<QString>("folderName");
    QTest::addColumn<QString>("outputName");
    QTest::newRow("shell operators") << "t;a|b&c"
                                     << "o;d|e&f"
                                     << "n;g|h&i";
    QTest::newRow("command substitution and backquotes") << "$(touch x)"
                                                         << "`touch x`"
                                                         << "$(touch x)`touch x`";
    QTest::newRow("quotes, star and leading dash") << "-t 'q' \"d\" *"
                                                   << "-o *"
                                                   << "-n 'q' \"d\"";
    QTest::newRow("non-ASCII and blanks") << "outils é"
                                          << "日本語 tracks"
                                          << " café 日本語 ";
    QTest::newRow("line breaks") << "a\nb"
                                 << "c\r\nd"
                                 << "e\nf";
}

void tst_HostileInput::realLaunchRunsOnlyTheGenerator()
{
    QFETCH(QString, toolName);
    QFETCH(QString, folderName);
    QFETCH(QString, outputName);
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString toolFolder = root.filePath(toolName);
    const QString outputFolder = root.filePath(folderName);
    const QString workFolder = root.filePath(QStringLiteral("work"));
    for (const QString &folder : {toolFolder, outputFolder, workFolder})
        QVERIFY(QDir().mkpath(folder));
    const QString generator = toolFolder + QStringLiteral("/lapforge.exe");
    QVERIFY(QFile::copy(QStringLiteral(STANDIN_PATH), generator));
    QVERIFY(QFile::setPermissions(generator, QFile::ReadOwner | QFile::ExeOwner));
    const QStringList xBefore = filesNamedX(QDir::currentPath());
    const QString testFolder = QDir::currentPath();
    WorkingFolder working(workFolder);

    QtEventLoop loop;
    WatchedGenerators generators(loop);
    MainWindow main(toolFolder.toStdString(), root.path().toStdString(), &generators);
    main.files.addFolder(outputFolder.toStdString());
    QVERIFY(main.folderList().setPath(outputFolder.toStdString()));
    main.paste(QStringLiteral("txtOutFile"), outputName);
    main.apply({QStringLiteral("optLeft90"), QStringLiteral("txtTurn=30")});
    main.make();
    QVERIFY(main.messages.shown().empty());

    const QString output = outputFolder + u'/' + outputName;
    QTRY_COMPARE_WITH_TIMEOUT(recordedReport(output.toStdString()),
                              reportOf({"-l", "-9", "30", "-o", output.toStdString()}), 20000);
    QCOMPARE(QDir(outputFolder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList {outputName});
    QCOMPARE(filesNamedX(root.path()), QStringList());
    QCOMPARE(filesNamedX(testFolder), xBefore);
}

QTEST_MAIN(tst_HostileInput)
#include "tst_hostileinput.moc"
