// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

// The segments that "Make It!" builds; a loop is not among them, as the loop frame takes
// the picture's place while the loop is chosen.
enum class SegmentShape { Straight, Left90, Right90, Left180, Right180, SlideLeft, SlideRight };

// The track picture's size in pixels.
inline constexpr int segmentPictureWidth = 64;
inline constexpr int segmentPictureHeight = 84;

// A top view of the segment, driven from the bottom edge to the chequered finish.
QImage drawSegment(SegmentShape shape);
