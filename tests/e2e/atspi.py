#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Reads both windows of the real lapforge-gui through the desktop's accessibility bridge
(AT-SPI, with pyatspi, the library that screen readers use) and checks what a screen reader
is told: each window's role, the names of the lists and boxes, what labels them, and which
box can be edited. Runs on its own X display and session bus.

usage: dbus-run-session -- atspi.py LAPFORGE_GUI
"""

import os
import subprocess
import sys
import tempfile
import time

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import pyatspi  # noqa: E402
import xsession  # noqa: E402

TIMEOUT = 20.0


def nodes(node):
    yield node
    for child in node:
        if child is not None:
            yield from nodes(child)


def application(name):
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == name:
                return app
        time.sleep(0.2)
    raise AssertionError(f"no application {name} on the accessibility bus")


def window(app, name):
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        for child in app:
            if child is not None and child.name == name:
                return child
        time.sleep(0.2)
    raise AssertionError(f"no window {name!r}")


def find(root, role, name):
    for node in nodes(root):
        if node.getRoleName() == role and node.name == name:
            return node
    raise AssertionError(f"no {role} named {name!r}")


def labelled_by(node):
    names = []
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            names += [relation.getTarget(i).name for i in range(relation.getNTargets())]
    return names


def states(node):
    state = node.getState()
    return {name for value, name in ((pyatspi.STATE_EDITABLE, "editable"),
                                     (pyatspi.STATE_READ_ONLY, "read-only"))
            if state.contains(value)}


def expect(failures, what, actual, expected):
    if actual != expected:
        failures.append(f"{what}: {actual!r}, not {expected!r}")


def main():
    program = os.path.abspath(sys.argv[1])
    processes = xsession.Processes()
    failures = []
    try:
        display = xsession.Display(processes)
        env = dict(display.env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   XDG_RUNTIME_DIR=tempfile.mkdtemp(prefix="lapforge-atspi-"))
        os.environ.update(DISPLAY=display.name)
        processes.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env=env,
                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        with tempfile.TemporaryDirectory(prefix="lapforge atspi ") as folder:
            app = processes.start([program], cwd=folder, env=env, stdout=subprocess.DEVNULL,
                                  stderr=subprocess.DEVNULL)
            tool = window(application("lapforge-gui"), "Where is Lapforge?")
            expect(failures, "the tool-location window's role", tool.getRoleName(), "dialog")
            drives = find(tool, "combo box", "Lapforge Path:")
            expect(failures, "drvList2 labelled by", labelled_by(drives), ["Lapforge Path:"])

            display.focus(display.find_window("Where is Lapforge?"))
            display.keys("Return")
            main_window = window(application("lapforge-gui"), "Lapforge")
            expect(failures, "the main window's role", main_window.getRoleName(), "frame")
            expect(failures, "drvList1 labelled by",
                   labelled_by(find(main_window, "combo box", "Output Path:")), ["Output Path:"])
            surface = find(main_window, "combo box", "Alt Surface Type")
            expect(failures, "cboSur labelled by", labelled_by(surface), ["Alt Surface Type"])
            expect(failures, "cboSur's field", [child.name for child in surface
                                                if child.getRoleName() == "text"],
                   ["Alt Surface Type"])
            expect(failures, "txtOutput's states", states(find(main_window, "text", "Debugger:")),
                   {"read-only"})
            for box, label in (("Diameter/Slide:", "Diameter/Slide:"),
                               ("Bank height:", "Bank height:"), ("Hump", "Hump"),
                               ("Rise", "Rise"), ("Track Length:", "Track Length:")):
                text = find(main_window, "text", box)
                expect(failures, f"the box {box!r} labelled by", labelled_by(text), [label])
                expect(failures, f"the box {box!r}'s states", states(text), {"editable"})
            processes.end(app)
    finally:
        processes.end_all()
    for failure in failures:
        print(failure, file=sys.stderr)
    print("what a screen reader is told holds" if not failures else "FAILED")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
