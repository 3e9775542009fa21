// SPDX-License-Identifier: MIT
#include "FakeFileSystem.h"
#include "FolderPath.h"
#include "FormDriver.h"
#include "Module1.h"
#include "Platform.h"
#include "RecordingDesktop.h"
#include "RecordingGeneratorStarter.h"
#include "RecordingMessageBox.h"
#include "frmLapforge2.h"
#include "frmLapforge2Design.h"

#include <doctest/doctest.h>

#include <chrono>
#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

std::string native(const std::string &path)
{
    return nativeFolderPath(path);
}

const std::string base = native("/tools/lapforge.exe ");

// The main window on a fake machine whose output folder list starts at /tracks, with the
// tool folder /tools; starts are recorded.
struct MainWindow
{
    MainWindow(const std::string &toolFolder = "/tools")
        : files({"/", "/media/cdrom"}, "/tracks"),
          window((Module1::setToolFolder(native(toolFolder)),
                  Platform {files, messages, desktop, generator})),
          ui(window.form())
    { }

    // "name" clicks a control; "name=text" types into a box; "name#row" selects a row.
    void apply(const Names &steps) const
    {
        for (const std::string &step : steps) {
            if (const std::size_t equals = step.find('='); equals != std::string::npos)
                ui.type(step.substr(0, equals), step.substr(equals + 1));
            else if (const std::size_t hash = step.find('#'); hash != std::string::npos)
                ui.select(step.substr(0, hash), std::stoi(step.substr(hash + 1)));
            else
                ui.click(step);
        }
    }
    void make() const { ui.click("cmdBuild"); }
    const std::string &shown() const { return ui.text("txtOutput"); }
    std::string commandText() const { return window.commandString().text(); }
    std::vector<std::string> warnings() const
    {
        std::vector<std::string> texts;
        for (const auto &message : messages.shown()) {
            if (message.icon == RecordingMessageBox::Message::Icon::Warning)
                texts.push_back(message.whole());
        }
        return texts;
    }

    FakeFileSystem files;
    RecordingMessageBox messages;
    RecordingDesktop desktop;
    RecordingGeneratorStarter generator;
    frmLapforge2 window;
    FormDriver ui;
};

// Every control that the reset sets, away from its default, and the loop frame shown with
// a direction chosen.
const Names everythingAway {"txtLen=9",  "optLeft90", "optDip",     "optSpr",          "chkHump",
                            "chkRise",   "chkTex",    "chkSurface", "chkFlat",         "txtTurn=7",
                            "txtBank=4", "txtHump=2", "txtRise=3",  "txtOutFile=mine", "lstTex#1",
                            "cboSur#5",  "optLoop",   "optLleft",   "txtLTurn=5"};

} // namespace

TEST_CASE("the load fills the lists and resets")
{
    MainWindow main;
    CHECK(main.ui.state("lstTex").entries == Names {"0", "1", "2", "3"});
    CHECK(main.ui.value("lstTex") == -1);
    const auto &surfaces = main.ui.state("cboSur").entries;
    REQUIRE(surfaces.size() == 26);
    CHECK(surfaces[0] == "Default");
    CHECK(surfaces[2] == "Grim Sunday");
    CHECK(surfaces[25] == "Side Wind");
    CHECK(main.ui.value("cboSur") == 0);
    CHECK(main.ui.text("cboSur") == "Default");
    CHECK(main.commandText() == base);
    CHECK(main.shown().empty());
}

