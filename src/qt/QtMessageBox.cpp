// SPDX-License-Identifier: MIT
#include "QtMessageBox.h"

#include "QtDesktop.h"
#include "QtWindow.h"

#include <QMessageBox>

void QtMessageBox::critical(const Form &window, const std::string &title, const std::string &text)
{
    QMessageBox box(QMessageBox::Critical, QString::fromStdString(title),
                    QString::fromStdString(text), QMessageBox::Ok, m_desktop.windowOf(window));
    box.exec();
}

void QtMessageBox::warning(const Form &window, const std::string &title, const std::string &text)
{
    auto *box =
        new QMessageBox(QMessageBox::Warning, QString::fromStdString(title),
                        QString::fromStdString(text), QMessageBox::Ok, m_desktop.windowOf(window));
    box->setWindowModality(Qt::NonModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->show();
}
