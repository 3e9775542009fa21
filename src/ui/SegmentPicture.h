// SPDX-License-Identifier: MIT
#pragma once

#include "drawSegment.h"

#include <QObject>

#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

class QAbstractButton;
class QLabel;

// Keeps a picture showing the segment of the chosen button: whenever a choice changes, the
// first chosen button's shape, or a straight, which is what "Make It!" builds when none of
// them is chosen.
class SegmentPicture : public QObject
{
    Q_OBJECT

public:
    using Choice = std::pair<QAbstractButton *, SegmentShape>;

    SegmentPicture(QLabel &picture, std::initializer_list<Choice> choices, QObject *parent);

private:
    void update();

    QLabel &m_picture;
    std::vector<Choice> m_choices;
    std::optional<SegmentShape> m_shown;
};
