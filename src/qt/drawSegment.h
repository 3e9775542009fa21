// SPDX-License-Identifier: MIT
#pragma once

#include "SegmentShape.h"

#include <QImage>

// The track picture's size in pixels.
inline constexpr int segmentPictureWidth = 64;
inline constexpr int segmentPictureHeight = 84;

// A top view of the segment, driven from the bottom edge to the chequered finish.
QImage drawSegment(SegmentShape shape);
