// SPDX-License-Identifier: MIT
#include "DriveList.h"
#include "FolderList.h"
#include "LayoutCheck.h"
#include "MainWindowFixture.h"
#include "frmLapforge2.h"
#include "frmLapforge2Layout.h"

#include <QAccessible>
#include <QButtonGroup>
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
#include <utility>

namespace {

const QString toolFolder = QStringLiteral("/tools");
const QString base = QStringLiteral("/tools/lapforge.exe ");

// A screen reader names a control by the label that is its buddy, where there is one, and by
// its own name otherwise; a frame around it is told as a group, not as its name.
QString announcedName(QAccessibleInterface *control)
{
    for (const auto &[other, relation] : control->relations(QAccessible::Label)) {
        if (other->role() == QAccessible::StaticText)
            return other->text(QAccessible::Name);
    }
    return control->text(QAccessible::Name);
}

// Every control that the reset sets, away from its default, and the loop frame shown with a
// direction chosen.
void moveEverythingAway(const MainWindowFixture &main)
{
    main.option(QStringLiteral("optLeft90"))->click();
    main.option(QStringLiteral("optDip"))->click();
    main.option(QStringLiteral("optSpr"))->click();
    for (const char *name : {"chkHump", "chkRise", "chkTex", "chkSurface", "chkFlat"})
        main.check(QString::fromLatin1(name))->click();
    main.type(QStringLiteral("txtTurn"), QStringLiteral("7"));
    main.type(QStringLiteral("txtBank"), QStringLiteral("4"));
    main.type(QStringLiteral("txtHump"), QStringLiteral("2"));
    main.type(QStringLiteral("txtRise"), QStringLiteral("3"));
    main.type(QStringLiteral("txtLTurn"), QStringLiteral("5"));
    main.type(QStringLiteral("txtLen"), QStringLiteral("9"));
    main.type(QStringLiteral("txtOutFile"), QStringLiteral("mine"));
    main.control<QListWidget>(QStringLiteral("lstTex"))->setCurrentRow(1);
    main.control<QComboBox>(QStringLiteral("cboSur"))->setCurrentIndex(5);
    main.option(QStringLiteral("optLoop"))->click();
    main.option(QStringLiteral("optLleft"))->click();
}

// A control's state as the reset sets it: a text, an option's or check box's value, the
// combo box's position, or whether a frame or picture is shown.
QString stateOf(const QWidget *control)
{
    if (const auto *box = qobject_cast<const QLineEdit *>(control))
        return box->text();
    if (const auto *option = qobject_cast<const QRadioButton *>(control))
        return option->isChecked() ? QStringLiteral("-1") : QStringLiteral("0");
    if (const auto *check = qobject_cast<const QCheckBox *>(control))
        return check->checkState() == Qt::Checked  ? QStringLiteral("1")
            : check->checkState() == Qt::Unchecked ? QStringLiteral("0")
                                                   : QStringLiteral("2");
    if (const auto *combo = qobject_cast<const QComboBox *>(control))
        return QString::number(combo->currentIndex());
    return control->isHidden() ? QStringLiteral("hidden") : QStringLiteral("shown");
}

} // namespace

