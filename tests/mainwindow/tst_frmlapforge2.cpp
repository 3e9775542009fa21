// SPDX-License-Identifier: MIT
#include "DriveList.h"
#include "FolderList.h"
#include "LayoutCheck.h"
#include "MainWindowFixture.h"
#include "frmLapforge2.h"
#include "frmLapforge2Layout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include <memory>

namespace {

const QString toolFolder = QStringLiteral("/tools");
const QString base = QStringLiteral("/tools/lapforge.exe ");

} // namespace

class tst_frmLapforge2 : public QObject
{
    Q_OBJECT

private slots:
    void layoutMatchesTheDesign();
    void tabOrderFollowsTheDesign();
    void tabStopsOncePerOptionGroup();
    void arrowKeysChooseWithinTheGroup();
    void captionsFitTheirControls();
    void accessibleNames_data();
    void accessibleNames();
    void loadFillsListsAndResets();
    void groupsAreExclusiveWithinTheirContainerOnly_data();
    void groupsAreExclusiveWithinTheirContainerOnly();
    void segmentChoiceSwitchesDependentControls_data();
    void segmentChoiceSwitchesDependentControls();
    void disablingBankingKeepsItsValues();
    void makeItStartsShowsAndResets();
    void makeItTwiceStartsFromTheBaseCommand();
    void makeItReadsControlStatesAsTheirValues_data();
    void makeItReadsControlStatesAsTheirValues();
    void numberBeyondRangeStartsNothing_data();
    void numberBeyondRangeStartsNothing();
    void failedStartKeepsEverything();
    void unreadableOutputDriveIsReported();
    void outputLineCanBeSelectedNotEdited();
    void renderToPng();
};

void tst_frmLapforge2::layoutMatchesTheDesign()
{
    MainWindowFixture main;
    QCOMPARE(main.window->size(), QSize(414, 495));
    QCOMPARE(main.window->windowTitle(), QStringLiteral("Lapforge"));
    verifyLayout(main.window.get(), frmLapforge2Layout());
    if (QTest::currentTestFailed())
        return;
    // The window's own controls on the "Misc Options" frame are drawn in front of it.
    for (const char *name : {"txtLen", "chkFlat", "optNor", "optDbl", "optNar", "optSpr", "chkTex",
                             "lstTex", "chkSurface", "cboSur"}) {
        const QWidget *control = main.control(QString::fromLatin1(name));
        const QWidget *hit = main.window->childAt(control->geometry().center());
        QVERIFY2(hit == control || control->isAncestorOf(hit), name);
    }
    QCOMPARE(main.control<QGroupBox>(QStringLiteral("frmLoop"))->title(),
             QStringLiteral("    ???      "));
    QVERIFY(main.box(QStringLiteral("txtOutput"))->text().isEmpty());
}

void tst_frmLapforge2::tabOrderFollowsTheDesign()
{
    MainWindowFixture main;
    const QStringList expected {
        "optLeft90",  "optRight90", "opt180l",  "optSlideL", "optSlideR", "txtTurn", "optBank",
        "optTwist",   "optDip",     "txtBank",  "chkHump",   "chkRise",   "txtHump", "txtRise",
        "txtOutFile", "cmdBuild",   "cmdReset", "cmdExit",   "txtOutput", "txtLen",  "Dir1",
        "drvList1",   "chkFlat",    "optNor",   "optDbl",    "optNar",    "optSpr",  "lstTex",
        "chkTex",     "chkSurface", "cboSur",   "optStr",    "opt180r",   "optLoop", "optLleft",
        "optLright",  "txtLTurn"};
    QStringList chain;
    QWidget *first = main.control(expected.first());
    QWidget *step = first;
    do {
        if (!step->objectName().isEmpty() && expected.contains(step->objectName()))
            chain.append(step->objectName());
        step = step->nextInFocusChain();
    } while (step != first);
    QCOMPARE(chain, expected);
}

void tst_frmLapforge2::tabStopsOncePerOptionGroup()
{
    MainWindowFixture main;
    main.window->show();
    QVERIFY(QTest::qWaitForWindowActive(main.window.get()));
    main.option(QStringLiteral("optSlideL"))->click();
    main.box(QStringLiteral("txtOutput"))->setFocus();
    QStringList visited;
    for (int i = 0; i < 16; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    // The width group stops once, on "Normal"; the segment group once, on "Slide Left";
    // the disabled banking options and the hidden loop frame not at all.
    QCOMPARE(visited,
             QStringList({"txtLen", "Dir1", "drvList1", "chkFlat", "optNor", "lstTex", "chkTex",
                          "chkSurface", "cboSur", "optSlideL", "txtTurn", "chkHump", "chkRise",
                          "txtHump", "txtRise", "txtOutFile"}));
}

void tst_frmLapforge2::arrowKeysChooseWithinTheGroup()
{
    MainWindowFixture main;
    main.window->show();
    QVERIFY(QTest::qWaitForWindowActive(main.window.get()));
    main.option(QStringLiteral("optNor"))->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("optNar"));
    QCOMPARE(main.chosen(), QStringList({"optNar", "optStr"}));
}

