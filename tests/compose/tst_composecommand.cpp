// SPDX-License-Identifier: MIT
#include "ComposeCommand.h"
#include "Module1.h"
#include "NativeSeparator.h"

#include <QStringList>
#include <QTest>

Q_DECLARE_METATYPE(BuildInputs)
Q_DECLARE_METATYPE(std::optional<NumberField>)

namespace {

// Paths are written here with "\" and compared with the native separator.
QString native(QString path)
{
    return path.replace(u'\\', QChar::fromLatin1(nativeSeparator));
}

std::string nativePath(const char *path)
{
    return native(QString::fromUtf8(path)).toStdString();
}

QStringList argumentList(const CommandLine &command)
{
    QStringList list;
    for (const std::string &argument : command.arguments())
        list.append(QString::fromStdString(argument));
    return list;
}

QString appendedText(const CommandLine &composed, const CommandLine &base)
{
    return QString::fromStdString(composed.text().substr(base.text().size()));
}

// The window as the reset leaves it, with "Bank" chosen so that the twist gate matters.
BuildInputs resetInputs()
{
    BuildInputs inputs;
    for (std::string *number : {&inputs.txtTurn, &inputs.txtLTurn, &inputs.txtBank, &inputs.txtHump,
                                &inputs.txtRise, &inputs.txtLen})
        *number = "0";
    inputs.optBank = optionChosen;
    inputs.optNor = optionChosen;
    inputs.Dir1 = nativePath("\\tracks");
    inputs.txtOutFile = "new_prm";
    return inputs;
}

template<typename Change>
BuildInputs changed(Change change)
{
    BuildInputs inputs = resetInputs();
    change(inputs);
    return inputs;
}

QString withOutput(const char *options)
{
    return QString::fromLatin1(options) + native(" -o \\tracks\\new_prm");
}

constexpr std::int16_t untouchedFlag = 7;

} // namespace

class tst_ComposeCommand : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void baseCommand_data();
    void baseCommand();
    void workedExamples_data();
    void workedExamples();
    void gates_data();
    void gates();
    void optionWords_data();
    void optionWords();
    void outputPath_data();
    void outputPath();
    void overflowChangesNothing_data();
    void overflowChangesNothing();
    void gatedOffOverflowIsNotRead_data();
    void gatedOffOverflowIsNotRead();
};

void tst_ComposeCommand::init()
{
    Module1::setToolFolder(nativePath("\\tools"));
}

void tst_ComposeCommand::baseCommand_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("text");

    QTest::newRow("folder") << native("\\tools") << native("\\tools\\lapforge.exe ");
    QTest::newRow("root gives two separators") << native("\\") << native("\\\\lapforge.exe ");
    QTest::newRow("blanks unquoted") << native("\\my tools") << native("\\my tools\\lapforge.exe ");
}

void tst_ComposeCommand::baseCommand()
{
    QFETCH(QString, folder);
    QFETCH(QString, text);

    Module1::setToolFolder(folder.toStdString());
    const CommandLine base = BaseCommand();
    QCOMPARE(QString::fromStdString(base.text()), text);
    QCOMPARE(QString::fromStdString(base.program()), text.chopped(1));
    QVERIFY(base.arguments().empty());
}

void tst_ComposeCommand::workedExamples_data()
{
    QTest::addColumn<BuildInputs>("inputs");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("turnInEffect");

    QTest::newRow("90 Left with bank, hump, width, texture, surface, flat")
        << changed([](BuildInputs &in) {
               in.optLeft90 = optionChosen;
               in.txtTurn = "030";
               in.txtBank = "3";
               in.chkHump = checkChecked;
               in.txtHump = "2";
               in.txtLen = "20";
               in.optNor = 0;
               in.optDbl = optionChosen;
               in.chkTex = checkChecked;
               in.lstTex = 2;
               in.chkSurface = checkChecked;
               in.cboSur = 2;
               in.chkFlat = checkChecked;
           })
        << native(
               "\\tools\\lapforge.exe  -l -9 30 -b 3 -c 2 -w  -m 2 -p 2 -f  -o \\tracks\\new_prm")
        << QStringList {"-l", "-9", "30", "-b", "3",
                        "-c", "2",  "-w", "-m", "2",
                        "-p", "2",  "-f", "-o", native("\\tracks\\new_prm")}
        << 1;
    QTest::newRow("Slide Right with rise and length into a root folder")
        << changed([](BuildInputs &in) {
               in.optSlideR = optionChosen;
               in.txtTurn = "12";
               in.txtBank = "5";
               in.chkRise = checkChecked;
               in.txtRise = "-1";
               in.txtLen = "20";
               in.Dir1 = nativePath("\\");
           })
        << native("\\tools\\lapforge.exe  -r -S 12 -h -1 -x 20 -o \\\\new_prm")
        << QStringList {"-r", "-S", "12", "-h", "-1", "-x", "20", "-o", native("\\\\new_prm")} << 0;
    QTest::newRow("right loop") << changed([](BuildInputs &in) {
        in.optLright = optionChosen;
        in.txtTurn = "10";
        in.txtLTurn = "3";
        in.txtLen = "20";
    }) << native("\\tools\\lapforge.exe  -r -O 3 -o \\tracks\\new_prm")
                                << QStringList {"-r", "-O", "3", "-o", native("\\tracks\\new_prm")}
                                << 1;
    QTest::newRow("window after reset")
        << resetInputs() << native("\\tools\\lapforge.exe  -o \\tracks\\new_prm")
        << QStringList {"-o", native("\\tracks\\new_prm")} << 0;
}

