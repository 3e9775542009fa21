// SPDX-License-Identifier: MIT
#pragma once

#include <QStyledItemDelegate>

// Draws each row shifted right by its level, read from `levelRole`. However deep the
// folders go, the deepest row is shifted by at most half the list's width, so that every
// name keeps room to be read.
class FolderIndentDelegate : public QStyledItemDelegate
{
public:
    FolderIndentDelegate(int levelRole, QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    int indent(const QStyleOptionViewItem &option, const QModelIndex &index) const;

    int m_levelRole;
};
