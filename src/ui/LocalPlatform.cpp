// SPDX-License-Identifier: MIT
#include "LocalFileSystem.h"
#include "LocalGeneratorStarter.h"
#include "MessageBox.h"
#include "Platform.h"

#include <QMessageBox>

namespace {

class LocalMessageBox : public MessageBox
{
public:
    void critical(QWidget *parent, const QString &title, const QString &text) override
    {
        QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, parent);
        box.exec();
    }

    void warning(QWidget *parent, const QString &title, const QString &text) override
    {
        auto *box = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
        box->setWindowModality(Qt::NonModal);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->show();
    }
};

} // namespace

Platform localPlatform()
{
    static LocalFileSystem files;
    static LocalMessageBox messages;
    static LocalGeneratorStarter generator;
    return Platform {files, messages, generator};
}