TEST_CASE("load, Reset and Make It! restore every default and leave the rest alone")
{
    struct Row
    {
        std::string event;
        std::string txtLen;
        int lstTex;
        std::string txtOutput;
    };
    const Row rows[] = {
        {"load", "0", -1, ""},
        {"Reset", "9", 1, ""},
        {"Make It!", "9", 1,
         base + " -l -O 5 -d 4 -c 2 -h 3 -s  -m 1 -p 5 -f  -o " + native("/tracks/mine")},
    };
    for (const Row &row : rows) {
        CAPTURE(row.event);
        MainWindow main;
        if (row.event != std::string("load")) {
            main.apply(everythingAway);
            REQUIRE(main.ui.value("optLleft") == -1);
            REQUIRE(main.ui.value("optDip") == -1);
            REQUIRE(main.ui.visible("frmLoop"));
        }
        if (row.event == std::string("Reset"))
            main.ui.click("cmdReset");
        if (row.event == std::string("Make It!"))
            main.make();

        const std::pair<const char *, int> values[] {
            {"chkHump", 0},  {"chkRise", 0},   {"chkTex", 0},     {"chkSurface", 0},
            {"chkFlat", 0},  {"optNor", -1},   {"optDbl", 0},     {"optNar", 0},
            {"optSpr", 0},   {"optLeft90", 0}, {"optRight90", 0}, {"opt180l", 0},
            {"opt180r", 0},  {"optSlideL", 0}, {"optSlideR", 0},  {"optBank", 0},
            {"optTwist", 0}, {"optDip", 0},    {"optStr", -1},    {"optLoop", 0},
            {"optLleft", 0}, {"optLright", 0}, {"cboSur", 0},
        };
        for (const auto &control : values) {
            CAPTURE(control.first);
            CHECK(main.ui.value(control.first) == control.second);
        }
        const std::pair<const char *, const char *> texts[] {
            {"txtTurn", "0"}, {"txtBank", "0"},          {"txtHump", "0"},
            {"txtRise", "0"}, {"txtOutFile", "new_prm"}, {"txtLTurn", "0"},
        };
        for (const auto &control : texts) {
            CAPTURE(control.first);
            CHECK(main.ui.text(control.first) == control.second);
        }
        CHECK_FALSE(main.ui.visible("frmLoop"));
        CHECK(main.ui.visible("Image1"));
        for (const char *name : {"optBank", "optTwist", "optDip", "txtBank"})
            CHECK_FALSE(main.ui.enabled(name));
        CHECK(main.ui.enabled("txtLen"));
        CHECK(main.commandText() == base);
        // What the reset leaves alone.
        CHECK(main.ui.text("txtLen") == row.txtLen);
        CHECK(main.ui.value("lstTex") == row.lstTex);
        CHECK(main.shown() == row.txtOutput);
        CHECK(main.ui.folders("Dir1").path() == "/tracks");
        // Nothing of the segment before lingers: the next line is a straight of the kept length.
        main.make();
        const std::string length = row.txtLen == "0" ? "" : " -x " + row.txtLen;
        CHECK(main.shown() == base + length + " -o " + native("/tracks/new_prm"));
    }
}

TEST_CASE("the segment choice switches the banking controls, the length and the loop frame")
{
    struct Row
    {
        std::string what;
        Names choices;
        bool banking;
        bool loopFrame;
        Names chosen;
        std::string segment; // what the next "Make It!" starts with
    };
    const Row rows[] = {
        {"after load", {}, false, false, {"optNor", "optStr"}, ""},
        {"slide", {"optLeft90", "optSlideR"}, false, false, {"optNor", "optSlideR"}, " -r -S 6"},
        {"turn", {"opt180l"}, true, false, {"opt180l", "optNor"}, " -l -U 6"},
        {"loop after reset keeps banking off", {"optLoop"}, false, true, {"optLoop", "optNor"}, ""},
        {"loop after turn keeps banking on",
         {"optRight90", "optLoop"},
         true,
         true,
         {"optLoop", "optNor"},
         ""},
        {"loop direction turns banking on",
         {"optLoop", "optLright"},
         true,
         true,
         {"optLoop", "optLright", "optNor"},
         " -r -O 3"},
        {"straight after loop clears its direction",
         {"optLoop", "optLleft", "optStr"},
         false,
         false,
         {"optNor", "optStr"},
         ""},
        {"turn after loop clears its direction",
         {"optLoop", "optLleft", "optLeft90"},
         true,
         false,
         {"optLeft90", "optNor"},
         " -l -9 6"},
        {"slide after loop clears its direction",
         {"optLoop", "optLright", "optSlideL"},
         false,
         false,
         {"optNor", "optSlideL"},
         " -l -S 6"},
    };
    for (const Row &row : rows) {
        CAPTURE(row.what);
        MainWindow main;
        main.apply({"txtTurn=6"});
        main.apply(row.choices);
        // The loop's number can be typed only while its frame shows.
        if (main.ui.visible("frmLoop"))
            main.apply({"txtLTurn=3"});
        for (const char *name : {"optBank", "optTwist", "optDip", "txtBank"})
            CHECK(main.ui.enabled(name) == row.banking);
        CHECK(main.ui.enabled("txtLen") == !row.banking);
        CHECK(main.ui.visible("frmLoop") == row.loopFrame);
        CHECK(main.ui.visible("Image1") == !row.loopFrame);
        CHECK(main.ui.chosen() == row.chosen);
        main.make();
        CHECK(main.shown() == base + row.segment + " -o " + native("/tracks/new_prm"));
    }
}

TEST_CASE("disabling the banking controls keeps their values")
{
    MainWindow main;
    main.apply({"optLeft90", "optTwist", "txtBank=4", "optSlideL"});
    CHECK(main.ui.value("optTwist") == -1);
    CHECK_FALSE(main.ui.enabled("optTwist"));
    CHECK(main.ui.text("txtBank") == "4");
}

