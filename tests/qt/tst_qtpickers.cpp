// SPDX-License-Identifier: MIT
#include "DriveList.h"
#include "DriveOfPath.h"
#include "DrivePicker.h"
#include "FakeFileSystem.h"
#include "FolderList.h"
#include "LocalFileSystem.h"
#include "RecordingMessageBox.h"
#include "readPng.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProxyStyle>
#include <QSet>
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
        QObject::connect(drives, &DriveList::changed, drives, [this] { picker.change(); });
        window.setWindowTitle(QStringLiteral("Pickers"));
    }

    void pickDrive(const QByteArray &drive) { drives->setCurrentIndex(drives->findData(drive)); }

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

QStringList driveTexts(const QComboBox &list)
{
    QStringList texts;
    for (int row = 0; row < list.count(); ++row)
        texts.append(list.itemText(row));
    return texts;
}

// How many colours the visible part of a row shows: one or two when its icon and name
// were drawn beyond the list's edge.
int coloursInView(const FolderList &list, const QListWidgetItem *item)
{
    const QRect row = list.visualItemRect(item).intersected(list.viewport()->rect());
    const QImage image = list.viewport()->grab().toImage();
    QSet<QRgb> colours;
    for (int y = row.top(); y <= row.bottom(); ++y) {
        for (int x = row.left(); x <= row.right(); ++x)
            colours.insert(image.pixel(x, y));
    }
    return int(colours.size());
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

class tst_Pickers : public QObject
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
    void keysOpenFolders_data();
    void keysOpenFolders();
    void unreadableFolderIsReportedAndListKept();
    void deepFolderStaysInView_data();
    void deepFolderStaysInView();
    void openingTheDriveListReadsTheDrivesAgain_data();
    void openingTheDriveListReadsTheDrivesAgain();
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

void tst_Pickers::driveOfPathPicksTheHoldingVolume_data()
{
    QTest::addColumn<QByteArrayList>("drives");
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QByteArray>("drive");

    const QByteArrayList mounts {"/", "/media/usb", "/media/usb/inner", "/mnt/share/"};
    QTest::newRow("root holds an ordinary folder")
        << mounts << QByteArray("/home/ann") << QByteArray("/");
    QTest::newRow("root itself") << mounts << QByteArray("/") << QByteArray("/");
    QTest::newRow("mount folder itself")
        << mounts << QByteArray("/media/usb") << QByteArray("/media/usb");
    QTest::newRow("folder below a mount")
        << mounts << QByteArray("/media/usb/maps") << QByteArray("/media/usb");
    QTest::newRow("longest mount wins")
        << mounts << QByteArray("/media/usb/inner/x") << QByteArray("/media/usb/inner");
    QTest::newRow("name prefix is not a folder boundary")
        << mounts << QByteArray("/media/usb2/maps") << QByteArray("/");
    QTest::newRow("parent of a mount stays on root")
        << mounts << QByteArray("/media") << QByteArray("/");
    QTest::newRow("trailing separator on the path")
        << mounts << QByteArray("/media/usb/") << QByteArray("/media/usb");
    QTest::newRow("trailing separator on the drive")
        << mounts << QByteArray("/mnt/share/x") << QByteArray("/mnt/share/");
    QTest::newRow("dot segments are resolved first")
        << mounts << QByteArray("/media/usb/../usb2") << QByteArray("/");
    QTest::newRow("bytes that are not text")
        << mounts << QByteArray("/media/usb/bad\xff\xfe") << QByteArray("/media/usb");
    QTest::newRow("mount folder that is not text")
        << QByteArrayList {"/", "/media/\xe9t\xe9"} << QByteArray("/media/\xe9t\xe9/x")
        << QByteArray("/media/\xe9t\xe9");
    QTest::newRow("drive letter") << QByteArrayList {"a:", "c:"} << QByteArray("c:/tools")
                                  << QByteArray("c:");
    QTest::newRow("no drive holds it")
        << QByteArrayList {"/media/usb"} << QByteArray("/home") << QByteArray();
}

void tst_Pickers::driveOfPathPicksTheHoldingVolume()
{
    QFETCH(QByteArrayList, drives);
    QFETCH(QByteArray, path);
    QFETCH(QByteArray, drive);

    QCOMPARE(driveOfPath(drives, path), drive);
}

void tst_Pickers::driveRootEndsWithOneSeparator_data()
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

void tst_Pickers::driveRootEndsWithOneSeparator()
{
    QFETCH(QString, drive);
    QFETCH(QString, root);

    FakeFileSystem files({drive}, drive);
    RecordingMessageBox messages;
    Pickers pickers(files, messages);
    pickers.picker.GetDiskInfo();

    QCOMPARE(pickers.picker.driveRoot(), QDir::toNativeSeparators(root));
}

void tst_Pickers::folderListShowsChainThenSubfolders_data()
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

void tst_Pickers::folderListShowsChainThenSubfolders()
{
    QFETCH(QString, folder);
    QFETCH(QStringList, rows);
    QFETCH(int, chainRows);

    FakeFileSystem files = fakeTree();
    RecordingMessageBox messages;
    FolderList list(files, messages);
    QVERIFY(list.setPath(folder.toUtf8()));

    QCOMPARE(rowTexts(list), rows);
    QCOMPARE(list.path(), folder.toUtf8());
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

void tst_Pickers::onlyDoubleClickOrEnterOpens_data()
{
    QTest::addColumn<bool>("singleClickStyle");
    QTest::addColumn<int>("key");

    QTest::newRow("double click") << false << 0;
    QTest::newRow("Return") << false << int(Qt::Key_Return);
    QTest::newRow("Enter on the keypad") << false << int(Qt::Key_Enter);
    QTest::newRow("double click under a single-click style") << true << 0;
}

void tst_Pickers::onlyDoubleClickOrEnterOpens()
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
    QCOMPARE(list.path(), startFolder.toUtf8());
    QCOMPARE(list.count(), 7);

    if (key == 0)
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, oval);
    else
        QTest::keyClick(&list, Qt::Key(key));
    QCOMPARE(list.path(), QByteArray("/home/ann/tracks/oval"));
    QCOMPARE(list.currentItem()->text(), QStringLiteral("oval"));
    QVERIFY(messages.shown().isEmpty());
}

