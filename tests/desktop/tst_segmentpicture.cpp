// SPDX-License-Identifier: MIT
#include "MainWindowFixture.h"
#include "drawSegment.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include <array>

Q_DECLARE_METATYPE(SegmentShape)

namespace {

constexpr std::array allShapes {
    SegmentShape::Straight, SegmentShape::Left90,    SegmentShape::Right90,   SegmentShape::Left180,
    SegmentShape::Right180, SegmentShape::SlideLeft, SegmentShape::SlideRight};

const QColor grass(0x4c, 0x8a, 0x3c);

bool isRoad(QRgb pixel)
{
    const QColor colour(pixel);
    return qAbs(colour.red() - grass.red()) + qAbs(colour.green() - grass.green())
        + qAbs(colour.blue() - grass.blue())
        > 60;
}

// Only the finish's squares are this dark.
bool isFinishBlack(QRgb pixel)
{
    return qMax(qRed(pixel), qMax(qGreen(pixel), qBlue(pixel))) < 40;
}

QString sideOf(double x)
{
    if (x < segmentPictureWidth / 2.0 - 4)
        return QStringLiteral("left");
    if (x > segmentPictureWidth / 2.0 + 4)
        return QStringLiteral("right");
    return QStringLiteral("middle");
}

// The edges that the road runs into, as "bottom left right top" in that order; a few
// pixels of a soft edge do not count.
QString edgesReached(const QImage &picture)
{
    const int w = picture.width(), h = picture.height();
    const auto countRoad = [&](int x0, int y0, int dx, int dy, int steps) {
        int count = 0;
        for (int step = 0; step < steps; ++step)
            count += isRoad(picture.pixel(x0 + dx * step, y0 + dy * step)) ? 1 : 0;
        return count;
    };
    QStringList edges;
    if (countRoad(0, h - 1, 1, 0, w) > 4)
        edges << QStringLiteral("bottom");
    if (countRoad(0, 0, 0, 1, h) > 4)
        edges << QStringLiteral("left");
    if (countRoad(w - 1, 0, 0, 1, h) > 4)
        edges << QStringLiteral("right");
    if (countRoad(0, 0, 1, 0, w) > 4)
        edges << QStringLiteral("top");
    return edges.join(QLatin1Char(' '));
}

// Where the road enters at the bottom edge: the middle of its pixels there.
QString startSide(const QImage &picture)
{
    double sum = 0;
    int count = 0;
    for (int x = 0; x < picture.width(); ++x) {
        if (isRoad(picture.pixel(x, picture.height() - 1))) {
            sum += x + 0.5;
            ++count;
        }
    }
    return count ? sideOf(sum / count) : QStringLiteral("none");
}

QString finishSide(const QImage &picture)
{
    double sum = 0;
    int count = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (isFinishBlack(picture.pixel(x, y))) {
                sum += x + 0.5;
                ++count;
            }
        }
    }
    return count ? sideOf(sum / count) : QStringLiteral("none");
}

} // namespace

class tst_SegmentPicture : public QObject
{
    Q_OBJECT

private slots:
    void drawingShowsTheSegment_data();
    void drawingShowsTheSegment();
    void everyDrawingDiffers();
    void rightIsTheMirrorOfLeft_data();
    void rightIsTheMirrorOfLeft();
    void windowShowsTheChosenSegment_data();
    void windowShowsTheChosenSegment();
    void loopHidesThePictureUntilASegmentReturns();
    void resetShowsTheStraight();
    void pictureTakesNoInput();
};

void tst_SegmentPicture::drawingShowsTheSegment_data()
{
    QTest::addColumn<SegmentShape>("shape");
    QTest::addColumn<QString>("edges");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("finish");

    // Driven from the bottom edge; a turn's finish lies on its side, a 180's start on the
    // other side of the bottom edge, where its road enters.
    QTest::newRow("straight") << SegmentShape::Straight << "bottom top"
                              << "middle"
                              << "middle";
    QTest::newRow("90 left") << SegmentShape::Left90 << "bottom left"
                             << "right"
                             << "left";
    QTest::newRow("90 right") << SegmentShape::Right90 << "bottom right"
                              << "left"
                              << "right";
    QTest::newRow("180 left") << SegmentShape::Left180 << "bottom"
                              << "middle"
                              << "left";
    QTest::newRow("180 right") << SegmentShape::Right180 << "bottom"
                               << "middle"
                               << "right";
    QTest::newRow("slide left") << SegmentShape::SlideLeft << "bottom top"
                                << "right"
                                << "left";
    QTest::newRow("slide right") << SegmentShape::SlideRight << "bottom top"
                                 << "left"
                                 << "right";
}

void tst_SegmentPicture::drawingShowsTheSegment()
{
    QFETCH(SegmentShape, shape);
    QFETCH(QString, edges);
    QFETCH(QString, start);
    QFETCH(QString, finish);

    const QImage picture = drawSegment(shape);
    QCOMPARE(picture.size(), QSize(64, 84));
    QCOMPARE(edgesReached(picture), edges);
    QCOMPARE(startSide(picture), start);
    QCOMPARE(finishSide(picture), finish);
}

