// SPDX-License-Identifier: MIT
#include "DriveList.h"
#include "DriveOfPath.h"
#include "DrivePicker.h"
#include "FakeFileSystem.h"
#include "FolderList.h"
#include "LocalFileSystem.h"
#include "RecordingMessageBox.h"
#include "readPng.h"

#include <QDir>
#include <QFile>
#include <QProxyStyle>
#include <QSignalSpy>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

namespace {

const QString startFolder = QStringLiteral("/home/ann/tracks");

FakeFileSystem fakeTree()
{
    FakeFileSystem files({"/", "/media/cdrom", "/media/usb"}, startFolder);
    files.addFolder("/home/ann/tracks/oval");
    files.addFolder("/home/ann/tracks/Desert");
    files.addFolder("/home/ann/tracks/locked");
    files.addFolder("/media/usb/maps");
    files.makeUnreadable("/home/ann/tracks/locked", "Permission denied");
    files.makeUnreadable("/media/cdrom", "No medium found");
    return files;
}

// One window's pair of lists, wired the way the windows wire them.
struct Pickers
{
    Pickers(const FileSystem &files, MessageBox &messages)
        : drives(new DriveList(files, &window)), folders(new FolderList(files, messages, &window)),
          picker(*drives, *folders, messages)
    {
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(drives);
        layout->addWidget(folders);
        QObject::connect(drives, &DriveList::changed, drives, [this] { picker.Change(); });
    }

    void pickDrive(const QString &drive) { drives->setCurrentIndex(drives->findData(drive)); }

    QWidget window;
    DriveList *drives;
    FolderList *folders;
    DrivePicker picker;
};

QStringList rowTexts(const QListWidget &list)
{
    QStringList texts;
    for (int row = 0; row < list.count(); ++row)
        texts.append(list.item(row)->text());
    return texts;
}

bool looksLike(const QIcon &icon, const QString &picture)
{
    return icon.pixmap(16).toImage() == readPng(picture).toImage();
}

// A style that asks item views to open entries on a single click, as some desktops do.
class SingleClickStyle : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_ItemView_ActivateItemOnSingleClick)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

class PickersTest : public QObject
{
    Q_OBJECT

private slots:
    void driveOfPathPicksTheHoldingVolume_data();
    void driveOfPathPicksTheHoldingVolume();
    void driveRootEndsWithOneSeparator_data();
    void driveRootEndsWithOneSeparator();
    void folderListShowsChainThenSubfolders_data();
    void folderListShowsChainThenSubfolders();
    void onlyDoubleClickOrEnterOpens_data();
    void onlyDoubleClickOrEnterOpens();
    void unreadableFolderIsReportedAndListKept();
    void readableDriveMovesFolderList_data();
    void readableDriveMovesFolderList();
    void unreadableDriveIsReportedAndRestored_data();
    void unreadableDriveIsReportedAndRestored();
    void twoPickersKeepSeparateDriveRoots();
    void localListingOffersOnlyVisibleFolders();
    void localListingOfUnreadablePathGivesReason_data();
    void localListingOfUnreadablePathGivesReason();
    void localDrivesStartWithRoot();
    void pickableVolumes_data();
    void pickableVolumes();
};

void PickersTest::driveOfPathPicksTheHoldingVolume_data()
{
    QTest::addColumn<QStringList>("drives");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("drive");

    const QStringList mounts {"/", "/media/usb", "/media/usb/inner", "/mnt/share/"};
    QTest::newRow("root holds an ordinary folder") << mounts << "/home/ann"
                                                   << "/";
    QTest::newRow("root itself") << mounts << "/"
                                 << "/";
    QTest::newRow("mount folder itself") << mounts << "/media/usb"
                                         << "/media/usb";
    QTest::newRow("folder below a mount") << mounts << "/media/usb/maps"
                                          << "/media/usb";
    QTest::newRow("longest mount wins") << mounts << "/media/usb/inner/x"
                                        << "/media/usb/inner";
    QTest::newRow("name prefix is not a folder boundary") << mounts << "/media/usb2/maps"
                                                          << "/";
    QTest::newRow("parent of a mount stays on root") << mounts << "/media"
                                                     << "/";
    QTest::newRow("trailing separator on the path") << mounts << "/media/usb/"
                                                    << "/media/usb";
    QTest::newRow("trailing separator on the drive") << mounts << "/mnt/share/x"
                                                     << "/mnt/share/";
    QTest::newRow("dot segments are resolved first") << mounts << "/media/usb/../usb2"
                                                     << "/";
    QTest::newRow("drive letter") << QStringList {"a:", "c:"} << "c:/tools"
                                  << "c:";
    QTest::newRow("no drive holds it") << QStringList {"/media/usb"} << "/home"
                                       << "";
}

