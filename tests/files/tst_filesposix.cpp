// SPDX-License-Identifier: MIT
#include "LocalFileSystem.h"
#include "MountTable.h"
#include "TestFiles.h"

#include <doctest/doctest.h>

#include <algorithm>
#include <filesystem>

namespace {

std::string mountLine(const std::string &folder, const std::string &type)
{
    return "36 35 98:0 / " + folder + " rw,noatime master:1 - " + type
        + " /dev/sda1 rw,errors=continue\n";
}

} // namespace

TEST_CASE("the mount table's text is read line by line, escapes undone")
{
    struct Row
    {
        std::string what;
        std::string text;
        std::vector<Mount> mounts;
    };
    const Row rows[] = {
        {"plain", mountLine("/media/usb", "vfat"), {{"/media/usb", "vfat"}}},
        {"blank, tab, line break and backslash escaped",
         mountLine("/media/my\\040stick\\011a\\012b\\134c", "vfat"),
         {{"/media/my stick\ta\nb\\c", "vfat"}}},
        {"bytes that are not text escaped",
         mountLine("/media/caf\\351", "vfat"),
         {{"/media/caf\xe9", "vfat"}}},
        {"backslash not followed by three octal digits",
         mountLine("/media/a\\9b\\04", "vfat"),
         {{"/media/a\\9b\\04", "vfat"}}},
        {"no optional fields",
         "20 1 0:5 / /mnt/share rw - nfs4 server:/x rw\n",
         {{"/mnt/share", "nfs4"}}},
        {"several optional fields",
         "20 1 0:5 / /mnt/x rw shared:2 master:3 propagate_from:4 - fuse.sshfs a b\n",
         {{"/mnt/x", "fuse.sshfs"}}},
        {"several lines, order kept",
         mountLine("/", "ext4") + mountLine("/proc", "proc") + mountLine("/media/b", "vfat"),
         {{"/", "ext4"}, {"/proc", "proc"}, {"/media/b", "vfat"}}},
        {"no separator field skipped",
         "20 1 0:5 / /mnt/x rw shared:2\n" + mountLine("/media/b", "vfat"),
         {{"/media/b", "vfat"}}},
        {"separator without a type skipped", "20 1 0:5 / /mnt/x rw -\n", {}},
        {"empty text", "", {}},
        {"short junk line", "- - -\n", {}},
    };
    for (const Row &row : rows) {
        CAPTURE(row.what);
        CHECK(parseMountInfo(row.text) == row.mounts);
    }
}

TEST_CASE("the mount table holds the root, and the drives start with it once")
{
    const std::vector<Mount> mounts = readMountTable();
    CHECK(std::any_of(mounts.begin(), mounts.end(),
                      [](const Mount &mount) { return mount.folder == "/"; }));
    const std::vector<Drive> drives = LocalFileSystem().drives();
    REQUIRE_FALSE(drives.empty());
    CHECK(drives.front().text == "/");
    CHECK(std::count_if(drives.begin(), drives.end(),
                        [](const Drive &drive) { return drive.text == "/"; })
          == 1);
}

TEST_CASE("a volume is offered when a person would pick it")
{
    struct Row
    {
        std::string what;
        const char *folder;
        const char *type;
        bool pickable;
    };
    const Row rows[] = {
        {"root, even as a container overlay", "/", "overlay", true},
        {"usb stick", "/media/ann/USB", "vfat", true},
        {"removable media under /run/media", "/run/media/ann/USB", "exfat", true},
        {"network share", "/mnt/share", "nfs4", true},
        {"other overlay", "/var/lib/docker/merged", "overlay", false},
        {"kernel view", "/proc", "proc", false},
        {"control groups", "/sys/fs/cgroup", "cgroup2", false},
        {"memory file system", "/tmp", "tmpfs", false},
        {"snap image", "/snap/core/17", "squashfs", false},
        {"disk under /run", "/run/credentials", "ext4", false},
        {"disk under /dev", "/dev/hugepages", "ext4", false},
        {"name prefix of /sys", "/system", "ext4", true},
        {"shared memory", "/dev/shm", "tmpfs", false},
        {"memory file system mounted by a person", "/mnt/scratch", "tmpfs", true},
        {"memory file system as removable medium", "/media/ann/ram", "ramfs", true},
        {"memory file system beside /mnt", "/mnt2/x", "tmpfs", false},
        {"mount folder that is not text", "/media/caf\xe9", "vfat", true},
    };
    for (const Row &row : rows) {
        CAPTURE(row.what);
        CHECK(LocalFileSystem::isPickableVolume(row.folder, row.type) == row.pickable);
    }
}

TEST_CASE("a local listing keeps names as bytes, hidden folders and files left out")
{
    TemporaryFolder temp;
    const std::string root = temp.path();
    for (const char *name : {"bad\xff\xfename", "caf\xc3\xa9", "plain", ".hidden"})
        REQUIRE(std::filesystem::create_directory(root + "/" + name));
    REQUIRE(writeFile(root + "/notes.txt", "notes"));
    std::filesystem::create_directory_symlink(root + "/plain", root + "/linked");
    std::filesystem::create_symlink(root + "/notes.txt", root + "/linked-file");
    std::filesystem::create_symlink(root + "/gone", root + "/broken");

    const LocalFileSystem files;
    const auto subfolders = files.listFolder(root);
    REQUIRE(subfolders);
    CHECK(*subfolders
          == std::vector<std::string> {"bad\xff\xfename", "caf\xc3\xa9", "linked", "plain"});
    const auto inside = files.listFolder(root + "/bad\xff\xfename");
    CHECK(inside);
}
