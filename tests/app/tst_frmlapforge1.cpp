// SPDX-License-Identifier: MIT
#include "FakeFileSystem.h"
#include "FolderPath.h"
#include "FormDriver.h"
#include "Module1.h"
#include "Platform.h"
#include "RecordingDesktop.h"
#include "RecordingGeneratorStarter.h"
#include "RecordingMessageBox.h"
#include "frmLapforge1.h"
#include "frmLapforge2.h"

#include <doctest/doctest.h>

#include <string>
#include <vector>

namespace {

using Requests = std::vector<std::string>;

// The tool-location window on a fake machine that starts in /start.
struct ToolLocation
{
    ToolLocation()
        : files({"/"}, "/start"),
          window((prepare(), Platform {files, messages, desktop, generator})), ui(window.form())
    { }

    void prepare()
    {
        files.addFolder("/start/tools");
        Module1::setToolFolder("");
    }
    FolderList &folders() const { return ui.folders("Dir2"); }
    std::size_t rowOf(const std::string &name) const
    {
        for (std::size_t row = 0; row < folders().rowCount(); ++row) {
            if (folders().rowText(row) == nativeFolderPath(name))
                return row;
        }
        FAIL("no row " << name);
        return 0;
    }

    FakeFileSystem files;
    RecordingMessageBox messages;
    RecordingDesktop desktop;
    RecordingGeneratorStarter generator;
    frmLapforge1 window;
    FormDriver ui;
};

} // namespace

TEST_CASE("Ok takes the folder that the list has open, and builds the base command from it")
{
    struct Row
    {
        std::string what;
        std::string open;
        std::string highlight;
        std::string base;
    };
    const Row rows[] = {
        {"untouched list: the starting folder", "", "", "/start/lapforge.exe "},
        {"root folder: two separators", "/", "", "//lapforge.exe "},
        {"opened subfolder", "/start/tools", "", "/start/tools/lapforge.exe "},
        {"highlighted row is not opened", "", "tools", "/start/lapforge.exe "},
    };
    for (const Row &row : rows) {
        CAPTURE(row.what);
        ToolLocation tool;
        if (!row.open.empty())
            REQUIRE(tool.folders().setPath(row.open));
        if (!row.highlight.empty())
            tool.folders().highlight(int(tool.rowOf(row.highlight)));
        REQUIRE_FALSE(tool.window.mainWindow());

        tool.ui.click("cmdOK");

        // The main window's load already built its base command from the new tool folder.
        REQUIRE(tool.window.mainWindow());
        CHECK(tool.window.mainWindow()->commandString().text() == nativeFolderPath(row.base));
        CHECK(tool.desktop.requests() == Requests {"hide frmLapforge1", "show frmLapforge2"});
        CHECK(tool.messages.shown().empty());
    }
}

TEST_CASE("Cancel and the title bar end the program without a main window")
{
    for (const bool byCancel : {true, false}) {
        CAPTURE(byCancel);
        ToolLocation tool;
        if (byCancel)
            tool.ui.click("cmdEnd");
        else
            tool.window.form().close();
        CHECK(tool.desktop.requests() == Requests {"unload frmLapforge1", "end"});
        CHECK_FALSE(tool.window.mainWindow());
    }
}

TEST_CASE("after Ok, the main window's Exit ends the whole program")
{
    ToolLocation tool;
    tool.ui.click("cmdOK");
    FormDriver(tool.window.mainWindow()->form()).click("cmdExit");
    CHECK(tool.desktop.requests()
          == Requests {"hide frmLapforge1", "show frmLapforge2", "unload frmLapforge2", "end"});
}
