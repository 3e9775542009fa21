// SPDX-License-Identifier: MIT
#include "FolderIndentDelegate.h"

namespace {
constexpr int indentStep = 12;
}

FolderIndentDelegate::FolderIndentDelegate(int levelRole, QObject *parent)
    : QStyledItemDelegate(parent), m_levelRole(levelRole)
{ }

void FolderIndentDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                 const QModelIndex &index) const
{
    QStyleOptionViewItem shifted = option;
    shifted.rect.setLeft(option.rect.left() + indent(index));
    QStyledItemDelegate::paint(painter, shifted, index);
}

QSize FolderIndentDelegate::sizeHint(const QStyleOptionViewItem &option,
                                     const QModelIndex &index) const
{
    return QStyledItemDelegate::sizeHint(option, index) + QSize(indent(index), 0);
}

int FolderIndentDelegate::indent(const QModelIndex &index) const
{
    return index.data(m_levelRole).toInt() * indentStep;
}