void PickersTest::driveOfPathPicksTheHoldingVolume()
{
    QFETCH(QStringList, drives);
    QFETCH(QString, path);
    QFETCH(QString, drive);

    QCOMPARE(driveOfPath(drives, path), drive);
}

void PickersTest::driveRootEndsWithOneSeparator_data()
{
    QTest::addColumn<QString>("drive");
    QTest::addColumn<QString>("root");

    QTest::newRow("root gets no second separator") << "/"
                                                   << "/";
    QTest::newRow("mount folder gets one") << "/media/cdrom"
                                           << "/media/cdrom/";
    QTest::newRow("drive text already ending in one") << "/media/odd/"
                                                      << "/media/odd/";
}

void PickersTest::driveRootEndsWithOneSeparator()
{
    QFETCH(QString, drive);
    QFETCH(QString, root);

    FakeFileSystem files({drive}, drive);
    RecordingMessageBox messages;
    Pickers pickers(files, messages);
    pickers.picker.GetDiskInfo();

    QCOMPARE(pickers.picker.driveRoot(), QDir::toNativeSeparators(root));
}

void PickersTest::folderListShowsChainThenSubfolders_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("chainRows");

    QTest::newRow("root") << "/" << QStringList {"/", "home", "media"} << 1;
    QTest::newRow("deep folder") << startFolder << QStringList {"/",      "home",   "ann", "tracks",
                                                                "Desert", "locked", "oval"}
                                 << 4;
    QTest::newRow("folder without subfolders")
        << "/home/ann/tracks/oval" << QStringList {"/", "home", "ann", "tracks", "oval"} << 5;
}

void PickersTest::folderListShowsChainThenSubfolders()
{
    QFETCH(QString, folder);
    QFETCH(QStringList, rows);
    QFETCH(int, chainRows);

    FakeFileSystem files = fakeTree();
    RecordingMessageBox messages;
    FolderList list(files, messages);
    QVERIFY(list.setPath(folder));

    QCOMPARE(rowTexts(list), rows);
    QCOMPARE(list.path(), folder);
    QCOMPARE(list.currentRow(), chainRows - 1);
    for (int row = 0; row < list.count(); ++row) {
        const QListWidgetItem *item = list.item(row);
        const bool inChain = row < chainRows;
        QCOMPARE(item->data(FolderList::LevelRole).toInt(), inChain ? row : chainRows);
        QVERIFY(looksLike(item->icon(),
                          inChain ? QStringLiteral(":/images/folder-open.png")
                                  : QStringLiteral(":/images/folder-closed.png")));
    }
}

void PickersTest::onlyDoubleClickOrEnterOpens_data()
{
    QTest::addColumn<bool>("singleClickStyle");
    QTest::addColumn<int>("key");

    QTest::newRow("double click") << false << 0;
    QTest::newRow("Return") << false << int(Qt::Key_Return);
    QTest::newRow("Enter on the keypad") << false << int(Qt::Key_Enter);
    QTest::newRow("double click under a single-click style") << true << 0;
}

void PickersTest::onlyDoubleClickOrEnterOpens()
{
    QFETCH(bool, singleClickStyle);
    QFETCH(int, key);

    FakeFileSystem files = fakeTree();
    RecordingMessageBox messages;
    Pickers pickers(files, messages);
    std::unique_ptr<QStyle> style;
    if (singleClickStyle) {
        style = std::make_unique<SingleClickStyle>();
        pickers.folders->setStyle(style.get());
    }
    pickers.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pickers.window));
    FolderList &list = *pickers.folders;
    const QPoint oval =
        list.visualItemRect(list.findItems("oval", Qt::MatchExactly).first()).center();

    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, oval);
    QCOMPARE(list.currentItem()->text(), QStringLiteral("oval"));
    QCOMPARE(list.path(), startFolder);
    QCOMPARE(list.count(), 7);

    if (key == 0)
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, oval);
    else
        QTest::keyClick(&list, Qt::Key(key));
    QCOMPARE(list.path(), QStringLiteral("/home/ann/tracks/oval"));
    QCOMPARE(list.currentItem()->text(), QStringLiteral("oval"));
    QVERIFY(messages.shown().isEmpty());
}

