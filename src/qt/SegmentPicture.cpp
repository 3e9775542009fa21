// SPDX-License-Identifier: MIT
#include "SegmentPicture.h"

#include "drawSegment.h"

#include <QLabel>
#include <QPixmap>

SegmentPicture::SegmentPicture(const Form &main, QLabel &picture) : m_main(main), m_picture(picture)
{
    update();
}

void SegmentPicture::update()
{
    const SegmentShape shape = segmentShown(m_main);
    // Every change of choice changes two buttons; draw once.
    if (shape == m_shown)
        return;
    m_shown = shape;
    m_picture.setPixmap(QPixmap::fromImage(drawSegment(shape)));
}