TEST_CASE("Make It! starts the composed line, shows it and resets")
{
    MainWindow main;
    main.apply({"txtLen=20", "optLeft90", "txtTurn=030", "optBank", "txtBank=3", "chkHump",
                "txtHump=2", "optDbl", "chkTex", "lstTex#2", "chkSurface", "cboSur#2", "chkFlat"});
    main.make();

    const std::string line =
        base + " -l -9 30 -b 3 -c 2 -w  -m 2 -p 2 -f  -o " + native("/tracks/new_prm");
    REQUIRE(main.generator.started().size() == 1);
    const CommandLine &started = main.generator.started().front();
    CHECK(started.text() == line);
    CHECK(started.program() == native("/tools/lapforge.exe"));
    CHECK(started.arguments().size() == 15);
    CHECK(main.shown() == line);
    CHECK(main.messages.shown().empty());
    CHECK(main.ui.chosen() == Names {"optNor", "optStr"});
    CHECK(main.ui.text("txtTurn") == "0");
    CHECK(main.ui.text("txtLen") == "20");
    CHECK(main.ui.value("lstTex") == 2);
    CHECK(main.commandText() == base);
}

TEST_CASE("a second Make It! starts from the base command again")
{
    MainWindow main;
    main.apply({"txtLen=-5", "optSlideR", "txtTurn=12"});
    main.make();
    main.make();
    REQUIRE(main.generator.started().size() == 2);
    CHECK(main.generator.started()[0].text()
          == base + " -r -S 12 -x -5 -o " + native("/tracks/new_prm"));
    CHECK(main.generator.started()[1].text() == base + " -x -5 -o " + native("/tracks/new_prm"));
}

TEST_CASE("Make It! reads each control's state as the classic toolkit's value")
{
    struct Row
    {
        std::string what;
        Names steps;
        std::string appended;
        std::string name;
    };
    const Row rows[] = {
        {"no texture row selected", {"chkTex"}, " -m -1", "new_prm"},
        {"surface picked by the user", {"chkSurface", "cboSur#15"}, " -p 15", "new_prm"},
        {"typed surface text is no choice",
         {"chkSurface", "cboSur#3", "cboSur=Gravel"},
         " -p 3",
         "new_prm"},
        {"output name with blanks kept whole", {"txtOutFile=my track; $(x)"}, "", "my track; $(x)"},
    };
    for (const Row &row : rows) {
        CAPTURE(row.what);
        MainWindow main;
        main.apply(row.steps);
        main.make();
        const std::string output = native("/tracks/") + row.name;
        CHECK(main.shown() == base + row.appended + " -o " + output);
        CHECK(main.generator.started().front().arguments().back() == output);
    }
    MainWindow grayed;
    grayed.window.form().setValue(grayed.window.form().indexOf("chkHump"), 2);
    grayed.make();
    CHECK(grayed.shown() == base + " -o " + native("/tracks/new_prm"));
}

TEST_CASE("a number beyond range starts nothing, names its box and keeps every choice")
{
    struct Row
    {
        const char *segment;
        const char *field;
        const char *label;
    };
    const Row rows[] = {
        {"optStr", "txtLen", "Track Length:"},
        {"optSlideL", "txtTurn", "Diameter/Slide:"},
        {"optLeft90", "txtBank", "Bank height:"},
    };
    for (const Row &row : rows) {
        CAPTURE(row.field);
        MainWindow main;
        main.apply(
            {row.segment, "optBank", "txtTurn=5", "txtBank=2", row.field + std::string("=-1e400")});
        main.make();
        CHECK(main.generator.started().empty());
        REQUIRE(main.messages.shown().size() == 1);
        const auto &message = main.messages.shown().front();
        CHECK(message.icon == RecordingMessageBox::Message::Icon::Critical);
        CHECK(message.title == "Lapforge");
        CHECK(message.text
              == std::string("The number in \"") + row.label
                  + "\" lies beyond the range of numbers. Nothing was started.");
        CHECK(main.ui.value(row.segment) == -1);
        CHECK(main.ui.text(row.field) == "-1e400");
        CHECK(main.shown().empty());
        CHECK(main.commandText() == base);
    }
}

TEST_CASE("a failed start keeps everything, and the next try composes afresh")
{
    MainWindow main;
    main.generator.failure = LaunchFailure {LaunchFailure::Kind::NotPermitted,
                                            native("/tools/lapforge.exe"), "Permission denied"};
    main.apply({"optLeft90", "txtTurn=30"});
    main.make();
    REQUIRE(main.messages.shown().size() == 1);
    CHECK(main.messages.shown().front().text == main.generator.failure->message());
    CHECK(main.shown().empty());
    CHECK(main.ui.value("optLeft90") == -1);
    CHECK(main.commandText() == base);

    main.generator.failure.reset();
    main.make();
    const std::string line = base + " -l -9 30 -o " + native("/tracks/new_prm");
    CHECK(main.generator.started().back().text() == line);
    CHECK(main.shown() == line);
}

