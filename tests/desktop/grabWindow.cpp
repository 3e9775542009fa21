// SPDX-License-Identifier: MIT
// Saves one window of the X display as a PNG, for the README's screenshots.
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    bool isNumber = false;
    const WId window = argc == 3 ? QByteArray(argv[1]).toULongLong(&isNumber) : 0;
    if (!isNumber) {
        std::fputs("usage: grabWindow WINDOW_ID FILE.png\n", stderr);
        return 2;
    }
    const QPixmap picture = QGuiApplication::primaryScreen()->grabWindow(window);
    if (picture.isNull() || !picture.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "cannot save window %s as %s\n", argv[1], argv[2]);
        return 1;
    }
    return 0;
}
