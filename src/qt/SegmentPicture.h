// SPDX-License-Identifier: MIT
#pragma once

#include "SegmentShape.h"

#include <optional>

class Form;
class QLabel;

// Keeps the main window's picture showing the segment that "Make It!" would build.
class SegmentPicture
{
public:
    SegmentPicture(const Form &main, QLabel &picture);

    // Draws again when the choice changed what is shown.
    void update();

private:
    const Form &m_main;
    QLabel &m_picture;
    std::optional<SegmentShape> m_shown;
};