TEST_CASE("a missing generator's message names the tool folder and how to choose another")
{
    MainWindow main("/my tools");
    main.generator.failure = LaunchFailure {LaunchFailure::Kind::NoSuchFile,
                                            native("/my tools/lapforge.exe"), "No such file"};
    main.make();
    REQUIRE(main.messages.shown().size() == 1);
    CHECK(
        main.messages.shown().front().text
        == main.generator.failure->message() + "\n\nLapforge was looked for in "
            + native("/my tools/")
            + ", the folder chosen at start. To choose another folder, start this program again.");
}

TEST_CASE("a generator's end is warned about only when it failed")
{
    MainWindow main;
    const GeneratorEnd failed {"/tools/lapforge.exe", GeneratorEnd::How::Exited, 1, "cannot\n"};
    const GeneratorEnd killed {"/tools/lapforge.exe", GeneratorEnd::How::Killed, 9, ""};
    const GeneratorEnd fine {"/tools/lapforge.exe", GeneratorEnd::How::Exited, 0, "chatter\n"};
    main.generator.end(failed);
    main.generator.end(fine);
    main.generator.end(killed);
    CHECK(
        main.warnings()
        == std::vector<std::string> {
            "/tools/lapforge.exe ended with exit status 1. The end of its error output:\n\ncannot",
            "/tools/lapforge.exe ended with " + killed.status() + " and wrote no error output."});
    for (const auto &message : main.messages.shown()) {
        CHECK(message.window == &main.window.form());
        CHECK(message.title == "Lapforge");
    }
}

TEST_CASE("an unreadable output drive is reported, and the lists agree again")
{
    MainWindow main;
    main.files.makeUnreadable("/media/cdrom", "No medium found");
    main.ui.pickDrive("drvList1", "/media/cdrom");
    REQUIRE(main.messages.shown().size() == 1);
    CHECK(main.messages.shown().front().text
          == "Access denied!. Please check drive " + native("/media/cdrom/"));
    CHECK(main.messages.shown().front().title == "No medium found");
    CHECK(main.ui.drives("drvList1").drive() == "/");
    CHECK(main.ui.folders("Dir1").path() == "/tracks");
}

TEST_CASE("Exit and the title bar both unload the window and end the program")
{
    for (const bool byExit : {true, false}) {
        CAPTURE(byExit);
        MainWindow main;
        if (byExit)
            main.ui.click("cmdExit");
        else
            main.window.form().close();
        CHECK(main.desktop.requests() == Names {"unload frmLapforge2", "end"});
    }
}

TEST_CASE("runs that fail while the warning is open are counted in it")
{
    MainWindow main;
    const GeneratorEnd first {"/tools/lapforge.exe", GeneratorEnd::How::Exited, 1, "first\n"};
    const GeneratorEnd latest {"/tools/lapforge.exe", GeneratorEnd::How::Exited, 2, "latest\n"};
    main.generator.end(first);
    main.messages.openWarning = true;
    main.generator.end(latest);
    main.generator.end(latest);
    main.messages.openWarning = false;
    main.generator.end(first);

    const auto &shown = main.messages.shown();
    REQUIRE(shown.size() == 4);
    CHECK(shown[1].text
          == "2 runs of Lapforge failed while this warning was open. The latest:\n\n"
              + latest.summary());
    CHECK(shown[1].detail == "latest");
    CHECK(shown[2].text.starts_with("3 runs of Lapforge failed"));
    // Once the warning is closed, the next failure opens a warning of its own.
    CHECK(shown[3].text == first.summary());
    CHECK(shown[3].detail == "first");
}

TEST_CASE("a second press within the double-click time after a start starts nothing")
{
    struct Row
    {
        std::string what;
        bool startFails;
        std::chrono::milliseconds between;
        std::size_t starts;
    };
    using namespace std::chrono_literals;
    const Row rows[] = {
        {"the second half of a double click", false, 100ms, 1},
        {"just within the double-click time", false, 499ms, 1},
        {"two presses a double click apart", false, 500ms, 2},
        {"a press after a failed start tries again", true, 0ms, 2},
    };
    for (const Row &row : rows) {
        CAPTURE(row.what);
        MainWindow main;
        main.desktop.doubleClick = 500ms;
        if (row.startFails)
            main.generator.failure =
                LaunchFailure {LaunchFailure::Kind::Other, "/tools/lapforge.exe", "refused"};
        main.apply({"optLeft90", "txtTurn=5", "txtOutFile=curve1"});
        main.make();
        main.desktop.clock += row.between;
        main.make();
        CHECK(main.generator.started().size() == row.starts);
        // Whatever the second press did, the first line was the chosen segment.
        CHECK(main.generator.started().front().text()
              == base + " -l -9 5 -o " + native("/tracks/curve1"));
    }
}