void tst_Pickers::keysOpenFolders_data()
{
    QTest::addColumn<QString>("highlight");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("opened");
    QTest::addColumn<QString>("highlighted");

    const int none = Qt::NoModifier;
    const QString tracks = startFolder;
    const QString oval = startFolder + "/oval";
    QTest::newRow("Right opens the highlighted folder")
        << "oval" << int(Qt::Key_Right) << none << oval << "oval";
    QTest::newRow("Space opens the highlighted folder")
        << "oval" << int(Qt::Key_Space) << none << oval << "oval";
    QTest::newRow("Right on a folder above opens it")
        << "ann" << int(Qt::Key_Right) << none << "/home/ann"
        << "ann";
    QTest::newRow("Left on the open folder opens its parent")
        << "tracks" << int(Qt::Key_Left) << none << "/home/ann"
        << "ann";
    QTest::newRow("Backspace on the open folder opens its parent")
        << "tracks" << int(Qt::Key_Backspace) << none << "/home/ann"
        << "ann";
    QTest::newRow("Left on a subfolder goes back to the open folder")
        << "Desert" << int(Qt::Key_Left) << none << tracks << "tracks";
    QTest::newRow("Left on a folder above opens its parent")
        << "home" << int(Qt::Key_Left) << none << "/"
        << "/";
    QTest::newRow("Left on the root stays on it") << "/" << int(Qt::Key_Left) << none << "/"
                                                  << "/";
    QTest::newRow("Ctrl+Right opens nothing")
        << "oval" << int(Qt::Key_Right) << int(Qt::ControlModifier) << tracks << "oval";
    QTest::newRow("Down only highlights") << "oval" << int(Qt::Key_Down) << none << tracks << "";
}

