// SPDX-License-Identifier: MIT
#include "LocalFileSystem.h"
#include "TestFiles.h"

#include <doctest/doctest.h>

#include "WindowsApi.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

TEST_CASE("the drives are letters in the classic form")
{
    const std::vector<Drive> drives = LocalFileSystem().drives();
    REQUIRE_FALSE(drives.empty());
    for (const Drive &drive : drives) {
        CAPTURE(drive.text);
        CAPTURE(drive.shown);
        REQUIRE(drive.text.size() == 2);
        CHECK(std::isupper(static_cast<unsigned char>(drive.text[0])));
        CHECK(drive.text[1] == ':');
        // "c:", or "c: [LABEL]".
        CHECK(drive.shown.substr(0, 2)
              == std::string {char(std::tolower(static_cast<unsigned char>(drive.text[0]))), ':'});
        CHECK((drive.shown.size() == 2
               || (drive.shown.substr(2, 2) == " [" && drive.shown.back() == ']')));
    }
    CHECK(std::any_of(drives.begin(), drives.end(),
                      [](const Drive &drive) { return drive.text == "C:"; }));
}

TEST_CASE("a listing reads any name through the wide calls, hidden folders left out")
{
    TemporaryFolder temp;
    const std::string root = temp.path();
    for (const char *name :
         {"caf\xc3\xa9", "\xe6\x97\xa5\xe6\x9c\xac", "\xf0\x9f\x8f\x81 flag", "plain"})
        REQUIRE(std::filesystem::create_directory(pathOf(root + "\\" + name)));
    REQUIRE(std::filesystem::create_directory(pathOf(root + "\\hidden")));
    REQUIRE(SetFileAttributesW(pathOf(root + "\\hidden").c_str(), FILE_ATTRIBUTE_HIDDEN));

    const auto subfolders = LocalFileSystem().listFolder(root);
    REQUIRE(subfolders);
    CHECK(*subfolders
          == std::vector<std::string> {"caf\xc3\xa9", "plain", "\xe6\x97\xa5\xe6\x9c\xac",
                                       "\xf0\x9f\x8f\x81 flag"});
}