void tst_SegmentPicture::everyDrawingDiffers()
{
    for (std::size_t one = 0; one < allShapes.size(); ++one) {
        for (std::size_t other = one + 1; other < allShapes.size(); ++other) {
            QVERIFY2(drawSegment(allShapes[one]) != drawSegment(allShapes[other]),
                     qPrintable(QStringLiteral("shapes %1 and %2").arg(one).arg(other)));
        }
    }
}

void tst_SegmentPicture::rightIsTheMirrorOfLeft_data()
{
    QTest::addColumn<SegmentShape>("left");
    QTest::addColumn<SegmentShape>("right");
    QTest::newRow("90") << SegmentShape::Left90 << SegmentShape::Right90;
    QTest::newRow("180") << SegmentShape::Left180 << SegmentShape::Right180;
    QTest::newRow("slide") << SegmentShape::SlideLeft << SegmentShape::SlideRight;
}

void tst_SegmentPicture::rightIsTheMirrorOfLeft()
{
    QFETCH(SegmentShape, left);
    QFETCH(SegmentShape, right);
    QCOMPARE(drawSegment(right), drawSegment(left).mirrored(true, false));
}

void tst_SegmentPicture::windowShowsTheChosenSegment_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<SegmentShape>("shape");
    // From "90 Left" onwards, so every row is a change of choice.
    QTest::newRow("90 Left") << "optLeft90" << SegmentShape::Left90;
    QTest::newRow("90 Right") << "optRight90" << SegmentShape::Right90;
    QTest::newRow("180 Left") << "opt180l" << SegmentShape::Left180;
    QTest::newRow("180 Right") << "opt180r" << SegmentShape::Right180;
    QTest::newRow("Slide Left") << "optSlideL" << SegmentShape::SlideLeft;
    QTest::newRow("Slide Right") << "optSlideR" << SegmentShape::SlideRight;
}

void tst_SegmentPicture::windowShowsTheChosenSegment()
{
    QFETCH(QString, option);
    QFETCH(SegmentShape, shape);

    MainWindowFixture main;
    const auto *picture = main.control<QLabel>(QStringLiteral("Image1"));
    QCOMPARE(picture->pixmap().toImage(), drawSegment(SegmentShape::Straight));
    main.option(QStringLiteral("optLeft90"))->click();
    main.option(option)->click();
    QCOMPARE(picture->pixmap().toImage(), drawSegment(shape));
    main.option(QStringLiteral("optStr"))->click();
    QCOMPARE(picture->pixmap().toImage(), drawSegment(SegmentShape::Straight));
}

void tst_SegmentPicture::loopHidesThePictureUntilASegmentReturns()
{
    MainWindowFixture main;
    main.window->show();
    const auto *picture = main.control<QLabel>(QStringLiteral("Image1"));
    const auto *loopFrame = main.control<QGroupBox>(QStringLiteral("frmLoop"));
    main.option(QStringLiteral("opt180r"))->click();
    main.option(QStringLiteral("optLoop"))->click();
    QVERIFY(!picture->isVisible());
    QVERIFY(loopFrame->isVisible());
    main.option(QStringLiteral("optSlideL"))->click();
    QVERIFY(picture->isVisible());
    QVERIFY(!loopFrame->isVisible());
    QCOMPARE(picture->pixmap().toImage(), drawSegment(SegmentShape::SlideLeft));
}

void tst_SegmentPicture::resetShowsTheStraight()
{
    MainWindowFixture main;
    const auto *picture = main.control<QLabel>(QStringLiteral("Image1"));
    main.option(QStringLiteral("optRight90"))->click();
    main.make();
    QCOMPARE(picture->pixmap().toImage(), drawSegment(SegmentShape::Straight));
    main.option(QStringLiteral("optSlideR"))->click();
    main.reset();
    QCOMPARE(picture->pixmap().toImage(), drawSegment(SegmentShape::Straight));
}

void tst_SegmentPicture::pictureTakesNoInput()
{
    MainWindowFixture main;
    main.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(main.window.get()));
    auto *picture = main.control<QLabel>(QStringLiteral("Image1"));
    main.option(QStringLiteral("optLeft90"))->click();
    const QStringList chosen = main.chosen();
    const QPoint centre = picture->geometry().center();
    QCOMPARE(main.window->childAt(centre), picture);
    QTest::mouseClick(picture, Qt::LeftButton, {}, picture->mapFrom(main.window.get(), centre));
    QCOMPARE(picture->focusPolicy(), Qt::NoFocus);
    QVERIFY(!picture->hasFocus());
    QCOMPARE(main.chosen(), chosen);
    QCOMPARE(picture->pixmap().toImage(), drawSegment(SegmentShape::Left90));
}

QTEST_MAIN(tst_SegmentPicture)
#include "tst_segmentpicture.moc"