void tst_ComposeCommand::workedExamples()
{
    QFETCH(BuildInputs, inputs);
    QFETCH(QString, text);
    QFETCH(QStringList, arguments);
    QFETCH(int, turnInEffect);

    CommandLine command = BaseCommand();
    std::int16_t flag = untouchedFlag;
    QCOMPARE(ComposeCommand(inputs, command, flag), std::nullopt);
    QCOMPARE(QString::fromStdString(command.text()), text);
    QCOMPARE(argumentList(command), arguments);
    QCOMPARE(QString::fromStdString(command.program()), native("\\tools\\lapforge.exe"));
    QCOMPARE(flag, turnInEffect);
}

void tst_ComposeCommand::gates_data()
{
    QTest::addColumn<BuildInputs>("inputs");
    QTest::addColumn<QString>("appended");
    QTest::addColumn<int>("turnInEffect");

    auto turn = [](std::int16_t BuildInputs::*option, const char *diameter) {
        return changed([=](BuildInputs &in) {
            in.*option = optionChosen;
            in.txtTurn = diameter;
            in.txtBank = "3";
            in.txtLTurn = "4";
            in.txtLen = "20";
        });
    };
    const auto left90 = &BuildInputs::optLeft90;
    const auto loopLeft = &BuildInputs::optLleft;

    QTest::newRow("90 Right keeps two blanks")
        << turn(&BuildInputs::optRight90, "45") << withOutput(" -r  -9 45 -b 3") << 1;
    QTest::newRow("180 Left takes no length")
        << turn(&BuildInputs::opt180l, "2.50") << withOutput(" -l -U 2.5 -b 3") << 1;
    QTest::newRow("slide is never twisted but takes a length")
        << turn(&BuildInputs::optSlideL, "12") << withOutput(" -l -S 12 -x 20") << 0;
    QTest::newRow("turn with empty diameter") << turn(left90, "") << withOutput(" -x 20") << 0;
    QTest::newRow("turn with zero diameter") << turn(left90, "0.0") << withOutput(" -x 20") << 0;
    QTest::newRow("turn with non-numeric diameter")
        << turn(left90, "abc") << withOutput(" -x 20") << 0;
    QTest::newRow("option at 1 is not chosen") << changed([](BuildInputs &in) {
        in.optLeft90 = 1;
        in.txtTurn = "30";
    }) << withOutput("") << 0;
    QTest::newRow("loop appends its own number")
        << turn(loopLeft, "10") << withOutput(" -l -O 4 -b 3") << 1;
    QTest::newRow("loop gated by zero diameter")
        << turn(loopLeft, "0") << withOutput(" -x 20") << 0;
    QTest::newRow("loop with empty number") << changed([](BuildInputs &in) {
        in.optLright = optionChosen;
        in.txtTurn = "10";
        in.txtLTurn = "";
    }) << withOutput(" -r -O 0") << 1;
    QTest::newRow("loop without direction is a straight") << changed([](BuildInputs &in) {
        in.txtTurn = "10";
        in.txtLTurn = "3";
        in.txtLen = "5";
    }) << withOutput(" -x 5") << 0;
    QTest::newRow("turn wins over loop direction") << changed([](BuildInputs &in) {
        in.optLright = optionChosen;
        in.opt180r = optionChosen;
        in.txtTurn = "30";
    }) << withOutput(" -r -U 30") << 1;
    QTest::newRow("slide wins over loop left, flag and all") << changed([](BuildInputs &in) {
        in.optLleft = optionChosen;
        in.optSlideL = optionChosen;
        in.txtTurn = "12";
        in.txtLTurn = "3";
        in.txtBank = "2";
        in.optBank = optionChosen;
        in.txtLen = "20";
    }) << withOutput(" -l -S 12 -x 20") << 0;
    QTest::newRow("first twist kind wins") << changed([](BuildInputs &in) {
        in.optLeft90 = optionChosen;
        in.txtTurn = "30";
        in.optBank = 0;
        in.optTwist = optionChosen;
        in.optDip = optionChosen;
        in.txtBank = "-1.5";
    }) << withOutput(" -l -9 30 -t -1.5") << 1;
    QTest::newRow("turn without twist kind") << changed([](BuildInputs &in) {
        in.optLeft90 = optionChosen;
        in.txtTurn = "30";
        in.optBank = 0;
        in.txtBank = "3";
    }) << withOutput(" -l -9 30") << 1;
    QTest::newRow("hump at zero is appended")
        << changed([](BuildInputs &in) { in.chkHump = checkChecked; }) << withOutput(" -c 0") << 0;
    QTest::newRow("rise at zero is left out")
        << changed([](BuildInputs &in) { in.chkRise = checkChecked; }) << withOutput("") << 0;
    QTest::newRow("grayed boxes count as unchecked") << changed([](BuildInputs &in) {
        in.chkHump = in.chkRise = in.chkTex = in.chkSurface = in.chkFlat = 2;
        in.txtHump = in.txtRise = "5";
    }) << withOutput("") << 0;
    QTest::newRow("negative length keeps its sign")
        << changed([](BuildInputs &in) { in.txtLen = "-5"; }) << withOutput(" -x -5") << 0;
    QTest::newRow("length written back, not copied")
        << changed([](BuildInputs &in) { in.txtLen = " 0 45.0abc"; }) << withOutput(" -x 45") << 0;
    QTest::newRow("texture space without a row")
        << changed([](BuildInputs &in) { in.chkTex = checkChecked; }) << withOutput(" -m -1") << 0;
    QTest::newRow("last surface") << changed([](BuildInputs &in) {
        in.chkSurface = checkChecked;
        in.cboSur = 25;
    }) << withOutput(" -p 25") << 0;
    QTest::newRow("first width wins") << changed([](BuildInputs &in) {
        in.optNor = 0;
        in.optNar = optionChosen;
        in.optSpr = optionChosen;
    }) << withOutput(" -n ") << 0;
    QTest::newRow("no width chosen")
        << changed([](BuildInputs &in) { in.optNor = 0; }) << withOutput("") << 0;
}

