// SPDX-License-Identifier: MIT
#include "WarningBox.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

namespace {

// Room for the end of what a generator says, however long its lines.
constexpr int detailLines = 12;
constexpr int detailColumns = 72;

} // namespace

WarningBox::WarningBox(QWidget *parent)
    : QDialog(parent), m_text(new QLabel(this)), m_detail(new QPlainTextEdit(this))
{
    setWindowModality(Qt::NonModal);
    setAttribute(Qt::WA_DeleteOnClose);
    auto *icon = new QLabel(this);
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()
                        ->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this)
                        .pixmap(iconSize, iconSize));
    icon->setAlignment(Qt::AlignTop);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setWordWrap(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_detail->setReadOnly(true);
    m_detail->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_detail->setAccessibleName(QStringLiteral("Error output"));
    const QFontMetrics metrics(m_detail->font());
    m_detail->setFixedSize(metrics.averageCharWidth() * detailColumns,
                           metrics.lineSpacing() * detailLines + 2 * m_detail->frameWidth() + 8);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *message = new QHBoxLayout;
    message->addWidget(icon);
    message->addWidget(m_text, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(message);
    layout->addWidget(m_detail);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void WarningBox::present(const QString &title, const QString &text, const QString &detail)
{
    setWindowTitle(title);
    m_text->setText(text);
    // The text is wrapped within the detail's width, so a long path cannot widen the box.
    m_text->setMaximumWidth(m_detail->width());
    m_detail->setPlainText(detail);
    m_detail->setHidden(detail.isEmpty());
    m_detail->verticalScrollBar()->setValue(m_detail->verticalScrollBar()->maximum());
    QDialog::show();
    raise();
}

QString WarningBox::text() const
{
    return m_text->text();
}

QString WarningBox::detail() const
{
    return m_detail->toPlainText();
}