class tst_frmLapforge2 : public QObject
{
    Q_OBJECT

private slots:
    void layoutMatchesTheDesign();
    void tabOrderFollowsTheDesign();
    void tabStopsOncePerOptionGroup();
    void arrowKeysChooseWithinTheGroup_data();
    void arrowKeysChooseWithinTheGroup();
    void everyOptionTakesTheClicksAimedAtIt_data();
    void everyOptionTakesTheClicksAimedAtIt();
    void captionsFitTheirControls();
    void accessibleNames_data();
    void accessibleNames();
    void loadFillsListsAndResets();
    void resetRestoresEveryDefault_data();
    void resetRestoresEveryDefault();
    void typedSurfaceTextChoosesNothing_data();
    void typedSurfaceTextChoosesNothing();
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
    void missingGeneratorNamesTheToolFolder();
    void unreadableOutputDriveIsReported();
    void outputLineCanBeSelectedNotEdited();
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

void tst_frmLapforge2::arrowKeysChooseWithinTheGroup_data()
{
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("chosen");
    QTest::addColumn<bool>("banking");
    QTest::newRow("width: Down") << QStringList {} << "optNor" << int(Qt::Key_Down)
                                 << QStringList {"optNar", "optStr"} << false;
    QTest::newRow("loop left by Space turns banking on")
        << QStringList {"optLoop"} << "optLleft" << int(Qt::Key_Space)
        << QStringList {"optLleft", "optLoop", "optNor"} << true;
    QTest::newRow("loop right by Space turns banking on")
        << QStringList {"optLoop"} << "optLright" << int(Qt::Key_Space)
        << QStringList {"optLoop", "optLright", "optNor"} << true;
    QTest::newRow("loop left by Up from loop right")
        << QStringList {"optLoop", "optLright"} << "optLright" << int(Qt::Key_Up)
        << QStringList {"optLleft", "optLoop", "optNor"} << true;
    QTest::newRow("loop right by Down from loop left")
        << QStringList {"optLoop", "optLleft"} << "optLleft" << int(Qt::Key_Down)
        << QStringList {"optLoop", "optLright", "optNor"} << true;
}

void tst_frmLapforge2::arrowKeysChooseWithinTheGroup()
{
    QFETCH(QStringList, choices);
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(QStringList, chosen);
    QFETCH(bool, banking);
    MainWindowFixture main;
    main.window->show();
    QVERIFY(QTest::qWaitForWindowActive(main.window.get()));
    for (const QString &name : choices)
        main.option(name)->click();
    main.option(focus)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QCOMPARE(main.chosen(), chosen);
    QCOMPARE(main.option(QStringLiteral("optBank"))->isEnabled(), banking);
    QCOMPARE(main.box(QStringLiteral("txtLen"))->isEnabled(), !banking);
    if (key != Qt::Key_Space)
        QVERIFY(QApplication::focusWidget()->property("checked").toBool());
}

void tst_frmLapforge2::everyOptionTakesTheClicksAimedAtIt_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("onCaption");
    for (const ControlDesign &design : frmLapforge2Layout()) {
        if (design.kind != ControlKind::OptionButton && design.kind != ControlKind::CheckBox)
            continue;
        const QString name = QString::fromUtf8(design.name);
        QTest::addRow("%s at its mark", design.name) << name << false;
        if (*design.caption)
            QTest::addRow("%s on its caption", design.name) << name << true;
    }
}

void tst_frmLapforge2::everyOptionTakesTheClicksAimedAtIt()
{
    QFETCH(QString, control);
    QFETCH(bool, onCaption);
    MainWindowFixture main;
    main.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(main.window.get()));
    // Banking on and the loop frame shown, so that every option can be clicked.
    main.option(QStringLiteral("optLeft90"))->click();
    main.option(QStringLiteral("optLoop"))->click();
    auto *target = main.control<QAbstractButton>(control);
    if (target->isChecked()) {
        for (QAbstractButton *other : target->group()->buttons()) {
            if (other != target) {
                other->click();
                break;
            }
        }
    }
    QVERIFY(!target->isChecked());
    main.clickAt(onCaption ? main.captionOf(target) : main.markOf(target));
    QVERIFY(target->isChecked());
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
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("name");
    // Exclusion is the button groups' work, but every option button is still a radio button.
    for (const ControlDesign &design : frmLapforge2Layout()) {
        if (design.kind == ControlKind::OptionButton)
            QTest::addRow("%s", design.name)
                << QString::fromUtf8(design.name) << QAccessible::RadioButton
                << QString::fromUtf8(design.accessibleName ? design.accessibleName
                                                           : design.caption);
    }
    QTest::newRow("check box") << "chkFlat" << QAccessible::CheckBox << "Make Flat?";
    QTest::newRow("diameter") << "txtTurn" << QAccessible::EditableText << "Diameter/Slide:";
    QTest::newRow("bank") << "txtBank" << QAccessible::EditableText << "Bank height:";
    QTest::newRow("length") << "txtLen" << QAccessible::EditableText << "Track Length:";
    QTest::newRow("output name") << "txtOutFile" << QAccessible::EditableText << "Output Name:";
    QTest::newRow("output path") << "Dir1" << QAccessible::List << "Output Path:";
    QTest::newRow("output drive, by its label")
        << "drvList1" << QAccessible::ComboBox << "Output Path:";
    QTest::newRow("debugger") << "txtOutput" << QAccessible::EditableText << "Debugger:";
    QTest::newRow("loop number") << "txtLTurn" << QAccessible::EditableText << "Loop number";
}

void tst_frmLapforge2::accessibleNames()
{
    QFETCH(QString, control);
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, name);
    MainWindowFixture main;
    main.window->show();
    QAccessibleInterface *announced = QAccessible::queryAccessibleInterface(main.control(control));
    QVERIFY(announced);
    QCOMPARE(announced->role(), role);
    QCOMPARE(announcedName(announced), name);
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
}

