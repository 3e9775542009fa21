// SPDX-License-Identifier: MIT
#include "drawSegment.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>

namespace {

const QColor grass(0x4c, 0x8a, 0x3c);
const QColor asphalt(0x5a, 0x5e, 0x63);
const QColor edgeLine(Qt::white);
const QColor centreLine(0xf2, 0xc9, 0x4c);

constexpr qreal roadWidth = 18;
constexpr qreal edgeWidth = 2;
constexpr qreal squareSize = 3.5;
constexpr qreal arrowDistance = 9;

constexpr qreal width = segmentPictureWidth;
constexpr qreal height = segmentPictureHeight;

// The centre lines of the left-hand forms; a right-hand segment is its mirror image.
QPainterPath straight()
{
    QPainterPath path({width / 2, height});
    path.lineTo(width / 2, 0);
    return path;
}

QPainterPath turn90()
{
    constexpr qreal radius = 36;
    constexpr qreal startX = 42;
    constexpr qreal bendY = 68;
    QPainterPath path({startX, height});
    path.lineTo(startX, bendY);
    path.arcTo(startX - 2 * radius, bendY - radius, 2 * radius, 2 * radius, 0, 90);
    path.lineTo(0, bendY - radius);
    return path;
}

QPainterPath turn180()
{
    constexpr qreal radius = 16;
    constexpr qreal bendY = 34;
    QPainterPath path({width / 2 + radius, height});
    path.lineTo(width / 2 + radius, bendY);
    path.arcTo(width / 2 - radius, bendY - radius, 2 * radius, 2 * radius, 0, 180);
    path.lineTo(width / 2 - radius, height);
    return path;
}

QPainterPath slide()
{
    constexpr qreal startX = 44;
    constexpr qreal endX = 20;
    QPainterPath path({startX, height});
    path.lineTo(startX, 64);
    path.cubicTo(startX, 42, endX, 42, endX, 20);
    path.lineTo(endX, 0);
    return path;
}

struct ShapeRow
{
    SegmentShape shape;
    QPainterPath (*centre)();
    bool mirrored;
};

const std::array shapeRows {
    ShapeRow {SegmentShape::Straight, straight, false},
    ShapeRow {SegmentShape::Left90, turn90, false},
    ShapeRow {SegmentShape::Right90, turn90, true},
    ShapeRow {SegmentShape::Left180, turn180, false},
    ShapeRow {SegmentShape::Right180, turn180, true},
    ShapeRow {SegmentShape::SlideLeft, slide, false},
    ShapeRow {SegmentShape::SlideRight, slide, true},
};

void drawRoad(QPainter &painter, const QPainterPath &centre)
{
    painter.strokePath(centre,
                       QPen(edgeLine, roadWidth, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    painter.strokePath(
        centre,
        QPen(asphalt, roadWidth - 2 * edgeWidth, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    QPen dashes(centreLine, 1.5, Qt::CustomDashLine, Qt::FlatCap);
    dashes.setDashPattern({3, 2});
    painter.strokePath(centre, dashes);
}

// Two rows of squares across the road's end, in the direction of travel.
void drawFinish(QPainter &painter, const QPainterPath &centre)
{
    painter.save();
    painter.translate(centre.pointAtPercent(1));
    painter.rotate(-centre.angleAtPercent(1));
    const qreal across = roadWidth - 2 * edgeWidth;
    const int squaresAcross = int(across / squareSize);
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < squaresAcross; ++column) {
            const QRectF square(-(row + 1) * squareSize, -across / 2 + column * squareSize,
                                squareSize, squareSize);
            painter.fillRect(square, (row + column) % 2 ? Qt::white : Qt::black);
        }
    }
    painter.restore();
}

// An arrow near the start, pointing the way the segment is driven.
void drawStartArrow(QPainter &painter, const QPainterPath &centre)
{
    const qreal at = centre.percentAtLength(arrowDistance);
    painter.save();
    painter.translate(centre.pointAtPercent(at));
    painter.rotate(-centre.angleAtPercent(at));
    const QPolygonF arrow {{4, 0}, {-3, -4.5}, {-1, 0}, {-3, 4.5}};
    painter.setPen(Qt::NoPen);
    painter.setBrush(edgeLine);
    painter.drawPolygon(arrow);
    painter.restore();
}

} // namespace

QImage drawSegment(SegmentShape shape)
{
    const ShapeRow &row =
        *std::find_if(shapeRows.begin(), shapeRows.end(),
                      [shape](const ShapeRow &row) { return row.shape == shape; });
    QImage picture(segmentPictureWidth, segmentPictureHeight, QImage::Format_RGB32);
    picture.fill(grass);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPainterPath centre = row.centre();
    drawRoad(painter, centre);
    drawStartArrow(painter, centre);
    drawFinish(painter, centre);
    painter.end();
    // Mirroring the finished pixels keeps a pair exact, which drawing the mirrored path
    // with antialiasing would not.
    return row.mirrored ? picture.mirrored(true, false) : picture;
}
