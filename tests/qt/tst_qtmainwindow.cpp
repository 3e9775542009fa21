// SPDX-License-Identifier: MIT
#include "Form.h"
#include "LayoutCheck.h"
#include "MainWindowFixture.h"
#include "frmLapforge2Design.h"

#include <QAccessible>
#include <QApplication>
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
#include <QStyleHints>
#include <QStyleOptionButton>
#include <QTest>

#include <memory>
#include <utility>

namespace {

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

// Every control that the reset sets, away from its default, through the widgets, and the
// loop frame shown with a direction chosen.
void moveEverythingAway(const MainWindowFixture &main)
{
    main.type(QStringLiteral("txtLen"), QStringLiteral("9"));
    main.option(QStringLiteral("optLeft90"))->click();
    main.option(QStringLiteral("optDip"))->click();
    main.option(QStringLiteral("optSpr"))->click();
    for (const char *name : {"chkHump", "chkRise", "chkTex", "chkSurface", "chkFlat"})
        main.check(QString::fromLatin1(name))->click();
    main.type(QStringLiteral("txtTurn"), QStringLiteral("7"));
    main.type(QStringLiteral("txtBank"), QStringLiteral("4"));
    main.type(QStringLiteral("txtHump"), QStringLiteral("2"));
    main.type(QStringLiteral("txtRise"), QStringLiteral("3"));
    main.type(QStringLiteral("txtOutFile"), QStringLiteral("mine"));
    main.control<QListWidget>(QStringLiteral("lstTex"))->setCurrentRow(1);
    main.control<QComboBox>(QStringLiteral("cboSur"))->setCurrentIndex(5);
    main.option(QStringLiteral("optLoop"))->click();
    main.option(QStringLiteral("optLleft"))->click();
    main.type(QStringLiteral("txtLTurn"), QStringLiteral("5"));
}

// What a control's widget shows, in the form's terms: its text, its value and its entries.
ControlState shownState(const QWidget *control, ControlKind kind)
{
    ControlState shown;
    shown.enabled = control->isEnabled();
    shown.visible = !control->isHidden();
    if (const auto *box = qobject_cast<const QLineEdit *>(control))
        shown.text = box->text().toStdString();
    if (kind == ControlKind::OptionButton)
        shown.value = qobject_cast<const QAbstractButton *>(control)->isChecked() ? -1 : 0;
    if (const auto *check = qobject_cast<const QCheckBox *>(control))
        shown.value = check->checkState() == Qt::Checked ? 1
            : check->checkState() == Qt::Unchecked       ? 0
                                                         : 2;
    if (const auto *list = qobject_cast<const QListWidget *>(control)) {
        shown.value = list->selectedItems().isEmpty()
            ? -1
            : std::int16_t(list->row(list->selectedItems().constFirst()));
        for (int row = 0; row < list->count(); ++row)
            shown.entries.push_back(list->item(row)->text().toStdString());
    }
    if (kind == ControlKind::ComboBox) {
        const auto *combo = qobject_cast<const QComboBox *>(control);
        shown.value = std::int16_t(combo->currentIndex());
        shown.text = combo->currentText().toStdString();
        for (int row = 0; row < combo->count(); ++row)
            shown.entries.push_back(combo->itemText(row).toStdString());
    }
    return shown;
}

// Every widget shows what the form holds for its control.
void verifyShowsForm(const MainWindowFixture &main)
{
    const Form &form = main.core->form();
    for (std::size_t index = 0; index < form.count(); ++index) {
        const ControlDesign &design = form.designOf(index);
        const ControlState &held = form.state(index);
        const ControlState shown = shownState(main.window->control(index), design.kind);
        const bool hasText =
            design.kind == ControlKind::TextBox || design.kind == ControlKind::ComboBox;
        const bool hasValue = design.kind == ControlKind::OptionButton
            || design.kind == ControlKind::CheckBox || design.kind == ControlKind::ListBox
            || design.kind == ControlKind::ComboBox;
        QVERIFY2(shown.enabled == held.enabled && shown.visible == held.visible
                     && (!hasText || shown.text == held.text)
                     && (!hasValue || (shown.value == held.value && shown.entries == held.entries)),
                 design.name);
    }
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
    void typedSurfaceTextChoosesNothing_data();
    void typedSurfaceTextChoosesNothing();
    void groupsAreExclusiveWithinTheirContainerOnly_data();
    void groupsAreExclusiveWithinTheirContainerOnly();
    void widgetsShowTheFormsState_data();
    void widgetsShowTheFormsState();
    void makeItReadsControlStatesAsTheirValues_data();
    void makeItReadsControlStatesAsTheirValues();
    void outputLineCanBeSelectedNotEdited();
    void doubleClickOnMakeItStartsOnce();
    void enterPressesTheFocusedButton_data();
    void enterPressesTheFocusedButton();
};

void tst_frmLapforge2::layoutMatchesTheDesign()
{
    MainWindowFixture main;
    QCOMPARE(main.window->size(), QSize(414, 495));
    QCOMPARE(main.window->windowTitle(), QStringLiteral("Lapforge"));
    verifyLayout(main.window.get(), frmLapforge2Design().controls);
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
    for (const ControlDesign &design : frmLapforge2Design().controls) {
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
    for (const ControlDesign &design : frmLapforge2Design().controls) {
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

void tst_frmLapforge2::widgetsShowTheFormsState_data()
{
    QTest::addColumn<QString>("event");
    QTest::newRow("load") << "load";
    QTest::newRow("everything moved away") << "away";
    QTest::newRow("Reset") << "Reset";
    QTest::newRow("Make It!") << "Make It!";
}

void tst_frmLapforge2::widgetsShowTheFormsState()
{
    QFETCH(QString, event);
    MainWindowFixture main;
    if (event != QLatin1String("load"))
        moveEverythingAway(main);
    if (event == QLatin1String("Reset"))
        main.reset();
    if (event == QLatin1String("Make It!"))
        main.make();
    verifyShowsForm(main);
    QCOMPARE(main.chosen(),
             event == QLatin1String("away")
                 ? QStringList({"optDip", "optLleft", "optLoop", "optSpr"})
                 : QStringList({"optNor", "optStr"}));
}

void tst_frmLapforge2::makeItReadsControlStatesAsTheirValues_data()
{
    QTest::addColumn<QString>("setUp");
    QTest::addColumn<QString>("appended");
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
    if (setUp == QLatin1String("textureFocusOnly")) {
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

// The second half of a double click would start a default segment over the first one's file.
void tst_frmLapforge2::doubleClickOnMakeItStartsOnce()
{
    MainWindowFixture main;
    QGuiApplication::styleHints()->setMouseDoubleClickInterval(400);
    main.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(main.window.get()));
    main.option(QStringLiteral("optLeft90"))->click();
    main.type(QStringLiteral("txtTurn"), QStringLiteral("5"));
    main.type(QStringLiteral("txtOutFile"), QStringLiteral("curve1"));
    auto *build = main.control<QPushButton>(QStringLiteral("cmdBuild"));
    // Through the window system, which tells the second press as a double click.
    QTest::mouseDClick(main.window->windowHandle(), Qt::LeftButton, {},
                       build->mapTo(main.window.get(), build->rect().center()));
    QCOMPARE(main.recorder.started().size(), std::size_t(1));
    QCOMPARE(main.shown(), base + " -l -9 5 -o /tracks/curve1");
}

// As in the classic toolkit, Enter presses the command button that has the focus; the
// window has no default button, so Enter anywhere else presses nothing.
void tst_frmLapforge2::enterPressesTheFocusedButton_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("starts");
    QTest::addColumn<QString>("outputName");
    QTest::newRow("Enter on Make It!") << "cmdBuild" << int(Qt::Key_Return) << 1 << "new_prm";
    QTest::newRow("keypad Enter on Make It!") << "cmdBuild" << int(Qt::Key_Enter) << 1 << "new_prm";
    QTest::newRow("Space on Make It!") << "cmdBuild" << int(Qt::Key_Space) << 1 << "new_prm";
    QTest::newRow("Enter on Reset") << "cmdReset" << int(Qt::Key_Return) << 0 << "new_prm";
    QTest::newRow("Enter in a text box") << "txtOutFile" << int(Qt::Key_Return) << 0 << "mine";
}

void tst_frmLapforge2::enterPressesTheFocusedButton()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, starts);
    QFETCH(QString, outputName);
    MainWindowFixture main;
    main.window->show();
    QVERIFY(QTest::qWaitForWindowActive(main.window.get()));
    main.type(QStringLiteral("txtOutFile"), QStringLiteral("mine"));
    main.control(focus)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QCOMPARE(main.recorder.started().size(), std::size_t(starts));
    QCOMPARE(main.box(QStringLiteral("txtOutFile"))->text(), outputName);
}

QTEST_MAIN(tst_frmLapforge2)
#include "tst_qtmainwindow.moc"