void tst_frmLapforge2::resetRestoresEveryDefault_data()
{
    QTest::addColumn<QString>("event");
    QTest::addColumn<QString>("txtLen");
    QTest::addColumn<int>("lstTex");
    QTest::addColumn<QString>("txtOutput");
    QTest::newRow("load") << "load"
                          << "0" << -1 << "";
    QTest::newRow("Reset") << "Reset"
                           << "9" << 1 << "";
    QTest::newRow("Make It!") << "Make It!"
                              << "9" << 1
                              << base + " -l -O 5 -d 4 -c 2 -h 3 -s  -m 1 -p 5 -f  -o /tracks/mine";
}

void tst_frmLapforge2::resetRestoresEveryDefault()
{
    QFETCH(QString, event);
    QFETCH(QString, txtLen);
    QFETCH(int, lstTex);
    QFETCH(QString, txtOutput);
    MainWindowFixture main;
    if (event != QLatin1String("load")) {
        moveEverythingAway(main);
        QVERIFY(main.option(QStringLiteral("optLleft"))->isChecked());
        QVERIFY(main.option(QStringLiteral("optDip"))->isChecked());
        QVERIFY(!main.control(QStringLiteral("frmLoop"))->isHidden());
    }
    if (event == QLatin1String("Reset"))
        main.reset();
    if (event == QLatin1String("Make It!"))
        main.make();

    // Every control that the reset sets, with the option buttons that the groups clear.
    const std::pair<const char *, const char *> defaults[] {
        {"txtTurn", "0"},          {"txtBank", "0"},      {"txtHump", "0"},    {"txtRise", "0"},
        {"txtOutFile", "new_prm"}, {"chkHump", "0"},      {"chkRise", "0"},    {"chkTex", "0"},
        {"chkSurface", "0"},       {"chkFlat", "0"},      {"txtLTurn", "0"},   {"optNor", "-1"},
        {"optDbl", "0"},           {"optNar", "0"},       {"optSpr", "0"},     {"optLeft90", "0"},
        {"optRight90", "0"},       {"opt180l", "0"},      {"opt180r", "0"},    {"optSlideL", "0"},
        {"optSlideR", "0"},        {"optBank", "0"},      {"optTwist", "0"},   {"optDip", "0"},
        {"optStr", "-1"},          {"optLoop", "0"},      {"optLleft", "0"},   {"optLright", "0"},
        {"cboSur", "0"},           {"frmLoop", "hidden"}, {"Image1", "shown"},
    };
    for (const auto &[name, value] : defaults) {
        const QString state = stateOf(main.control(QString::fromLatin1(name)));
        QVERIFY2(state == QLatin1String(value),
                 qPrintable(QStringLiteral("%1 is %2, not %3")
                                .arg(QLatin1String(name), state, QLatin1String(value))));
    }
    for (const char *name : {"optBank", "optTwist", "optDip", "txtBank"})
        QVERIFY2(!main.control(QString::fromLatin1(name))->isEnabled(), name);
    QVERIFY(main.box(QStringLiteral("txtLen"))->isEnabled());
    QCOMPARE(main.commandText(), base);
    // What the reset leaves alone.
    QCOMPARE(main.box(QStringLiteral("txtLen"))->text(), txtLen);
    QCOMPARE(main.control<QListWidget>(QStringLiteral("lstTex"))->currentRow(), lstTex);
    QCOMPARE(main.shown(), txtOutput);
    QCOMPARE(main.folders()->path(), QStringLiteral("/tracks"));
    // Nothing of the segment before lingers: the next line is a straight of the kept length.
    main.make();
    const QString length = txtLen == QLatin1String("0") ? QString() : " -x " + txtLen;
    QCOMPARE(main.shown(), base + length + " -o /tracks/new_prm");
}

void tst_frmLapforge2::typedSurfaceTextChoosesNothing_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("ending");
    QTest::newRow("start of a name, then Tab") << "gr" << int(Qt::Key_Tab);
    QTest::newRow("whole name, then Enter") << "Gravel" << int(Qt::Key_Return);
    QTest::newRow("name in other case, then Enter") << "gravel" << int(Qt::Key_Enter);
    QTest::newRow("whole name, then a click on Make It!") << "Gravel" << 0;
    QTest::newRow("no name, then Tab") << "Nowhere" << int(Qt::Key_Tab);
}

