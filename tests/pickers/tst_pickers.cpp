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

#include <memory>
#include <string>
#include <vector>

namespace {

const std::string &startFolder = homeTracks;

std::string native(const std::string &path)
{
    return nativeFolderPath(path);
}

// The tool-location window's pair of lists on a fake machine, counting its drive changes.
struct Pickers
{
    explicit Pickers(FakeFileSystem files = homeTracksTree())
        : files(std::move(files)), tool(Platform {this->files, messages, desktop, generator}),
          window(tool.form())
    {
        const std::size_t driveList = tool.form().indexOf("drvList2");
        auto &drives = tool.form().driveList(driveList);
        drives.changed = [this, handler = drives.changed] {
            ++changes;
            handler();
        };
    }

    DriveList &drives() const { return window.drives("drvList2"); }
    FolderList &folders() const { return window.folders("Dir2"); }
    std::vector<std::string> rowTexts() const
    {
        std::vector<std::string> texts;
        for (std::size_t row = 0; row < folders().rowCount(); ++row)
            texts.push_back(folders().rowText(row));
        return texts;
    }
    void highlight(const std::string &name) const
    {
        for (std::size_t row = 0; row < folders().rowCount(); ++row) {
            if (folders().rowText(row) == native(name))
                folders().highlight(int(row));
        }
    }

    FakeFileSystem files;
    RecordingMessageBox messages;
    RecordingDesktop desktop;
    RecordingGeneratorStarter generator;
    frmLapforge1 tool;
    FormDriver window;
    int changes = 0;
};

} // namespace

TEST_CASE("the drive root ends with exactly one separator")
{
    struct Row
    {
        std::string what;
        std::string drive;
        std::string root;
    };
    const Row rows[] = {
        {"root gets no second separator", "/", "/"},
        {"mount folder gets one", "/media/cdrom", "/media/cdrom/"},
        {"drive text already ending in one", "/media/odd/", "/media/odd/"},
    };
    for (const Row &row : rows) {
        CAPTURE(row.what);
        FakeFileSystem files({"/other", row.drive}, "/other");
        Pickers pickers(files);
        pickers.window.pickDrive("drvList2", row.drive);
        CHECK(pickers.tool.driveRoot() == native(row.root));
    }
}

TEST_CASE("the folder list shows the chain down to the open folder, then its subfolders")
{
    struct Row
    {
        std::string folder;
        std::vector<std::string> rows;
        std::size_t chainRows;
    };
    const Row rows[] = {
        {"/", {"/", "home", "media"}, 1},
        {startFolder, {"/", "home", "ann", "tracks", "Desert", "locked", "oval"}, 4},
        {"/home/ann/tracks/oval", {"/", "home", "ann", "tracks", "oval"}, 5},
    };
    for (const Row &row : rows) {
        CAPTURE(row.folder);
        Pickers pickers;
        REQUIRE(pickers.folders().setPath(row.folder));
        std::vector<std::string> expected;
        for (const std::string &text : row.rows)
            expected.push_back(native(text));
        CHECK(pickers.rowTexts() == expected);
        CHECK(pickers.folders().path() == row.folder);
        CHECK(pickers.folders().highlighted() == int(row.chainRows) - 1);
        for (std::size_t shown = 0; shown < pickers.folders().rowCount(); ++shown) {
            const bool inChain = shown < row.chainRows;
            CHECK(pickers.folders().rowLevel(shown) == int(inChain ? shown : row.chainRows));
            CHECK(pickers.folders().rowIsOpen(shown) == inChain);
        }
    }
}

TEST_CASE("a highlighted row or its parent is opened as the user asks")
{
    const std::string tracks = startFolder;
    const std::string oval = startFolder + "/oval";
    struct Row
    {
        std::string what;
        const char *highlight;
        bool parent;
        std::string opened;
        const char *highlighted;
    };
    const Row rows[] = {
        {"a subfolder", "oval", false, oval, "oval"},
        {"a folder above", "ann", false, "/home/ann", "ann"},
        {"the open folder's parent", "tracks", true, "/home/ann", "ann"},
        {"a subfolder's parent is the open folder", "Desert", true, tracks, "tracks"},
        {"a folder above's parent", "home", true, "/", "/"},
        {"the root's parent is the root", "/", true, "/", "/"},
    };
    for (const Row &row : rows) {
        CAPTURE(row.what);
        Pickers pickers;
        pickers.highlight(row.highlight);
        const auto highlighted = std::size_t(pickers.folders().highlighted());
        if (row.parent)
            pickers.folders().openParentOf(highlighted);
        else
            pickers.folders().open(highlighted);
        CHECK(pickers.folders().path() == row.opened);
        CHECK(pickers.folders().rowText(std::size_t(pickers.folders().highlighted()))
              == native(row.highlighted));
        CHECK(pickers.messages.shown().empty());
    }
}

TEST_CASE("an unreadable folder is reported over its window, and the list kept")
{
    Pickers pickers;
    const std::vector<std::string> before = pickers.rowTexts();
    pickers.highlight("locked");
    pickers.folders().open(std::size_t(pickers.folders().highlighted()));

    REQUIRE(pickers.messages.shown().size() == 1);
    const RecordingMessageBox::Message &message = pickers.messages.shown().front();
    CHECK(message.window == &pickers.tool.form());
    CHECK(message.title == "Where is Lapforge?");
    CHECK(message.text
          == "The folder " + native("/home/ann/tracks/locked")
              + " cannot be opened:\nPermission denied");
    CHECK(pickers.folders().path() == startFolder);
    CHECK(pickers.rowTexts() == before);
    CHECK(pickers.folders().rowText(std::size_t(pickers.folders().highlighted())) == "tracks");
}