void tst_ComposeCommand::gates()
{
    QFETCH(BuildInputs, inputs);
    QFETCH(QString, appended);
    QFETCH(int, turnInEffect);

    const CommandLine base = BaseCommand();
    CommandLine command = base;
    std::int16_t flag = untouchedFlag;
    QCOMPARE(ComposeCommand(inputs, command, flag), std::nullopt);
    QCOMPARE(appendedText(command, base), appended);
    QCOMPARE(flag, turnInEffect);
}

void tst_ComposeCommand::optionWords_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("arguments");

    QTest::newRow("two blanks between words") << " -r  -9 " << QStringList {"-r", "-9"};
    QTest::newRow("one word") << " -w " << QStringList {"-w"};
    QTest::newRow("nothing") << "" << QStringList {};
    QTest::newRow("blanks only") << "   " << QStringList {};
}

void tst_ComposeCommand::optionWords()
{
    QFETCH(QString, option);
    QFETCH(QStringList, arguments);

    CommandLine command("lapforge.exe");
    command.appendOption(option.toStdString());
    QCOMPARE(QString::fromStdString(command.text()), "lapforge.exe " + option);
    QCOMPARE(argumentList(command), arguments);
}

void tst_ComposeCommand::outputPath_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");

    QTest::newRow("root folder") << native("\\") << "new_prm";
    QTest::newRow("empty name") << native("\\tracks") << "";
    QTest::newRow("blanks") << native("\\my tracks ") << " new prm";
    QTest::newRow("shell characters") << native("\\t;$(touch x)`id`'\"*") << "a|b&c>d";
}

void tst_ComposeCommand::outputPath()
{
    QFETCH(QString, folder);
    QFETCH(QString, name);

    const BuildInputs inputs = changed([&](BuildInputs &in) {
        in.Dir1 = folder.toStdString();
        in.txtOutFile = name.toStdString();
    });
    const CommandLine base = BaseCommand();
    CommandLine command = base;
    std::int16_t flag = untouchedFlag;
    QCOMPARE(ComposeCommand(inputs, command, flag), std::nullopt);

    const QString path = folder + QChar::fromLatin1(nativeSeparator) + name;
    QCOMPARE(appendedText(command, base), " -o " + path);
    QCOMPARE(argumentList(command), (QStringList {"-o", path}));
}

