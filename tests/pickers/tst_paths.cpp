// SPDX-License-Identifier: MIT
#include "BoundedCalls.h"
#include "ByteNamedFolder.h"
#include "FolderPath.h"
#include "LocalFileSystem.h"
#include "MountTable.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <future>
#include <memory>

using namespace std::chrono_literals;

Q_DECLARE_METATYPE(QList<Mount>)

namespace {

QByteArray mountLine(const char *folder, const char *type)
{
    return QByteArray("36 35 98:0 / ") + folder + " rw,noatime master:1 - " + type
        + " /dev/sda1 rw,errors=continue\n";
}

// A call that answers only when the test lets it.
struct Gate
{
    std::promise<void> open;
    std::shared_future<void> opened = open.get_future().share();
};

} // namespace

class tst_Paths : public QObject
{
    Q_OBJECT

private slots:
    void cleanFolderPath_data();
    void cleanFolderPath();
    void parentAndName_data();
    void parentAndName();
    void shownPathMarksBytesThatAreNotText();
    void mountInfo_data();
    void mountInfo();
    void mountTableHoldsTheRoot();
    void localListingKeepsNamesAsBytes();
    void boundedCallAnswersInTime();
    void boundedCallGivesUpAndDropsTheLateAnswer();
    void stuckKeyFailsAtOnceUntilItsCallEnds();
};

void tst_Paths::cleanFolderPath_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QByteArray>("clean");

    QTest::newRow("root") << QByteArray("/") << QByteArray("/");
    QTest::newRow("trailing separator") << QByteArray("/home/ann/") << QByteArray("/home/ann");
    QTest::newRow("repeated separators") << QByteArray("//home///ann") << QByteArray("/home/ann");
    QTest::newRow("dot") << QByteArray("/home/./ann/.") << QByteArray("/home/ann");
    QTest::newRow("dot dot") << QByteArray("/home/ann/../bob") << QByteArray("/home/bob");
    QTest::newRow("dot dot above the root") << QByteArray("/../..") << QByteArray("/");
    QTest::newRow("names that only start with dots")
        << QByteArray("/a/..b/.c") << QByteArray("/a/..b/.c");
    QTest::newRow("bytes that are not text")
        << QByteArray("/bad\xff\xfe/./x/") << QByteArray("/bad\xff\xfe/x");
    QTest::newRow("backslash inside a name")
#ifdef Q_OS_WIN
        << QByteArray("c:\\a\\b") << QByteArray("c:/a/b");
#else
        << QByteArray("/a\\b") << QByteArray("/a\\b");
#endif
    QTest::newRow("drive letter alone") << QByteArray("c:") << QByteArray("c:/");
    QTest::newRow("drive letter dot dot") << QByteArray("c:/tools/../..") << QByteArray("c:/");
}

void tst_Paths::cleanFolderPath()
{
    QFETCH(QByteArray, path);
    QFETCH(QByteArray, clean);

    QCOMPARE(::cleanFolderPath(path), clean);
}

void tst_Paths::parentAndName_data()
{
    QTest::addColumn<QByteArray>("folder");
    QTest::addColumn<QByteArray>("parent");
    QTest::addColumn<QByteArray>("name");

    QTest::newRow("root") << QByteArray("/") << QByteArray("/") << QByteArray("/");
    QTest::newRow("below the root") << QByteArray("/home") << QByteArray("/") << QByteArray("home");
    QTest::newRow("deeper") << QByteArray("/home/ann") << QByteArray("/home") << QByteArray("ann");
    QTest::newRow("not text") << QByteArray("/m/\xe9t\xe9") << QByteArray("/m")
                              << QByteArray("\xe9t\xe9");
    QTest::newRow("drive root") << QByteArray("c:/") << QByteArray("c:/") << QByteArray("c:/");
    QTest::newRow("below a drive root")
        << QByteArray("c:/tools") << QByteArray("c:/") << QByteArray("tools");
}

void tst_Paths::parentAndName()
{
    QFETCH(QByteArray, folder);
    QFETCH(QByteArray, parent);
    QFETCH(QByteArray, name);

    QCOMPARE(parentFolder(folder), parent);
    QCOMPARE(folderName(folder), name);
    if (parent != folder)
        QCOMPARE(childFolder(parent, name), folder);
}

void tst_Paths::shownPathMarksBytesThatAreNotText()
{
    QCOMPARE(shownPath("/bad\xff\xfename"), QString::fromUtf8("/bad\uFFFD\uFFFDname"));
    QCOMPARE(shownPath("/caf\xc3\xa9"), QString::fromUtf8("/café"));
    QCOMPARE(nativeFolderPath("/bad\xff\xfename"), std::string("/bad\xff\xfename"));
}