void tst_Pickers::keysOpenFolders()
{
    QFETCH(QString, highlight);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, opened);
    QFETCH(QString, highlighted);

    FakeFileSystem files = fakeTree();
    RecordingMessageBox messages;
    Pickers pickers(files, messages);
    pickers.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pickers.window));
    pickers.folders->setFocus();
    pickers.folders->setCurrentItem(
        pickers.folders->findItems(highlight, Qt::MatchExactly).first());

    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));

    QCOMPARE(pickers.folders->path(), opened.toUtf8());
    if (!highlighted.isEmpty())
        QCOMPARE(pickers.folders->currentItem()->text(), highlighted);
    QVERIFY(messages.shown().isEmpty());
}

void tst_Pickers::unreadableFolderIsReportedAndListKept()
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
    QCOMPARE(message.title, QStringLiteral("Pickers"));
    QVERIFY2(message.text.contains(QDir::toNativeSeparators("/home/ann/tracks/locked")),
             qPrintable(message.text));
    QVERIFY2(message.text.contains("Permission denied"), qPrintable(message.text));
    QCOMPARE(list.path(), startFolder.toUtf8());
    QCOMPARE(rowTexts(list), before);
    QCOMPARE(list.currentItem()->text(), QStringLiteral("tracks"));
}

void tst_Pickers::deepFolderStaysInView_data()
{
    QTest::addColumn<int>("depth");

    QTest::newRow("3 levels") << 3;
    QTest::newRow("13 levels") << 13;
    QTest::newRow("40 levels") << 40;
    QTest::newRow("200 levels") << 200;
}

void tst_Pickers::deepFolderStaysInView()
{
    QFETCH(int, depth);
    QString deep;
    for (int level = 1; level <= depth; ++level)
        deep += QStringLiteral("/level%1").arg(level);
    FakeFileSystem files({"/"}, deep);
    files.addFolder(deep + "/below/further");
    files.addFolder(deep + "/beside");
    RecordingMessageBox messages;
    Pickers pickers(files, messages);
    // The size the windows give their folder lists.
    pickers.folders->setFixedSize(201, 66);
    pickers.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pickers.window));
    FolderList &list = *pickers.folders;

    for (const QString &name : {QStringLiteral("level%1").arg(depth), QStringLiteral("below")}) {
        const QListWidgetItem *row = list.findItems(name, Qt::MatchExactly).first();
        QVERIFY2(list.viewport()->rect().intersects(list.visualItemRect(row)), qPrintable(name));
        QVERIFY2(coloursInView(list, row) > 2, qPrintable(name));
    }

    list.setFocus();
    list.setCurrentItem(list.findItems("below", Qt::MatchExactly).first());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QCOMPARE(list.path(), (deep + "/below").toUtf8());
    const QListWidgetItem *further = list.findItems("further", Qt::MatchExactly).first();
    QVERIFY(list.viewport()->rect().intersects(list.visualItemRect(further)));
    QVERIFY(coloursInView(list, further) > 2);
}

void tst_Pickers::openingTheDriveListReadsTheDrivesAgain_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<QStringList>("mountedNow");
    QTest::addColumn<QString>("currentAfter");

    QTest::newRow("a drive added")
        << "/" << QStringList {"/", "/media/cdrom", "/media/new", "/media/usb"} << "/";
    QTest::newRow("another drive removed") << "/" << QStringList {"/", "/media/usb"} << "/";
    QTest::newRow("current drive removed: the drive that now holds its folder")
        << "/media/usb" << QStringList {"/", "/media/cdrom"} << "/";
}

