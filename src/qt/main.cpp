// SPDX-License-Identifier: MIT
#include "QtPlatform.h"
#include "StartArguments.h"
#include "frmLapforge1.h"
#include "openApplication.h"
#include "readPng.h"

#include <QIcon>

namespace {

QStringList argumentsOf(int argc, char *argv[])
{
    QStringList arguments;
    for (int index = 0; index < argc; ++index)
        arguments.append(QString::fromLocal8Bit(argv[index]));
    return arguments;
}

} // namespace

int main(int argc, char *argv[])
{
    if (const auto answer =
            answerStartArguments(argumentsOf(argc, argv), QStringLiteral(LAPFORGE_VERSION)))
        return answer->deliver();

    const auto app = openApplication(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lapforge-gui"));
    QApplication::setWindowIcon(QIcon(readPng(QStringLiteral(":/icons/lapforge-gui.png"))));

    QtPlatform local;
    frmLapforge1 toolLocation(local.platform());
    local.desktop.show(toolLocation.form());
    return QApplication::exec();
}