void tst_frmLapforge2::captionsFitTheirControls()
{
    MainWindowFixture main;
    for (const QAbstractButton *button : main.window->findChildren<QAbstractButton *>()) {
        if (button->text().isEmpty())
            continue;
        QStyleOptionButton option;
        option.initFrom(button);
        const QStyle::PixelMetric indicator = qobject_cast<const QRadioButton *>(button)
            ? QStyle::PM_ExclusiveIndicatorWidth
            : QStyle::PM_IndicatorWidth;
        const int textWidth = button->fontMetrics().horizontalAdvance(button->text());
        const int needed = qobject_cast<const QPushButton *>(button)
            ? textWidth + 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin, &option)
            : textWidth + button->style()->pixelMetric(indicator, &option)
                + button->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option);
        QVERIFY2(needed <= button->width(),
                 qPrintable(QStringLiteral("%1 needs %2 of %3")
                                .arg(button->objectName())
                                .arg(needed)
                                .arg(button->width())));
    }
    for (const QLabel *label : main.window->findChildren<QLabel *>()) {
        if (label->text().isEmpty() || label->wordWrap())
            continue;
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                 qPrintable(label->objectName()));
    }
    for (const QGroupBox *frame : main.window->findChildren<QGroupBox *>())
        QVERIFY(frame->fontMetrics().horizontalAdvance(frame->title()) < frame->width());
}

void tst_frmLapforge2::accessibleNames_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::newRow("caption") << "optLeft90"
                             << "90 Left";
    QTest::newRow("diameter") << "txtTurn"
                              << "Diameter/Slide:";
    QTest::newRow("bank") << "txtBank"
                          << "Bank height:";
    QTest::newRow("length") << "txtLen"
                            << "Track Length:";
    QTest::newRow("output name") << "txtOutFile"
                                 << "Output Name:";
    QTest::newRow("output path") << "Dir1"
                                 << "Output Path:";
    QTest::newRow("debugger") << "txtOutput"
                              << "Debugger:";
    QTest::newRow("loop left") << "optLleft"
                               << "Loop left";
    QTest::newRow("loop right") << "optLright"
                                << "Loop right";
    QTest::newRow("loop") << "optLoop"
                          << "Loop";
    QTest::newRow("loop number") << "txtLTurn"
                                 << "Loop number";
}

void tst_frmLapforge2::accessibleNames()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    MainWindowFixture main;
    QCOMPARE(main.control(control)->accessibleName(), name);
}

void tst_frmLapforge2::loadFillsListsAndResets()
{
    MainWindowFixture main;
    const auto *textures = main.control<QListWidget>(QStringLiteral("lstTex"));
    QCOMPARE(textures->count(), 4);
    for (int row = 0; row < 4; ++row)
        QCOMPARE(textures->item(row)->text(), QString::number(row));
    QVERIFY(textures->selectedItems().isEmpty());
    const auto *surfaces = main.control<QComboBox>(QStringLiteral("cboSur"));
    QCOMPARE(surfaces->count(), 26);
    QCOMPARE(surfaces->itemText(2), QStringLiteral("Grim Sunday"));
    QCOMPARE(surfaces->itemText(25), QStringLiteral("Side Wind"));
    QCOMPARE(surfaces->currentIndex(), 0);
    QCOMPARE(surfaces->currentText(), QStringLiteral("Default"));
    QCOMPARE(main.chosen(), QStringList({"optNor", "optStr"}));
    for (const QCheckBox *box : main.window->findChildren<QCheckBox *>())
        QVERIFY(!box->isChecked());
    QCOMPARE(main.box(QStringLiteral("txtOutFile"))->text(), QStringLiteral("new_prm"));
    QVERIFY(!main.option(QStringLiteral("optBank"))->isEnabled());
    QVERIFY(main.box(QStringLiteral("txtLen"))->isEnabled());
    QVERIFY(main.control(QStringLiteral("frmLoop"))->isHidden());
    QVERIFY(!main.control(QStringLiteral("Image1"))->isHidden());
    QCOMPARE(main.commandText(), base);
    QCOMPARE(main.window->turnInEffect(), 0);
}

