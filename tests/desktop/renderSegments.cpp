// SPDX-License-Identifier: MIT
// Saves the drawing of every segment as a PNG, for the README.
#include "drawSegment.h"

#include <QDir>
#include <QGuiApplication>

#include <array>
#include <cstdio>
#include <utility>

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fputs("usage: renderSegments FOLDER\n", stderr);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const std::array<std::pair<SegmentShape, const char *>, 7> files {{
        {SegmentShape::Straight, "segment-straight.png"},
        {SegmentShape::Left90, "segment-90-left.png"},
        {SegmentShape::Right90, "segment-90-right.png"},
        {SegmentShape::Left180, "segment-180-left.png"},
        {SegmentShape::Right180, "segment-180-right.png"},
        {SegmentShape::SlideLeft, "segment-slide-left.png"},
        {SegmentShape::SlideRight, "segment-slide-right.png"},
    }};
    for (const auto &[shape, name] : files) {
        const QString path = folder.filePath(QLatin1String(name));
        if (!drawSegment(shape).save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(QDir::toNativeSeparators(path)));
            return 1;
        }
    }
    return 0;
}
