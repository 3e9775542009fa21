// SPDX-License-Identifier: MIT
// How long a folder of 100,000 subfolders holds up the windows: from creating the first
// window to its being painted there, from "Ok" to the main window, and opening that folder
// from its parent; beside the same folder holding 100,000 plain files and an empty one.
#include "FolderView.h"
#include "Module1.h"
#include "QtPlatform.h"
#include "QtWindow.h"
#include "frmLapforge1.h"
#include "frmLapforge2.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int entries = 100'000;
constexpr int runs = 5;

void waitUntilPainted(QWidget &window)
{
    while (!window.windowHandle() || !window.windowHandle()->isExposed())
        QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

double milliseconds(const QElapsedTimer &clock)
{
    return double(clock.nsecsElapsed()) / 1e6;
}

struct Figures
{
    std::vector<double> firstWindow, okToMain, opening;
};

// One run: start in `folder`, press "Ok"; then start in its parent and open it by keys.
void measure(const fs::path &folder, Figures &figures)
{
    Module1::setToolFolder("");
    {
        fs::current_path(folder);
        QtPlatform local;
        QElapsedTimer clock;
        clock.start();
        frmLapforge1 tool(local.platform());
        local.desktop.show(tool.form());
        waitUntilPainted(*local.desktop.windowOf(tool.form()));
        figures.firstWindow.push_back(milliseconds(clock));
        clock.restart();
        local.desktop.windowOf(tool.form())
            ->findChild<QPushButton *>(QStringLiteral("cmdOK"))
            ->click();
        waitUntilPainted(*local.desktop.windowOf(tool.mainWindow()->form()));
        figures.okToMain.push_back(milliseconds(clock));
    }
    fs::current_path(folder.parent_path());
    QtPlatform local;
    frmLapforge1 tool(local.platform());
    local.desktop.show(tool.form());
    QtWindow &window = *local.desktop.windowOf(tool.form());
    waitUntilPainted(window);
    auto *list = window.findChild<FolderView *>(QStringLiteral("Dir2"));
    const QModelIndexList rows = list->model()->match(list->model()->index(0, 0), Qt::DisplayRole,
                                                      QString::fromStdString(folder.filename()));
    list->setFocus();
    list->setCurrentIndex(rows.first());
    QElapsedTimer clock;
    clock.start();
    QTest::keyClick(list, Qt::Key_Right);
    QCoreApplication::processEvents();
    list->viewport()->repaint();
    figures.opening.push_back(milliseconds(clock));
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const fs::path scratch = fs::temp_directory_path() / "lapforge-bench-folders";
    fs::remove_all(scratch);
    const fs::path folders = scratch / "subfolders";
    const fs::path files = scratch / "files";
    const fs::path empty = scratch / "empty";
    for (const fs::path &folder : {folders, files, empty})
        fs::create_directories(folder);
    for (int entry = 0; entry < entries; ++entry) {
        const std::string name = "entry" + std::to_string(entry);
        fs::create_directory(folders / name);
        std::ofstream(files / name);
    }
    const fs::path previous = fs::current_path();
    Figures withFolders, withFiles, withNothing;
    for (int run = 0; run < runs; ++run) {
        measure(folders, withFolders);
        measure(files, withFiles);
        measure(empty, withNothing);
    }
    fs::current_path(previous);
    fs::remove_all(scratch);

    std::printf("medians of %d runs, in ms; the ratio is to the empty folder\n", runs);
    std::printf("%-28s %12s %12s %12s %10s\n", "", "empty", "100k files", "100k folders", "ratio");
    const auto row = [](const char *what, const std::vector<double> &nothing,
                        const std::vector<double> &plain, const std::vector<double> &many) {
        std::printf("%-28s %12.1f %12.1f %12.1f %9.1fx\n", what, median(nothing), median(plain),
                    median(many), median(many) / median(nothing));
    };
    row("start to first window", withNothing.firstWindow, withFiles.firstWindow,
        withFolders.firstWindow);
    row("Ok to main window", withNothing.okToMain, withFiles.okToMain, withFolders.okToMain);
    row("opening it from its parent", withNothing.opening, withFiles.opening, withFolders.opening);
    return 0;
}
