// SPDX-License-Identifier: MIT
#include "MainWindowFixture.h"
#include "drawSegment.h"

#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include <array>
#include <optional>
#include <utility>

Q_DECLARE_METATYPE(SegmentShape)
Q_DECLARE_METATYPE(std::optional<SegmentShape>)

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

// The edges that the road runs into, as "bottom left right top" in that order; a few
// pixels of a soft edge do not count.
QString edgesReached(const QImage &picture)
{
    const int w = picture.width(), h = picture.height();
    const auto reaches = [&](int x0, int y0, int dx, int dy, int steps) {
        int count = 0;
        for (int step = 0; step < steps; ++step)
            count += isRoad(picture.pixel(x0 + dx * step, y0 + dy * step)) ? 1 : 0;
        return count > 4;
    };
    QStringList edges;
    const std::array<std::pair<const char *, bool>, 4> found {{
        {"bottom", reaches(0, h - 1, 1, 0, w)},
        {"left", reaches(0, 0, 0, 1, h)},
        {"right", reaches(w - 1, 0, 0, 1, h)},
        {"top", reaches(0, 0, 1, 0, w)},
    }};
    for (const auto &[edge, reached] : found) {
        if (reached)
            edges << QLatin1String(edge);
    }
    return edges.join(QLatin1Char(' '));
}

// The side of the picture where the pixels that `matches` from row `firstRow` down lie on
// average.
QString sideOf(const QImage &picture, bool (*matches)(QRgb), int firstRow)
{
    double sum = 0;
    int count = 0;
    for (int y = firstRow; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (matches(picture.pixel(x, y))) {
                sum += x + 0.5;
                ++count;
            }
        }
    }
    if (!count)
        return QStringLiteral("none");
    const double middle = sum / count;
    if (middle < segmentPictureWidth / 2.0 - 4)
        return QStringLiteral("left");
    if (middle > segmentPictureWidth / 2.0 + 4)
        return QStringLiteral("right");
    return QStringLiteral("middle");
}

QImage shownPicture(const MainWindowFixture &main)
{
    const auto *picture = main.control<QLabel>(QStringLiteral("Image1"));
    return picture->isVisible() ? picture->pixmap().toImage() : QImage();
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
};

void tst_SegmentPicture::drawingShowsTheSegment_data()
{
    QTest::addColumn<SegmentShape>("shape");
    QTest::addColumn<QString>("seen");

    // Driven from the bottom edge: a left segment finishes on the left, and a turn or slide
    // enters on the side away from its finish.
    QTest::newRow("straight") << SegmentShape::Straight
                              << "reaches bottom top, enters middle, finishes middle";
    QTest::newRow("90 left") << SegmentShape::Left90
                             << "reaches bottom left, enters right, finishes left";
    QTest::newRow("90 right") << SegmentShape::Right90
                              << "reaches bottom right, enters left, finishes right";
    QTest::newRow("180 left") << SegmentShape::Left180
                              << "reaches bottom, enters middle, finishes left";
    QTest::newRow("180 right") << SegmentShape::Right180
                               << "reaches bottom, enters middle, finishes right";
    QTest::newRow("slide left") << SegmentShape::SlideLeft
                                << "reaches bottom top, enters right, finishes left";
    QTest::newRow("slide right") << SegmentShape::SlideRight
                                 << "reaches bottom top, enters left, finishes right";
}

void tst_SegmentPicture::drawingShowsTheSegment()
{
    QFETCH(SegmentShape, shape);
    QFETCH(QString, seen);

    const QImage picture = drawSegment(shape);
    QCOMPARE(picture.size(), QSize(64, 84));
    QCOMPARE(QStringLiteral("reaches %1, enters %2, finishes %3")
                 .arg(edgesReached(picture), sideOf(picture, isRoad, picture.height() - 1),
                      sideOf(picture, isFinishBlack, 0)),
             seen);
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
    // Option buttons clicked in turn, or "make" and "reset" for the two buttons.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<std::optional<SegmentShape>>("shown");

    using Shown = std::optional<SegmentShape>;
    QTest::newRow("at load") << QString() << Shown(SegmentShape::Straight);
    QTest::newRow("90 Left") << "optLeft90" << Shown(SegmentShape::Left90);
    QTest::newRow("90 Right") << "optRight90" << Shown(SegmentShape::Right90);
    QTest::newRow("180 Left") << "opt180l" << Shown(SegmentShape::Left180);
    QTest::newRow("180 Right") << "opt180r" << Shown(SegmentShape::Right180);
    QTest::newRow("Slide Left") << "optSlideL" << Shown(SegmentShape::SlideLeft);
    QTest::newRow("Slide Right") << "optSlideR" << Shown(SegmentShape::SlideRight);
    QTest::newRow("Straight after a turn") << "optLeft90 optStr" << Shown(SegmentShape::Straight);
    QTest::newRow("Loop hides it") << "opt180r optLoop" << Shown();
    QTest::newRow("a segment after the loop")
        << "optLoop optLleft optSlideL" << Shown(SegmentShape::SlideLeft);
    QTest::newRow("Make It! resets it") << "optRight90 make" << Shown(SegmentShape::Straight);
    QTest::newRow("Reset") << "optSlideR reset" << Shown(SegmentShape::Straight);
}

void tst_SegmentPicture::windowShowsTheChosenSegment()
{
    QFETCH(QString, steps);
    QFETCH(std::optional<SegmentShape>, shown);

    MainWindowFixture main;
    main.window->show();
    for (const QString &step : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (step == QLatin1String("make"))
            main.make();
        else if (step == QLatin1String("reset"))
            main.reset();
        else
            main.option(step)->click();
    }
    QCOMPARE(shownPicture(main), shown ? drawSegment(*shown) : QImage());
    // The picture and the loop frame share their place: one of them shows.
    QCOMPARE(main.control(QStringLiteral("frmLoop"))->isVisible(), !shown);
}

QTEST_MAIN(tst_SegmentPicture)
#include "tst_segmentpicture.moc"
