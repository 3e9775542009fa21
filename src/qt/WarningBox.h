// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;

// A warning that does not hold up its window: the text says what happened, and the detail
// below it, a generator's last output, scrolls inside a bounded area that shows its end, so
// that the box never grows past the screen. Everything in it is plain text.
class WarningBox : public QDialog
{
    Q_OBJECT

public:
    explicit WarningBox(QWidget *parent);

    // Shows `text` and `detail` in place of what the box showed before.
    void present(const QString &title, const QString &text, const QString &detail);

    QString text() const;
    QString detail() const;

private:
    QLabel *m_text;
    QPlainTextEdit *m_detail;
};
