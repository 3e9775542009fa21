// SPDX-License-Identifier: MIT
#include "QtPlatform.h"

#include <QCoreApplication>

QtPlatform::QtPlatform()
    : files(&loop), messages(desktop), generators(loop)
{
    // Generators still running when the program ends are let go unreported.
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, &loop,
                     [this] { generators.letGo(); });
}
