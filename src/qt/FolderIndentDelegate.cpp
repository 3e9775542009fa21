// SPDX-License-Identifier: MIT
#include "FolderIndentDelegate.h"

#include <QWidget>

#include <algorithm>

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
    shifted.rect.setLeft(option.rect.left() + indent(option, index));
    QStyledItemDelegate::paint(painter, shifted, index);
}

QSize FolderIndentDelegate::sizeHint(const QStyleOptionViewItem &option,
                                     const QModelIndex &index) const
{
    return QStyledItemDelegate::sizeHint(option, index) + QSize(indent(option, index), 0);
}

// The step shrinks for deep chains, so that levels stay told apart without running out of
// room. The last row holds the deepest level: the open folder's subfolders, or itself.
int FolderIndentDelegate::indent(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const int level = index.data(m_levelRole).toInt();
    const QAbstractItemModel *model = index.model();
    const int deepest = model->index(model->rowCount() - 1, 0).data(m_levelRole).toInt();
    if (!option.widget || deepest * indentStep <= option.widget->width() / 2)
        return level * indentStep;
    return level * (option.widget->width() / 2) / deepest;
}
