#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Start-up of lapforge-gui beside a minimal Qt Widgets program, on a private Xvfb display.

usage: bench/startup.py [BUILD_DIR]   (default: build, as scripts/run leaves it)

Measures, as medians of interleaved runs: the time from starting the program to its first
window being mapped, the resident memory at that moment, and for lapforge-gui the time
from the Enter key (which presses "Ok") to the main window being mapped. The reference is
an empty QWidget; the same window holding one label shows what drawing any text costs
(the font database and the first font), which no window with captions avoids. Prints
figures only; it is not a test. Build in a release configuration before measuring.
"""

import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

# Keeps the source tree free of __pycache__ folders.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
import xsession  # noqa: E402

RUNS = 15
WARM_UPS = 2
MAP_TIMEOUT = 10.0
# Lets the first window finish painting, so that Enter does not queue behind it.
SETTLE = 0.3
RETURN_KEYSYM = 0xFF0D

MINIMAL_SOURCE = """\
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
#ifdef WITH_LABEL
    QLabel label(QStringLiteral("Lapforge Path:"), &window);
#endif
    window.show();
    return QApplication::exec();
}
"""


def build_minimal(folder, name, defines=()):
    source = os.path.join(folder, "minimal.cpp")
    program = os.path.join(folder, name)
    with open(source, "w", encoding="utf-8") as file:
        file.write(MINIMAL_SOURCE)
    flags = subprocess.run(["pkg-config", "--cflags", "--libs", "Qt6Widgets"], check=True,
                           capture_output=True, text=True, timeout=30).stdout.split()
    subprocess.run(["g++", "-std=c++20", "-O2", "-fPIC", *defines, source, "-o", program,
                    *flags], check=True, timeout=300)
    return program


def resident_kib(pid):
    with open(f"/proc/{pid}/status", encoding="ascii") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    raise RuntimeError(f"no VmRSS for {pid}")


def measure(processes, display, watch, program, folder, press_ok):
    """(start-up s, RSS KiB, Ok-to-main s or None) of one run."""
    before = watch.count()
    started = time.monotonic()
    process = processes.start([program], cwd=folder, env=display.env,
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        first = watch.wait_for_map(before, MAP_TIMEOUT)
        if first is None:
            raise RuntimeError(f"{program} mapped no window in {MAP_TIMEOUT} s")
        rss = resident_kib(process.pid)
        ok_to_main = None
        if press_ok:
            display.focus(first[1])
            time.sleep(SETTLE)
            pressed = watch.press_key(RETURN_KEYSYM)
            main = watch.wait_for_map(before + 1, MAP_TIMEOUT)
            if main is None:
                raise RuntimeError("Enter opened no main window")
            ok_to_main = main[0] - pressed
        return first[0] - started, rss, ok_to_main
    finally:
        processes.end(process)


def main():
    build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build")
    app = os.path.join(build, "bin", "lapforge-gui")
    if not os.access(app, os.X_OK):
        print(f"no {app}: build it first (scripts/run builds into build/)", file=sys.stderr)
        return 2
    processes = xsession.Processes()
    scratch = tempfile.mkdtemp(prefix="lapforge-bench-")
    runtime = os.path.join(scratch, "runtime")
    os.mkdir(runtime, 0o700)
    try:
        programs = [("minimal", build_minimal(scratch, "minimal-qt")),
                    ("with label", build_minimal(scratch, "minimal-qt-label", ["-DWITH_LABEL"])),
                    ("lapforge-gui", app)]
        display = xsession.Display(processes)
        display.env["XDG_RUNTIME_DIR"] = runtime
        watch = xsession.MapWatch(display)
        folder = os.path.dirname(app)
        results = {name: [] for name, _ in programs}
        for run in range(WARM_UPS + RUNS):
            for name, program in programs if run % 2 else reversed(programs):
                figures = measure(processes, display, watch, program, folder,
                                  press_ok=name == "lapforge-gui")
                if run >= WARM_UPS:
                    results[name].append(figures)
        watch.close()
        report(results)
    finally:
        processes.end_all()
        shutil.rmtree(scratch, ignore_errors=True)
    return 0


def report(results):
    def medians(index):
        return [statistics.median(run[index] for run in results[name]) for name in results]

    (start_min, start_label, start_app), (rss_min, rss_label, rss_app) = medians(0), medians(1)
    ok_to_main = statistics.median(run[2] for run in results["lapforge-gui"])
    print(f"medians of {RUNS} interleaved runs (after {WARM_UPS} warm-ups), Xvfb, "
          "no window manager")
    print(f"{'':28}{'minimal':>11}{'with label':>11}{'lapforge-gui':>13}  "
          "lapforge-gui to minimal, to with label")
    print(f"{'start to first window (ms)':28}{start_min * 1e3:11.1f}{start_label * 1e3:11.1f}"
          f"{start_app * 1e3:13.1f}  x{start_app / start_min:.2f}, x{start_app / start_label:.2f}"
          "   (aim: x1.20 of minimal)")
    print(f"{'resident memory (MiB)':28}{rss_min / 1024:11.1f}{rss_label / 1024:11.1f}"
          f"{rss_app / 1024:13.1f}  {(rss_app - rss_min) / 1024:+.1f}, "
          f"{(rss_app - rss_label) / 1024:+.1f}   (aim: +6.0 MiB over minimal)")
    print(f"{'Enter to main window (ms)':28}{'':22}{ok_to_main * 1e3:13.1f}  (aim: under 25 ms)")
    spread = [run[0] * 1e3 for run in results["lapforge-gui"]]
    print(f"lapforge-gui start-up ranged {min(spread):.1f} .. {max(spread):.1f} ms")


if __name__ == "__main__":
    sys.exit(main())
