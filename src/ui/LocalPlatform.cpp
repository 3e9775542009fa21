// SPDX-License-Identifier: MIT
#include "GeneratorStarter.h"
#include "LocalFileSystem.h"
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
};

class LocalGeneratorStarter : public GeneratorStarter
{
public:
    std::optional<LaunchFailure> start(const CommandLine &command) override
    {
        return LaunchGenerator(command);
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