void PickersTest::unreadableFolderIsReportedAndListKept()
{
    FakeFileSystem files = fakeTree();
    RecordingMessageBox messages;
    Pickers pickers(files, messages);
    FolderList &list = *pickers.folders;
    const QStringList before = rowTexts(list);

    list.setCurrentItem(list.findItems("locked", Qt::MatchExactly).first());
    QTest::keyClick(&list, Qt::Key_Return);

    QCOMPARE(messages.shown().size(), 1);
    const RecordingMessageBox::Message &message = messages.shown().first();
    QCOMPARE(message.parent, &pickers.window);
    QCOMPARE(message.title, QStringLiteral("Lapforge"));
    QVERIFY2(message.text.contains(QDir::toNativeSeparators("/home/ann/tracks/locked")),
             qPrintable(message.text));
    QVERIFY2(message.text.contains("Permission denied"), qPrintable(message.text));
    QCOMPARE(list.path(), startFolder);
    QCOMPARE(rowTexts(list), before);
    QCOMPARE(list.currentItem()->text(), QStringLiteral("tracks"));
}

void PickersTest::readableDriveMovesFolderList_data()
{
    QTest::addColumn<QStringList>("picks");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("root");

    QTest::newRow("another drive opens at its mount folder")
        << QStringList {"/media/usb"} << "/media/usb"
        << "/media/usb/";
    QTest::newRow("back on the starting drive opens the starting folder")
        << QStringList {"/media/usb", "/"} << startFolder << "/";
}

void PickersTest::readableDriveMovesFolderList()
{
    QFETCH(QStringList, picks);
    QFETCH(QString, path);
    QFETCH(QString, root);

    FakeFileSystem files = fakeTree();
    RecordingMessageBox messages;
    Pickers pickers(files, messages);

    for (const QString &drive : picks)
        pickers.pickDrive(drive);

    QCOMPARE(pickers.folders->path(), path);
    QCOMPARE(pickers.drives->drive(), picks.last());
    QCOMPARE(pickers.picker.driveRoot(), QDir::toNativeSeparators(root));
    QVERIFY(messages.shown().isEmpty());
}

void PickersTest::unreadableDriveIsReportedAndRestored_data()
{
    QTest::addColumn<QString>("startDrive");
    QTest::addColumn<QString>("folder");

    QTest::newRow("from the starting folder") << "/" << startFolder;
    QTest::newRow("from a folder opened below it") << "/"
                                                   << "/home/ann/tracks/oval";
    QTest::newRow("from another drive") << "/media/usb"
                                        << "/media/usb/maps";
}

void PickersTest::unreadableDriveIsReportedAndRestored()
{
    QFETCH(QString, startDrive);
    QFETCH(QString, folder);

    FakeFileSystem files = fakeTree();
    RecordingMessageBox messages;
    Pickers pickers(files, messages);
    pickers.pickDrive(startDrive);
    QVERIFY(pickers.folders->setPath(folder));
    const QStringList rowsBefore = rowTexts(*pickers.folders);
    QString driveWhileShown;
    messages.onShow = [&] {
        driveWhileShown = pickers.drives->drive();
    };
    QSignalSpy changes(pickers.drives, &DriveList::changed);

    pickers.pickDrive("/media/cdrom");

    QCOMPARE(messages.shown().size(), 1);
    const RecordingMessageBox::Message &message = messages.shown().first();
    QCOMPARE(message.title, QStringLiteral("No medium found"));
    QCOMPARE(message.text,
             "Access denied!. Please check drive " + QDir::toNativeSeparators("/media/cdrom/"));
    QCOMPARE(message.parent, &pickers.window);
    QCOMPARE(driveWhileShown, QStringLiteral("/media/cdrom"));
    QCOMPARE(pickers.drives->drive(), startDrive);
    QCOMPARE(pickers.folders->path(), folder);
    QCOMPARE(rowTexts(*pickers.folders), rowsBefore);
    // The restoring step raised the change again, and that run rewrote the drive root.
    QCOMPARE(changes.size(), 2);
    QCOMPARE(pickers.picker.driveRoot(),
             QDir::toNativeSeparators(startDrive == "/" ? "/" : startDrive + "/"));
}

