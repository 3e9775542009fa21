// SPDX-License-Identifier: MIT
#include "Platform.h"
#include "frmLapforge1.h"
#include "readPng.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lapforge-gui"));
    QApplication::setWindowIcon(QIcon(readPng(QStringLiteral(":/icons/lapforge-gui.png"))));

    frmLapforge1 toolLocation(localPlatform());
    toolLocation.show();
    return QApplication::exec();
}
