// SPDX-License-Identifier: MIT
#include "DriveCombo.h"
#include "FakeFileSystem.h"
#include "FolderRows.h"
#include "FolderView.h"
#include "FormDriver.h"
#include "Module1.h"
#include "QtDesktop.h"
#include "QtWindow.h"
#include "RecordingDesktop.h"
#include "RecordingGeneratorStarter.h"
#include "RecordingMessageBox.h"
#include "frmLapforge2.h"
#include "readPng.h"

#include <QApplication>
#include <QProxyStyle>
#include <QSet>
#include <QStyle>
#include <QTest>

#include <memory>

namespace {

const std::string &startFolder = homeTracks;

// The main window's drive and folder lists as Qt shows them: a window with no default button,
// so that Enter is the folder list's own.
struct Pickers
{
    explicit Pickers(FakeFileSystem tree = homeTracksTree())
        : files(std::move(tree)),
          core((Module1::setToolFolder("/tools"), Platform {files, messages, desktop, generator})),
          window(core.form()), drives(window.findChild<DriveCombo *>(QStringLiteral("drvList1"))),
          folders(window.findChild<FolderView *>(QStringLiteral("Dir1")))
    { }

    FolderList &folderList() { return FormDriver(core.form()).folders("Dir1"); }
    QModelIndex rowOf(const QString &name) const
    {
        const QModelIndexList rows = folders->model()->match(
            folders->model()->index(0, 0), Qt::DisplayRole, name, 1, Qt::MatchExactly);
        if (rows.isEmpty())
            qFatal("no row %s", qPrintable(name));
        return rows.first();
    }
    QString highlighted() const { return folders->currentIndex().data().toString(); }
    QString path() { return QString::fromStdString(folderList().path()); }
    void pickDrive(const QByteArray &drive) const
    {
        drives->setCurrentIndex(drives->findData(drive));
    }

    FakeFileSystem files;
    RecordingMessageBox messages;
    RecordingDesktop desktop;
    RecordingGeneratorStarter generator;
    frmLapforge2 core;
    QtWindow window;
    DriveCombo *drives;
    FolderView *folders;
};

QStringList rowTexts(const FolderView &list)
{
    QStringList texts;
    for (int row = 0; row < list.model()->rowCount(); ++row)
        texts.append(list.model()->index(row, 0).data().toString());
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
int coloursInView(const FolderView &list, const QModelIndex &row)
{
    const QRect rect = list.visualRect(row).intersected(list.viewport()->rect());
    const QImage image = list.viewport()->grab().toImage();
    QSet<QRgb> colours;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x)
            colours.insert(image.pixel(x, y));
    }
    return int(colours.size());
}

bool looksLike(const QVariant &icon, const QString &picture)
{
    return icon.value<QIcon>().pixmap(16).toImage() == readPng(picture).toImage();
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

class tst_QtPickers : public QObject
{
    Q_OBJECT

private slots:
    void folderRowsShowTheirLevelAndPicture();
    void onlyDoubleClickOrEnterOpens_data();
    void onlyDoubleClickOrEnterOpens();
    void keysOpenFolders_data();
    void keysOpenFolders();
    void deepFolderStaysInView_data();
    void deepFolderStaysInView();
    void openingTheDriveListReadsTheDrivesAgain();
    void unreadableDrivePickedInTheListComesBack();
};

void tst_QtPickers::folderRowsShowTheirLevelAndPicture()
{
    Pickers pickers;
    QCOMPARE(rowTexts(*pickers.folders),
             QStringList({"/", "home", "ann", "tracks", "Desert", "locked", "oval"}));
    QCOMPARE(pickers.highlighted(), QStringLiteral("tracks"));
    for (int row = 0; row < pickers.folders->model()->rowCount(); ++row) {
        const QModelIndex index = pickers.folders->model()->index(row, 0);
        const bool inChain = row < 4;
        QCOMPARE(index.data(FolderRows::LevelRole).toInt(), inChain ? row : 4);
        QVERIFY(looksLike(index.data(Qt::DecorationRole),
                          inChain ? QStringLiteral(":/images/folder-open.png")
                                  : QStringLiteral(":/images/folder-closed.png")));
    }
}

void tst_QtPickers::onlyDoubleClickOrEnterOpens_data()
{
    QTest::addColumn<bool>("singleClickStyle");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");

    QTest::newRow("double click") << false << 0 << int(Qt::NoModifier);
    QTest::newRow("Return") << false << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("Enter on the keypad") << false << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
    QTest::newRow("double click under a single-click style") << true << 0 << int(Qt::NoModifier);
}

void tst_QtPickers::onlyDoubleClickOrEnterOpens()
{
    QFETCH(bool, singleClickStyle);
    QFETCH(int, key);
    QFETCH(int, modifiers);

    Pickers pickers;
    std::unique_ptr<QStyle> style;
    if (singleClickStyle) {
        style = std::make_unique<SingleClickStyle>();
        pickers.folders->setStyle(style.get());
    }
    pickers.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pickers.window));
    FolderView &list = *pickers.folders;
    const QPoint oval = list.visualRect(pickers.rowOf(QStringLiteral("oval"))).center();

    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, oval);
    QCOMPARE(pickers.highlighted(), QStringLiteral("oval"));
    QCOMPARE(pickers.path(), QString::fromStdString(startFolder));
    QCOMPARE(list.model()->rowCount(), 7);

    if (key == 0)
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, oval);
    else
        QTest::keyClick(&list, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(pickers.path(), QStringLiteral("/home/ann/tracks/oval"));
    QCOMPARE(pickers.highlighted(), QStringLiteral("oval"));
    QVERIFY(pickers.messages.shown().empty());
}

