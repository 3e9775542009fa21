#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Drives the real lapforge-gui on its own X display as a person would, with mouse clicks
and key presses, and checks what the stand-in generator received.

usage: e2e.py LAPFORGE_GUI STANDIN
"""

import contextlib
import os
import shutil
import subprocess
import sys
import tempfile
import time

# Keeps the source tree free of __pycache__ folders.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import xsession  # noqa: E402

TOOL_LOCATION = "Where is Lapforge?"
MAIN_WINDOW = "Lapforge"

# Client-area pixels of the controls clicked, inside each control's rectangle.
CMD_END = (168, 136)
OPT_LEFT90 = (30, 32)
TXT_TURN = (144, 89)
OPT_BANK = (230, 72)
TXT_BANK = (344, 105)
CMD_BUILD = (244, 448)
CMD_EXIT = (380, 448)
TXT_OUTPUT = (192, 481)

STEP_TIMEOUT = 10.0


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


@contextlib.contextmanager
def app_in_folder_with_standin(processes, display, program, standin):
    """lapforge-gui started in a fresh folder, with a blank in its path, that holds the
    stand-in as lapforge.exe; yields the folder and the process, and ends it in any case."""
    with tempfile.TemporaryDirectory(prefix="lapforge e2e ") as folder:
        shutil.copy2(standin, os.path.join(folder, "lapforge.exe"))
        app = processes.start([program], cwd=folder, env=display.env,
                              stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        try:
            yield folder, app
        finally:
            processes.end(app)


def select_all_and_type(display, window, position, text):
    display.click(window, *position)
    display.keys("ctrl+a")
    display.type_text(text)


def read_output_box(display, window):
    """What "Debugger:" shows, copied out of the box as a person would."""
    display.click(window, *TXT_OUTPUT)
    display.keys("ctrl+a", "ctrl+c")
    return display.clipboard()


def report_of(arguments):
    """What the stand-in writes at the end of its output file for `arguments`: their count,
    then one per line, as tests/support/TestFiles.h has it."""
    return f"Arguments received: {len(arguments)}\n" + "".join(a + "\n" for a in arguments)


def recorded_report(path):
    """The end of the stand-in's output file from its count line on; empty while missing."""
    with contextlib.suppress(FileNotFoundError):
        with open(path, encoding="utf-8") as file:
            text = file.read()
        start = text.find("Arguments received: ")
        return text[start:] if start >= 0 else ""
    return ""


def wait_for_report(path, arguments, timeout):
    """Waits until the stand-in has recorded exactly `arguments` in `path`."""
    expected = report_of(arguments)
    deadline = time.monotonic() + timeout
    while (recorded := recorded_report(path)) != expected:
        if time.monotonic() > deadline:
            raise Failure(f"the generator recorded {recorded!r} in {path} within {timeout} s, "
                          f"not {expected!r}")
        time.sleep(0.05)


def case_make_it(processes, display, watch, program, standin):
    """Enter, "90 Left", diameter 30, "Bank" 3, "Make It!", "Exit"."""
    with app_in_folder_with_standin(processes, display, program, standin) as (folder, app):
        tool_location = display.find_window(TOOL_LOCATION, STEP_TIMEOUT)
        display.focus(tool_location)
        display.keys("Return")
        main = display.find_window(MAIN_WINDOW, STEP_TIMEOUT)
        display.focus(main)

        display.click(main, *OPT_LEFT90)
        select_all_and_type(display, main, TXT_TURN, "30")
        display.click(main, *OPT_BANK)
        select_all_and_type(display, main, TXT_BANK, "3")
        display.click(main, *CMD_BUILD)

        output = os.path.join(folder, "new_prm")
        wait_for_report(output, ["-l", "-9", "30", "-b", "3", "-o", output], STEP_TIMEOUT)

        shown = read_output_box(display, main)
        line = f"{folder}/lapforge.exe  -l -9 30 -b 3 -o {output}"
        check(shown == line, f'"Debugger:" shows {shown!r}, not {line!r}')

        display.click(main, *CMD_EXIT)
        status = xsession.wait_for_exit(app, STEP_TIMEOUT)
        check(status is not None, '"Exit" did not end the program')
        check(status == 0, f'"Exit" ended the program with status {status}: {app.stderr.read()}')


def case_cancel(processes, display, watch, program, standin):
    """"Cancel" ends the program, and the main window never appears."""
    maps_before = watch.count()
    with app_in_folder_with_standin(processes, display, program, standin) as (_, app):
        tool_location = display.find_window(TOOL_LOCATION, STEP_TIMEOUT)
        display.click(tool_location, *CMD_END)
        status = xsession.wait_for_exit(app, STEP_TIMEOUT)
        check(status is not None, '"Cancel" did not end the program')
        check(status == 0, f'"Cancel" ended the program with status {status}: {app.stderr.read()}')

        mapped = [window for _, window in watch.maps()[maps_before:]]
        check(mapped == [int(tool_location)],
              f"windows mapped: {mapped}, only the tool-location window {tool_location} expected")


def main():
    if len(sys.argv) != 3:
        print(__doc__.strip().splitlines()[-1], file=sys.stderr)
        return 2
    program, standin = (os.path.abspath(path) for path in sys.argv[1:])
    missing = [tool for tool in ("Xvfb", "xdpyinfo", "xdotool", "xclip") if not shutil.which(tool)]
    if missing:
        print(f"missing tools: {' '.join(missing)} (scripts/test installs them)", file=sys.stderr)
        return 1
    cases = [case_make_it, case_cancel]
    processes = xsession.Processes()
    failed = 0
    try:
        display = xsession.Display(processes)
        watch = xsession.MapWatch(display)
        for case in cases:
            try:
                case(processes, display, watch, program, standin)
                print(f"PASS {case.__name__}")
            except (Failure, RuntimeError, subprocess.TimeoutExpired) as failure:
                failed += 1
                print(f"FAIL {case.__name__}: {failure}")
        watch.close()
    finally:
        processes.end_all()
    print(f"{len(cases) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