void tst_ComposeCommand::overflowChangesNothing_data()
{
    QTest::addColumn<BuildInputs>("inputs");
    QTest::addColumn<std::optional<NumberField>>("field");

    // Each row has earlier steps append something, so a half-composed line would show.
    auto overflowing = [](auto change) {
        return changed([=](BuildInputs &in) {
            in.optLeft90 = optionChosen;
            in.txtTurn = "30";
            in.chkHump = in.chkRise = checkChecked;
            in.txtHump = in.txtRise = "1";
            change(in);
        });
    };
    const std::optional<NumberField> turn(NumberField::txtTurn);

    QTest::newRow("txtTurn") << overflowing([](BuildInputs &in) { in.txtTurn = "1e400"; }) << turn;
    QTest::newRow("txtLTurn") << overflowing([](BuildInputs &in) {
        in.optLeft90 = 0;
        in.optLright = optionChosen;
        in.txtLTurn = "1e400";
    }) << std::optional(NumberField::txtLTurn);
    QTest::newRow("txtBank") << overflowing([](BuildInputs &in) { in.txtBank = "-1e400"; })
                             << std::optional(NumberField::txtBank);
    QTest::newRow("txtHump") << overflowing([](BuildInputs &in) { in.txtHump = "1e400"; })
                             << std::optional(NumberField::txtHump);
    QTest::newRow("txtRise") << overflowing([](BuildInputs &in) { in.txtRise = "1D400"; })
                             << std::optional(NumberField::txtRise);
    QTest::newRow("txtLen") << overflowing([](BuildInputs &in) {
        in.optLeft90 = 0;
        in.optSlideL = optionChosen;
        in.txtLen = "1e400";
    }) << std::optional(NumberField::txtLen);
}

void tst_ComposeCommand::overflowChangesNothing()
{
    QFETCH(BuildInputs, inputs);
    QFETCH(std::optional<NumberField>, field);

    const CommandLine base = BaseCommand();
    CommandLine command = base;
    std::int16_t flag = untouchedFlag;
    QCOMPARE(ComposeCommand(inputs, command, flag), field);
    QVERIFY(command == base);
    QCOMPARE(flag, untouchedFlag);
}

void tst_ComposeCommand::gatedOffOverflowIsNotRead_data()
{
    QTest::addColumn<BuildInputs>("inputs");
    QTest::addColumn<QString>("appended");

    QTest::newRow("txtTurn of a straight")
        << changed([](BuildInputs &in) { in.txtTurn = "1e400"; }) << withOutput("");
    QTest::newRow("txtLTurn of a turn") << changed([](BuildInputs &in) {
        in.optLeft90 = optionChosen;
        in.txtTurn = "30";
        in.txtLTurn = "1e400";
    }) << withOutput(" -l -9 30");
    QTest::newRow("txtLTurn of a loop with zero diameter") << changed([](BuildInputs &in) {
        in.optLleft = optionChosen;
        in.txtLTurn = "1e400";
    }) << withOutput("");
    QTest::newRow("txtBank of a slide") << changed([](BuildInputs &in) {
        in.optSlideR = optionChosen;
        in.txtTurn = "12";
        in.txtBank = "1e400";
    }) << withOutput(" -r -S 12");
    QTest::newRow("txtBank without twist kind") << changed([](BuildInputs &in) {
        in.optLeft90 = optionChosen;
        in.txtTurn = "30";
        in.optBank = 0;
        in.txtBank = "1e400";
    }) << withOutput(" -l -9 30");
    QTest::newRow("txtHump and txtRise grayed") << changed([](BuildInputs &in) {
        in.chkHump = in.chkRise = 2;
        in.txtHump = in.txtRise = "1e400";
    }) << withOutput("");
    QTest::newRow("txtLen of a turn") << changed([](BuildInputs &in) {
        in.opt180r = optionChosen;
        in.txtTurn = "30";
        in.txtLen = "1e400";
    }) << withOutput(" -r -U 30");
}

void tst_ComposeCommand::gatedOffOverflowIsNotRead()
{
    QFETCH(BuildInputs, inputs);
    QFETCH(QString, appended);

    const CommandLine base = BaseCommand();
    CommandLine command = base;
    std::int16_t flag = untouchedFlag;
    QCOMPARE(ComposeCommand(inputs, command, flag), std::nullopt);
    QCOMPARE(appendedText(command, base), appended);
}

QTEST_APPLESS_MAIN(tst_ComposeCommand)
#include "tst_composecommand.moc"
