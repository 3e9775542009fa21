// SPDX-License-Identifier: MIT
#include "SegmentShape.h"

#include "Form.h"

#include <array>
#include <string_view>
#include <utility>

namespace {

constexpr std::array<std::pair<std::string_view, SegmentShape>, 7> segmentOptions {{
    {"optStr", SegmentShape::Straight},
    {"optLeft90", SegmentShape::Left90},
    {"optRight90", SegmentShape::Right90},
    {"opt180l", SegmentShape::Left180},
    {"opt180r", SegmentShape::Right180},
    {"optSlideL", SegmentShape::SlideLeft},
    {"optSlideR", SegmentShape::SlideRight},
}};

} // namespace

SegmentShape segmentShown(const Form &main)
{
    for (const auto &[name, shape] : segmentOptions) {
        if (main.state(main.indexOf(name)).value == -1)
            return shape;
    }
    return SegmentShape::Straight;
}
