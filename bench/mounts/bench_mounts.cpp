// SPDX-License-Identifier: MIT
// Time to the first window and to one drive change with 20, 300 and 1,000 mounts, each
// mount a tmpfs in a private mount namespace (root only). The first window is timed twice:
// from starting a fresh process to its window being painted, as a user waits for it, and
// from creating the window to its being painted in a process that has shown one already.
// Beside them, what one look at every mount's size costs, which listing the drives used to
// do. Prints figures only.
#include "DriveCombo.h"
#include "GeneratorStarter.h"
#include "LocalFileSystem.h"
#include "MessageBox.h"
#include "Module1.h"
#include "MountNamespace.h"
#include "Platform.h"
#include "QtDesktop.h"
#include "QtWindow.h"
#include "frmLapforge1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStorageInfo>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int runs = 21;
const char *const childMode = "--first-window-since";

qint64 monotonicNanoseconds()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

class CountingMessageBox : public MessageBox
{
public:
    void critical(const Form &, const std::string &, const std::string &) override { ++shown; }
    void warning(const Form &, const std::string &, const std::string &,
                 const std::string &) override
    {
        ++shown;
    }
    bool warningOpen(const Form &) const override { return false; }
    int shown = 0;
};

class NoGenerator : public GeneratorStarter
{
public:
    Result<void, LaunchFailure> start(const CommandLine &) override { return {}; }
};

std::string mountFolder(int number)
{
    char name[32];
    std::snprintf(name, sizeof name, "/mnt/m%04d", number);
    return name;
}

// "median (fastest)": on a busy machine the fastest run is the steadier figure.
std::string summary(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    char text[48];
    std::snprintf(text, sizeof text, "%.3f (%.3f)", values[values.size() / 2], values.front());
    return text;
}

double milliseconds(const QElapsedTimer &clock)
{
    return double(clock.nsecsElapsed()) / 1e6;
}

void waitUntilShown(QWidget &window)
{
    while (!window.windowHandle() || !window.windowHandle()->isExposed())
        QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

// From creating the tool-location window to its being on screen and painted.
double firstWindow(const Platform &platform)
{
    QElapsedTimer clock;
    clock.start();
    frmLapforge1 window(platform);
    platform.desktop.show(window.form());
    waitUntilShown(*static_cast<QtDesktop &>(platform.desktop).windowOf(window.form()));
    return milliseconds(clock);
}

// One pick in the drive list, with the folder list following it.
std::vector<double> driveChanges(const Platform &platform)
{
    frmLapforge1 window(platform);
    platform.desktop.show(window.form());
    QtWindow &shown = *static_cast<QtDesktop &>(platform.desktop).windowOf(window.form());
    waitUntilShown(shown);
    auto *drives = shown.findChild<DriveCombo *>(QStringLiteral("drvList2"));
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        const int row = drives->findData(QByteArray::fromStdString(mountFolder(run % 2 ? 0 : 1)));
        QElapsedTimer clock;
        clock.start();
        drives->setCurrentIndex(row);
        QCoreApplication::processEvents();
        times.push_back(milliseconds(clock));
    }
    return times;
}

// A fresh process of this program shows its first window and reports when it was painted.
double processToFirstWindow()
{
    QProcess child;
    const qint64 start = monotonicNanoseconds();
    child.start(QCoreApplication::applicationFilePath(),
                {QString::fromLatin1(childMode), QString::number(start)});
    child.waitForFinished(60'000);
    return child.readAllStandardOutput().trimmed().toDouble();
}

int showFirstWindow(int argc, char **argv)
{
    const qint64 start = QByteArray(argv[2]).toLongLong();
    QApplication app(argc, argv);
    CountingMessageBox messages;
    NoGenerator generator;
    LocalFileSystem files;
    QtDesktop desktop;
    firstWindow(Platform {files, messages, desktop, generator});
    std::printf("%.2f\n", double(monotonicNanoseconds() - start) / 1e6);
    return 0;
}

double sizeOfEveryMount()
{
    QElapsedTimer clock;
    clock.start();
    QStorageInfo::mountedVolumes();
    return milliseconds(clock);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 3 && std::strcmp(argv[1], childMode) == 0)
        return showFirstWindow(argc, argv);
    const std::string refusal = MountNamespace::enter();
    if (!refusal.empty()) {
        std::printf("bench_mounts: %s; nothing measured\n", refusal.c_str());
        return 0;
    }
    QApplication app(argc, argv);
    LocalFileSystem files;
    CountingMessageBox messages;
    NoGenerator generator;
    QtDesktop desktop;
    const Platform platform {files, messages, desktop, generator};
    Module1::setToolFolder("");

    std::printf("%6s %22s %22s %22s %14s\n", "mounts", "start to window ms", "create to window ms",
                "drive change ms", "all sizes ms");
    int mounted = 0;
    for (const int mounts : {20, 300, 1000}) {
        for (; mounted < mounts; ++mounted) {
            if (!MountNamespace::mountTmpfs(mountFolder(mounted))) {
                std::printf("bench_mounts: cannot mount %s\n", mountFolder(mounted).c_str());
                return 1;
            }
        }
        std::filesystem::current_path(mountFolder(0));
        std::vector<double> starts;
        std::vector<double> windows;
        for (int run = 0; run < runs; ++run) {
            starts.push_back(processToFirstWindow());
            // Each window reads the mount table afresh, as the program's first one does.
            LocalFileSystem fresh;
            windows.push_back(firstWindow(Platform {fresh, messages, desktop, generator}));
        }
        std::printf("%6d %22s %22s %22s %14.2f\n", mounts, summary(starts).c_str(),
                    summary(windows).c_str(), summary(driveChanges(platform)).c_str(),
                    sizeOfEveryMount());
    }
    std::printf("median (fastest) of %d runs; %d messages\n", runs, messages.shown);
    return 0;
}