void tst_Paths::mountInfo_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QList<Mount>>("mounts");

    QTest::newRow("plain") << mountLine("/media/usb", "vfat")
                           << QList<Mount> {{"/media/usb", "vfat"}};
    QTest::newRow("blank, tab, line break and backslash escaped")
        << mountLine("/media/my\\040stick\\011a\\012b\\134c", "vfat")
        << QList<Mount> {{"/media/my stick\ta\nb\\c", "vfat"}};
    QTest::newRow("bytes that are not text escaped")
        << mountLine("/media/caf\\351", "vfat") << QList<Mount> {{"/media/caf\xe9", "vfat"}};
    QTest::newRow("backslash not followed by three octal digits")
        << mountLine("/media/a\\9b\\04", "vfat") << QList<Mount> {{"/media/a\\9b\\04", "vfat"}};
    QTest::newRow("no optional fields")
        << QByteArray("20 1 0:5 / /mnt/share rw - nfs4 server:/x rw\n")
        << QList<Mount> {{"/mnt/share", "nfs4"}};
    QTest::newRow("several optional fields")
        << QByteArray("20 1 0:5 / /mnt/x rw shared:2 master:3 propagate_from:4 - fuse.sshfs a b\n")
        << QList<Mount> {{"/mnt/x", "fuse.sshfs"}};
    QTest::newRow("several lines, order kept")
        << mountLine("/", "ext4") + mountLine("/proc", "proc") + mountLine("/media/b", "vfat")
        << QList<Mount> {{"/", "ext4"}, {"/proc", "proc"}, {"/media/b", "vfat"}};
    QTest::newRow("no separator field skipped") << QByteArray("20 1 0:5 / /mnt/x rw shared:2\n")
            + mountLine("/media/b", "vfat") << QList<Mount> {{"/media/b", "vfat"}};
    QTest::newRow("separator without a type skipped")
        << QByteArray("20 1 0:5 / /mnt/x rw -\n") << QList<Mount> {};
    QTest::newRow("empty text") << QByteArray() << QList<Mount> {};
    QTest::newRow("short junk line") << QByteArray("- - -\n") << QList<Mount> {};
}

void tst_Paths::mountInfo()
{
    QFETCH(QByteArray, text);
    QFETCH(QList<Mount>, mounts);

    const QList<Mount> parsed = parseMountInfo(text);
    QCOMPARE(parsed.size(), mounts.size());
    for (qsizetype i = 0; i < mounts.size(); ++i) {
        QCOMPARE(parsed.at(i).folder, mounts.at(i).folder);
        QCOMPARE(parsed.at(i).type, mounts.at(i).type);
    }
}

void tst_Paths::mountTableHoldsTheRoot()
{
#ifndef Q_OS_LINUX
    QSKIP("The mount table is read from Linux's /proc.");
#else
    const QList<Mount> mounts = readMountTable();
    QVERIFY(std::any_of(mounts.begin(), mounts.end(),
                        [](const Mount &mount) { return mount.folder == "/"; }));
#endif
}

void tst_Paths::localListingKeepsNamesAsBytes()
{
#ifdef Q_OS_WIN
    QSKIP("Windows names are UTF-16 and always decode.");
#else
    QTemporaryDir temp;
    QVERIFY(temp.isValid());
    const std::string root = QFile::encodeName(temp.path()).toStdString();
    const ByteNamedFolder bad(root + "/bad\xff\xfename");
    const ByteNamedFolder accented(root + "/caf\xc3\xa9");
    const ByteNamedFolder plain(root + "/plain");
    QVERIFY(bad.isValid() && accented.isValid() && plain.isValid());

    const LocalFileSystem files;
    const auto subfolders = files.listFolder(QByteArray::fromStdString(root));
    QVERIFY(subfolders);
    QCOMPARE(*subfolders, (QByteArrayList {"bad\xff\xfename", "caf\xc3\xa9", "plain"}));
    const auto inside = files.listFolder(QByteArray::fromStdString(root + "/bad\xff\xfename"));
    QVERIFY2(inside, qPrintable(inside ? QString() : inside.failure()));
#endif
}

void tst_Paths::boundedCallAnswersInTime()
{
    const BoundedCalls calls(10s);
    QCOMPARE(calls.run<int>("a", [] { return 42; }), std::optional<int>(42));
    QCOMPARE(calls.run<int>("a", [] { return 43; }), std::optional<int>(43));
}

void tst_Paths::boundedCallGivesUpAndDropsTheLateAnswer()
{
    auto gate = std::make_shared<Gate>();
    auto lateAnswers = std::make_shared<std::atomic<int>>(0);
    std::optional<int> result;
    {
        const BoundedCalls calls(200ms);
        QElapsedTimer clock;
        clock.start();
        result = calls.run<int>("stuck", [gate, lateAnswers] {
            gate->opened.wait();
            ++*lateAnswers;
            return 1;
        });
        QVERIFY(clock.elapsed() < 10'000);
    }
    QVERIFY(!result);
    // The abandoned call outlives its caller; when it ends, nothing it returns arrives.
    gate->open.set_value();
    QTRY_COMPARE(lateAnswers->load(), 1);
    QVERIFY(!result);
}

void tst_Paths::stuckKeyFailsAtOnceUntilItsCallEnds()
{
    auto gate = std::make_shared<Gate>();
    auto calls = std::make_unique<BoundedCalls>(200ms);
    auto starts = std::make_shared<std::atomic<int>>(0);
    const auto blocked = [gate, starts] {
        ++*starts;
        gate->opened.wait();
        return 1;
    };
    QVERIFY(!calls->run<int>("/dead", blocked));
    QVERIFY(!calls->run<int>("/dead", blocked));
    QCOMPARE(starts->load(), 1);
    QCOMPARE(calls->run<int>("/alive", [] { return 2; }), std::optional<int>(2));

    gate->open.set_value();
    QTRY_COMPARE(calls->run<int>("/dead", [] { return 3; }), std::optional<int>(3));
}

QTEST_GUILESS_MAIN(tst_Paths)
#include "tst_paths.moc"