void tst_frmLapforge2::groupsAreExclusiveWithinTheirContainerOnly_data()
{
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<QStringList>("chosen");
    QTest::newRow("width leaves segment and twist")
        << QStringList {"optLeft90", "optBank", "optSpr"}
        << QStringList {"optBank", "optLeft90", "optSpr"};
    QTest::newRow("segment leaves width")
        << QStringList {"optDbl", "opt180r", "optSlideL"} << QStringList {"optDbl", "optSlideL"};
    QTest::newRow("twist leaves segment") << QStringList {"optRight90", "optTwist", "optDip"}
                                          << QStringList {"optDip", "optNor", "optRight90"};
    QTest::newRow("loop direction leaves segment")
        << QStringList {"optLoop", "optLleft", "optLright", "optNar"}
        << QStringList {"optLoop", "optLright", "optNar"};
}

void tst_frmLapforge2::groupsAreExclusiveWithinTheirContainerOnly()
{
    QFETCH(QStringList, choices);
    QFETCH(QStringList, chosen);
    MainWindowFixture main;
    for (const QString &name : choices) {
        QRadioButton *button = main.option(name);
        // On the mark: the empty room right of a short caption takes no click.
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2));
    }
    QCOMPARE(main.chosen(), chosen);
}

void tst_frmLapforge2::segmentChoiceSwitchesDependentControls_data()
{
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<bool>("banking");
    QTest::addColumn<bool>("loopFrame");
    QTest::addColumn<QStringList>("chosen");
    QTest::newRow("after load") << QStringList {} << false << false
                                << QStringList {"optNor", "optStr"};
    QTest::newRow("slide") << QStringList {"optLeft90", "optSlideR"} << false << false
                           << QStringList {"optNor", "optSlideR"};
    QTest::newRow("turn") << QStringList {"opt180l"} << true << false
                          << QStringList {"opt180l", "optNor"};
    QTest::newRow("loop after reset keeps banking off")
        << QStringList {"optLoop"} << false << true << QStringList {"optLoop", "optNor"};
    QTest::newRow("loop after turn keeps banking on")
        << QStringList {"optRight90", "optLoop"} << true << true
        << QStringList {"optLoop", "optNor"};
    QTest::newRow("loop direction turns banking on")
        << QStringList {"optLoop", "optLright"} << true << true
        << QStringList {"optLoop", "optLright", "optNor"};
    QTest::newRow("straight after loop clears its direction")
        << QStringList {"optLoop", "optLleft", "optStr"} << false << false
        << QStringList {"optNor", "optStr"};
    QTest::newRow("turn after loop clears its direction")
        << QStringList {"optLoop", "optLleft", "optLeft90"} << true << false
        << QStringList {"optLeft90", "optNor"};
}

void tst_frmLapforge2::segmentChoiceSwitchesDependentControls()
{
    QFETCH(QStringList, choices);
    QFETCH(bool, banking);
    QFETCH(bool, loopFrame);
    QFETCH(QStringList, chosen);
    MainWindowFixture main;
    for (const QString &name : choices)
        main.option(name)->click();
    for (const char *name : {"optBank", "optTwist", "optDip", "txtBank"})
        QCOMPARE(main.control(QString::fromLatin1(name))->isEnabled(), banking);
    QCOMPARE(main.box(QStringLiteral("txtLen"))->isEnabled(), !banking);
    QCOMPARE(main.control(QStringLiteral("frmLoop"))->isHidden(), !loopFrame);
    QCOMPARE(main.control(QStringLiteral("Image1"))->isHidden(), loopFrame);
    QCOMPARE(main.chosen(), chosen);
}

void tst_frmLapforge2::disablingBankingKeepsItsValues()
{
    MainWindowFixture main;
    main.option(QStringLiteral("optLeft90"))->click();
    main.option(QStringLiteral("optTwist"))->click();
    main.type(QStringLiteral("txtBank"), QStringLiteral("4"));
    main.option(QStringLiteral("optSlideL"))->click();
    QVERIFY(main.option(QStringLiteral("optTwist"))->isChecked());
    QVERIFY(!main.option(QStringLiteral("optTwist"))->isEnabled());
    QCOMPARE(main.box(QStringLiteral("txtBank"))->text(), QStringLiteral("4"));
}

