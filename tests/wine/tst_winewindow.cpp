// SPDX-License-Identifier: MIT
#include "MainWindowFixture.h"
#include "QtEventLoop.h"
#include "TestFiles.h"
#include "WatchedGenerators.h"
#include "WorkingFolder.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString fileText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Sets PATH for one test and puts it back.
class SearchPath
{
public:
    explicit SearchPath(const QByteArray &path) : m_previous(qgetenv("PATH"))
    {
        qputenv("PATH", path);
    }
    ~SearchPath() { qputenv("PATH", m_previous); }

private:
    QByteArray m_previous;
};

struct Run
{
    QString toolFolder;
    QString outputFolder;
};

// The Windows stand-in as the tool folder's lapforge.exe, and an output folder to choose.
Run prepare(const QTemporaryDir &root, const QString &toolName, const QString &folderName)
{
    Run run {root.filePath(toolName), root.filePath(folderName)};
    QDir().mkpath(run.toolFolder);
    QDir().mkpath(run.outputFolder);
    const QString generator = run.toolFolder + QStringLiteral("/lapforge.exe");
    QFile::copy(QStringLiteral(WINDOWS_STANDIN_PATH), generator);
    QFile::setPermissions(generator, QFile::ReadOwner | QFile::WriteOwner);
    return run;
}

} // namespace

class tst_WineWindow : public QObject
{
    Q_OBJECT

private slots:
    void windowsGeneratorWritesIntoChosenFolder_data();
    void windowsGeneratorWritesIntoChosenFolder();
    void missingWineIsExplained();
};

void tst_WineWindow::windowsGeneratorWritesIntoChosenFolder_data()
{
    QTest::addColumn<QString>("toolName");
    QTest::addColumn<QString>("folderName");
    QTest::addColumn<QString>("workFolder"); // below the Wine prefix, or below the root

    QTest::newRow("plain folders") << "tools"
                                   << "tracks"
                                   << "work";
    QTest::newRow("blanks in both folders") << "my tools"
                                            << "my tracks"
                                            << "work";
    // Wine's working drive is then C:, where a bare "/..." would not be the machine's root.
    QTest::newRow("working folder on drive C:") << "tools"
                                                << "out folder"
                                                << "@drive_c";
    QTest::newRow("non-ASCII folder") << "outils"
                                      << "pistes \u00e9t\u00e9"
                                      << "work";
}

// Started from the real window through Wine; the line shown stays the composed one, with
// the output path as chosen, while the generator got it in its Windows form.
void tst_WineWindow::windowsGeneratorWritesIntoChosenFolder()
{
    QFETCH(QString, toolName);
    QFETCH(QString, folderName);
    QFETCH(QString, workFolder);
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const Run run = prepare(root, toolName, folderName);
    const QString work = workFolder.startsWith(u'@')
        ? QString::fromLocal8Bit(qgetenv("WINEPREFIX")) + u'/' + workFolder.mid(1)
        : root.filePath(workFolder);
    QVERIFY(QDir().mkpath(work));
    WorkingFolder working(work);

    QtEventLoop loop;
    WatchedGenerators generators(loop);
    MainWindowFixture main(run.toolFolder.toStdString(), root.path().toStdString(), &generators);
    main.files.addFolder(run.outputFolder.toStdString());
    QVERIFY(main.folderList().setPath(QFile::encodeName(run.outputFolder).toStdString()));
    main.type(QStringLiteral("txtOutFile"), QStringLiteral("new prm"));
    main.option(QStringLiteral("optLeft90"))->click();
    main.type(QStringLiteral("txtTurn"), QStringLiteral("30"));
    main.make();
    QVERIFY(main.messages.shown().empty());

    const QString output = run.outputFolder + QStringLiteral("/new prm");
    QCOMPARE(main.shown(), run.toolFolder + QStringLiteral("/lapforge.exe  -l -9 30 -o ") + output);
    const QString outputInWindows = QStringLiteral("Z:")
        + QDir(run.outputFolder).canonicalPath().replace(u'/', u'\\') + QStringLiteral("\\new prm");
    QTRY_COMPARE_WITH_TIMEOUT(recordedReport(output.toStdString()),
                              reportOf({"-l", "-9", "30", "-o", outputInWindows.toStdString()}),
                              120000);
    QVERIFY(fileText(output).startsWith(
        QStringLiteral("Segment: 90-degree turn to the left, diameter 30\n")));
    QCOMPARE(QDir(run.outputFolder).entryList(QDir::Files),
             QStringList {QStringLiteral("new prm")});
}

void tst_WineWindow::missingWineIsExplained()
{
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const Run run = prepare(root, QStringLiteral("tools"), QStringLiteral("tracks"));
    const SearchPath withoutWine(QFile::encodeName(root.path()));

    QtEventLoop loop;
    WatchedGenerators generators(loop);
    MainWindowFixture main(run.toolFolder.toStdString(), run.outputFolder.toStdString(),
                           &generators);
    main.make();

    QCOMPARE(main.messages.shown().size(), std::size_t(1));
    const QString text = QString::fromStdString(main.messages.shown().front().text);
    QVERIFY2(text.contains(run.toolFolder + QStringLiteral("/lapforge.exe"))
                 && text.contains(QStringLiteral("it is a Windows program, and Wine is needed")),
             qPrintable(text));
    QVERIFY(QDir(run.outputFolder).isEmpty());
}

QTEST_MAIN(tst_WineWindow)
#include "tst_winewindow.moc"
