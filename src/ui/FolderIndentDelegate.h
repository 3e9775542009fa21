// SPDX-License-Identifier: MIT
#pragma once

#include <QStyledItemDelegate>

// Draws each row shifted right by its level, read from `levelRole`.
class FolderIndentDelegate : public QStyledItemDelegate
{
public:
    FolderIndentDelegate(int levelRole, QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    int indent(const QModelIndex &index) const;

    int m_levelRole;
};