void tst_Pickers::openingTheDriveListReadsTheDrivesAgain()
{
    QFETCH(QString, current);
    QFETCH(QStringList, mountedNow);
    QFETCH(QString, currentAfter);

    FakeFileSystem files = fakeTree();
    RecordingMessageBox messages;
    Pickers pickers(files, messages);
    pickers.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pickers.window));
    pickers.pickDrive(current.toUtf8());
    const QByteArray folder = pickers.folders->path();
    const QStringList before = driveTexts(*pickers.drives);
    files.setDrives(mountedNow);
    QCOMPARE(driveTexts(*pickers.drives), before);
    QSignalSpy changes(pickers.drives, &DriveList::changed);

    pickers.drives->showPopup();

    QCOMPARE(driveTexts(*pickers.drives), mountedNow);
    QCOMPARE(pickers.drives->drive(), currentAfter.toUtf8());
    QCOMPARE(changes.size(), 0);
    QCOMPARE(pickers.folders->path(), folder);
    pickers.drives->hidePopup();
}

void tst_Pickers::readableDriveMovesFolderList_data()
{
    QTest::addColumn<QByteArrayList>("picks");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("root");

    QTest::newRow("another drive opens at its mount folder")
        << QByteArrayList {"/media/usb"} << "/media/usb"
        << "/media/usb/";
    QTest::newRow("back on the starting drive opens the starting folder")
        << QByteArrayList {"/media/usb", "/"} << startFolder << "/";
}

void tst_Pickers::readableDriveMovesFolderList()
{
    QFETCH(QByteArrayList, picks);
    QFETCH(QString, path);
    QFETCH(QString, root);

    FakeFileSystem files = fakeTree();
    RecordingMessageBox messages;
    Pickers pickers(files, messages);

    for (const QByteArray &drive : picks)
        pickers.pickDrive(drive);

    QCOMPARE(pickers.folders->path(), path.toUtf8());
    QCOMPARE(pickers.drives->drive(), picks.last());
    QCOMPARE(pickers.picker.driveRoot(), QDir::toNativeSeparators(root));
    QVERIFY(messages.shown().isEmpty());
}

void tst_Pickers::unreadableDriveIsReportedAndRestored_data()
{
    QTest::addColumn<QString>("startDrive");
    QTest::addColumn<QString>("folder");

    QTest::newRow("from the starting folder") << "/" << startFolder;
    QTest::newRow("from a folder opened below it") << "/"
                                                   << "/home/ann/tracks/oval";
    QTest::newRow("from another drive") << "/media/usb"
                                        << "/media/usb/maps";
}

void tst_Pickers::unreadableDriveIsReportedAndRestored()
{
    QFETCH(QString, startDrive);
    QFETCH(QString, folder);

    FakeFileSystem files = fakeTree();
    RecordingMessageBox messages;
    Pickers pickers(files, messages);
    pickers.pickDrive(startDrive.toUtf8());
    QVERIFY(pickers.folders->setPath(folder.toUtf8()));
    const QStringList rowsBefore = rowTexts(*pickers.folders);
    QByteArray driveWhileShown;
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
    QCOMPARE(driveWhileShown, QByteArray("/media/cdrom"));
    QCOMPARE(pickers.drives->drive(), startDrive.toUtf8());
    QCOMPARE(pickers.folders->path(), folder.toUtf8());
    QCOMPARE(rowTexts(*pickers.folders), rowsBefore);
    // The restoring step raised the change again, and that run rewrote the drive root.
    QCOMPARE(changes.size(), 2);
    QCOMPARE(pickers.picker.driveRoot(),
             QDir::toNativeSeparators(startDrive == "/" ? "/" : startDrive + "/"));
}

void tst_Pickers::twoPickersKeepSeparateDriveRoots()
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
    QCOMPARE(second.drives->drive(), QByteArray("/media/usb"));
    QCOMPARE(second.folders->path(), QByteArray("/media/usb"));
}

void tst_Pickers::localListingOffersOnlyVisibleFolders()
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

    const auto subfolders = LocalFileSystem().listFolder(QFile::encodeName(temp.path()));

    QVERIFY(subfolders);
    QCOMPARE(*subfolders, (QByteArrayList {"Alpha", "beta", "gamma", "linked"}));
}