void PickersTest::twoPickersKeepSeparateDriveRoots()
{
    FakeFileSystem files = fakeTree();
    RecordingMessageBox messages;
    Pickers first(files, messages);
    Pickers second(files, messages);

    second.pickDrive("/media/usb");
    first.pickDrive("/media/cdrom");

    QCOMPARE(messages.shown().size(), 1);
    QCOMPARE(messages.shown().first().parent, &first.window);
    QCOMPARE(first.picker.driveRoot(), QDir::toNativeSeparators("/"));
    QCOMPARE(second.picker.driveRoot(), QDir::toNativeSeparators("/media/usb/"));
    QCOMPARE(second.drives->drive(), QStringLiteral("/media/usb"));
    QCOMPARE(second.folders->path(), QStringLiteral("/media/usb"));
}

void PickersTest::localListingOffersOnlyVisibleFolders()
{
    QTemporaryDir temp;
    QVERIFY(temp.isValid());
    const QDir dir(temp.path());
    for (const char *folder : {"beta", "Alpha", ".hidden", "gamma"})
        QVERIFY(dir.mkdir(folder));
    QFile file(dir.filePath("notes.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(QFile::link(dir.filePath("gamma"), dir.filePath("linked")));
    QVERIFY(QFile::link(dir.filePath("notes.txt"), dir.filePath("linked-file")));
    QVERIFY(QFile::link(dir.filePath("gone"), dir.filePath("broken")));

    const FolderListing listing = LocalFileSystem().listFolder(temp.path());

    QVERIFY(listing.readable);
    QCOMPARE(listing.subfolders, (QStringList {"Alpha", "beta", "gamma", "linked"}));
}

void PickersTest::localListingOfUnreadablePathGivesReason_data()
{
    QTest::addColumn<QString>("name");

    QTest::newRow("missing folder") << "missing";
    QTest::newRow("a file") << "notes.txt";
}

void PickersTest::localListingOfUnreadablePathGivesReason()
{
    QFETCH(QString, name);

    QTemporaryDir temp;
    QVERIFY(temp.isValid());
    QFile file(QDir(temp.path()).filePath("notes.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    const FolderListing listing = LocalFileSystem().listFolder(QDir(temp.path()).filePath(name));

    QVERIFY(!listing.readable);
    QVERIFY(!listing.reason.trimmed().isEmpty());
}

void PickersTest::localDrivesStartWithRoot()
{
#ifdef Q_OS_WIN
    QSKIP("Drive letters have no common first entry.");
#else
    const QStringList drives = LocalFileSystem().drives();
    QVERIFY(!drives.isEmpty());
    QCOMPARE(drives.first(), QStringLiteral("/"));
    QCOMPARE(drives.count("/"), 1);
    QVERIFY(!driveOfPath(drives, LocalFileSystem().currentFolder()).isEmpty());
#endif
}

void PickersTest::pickableVolumes_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<bool>("pickable");

    QTest::newRow("root, even as a container overlay") << "/" << QByteArray("overlay") << true;
    QTest::newRow("usb stick") << "/media/ann/USB" << QByteArray("vfat") << true;
    QTest::newRow("removable media under /run/media")
        << "/run/media/ann/USB" << QByteArray("exfat") << true;
    QTest::newRow("network share") << "/mnt/share" << QByteArray("nfs4") << true;
    QTest::newRow("other overlay") << "/var/lib/docker/merged" << QByteArray("overlay") << false;
    QTest::newRow("kernel view") << "/proc" << QByteArray("proc") << false;
    QTest::newRow("control groups") << "/sys/fs/cgroup" << QByteArray("cgroup2") << false;
    QTest::newRow("memory file system") << "/tmp" << QByteArray("tmpfs") << false;
    QTest::newRow("snap image") << "/snap/core/17" << QByteArray("squashfs") << false;
    QTest::newRow("disk under /run") << "/run/credentials" << QByteArray("ext4") << false;
    QTest::newRow("disk under /dev") << "/dev/hugepages" << QByteArray("ext4") << false;
    QTest::newRow("name prefix of /sys") << "/system" << QByteArray("ext4") << true;
}

void PickersTest::pickableVolumes()
{
#ifdef Q_OS_WIN
    QSKIP("Windows lists drive letters, not mounts.");
#else
    QFETCH(QString, folder);
    QFETCH(QByteArray, type);
    QFETCH(bool, pickable);

    QCOMPARE(LocalFileSystem::isPickableVolume(folder, type), pickable);
#endif
}

QTEST_MAIN(PickersTest)
#include "tst_pickers.moc"