void tst_frmLapforge2::makeItStartsShowsAndResets()
{
    MainWindowFixture main;
    main.option(QStringLiteral("optLeft90"))->click();
    main.type(QStringLiteral("txtTurn"), QStringLiteral("030"));
    main.option(QStringLiteral("optBank"))->click();
    main.type(QStringLiteral("txtBank"), QStringLiteral("3"));
    main.check(QStringLiteral("chkHump"))->click();
    main.type(QStringLiteral("txtHump"), QStringLiteral("2"));
    main.type(QStringLiteral("txtLen"), QStringLiteral("20"));
    main.option(QStringLiteral("optDbl"))->click();
    main.check(QStringLiteral("chkTex"))->click();
    main.control<QListWidget>(QStringLiteral("lstTex"))->setCurrentRow(2);
    main.check(QStringLiteral("chkSurface"))->click();
    main.control<QComboBox>(QStringLiteral("cboSur"))->setCurrentIndex(2);
    main.check(QStringLiteral("chkFlat"))->click();
    main.make();

    const QString line = base + " -l -9 30 -b 3 -c 2 -w  -m 2 -p 2 -f  -o /tracks/new_prm";
    QCOMPARE(main.recorder.started().size(), std::size_t(1));
    const CommandLine &started = main.recorder.started().front();
    QCOMPARE(QString::fromStdString(started.text()), line);
    QCOMPARE(QString::fromStdString(started.program()), QStringLiteral("/tools/lapforge.exe"));
    QCOMPARE(started.arguments().size(), std::size_t(15));
    QCOMPARE(main.shown(), line);
    QVERIFY(main.messages.shown().isEmpty());
    // Reset, except what the reset leaves alone.
    QCOMPARE(main.chosen(), QStringList({"optNor", "optStr"}));
    QCOMPARE(main.box(QStringLiteral("txtTurn"))->text(), QStringLiteral("0"));
    QCOMPARE(main.box(QStringLiteral("txtLen"))->text(), QStringLiteral("20"));
    QCOMPARE(main.control<QListWidget>(QStringLiteral("lstTex"))->currentRow(), 2);
    QCOMPARE(main.commandText(), base);
}

void tst_frmLapforge2::makeItTwiceStartsFromTheBaseCommand()
{
    MainWindowFixture main;
    main.type(QStringLiteral("txtLen"), QStringLiteral("-5"));
    main.option(QStringLiteral("optSlideR"))->click();
    main.type(QStringLiteral("txtTurn"), QStringLiteral("12"));
    main.make();
    main.make();
    QCOMPARE(main.recorder.started().size(), std::size_t(2));
    QCOMPARE(QString::fromStdString(main.recorder.started()[0].text()),
             base + " -r -S 12 -x -5 -o /tracks/new_prm");
    QCOMPARE(QString::fromStdString(main.recorder.started()[1].text()),
             base + " -x -5 -o /tracks/new_prm");
    QCOMPARE(main.shown(), base + " -x -5 -o /tracks/new_prm");
}

void tst_frmLapforge2::makeItReadsControlStatesAsTheirValues_data()
{
    QTest::addColumn<QString>("setUp");
    QTest::addColumn<QString>("appended");
    QTest::newRow("grayed hump counts as unchecked") << "grayedHump"
                                                     << "";
    QTest::newRow("texture list focused but nothing selected") << "textureFocusOnly"
                                                               << " -m -1";
    QTest::newRow("surface picked by the user") << "surfaceGravel"
                                                << " -p 15";
    QTest::newRow("output name with blanks kept whole") << "blankName"
                                                        << "";
}

void tst_frmLapforge2::makeItReadsControlStatesAsTheirValues()
{
    QFETCH(QString, setUp);
    QFETCH(QString, appended);
    MainWindowFixture main;
    QString output = QStringLiteral("/tracks/new_prm");
    if (setUp == QLatin1String("grayedHump")) {
        main.check(QStringLiteral("chkHump"))->setCheckState(Qt::PartiallyChecked);
    } else if (setUp == QLatin1String("textureFocusOnly")) {
        main.check(QStringLiteral("chkTex"))->click();
        auto *textures = main.control<QListWidget>(QStringLiteral("lstTex"));
        textures->setCurrentRow(1, QItemSelectionModel::NoUpdate);
    } else if (setUp == QLatin1String("surfaceGravel")) {
        main.check(QStringLiteral("chkSurface"))->click();
        main.control<QComboBox>(QStringLiteral("cboSur"))->setCurrentIndex(15);
    } else if (setUp == QLatin1String("blankName")) {
        main.type(QStringLiteral("txtOutFile"), QStringLiteral("my track; $(x)"));
        output = QStringLiteral("/tracks/my track; $(x)");
    }
    main.make();
    QCOMPARE(main.shown(), base + appended + " -o " + output);
    QCOMPARE(QString::fromStdString(main.recorder.started().front().arguments().back()), output);
}

