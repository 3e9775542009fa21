// SPDX-License-Identifier: MIT
#include "QtMessageBox.h"

#include "QtDesktop.h"
#include "QtWindow.h"
#include "WarningBox.h"

#include <QMessageBox>

void QtMessageBox::critical(const Form &window, const std::string &title, const std::string &text)
{
    QMessageBox box(QMessageBox::Critical, QString::fromStdString(title),
                    QString::fromStdString(text), QMessageBox::Ok, m_desktop.windowOf(window));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void QtMessageBox::warning(const Form &window, const std::string &title, const std::string &text,
                           const std::string &detail)
{
    QPointer<WarningBox> &box = m_warnings[&window];
    if (!box)
        box = new WarningBox(m_desktop.windowOf(window));
    box->present(QString::fromStdString(title), QString::fromStdString(text),
                 QString::fromStdString(detail));
}

bool QtMessageBox::warningOpen(const Form &window) const
{
    return warningOf(window) != nullptr;
}

WarningBox *QtMessageBox::warningOf(const Form &window) const
{
    const auto found = m_warnings.find(&window);
    return found == m_warnings.end() || !found->second || !found->second->isVisible()
        ? nullptr
        : found->second.data();
}