void tst_QtPickers::keysOpenFolders_data()
{
    QTest::addColumn<QString>("highlight");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("opened");

    const int none = Qt::NoModifier;
    const QString tracks = QString::fromStdString(startFolder);
    const QString oval = tracks + "/oval";
    QTest::newRow("Right opens the highlighted folder")
        << "oval" << int(Qt::Key_Right) << none << oval;
    QTest::newRow("Space opens the highlighted folder")
        << "oval" << int(Qt::Key_Space) << none << oval;
    QTest::newRow("Left opens the parent") << "tracks" << int(Qt::Key_Left) << none << "/home/ann";
    QTest::newRow("Backspace opens the parent")
        << "tracks" << int(Qt::Key_Backspace) << none << "/home/ann";
    QTest::newRow("Right on the keypad opens")
        << "oval" << int(Qt::Key_Right) << int(Qt::KeypadModifier) << oval;
    QTest::newRow("Ctrl+Right opens nothing")
        << "oval" << int(Qt::Key_Right) << int(Qt::ControlModifier) << tracks;
    QTest::newRow("Down only highlights") << "oval" << int(Qt::Key_Down) << none << tracks;
}

void tst_QtPickers::keysOpenFolders()
{
    QFETCH(QString, highlight);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, opened);

    Pickers pickers;
    pickers.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pickers.window));
    pickers.folders->setFocus();
    pickers.folders->setCurrentIndex(pickers.rowOf(highlight));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));

    QCOMPARE(pickers.path(), opened);
    QVERIFY(pickers.messages.shown().empty());
}

void tst_QtPickers::deepFolderStaysInView_data()
{
    QTest::addColumn<int>("depth");

    QTest::newRow("3 levels") << 3;
    QTest::newRow("13 levels") << 13;
    QTest::newRow("40 levels") << 40;
    QTest::newRow("200 levels") << 200;
}

void tst_QtPickers::deepFolderStaysInView()
{
    QFETCH(int, depth);
    std::string deep;
    for (int level = 1; level <= depth; ++level)
        deep += "/level" + std::to_string(level);
    FakeFileSystem files({"/"}, deep);
    files.addFolder(deep + "/below/further");
    files.addFolder(deep + "/beside");
    Pickers pickers(files);
    // The size of the tool-location window's list, the smaller of the two.
    pickers.folders->setFixedSize(201, 66);
    pickers.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pickers.window));
    FolderView &list = *pickers.folders;

    for (const QString &name : {QStringLiteral("level%1").arg(depth), QStringLiteral("below")}) {
        const QModelIndex row = pickers.rowOf(name);
        QVERIFY2(list.viewport()->rect().intersects(list.visualRect(row)), qPrintable(name));
        QVERIFY2(coloursInView(list, row) > 2, qPrintable(name));
    }

    list.setFocus();
    list.setCurrentIndex(pickers.rowOf(QStringLiteral("below")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QCOMPARE(pickers.path(), QString::fromStdString(deep + "/below"));
    const QModelIndex further = pickers.rowOf(QStringLiteral("further"));
    QVERIFY(list.viewport()->rect().intersects(list.visualRect(further)));
    QVERIFY(coloursInView(list, further) > 2);
}

void tst_QtPickers::openingTheDriveListReadsTheDrivesAgain()
{
    Pickers pickers;
    pickers.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pickers.window));
    pickers.pickDrive("/media/usb");
    pickers.files.setDrives({"/", "/media/cdrom", "/media/new"});
    QCOMPARE(driveTexts(*pickers.drives), QStringList({"/", "/media/cdrom", "/media/usb"}));

    pickers.drives->showPopup();

    QCOMPARE(driveTexts(*pickers.drives), QStringList({"/", "/media/cdrom", "/media/new"}));
    QCOMPARE(pickers.drives->currentText(), QStringLiteral("/"));
    QCOMPARE(pickers.path(), QStringLiteral("/media/usb"));
    pickers.drives->hidePopup();
}

void tst_QtPickers::unreadableDrivePickedInTheListComesBack()
{
    Pickers pickers;
    QString shownWhileMessage;
    pickers.messages.onShow = [&] {
        shownWhileMessage = pickers.drives->currentText();
    };
    pickers.pickDrive("/media/cdrom");
    QCOMPARE(pickers.messages.shown().size(), std::size_t(1));
    QCOMPARE(shownWhileMessage, QStringLiteral("/media/cdrom"));
    QCOMPARE(pickers.drives->currentText(), QStringLiteral("/"));
    QCOMPARE(pickers.path(), QString::fromStdString(startFolder));
    QCOMPARE(rowTexts(*pickers.folders).size(), 7);
}

QTEST_MAIN(tst_QtPickers)
#include "tst_qtpickers.moc"
