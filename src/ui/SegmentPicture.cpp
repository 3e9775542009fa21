// SPDX-License-Identifier: MIT
#include "SegmentPicture.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPixmap>

SegmentPicture::SegmentPicture(QLabel &picture, std::initializer_list<Choice> choices,
                               QObject *parent)
    : QObject(parent), m_picture(picture), m_choices(choices)
{
    for (const Choice &choice : m_choices)
        connect(choice.first, &QAbstractButton::toggled, this, &SegmentPicture::update);
    update();
}

void SegmentPicture::update()
{
    SegmentShape shape = SegmentShape::Straight;
    for (const auto &[button, buttonShape] : m_choices) {
        if (button->isChecked()) {
            shape = buttonShape;
            break;
        }
    }
    // Every change of choice toggles two buttons; draw once.
    if (shape == m_shown)
        return;
    m_shown = shape;
    m_picture.setPixmap(QPixmap::fromImage(drawSegment(shape)));
}