void tst_frmLapforge2::typedSurfaceTextChoosesNothing()
{
    QFETCH(QString, typed);
    QFETCH(int, ending);
    MainWindowFixture main;
    main.window->show();
    QVERIFY(QTest::qWaitForWindowActive(main.window.get()));
    main.check(QStringLiteral("chkSurface"))->click();
    auto *surfaces = main.control<QComboBox>(QStringLiteral("cboSur"));
    surfaces->setCurrentIndex(3);
    surfaces->setFocus();
    surfaces->lineEdit()->selectAll();
    QTest::keyClicks(QApplication::focusWidget(), typed);
    if (ending) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(ending));
        QCOMPARE(surfaces->currentIndex(), 3);
        // The field shows what will be sent, not what was typed.
        QCOMPARE(surfaces->currentText(), QStringLiteral("Trick"));
    }
    auto *build = main.control<QPushButton>(QStringLiteral("cmdBuild"));
    main.clickAt(build->geometry().center());
    QCOMPARE(main.shown(), base + " -p 3 -o /tracks/new_prm");
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
    main.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(main.window.get()));
    for (const QString &name : choices)
        main.clickAt(main.markOf(main.option(name)));
    QCOMPARE(main.chosen(), chosen);
}

void tst_frmLapforge2::segmentChoiceSwitchesDependentControls_data()
{
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<bool>("banking");
    QTest::addColumn<bool>("loopFrame");
    QTest::addColumn<QStringList>("chosen");
    QTest::addColumn<QString>("segment"); // what the next "Make It!" starts with
    QTest::newRow("after load") << QStringList {} << false << false
                                << QStringList {"optNor", "optStr"} << "";
    QTest::newRow("slide") << QStringList {"optLeft90", "optSlideR"} << false << false
                           << QStringList {"optNor", "optSlideR"} << " -r -S 6";
    QTest::newRow("turn") << QStringList {"opt180l"} << true << false
                          << QStringList {"opt180l", "optNor"} << " -l -U 6";
    QTest::newRow("loop after reset keeps banking off")
        << QStringList {"optLoop"} << false << true << QStringList {"optLoop", "optNor"} << "";
    QTest::newRow("loop after turn keeps banking on")
        << QStringList {"optRight90", "optLoop"} << true << true
        << QStringList {"optLoop", "optNor"} << "";
    QTest::newRow("loop direction turns banking on")
        << QStringList {"optLoop", "optLright"} << true << true
        << QStringList {"optLoop", "optLright", "optNor"} << " -r -O 3";
    QTest::newRow("straight after loop clears its direction")
        << QStringList {"optLoop", "optLleft", "optStr"} << false << false
        << QStringList {"optNor", "optStr"} << "";
    QTest::newRow("turn after loop clears its direction")
        << QStringList {"optLoop", "optLleft", "optLeft90"} << true << false
        << QStringList {"optLeft90", "optNor"} << " -l -9 6";
    QTest::newRow("slide after loop clears its direction")
        << QStringList {"optLoop", "optLright", "optSlideL"} << false << false
        << QStringList {"optNor", "optSlideL"} << " -l -S 6";
}

void tst_frmLapforge2::segmentChoiceSwitchesDependentControls()
{
    QFETCH(QStringList, choices);
    QFETCH(bool, banking);
    QFETCH(bool, loopFrame);
    QFETCH(QStringList, chosen);
    QFETCH(QString, segment);
    MainWindowFixture main;
    main.type(QStringLiteral("txtTurn"), QStringLiteral("6"));
    main.type(QStringLiteral("txtLTurn"), QStringLiteral("3"));
    for (const QString &name : choices)
        main.option(name)->click();
    for (const char *name : {"optBank", "optTwist", "optDip", "txtBank"})
        QCOMPARE(main.control(QString::fromLatin1(name))->isEnabled(), banking);
    QCOMPARE(main.box(QStringLiteral("txtLen"))->isEnabled(), !banking);
    QCOMPARE(main.control(QStringLiteral("frmLoop"))->isHidden(), !loopFrame);
    QCOMPARE(main.control(QStringLiteral("Image1"))->isHidden(), loopFrame);
    QCOMPARE(main.chosen(), chosen);
    main.make();
    QCOMPARE(main.shown(), base + segment + " -o /tracks/new_prm");
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

void tst_frmLapforge2::missingGeneratorNamesTheToolFolder()
{
    MainWindowFixture main(QStringLiteral("/my tools"));
    main.recorder.failure = LaunchFailure {LaunchFailure::Kind::NoSuchFile,
                                           "/my tools/lapforge.exe", "No such file or directory"};
    main.make();
    QCOMPARE(main.messages.shown().size(), 1);
    QString text = main.messages.shown().front().text;
    QVERIFY2(text.contains(QStringLiteral("/my tools/lapforge.exe")), qPrintable(text));
    // Besides the program's path, the folder itself, and how to choose another.
    text.remove(QStringLiteral("/my tools/lapforge.exe"));
    QVERIFY2(text.contains(QStringLiteral("/my tools/")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("start this program again")), qPrintable(text));
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

QTEST_MAIN(tst_frmLapforge2)
#include "tst_frmlapforge2.moc"