void tst_frmLapforge2::numberBeyondRangeStartsNothing_data()
{
    QTest::addColumn<QString>("segment");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("label");
    QTest::newRow("length") << "optStr"
                            << "txtLen"
                            << "Track Length:";
    QTest::newRow("diameter") << "optSlideL"
                              << "txtTurn"
                              << "Diameter/Slide:";
    QTest::newRow("bank height") << "optLeft90"
                                 << "txtBank"
                                 << "Bank height:";
}

void tst_frmLapforge2::numberBeyondRangeStartsNothing()
{
    QFETCH(QString, segment);
    QFETCH(QString, field);
    QFETCH(QString, label);
    MainWindowFixture main;
    main.option(segment)->click();
    main.option(QStringLiteral("optBank"))->click();
    main.type(QStringLiteral("txtTurn"), QStringLiteral("5"));
    main.type(QStringLiteral("txtBank"), QStringLiteral("2"));
    main.type(field, QStringLiteral("-1e400"));
    main.make();
    QVERIFY(main.recorder.started().empty());
    QCOMPARE(main.messages.shown().size(), 1);
    QVERIFY2(main.messages.shown().front().text.contains(label),
             qPrintable(main.messages.shown().front().text));
    QVERIFY(main.option(segment)->isChecked());
    QCOMPARE(main.box(field)->text(), QStringLiteral("-1e400"));
    QVERIFY(main.shown().isEmpty());
    QCOMPARE(main.commandText(), base);
}

void tst_frmLapforge2::failedStartKeepsEverything()
{
    MainWindowFixture main;
    main.recorder.failure = LaunchFailure {LaunchFailure::Kind::NoSuchFile, "/tools/lapforge.exe",
                                           "No such file or directory"};
    main.option(QStringLiteral("optLeft90"))->click();
    main.type(QStringLiteral("txtTurn"), QStringLiteral("30"));
    main.make();
    QCOMPARE(main.messages.shown().size(), 1);
    QVERIFY(main.messages.shown().front().text.contains(QStringLiteral("/tools/lapforge.exe")));
    QVERIFY(main.messages.shown().front().text.contains(QStringLiteral("No such file")));
    QVERIFY(main.shown().isEmpty());
    QVERIFY(main.option(QStringLiteral("optLeft90"))->isChecked());
    QCOMPARE(main.commandText(), base);

    main.recorder.failure.reset();
    main.make();
    const QString line = base + " -l -9 30 -o /tracks/new_prm";
    QCOMPARE(QString::fromStdString(main.recorder.started().back().text()), line);
    QCOMPARE(main.shown(), line);
}

void tst_frmLapforge2::unreadableOutputDriveIsReported()
{
    MainWindowFixture main;
    main.files.makeUnreadable(QStringLiteral("/media/cdrom"), QStringLiteral("No medium found"));
    auto *drives = main.control<DriveList>(QStringLiteral("drvList1"));
    drives->setCurrentIndex(drives->findText(QStringLiteral("/media/cdrom")));
    QCOMPARE(main.messages.shown().size(), 1);
    QCOMPARE(main.messages.shown().front().text,
             QStringLiteral("Access denied!. Please check drive /media/cdrom/"));
    QCOMPARE(main.messages.shown().front().title, QStringLiteral("No medium found"));
    QCOMPARE(drives->drive(), QStringLiteral("/"));
    QCOMPARE(main.control<FolderList>(QStringLiteral("Dir1"))->path(), QStringLiteral("/tracks"));
}

void tst_frmLapforge2::outputLineCanBeSelectedNotEdited()
{
    MainWindowFixture main;
    main.make();
    QLineEdit *output = main.box(QStringLiteral("txtOutput"));
    const QString line = output->text();
    output->setFocus();
    QTest::keyClicks(output, QStringLiteral("typed"));
    QCOMPARE(output->text(), line);
    output->selectAll();
    QCOMPARE(output->selectedText(), line);
}

void tst_frmLapforge2::renderToPng()
{
    MainWindowFixture main;
    main.option(QStringLiteral("optLoop"))->click();
    main.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(main.window.get()));
    const QString path = QStringLiteral(LAPFORGE_BUILD_DIR "/frmLapforge2.png");
    QVERIFY(main.window->grab().save(path));
}

QTEST_MAIN(tst_frmLapforge2)
#include "tst_frmlapforge2.moc"