void tst_Pickers::localListingOfUnreadablePathGivesReason_data()
{
    QTest::addColumn<QString>("name");

    QTest::newRow("missing folder") << "missing";
    QTest::newRow("a file") << "notes.txt";
}

void tst_Pickers::localListingOfUnreadablePathGivesReason()
{
    QFETCH(QString, name);

    QTemporaryDir temp;
    QVERIFY(temp.isValid());
    QFile file(QDir(temp.path()).filePath("notes.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    const auto subfolders =
        LocalFileSystem().listFolder(QFile::encodeName(QDir(temp.path()).filePath(name)));

    QVERIFY(!subfolders);
    QVERIFY(!subfolders.failure().trimmed().isEmpty());
}

void tst_Pickers::localDrivesStartWithRoot()
{
#ifdef Q_OS_WIN
    QSKIP("Drive letters have no common first entry.");
#else
    const QByteArrayList drives = LocalFileSystem().drives();
    QVERIFY(!drives.isEmpty());
    QCOMPARE(drives.first(), QByteArray("/"));
    QCOMPARE(drives.count("/"), 1);
    QVERIFY(!driveOfPath(drives, LocalFileSystem().currentFolder()).isEmpty());
#endif
}

void tst_Pickers::pickableVolumes_data()
{
    QTest::addColumn<QByteArray>("folder");
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<bool>("pickable");

    QTest::newRow("root, even as a container overlay")
        << QByteArray("/") << QByteArray("overlay") << true;
    QTest::newRow("usb stick") << QByteArray("/media/ann/USB") << QByteArray("vfat") << true;
    QTest::newRow("removable media under /run/media")
        << QByteArray("/run/media/ann/USB") << QByteArray("exfat") << true;
    QTest::newRow("network share") << QByteArray("/mnt/share") << QByteArray("nfs4") << true;
    QTest::newRow("other overlay")
        << QByteArray("/var/lib/docker/merged") << QByteArray("overlay") << false;
    QTest::newRow("kernel view") << QByteArray("/proc") << QByteArray("proc") << false;
    QTest::newRow("control groups")
        << QByteArray("/sys/fs/cgroup") << QByteArray("cgroup2") << false;
    QTest::newRow("memory file system") << QByteArray("/tmp") << QByteArray("tmpfs") << false;
    QTest::newRow("snap image") << QByteArray("/snap/core/17") << QByteArray("squashfs") << false;
    QTest::newRow("disk under /run")
        << QByteArray("/run/credentials") << QByteArray("ext4") << false;
    QTest::newRow("disk under /dev") << QByteArray("/dev/hugepages") << QByteArray("ext4") << false;
    QTest::newRow("name prefix of /sys") << QByteArray("/system") << QByteArray("ext4") << true;
    QTest::newRow("shared memory") << QByteArray("/dev/shm") << QByteArray("tmpfs") << false;
    QTest::newRow("memory file system mounted by a person")
        << QByteArray("/mnt/scratch") << QByteArray("tmpfs") << true;
    QTest::newRow("memory file system as removable medium")
        << QByteArray("/media/ann/ram") << QByteArray("ramfs") << true;
    QTest::newRow("memory file system beside /mnt")
        << QByteArray("/mnt2/x") << QByteArray("tmpfs") << false;
    QTest::newRow("mount folder that is not text")
        << QByteArray("/media/caf\xe9") << QByteArray("vfat") << true;
}

void tst_Pickers::pickableVolumes()
{
#ifdef Q_OS_WIN
    QSKIP("Windows lists drive letters, not mounts.");
#else
    QFETCH(QByteArray, folder);
    QFETCH(QByteArray, type);
    QFETCH(bool, pickable);

    QCOMPARE(LocalFileSystem::isPickableVolume(folder, type), pickable);
#endif
}

QTEST_MAIN(tst_Pickers)
#include "tst_pickers.moc"
