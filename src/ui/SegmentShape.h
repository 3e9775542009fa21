// SPDX-License-Identifier: MIT
#pragma once

class Form;

// The segments that "Make It!" builds; a loop is not among them, as the loop frame takes
// the picture's place while the loop is chosen.
enum class SegmentShape { Straight, Left90, Right90, Left180, Right180, SlideLeft, SlideRight };

// What the main window's picture shows: the segment of its first chosen segment option, or
// a straight, which is what "Make It!" builds when none of them is chosen.
SegmentShape segmentShown(const Form &main);