TEST_CASE("reading the drives again keeps the current drive, or the one that holds it")
{
    struct Row
    {
        std::string what;
        std::string current;
        std::vector<std::string> mountedNow;
        std::string currentAfter;
    };
    const Row rows[] = {
        {"a drive added", "/", {"/", "/media/cdrom", "/media/new", "/media/usb"}, "/"},
        {"another drive removed", "/", {"/", "/media/usb"}, "/"},
        {"current drive removed: the drive that now holds its folder",
         "/media/usb",
         {"/", "/media/cdrom"},
         "/"},
    };
    for (const Row &row : rows) {
        CAPTURE(row.what);
        Pickers pickers;
        pickers.window.pickDrive("drvList2", row.current);
        const std::string folder = pickers.folders().path();
        pickers.files.setDrives(row.mountedNow);
        const int changes = pickers.changes;

        pickers.drives().refresh();

        CHECK(pickers.drives().driveTexts() == row.mountedNow);
        CHECK(pickers.drives().drive() == row.currentAfter);
        CHECK(pickers.changes == changes);
        CHECK(pickers.folders().path() == folder);
    }
}

TEST_CASE("a readable drive moves the folder list to it")
{
    struct Row
    {
        std::string what;
        std::vector<std::string> picks;
        std::string path;
        std::string root;
    };
    const Row rows[] = {
        {"another drive opens at its mount folder", {"/media/usb"}, "/media/usb", "/media/usb/"},
        {"back on the starting drive opens the starting folder",
         {"/media/usb", "/"},
         startFolder,
         "/"},
    };
    for (const Row &row : rows) {
        CAPTURE(row.what);
        Pickers pickers;
        for (const std::string &drive : row.picks)
            pickers.window.pickDrive("drvList2", drive);
        CHECK(pickers.folders().path() == row.path);
        CHECK(pickers.drives().drive() == row.picks.back());
        CHECK(pickers.tool.driveRoot() == native(row.root));
        CHECK(pickers.messages.shown().empty());
    }
}

TEST_CASE("an unreadable drive is reported, and the drive list put back on the folder's")
{
    struct Row
    {
        std::string what;
        std::string startDrive;
        std::string folder;
    };
    const Row rows[] = {
        {"from the starting folder", "/", startFolder},
        {"from a folder opened below it", "/", "/home/ann/tracks/oval"},
        {"from another drive", "/media/usb", "/media/usb/maps"},
    };
    for (const Row &row : rows) {
        CAPTURE(row.what);
        Pickers pickers;
        pickers.window.pickDrive("drvList2", row.startDrive);
        REQUIRE(pickers.folders().setPath(row.folder));
        const std::vector<std::string> rowsBefore = pickers.rowTexts();
        std::string driveWhileShown;
        pickers.messages.onShow = [&] {
            driveWhileShown = pickers.drives().drive();
        };
        const int changes = pickers.changes;

        pickers.window.pickDrive("drvList2", "/media/cdrom");

        REQUIRE(pickers.messages.shown().size() == 1);
        const RecordingMessageBox::Message &message = pickers.messages.shown().front();
        CHECK(message.icon == RecordingMessageBox::Message::Icon::Critical);
        CHECK(message.title == "No medium found");
        CHECK(message.text == "Access denied!. Please check drive " + native("/media/cdrom/"));
        CHECK(message.window == &pickers.tool.form());
        CHECK(driveWhileShown == "/media/cdrom");
        CHECK(pickers.drives().drive() == row.startDrive);
        CHECK(pickers.folders().path() == row.folder);
        CHECK(pickers.rowTexts() == rowsBefore);
        // The restoring step raised the change again, and that run rewrote the drive root.
        CHECK(pickers.changes - changes == 2);
        CHECK(pickers.tool.driveRoot()
              == native(row.startDrive == "/" ? "/" : row.startDrive + "/"));
    }
}

TEST_CASE("the two windows keep separate drive roots")
{
    Pickers pickers;
    pickers.window.click("cmdOK");
    frmLapforge2 &main = *pickers.tool.mainWindow();
    const FormDriver mainWindow(main.form());

    mainWindow.pickDrive("drvList1", "/media/usb");
    pickers.window.pickDrive("drvList2", "/media/cdrom");

    REQUIRE(pickers.messages.shown().size() == 1);
    CHECK(pickers.messages.shown().front().window == &pickers.tool.form());
    CHECK(pickers.tool.driveRoot() == native("/"));
    CHECK(main.driveRoot() == native("/media/usb/"));
    CHECK(mainWindow.drives("drvList1").drive() == "/media/usb");
    CHECK(mainWindow.folders("Dir1").path() == "/media/usb");
}

TEST_CASE("a folder list that can read nothing still shows a root")
{
    FakeFileSystem files({"/"}, "/gone");
    files.makeUnreadable("/gone", "No such file or directory");
    files.makeUnreadable("/", "Permission denied");
    Pickers pickers(files);
    CHECK(pickers.folders().path() == "/");
    CHECK(pickers.rowTexts() == std::vector<std::string> {native("/")});
    CHECK(pickers.messages.shown().empty());
}
