# SPDX-License-Identifier: MIT
"""A private X display for driving the real program: its own Xvfb, the processes started on
it (each ended by its id), and a watch on the windows that get mapped.

With no window manager, the top-level windows are children of the root window, so the
root's MapNotify events tell exactly when, and how often, a window appeared.
"""

import os
import select
import signal
import socket
import struct
import subprocess
import threading
import time

XDOTOOL_TIMEOUT = 10.0


class Processes:
    """Every process started here, so that each can be ended by its id on any exit."""

    def __init__(self):
        self._started = []
        for number in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
            signal.signal(number, self._on_signal)

    def start(self, command, **options):
        process = subprocess.Popen(command, **options)
        self._started.append(process)
        return process

    def end(self, process, timeout=5.0):
        """Asks the process to end, then kills it; returns its exit status."""
        if process.poll() is None:
            try:
                os.kill(process.pid, signal.SIGTERM)
                return process.wait(timeout)
            except subprocess.TimeoutExpired:
                os.kill(process.pid, signal.SIGKILL)
        return process.wait(timeout)

    def end_all(self):
        for process in reversed(self._started):
            if process.poll() is None:
                os.kill(process.pid, signal.SIGKILL)
                process.wait(5.0)
        self._started.clear()

    def _on_signal(self, number, _frame):
        raise SystemExit(128 + number)


class Display:
    """An Xvfb on a display number that it picks itself, so that runs never collide."""

    def __init__(self, processes, timeout=10.0):
        read_end, write_end = os.pipe()
        self.server = processes.start(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        try:
            number = self._read_display_number(read_end, timeout)
        finally:
            os.close(read_end)
        self.name = f":{number}"
        self.env = dict(os.environ, DISPLAY=self.name)
        self.env.pop("WAYLAND_DISPLAY", None)
        self.env.pop("QT_QPA_PLATFORM", None)
        self._wait_until_answering(timeout)

    def _read_display_number(self, fd, timeout):
        deadline = time.monotonic() + timeout
        text = b""
        while not text.endswith(b"\n"):
            left = deadline - time.monotonic()
            if left <= 0 or not select.select([fd], [], [], left)[0]:
                raise RuntimeError("Xvfb did not report its display in time")
            chunk = os.read(fd, 16)
            if not chunk:
                raise RuntimeError("Xvfb ended before reporting its display")
            text += chunk
        return int(text)

    def _wait_until_answering(self, timeout):
        deadline = time.monotonic() + timeout
        while True:
            probe = subprocess.run(["xdpyinfo", "-display", self.name], env=self.env,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                   timeout=timeout)
            if probe.returncode == 0:
                return
            if time.monotonic() > deadline:
                raise RuntimeError(f"display {self.name} does not answer")
            time.sleep(0.05)

    def socket_path(self):
        return f"/tmp/.X11-unix/X{self.name[1:]}"

    def xdotool(self, *arguments, timeout=XDOTOOL_TIMEOUT):
        """Runs xdotool on this display and returns what it printed."""
        result = subprocess.run(["xdotool", *arguments], env=self.env, capture_output=True,
                                text=True, timeout=timeout)
        if result.returncode != 0:
            raise RuntimeError(f"xdotool {' '.join(arguments)} failed: {result.stderr.strip()}")
        return result.stdout.strip()

    def find_window(self, title, timeout=XDOTOOL_TIMEOUT):
        """The id of the one visible window whose whole title is `title`, waiting for it."""
        try:
            found = self.xdotool("search", "--sync", "--onlyvisible", "--name",
                                 f"^{whole_title_pattern(title)}$", timeout=timeout)
        except subprocess.TimeoutExpired:
            raise RuntimeError(f"no window titled {title!r} within {timeout} s") from None
        windows = found.split()
        if len(windows) != 1:
            raise RuntimeError(f"{len(windows)} windows titled {title!r}")
        return windows[0]

    def window_title(self, window):
        return self.xdotool("getwindowname", str(window))

    def click(self, window, x, y):
        """A left click at (x, y) of the window's client area, as a person's mouse does it."""
        self.xdotool("mousemove", "--sync", "--window", str(window), str(x), str(y), "click", "1")

    def focus(self, window):
        # Without a window manager nobody else gives a window the keyboard.
        self.xdotool("windowfocus", "--sync", str(window))

    def keys(self, *names):
        self.xdotool("key", "--clearmodifiers", *names)

    def type_text(self, text):
        self.xdotool("type", "--delay", "20", text)

    def clipboard(self, timeout=XDOTOOL_TIMEOUT):
        """The clipboard's text, waiting until its owner has put some there: a copy key sent
        to a busy program takes effect only when it gets to it."""
        deadline = time.monotonic() + timeout
        while True:
            result = subprocess.run(["xclip", "-o", "-selection", "clipboard"], env=self.env,
                                    capture_output=True, text=True, timeout=timeout)
            if result.returncode == 0 and result.stdout:
                return result.stdout
            if time.monotonic() > deadline:
                raise RuntimeError(f"nothing on the clipboard: {result.stderr.strip()}")
            time.sleep(0.05)


def whole_title_pattern(title):
    """The title as a POSIX extended regular expression that matches it literally."""
    return "".join(f"\\{c}" if c in ".[]()*+?{}|^$\\" else c for c in title)


def wait_for_exit(process, timeout):
    """The exit status, or None when the process is still running after `timeout`."""
    try:
        return process.wait(timeout)
    except subprocess.TimeoutExpired:
        return None


class MapWatch:
    """Records (time, window) of every top-level window that gets mapped on the display, from
    a connection of its own speaking the X protocol directly; it can also press keys through
    the XTEST extension, so that a key press costs no process start."""

    _MAP_NOTIFY = 19
    _SUBSTRUCTURE_NOTIFY = 1 << 19

    def __init__(self, display):
        self._socket = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self._socket.connect(display.socket_path())
        self._lock = threading.Condition()
        self._maps = []
        self._replies = []
        self._setup()
        self._select_root_events()
        self._xtest = self._query_extension(b"XTEST")
        self._keycodes = self._keyboard_mapping()
        self._reader = threading.Thread(target=self._read_events, daemon=True)
        self._reader.start()

    def close(self):
        self._socket.shutdown(socket.SHUT_RDWR)
        self._socket.close()
        self._reader.join(5.0)

    def count(self):
        with self._lock:
            return len(self._maps)

    def maps(self):
        with self._lock:
            return list(self._maps)

    def wait_for_map(self, after, timeout):
        """The (time, window) of the first map after the first `after` ones, or None."""
        deadline = time.monotonic() + timeout
        with self._lock:
            while len(self._maps) <= after:
                left = deadline - time.monotonic()
                if left <= 0:
                    return None
                self._lock.wait(left)
            return self._maps[after]

    def press_key(self, keysym):
        """Presses and releases a key; returns the time just before the press was sent."""
        keycode = self._keycodes[keysym]
        root = self._root
        events = b"".join(
            struct.pack("<BBHBBxxIIxxxxxxxxhhxxxxxxxB", self._xtest, 2, 9, kind, keycode, 0,
                        root, 0, 0, 0) for kind in (2, 3))
        sent = time.monotonic()
        self._socket.sendall(events)
        return sent

    def _receive(self, size):
        data = b""
        while len(data) < size:
            chunk = self._socket.recv(size - len(data))
            if not chunk:
                raise RuntimeError("the X server closed the connection")
            data += chunk
        return data

    def _setup(self):
        self._socket.sendall(struct.pack("<BxHHHHxx", ord("l"), 11, 0, 0, 0))
        status, _, _, _, length = struct.unpack("<BBHHH", self._receive(8))
        data = self._receive(length * 4)
        if status != 1:
            raise RuntimeError("the X server refused the connection")
        vendor_length = struct.unpack_from("<H", data, 16)[0]
        formats = data[21]
        screen = 32 + (vendor_length + 3) // 4 * 4 + 8 * formats
        self._root = struct.unpack_from("<I", data, screen)[0]
        self._min_keycode, self._max_keycode = data[26], data[27]
        self._sequence = 0

    def _request(self, data):
        self._socket.sendall(data)
        self._sequence += 1

    def _reply(self):
        """The next reply, read before the event thread starts; events in between are kept."""
        while True:
            head = self._receive(32)
            if head[0] == 0:
                raise RuntimeError(f"X error {head[1]}")
            if head[0] == 1:
                extra = struct.unpack_from("<I", head, 4)[0]
                return head + self._receive(extra * 4)
            self._note_event(head)

    def _select_root_events(self):
        self._request(struct.pack("<BxHIII", 2, 4, self._root, 0x800, self._SUBSTRUCTURE_NOTIFY))

    def _query_extension(self, name):
        padded = name + b"\0" * (-len(name) % 4)
        self._request(struct.pack("<BxHHxx", 98, 2 + len(padded) // 4, len(name)) + padded)
        reply = self._reply()
        if not reply[8]:
            raise RuntimeError(f"the X server lacks {name.decode()}")
        return reply[9]

    def _keyboard_mapping(self):
        count = self._max_keycode - self._min_keycode + 1
        self._request(struct.pack("<BxHBBxx", 101, 2, self._min_keycode, count))
        reply = self._reply()
        per_keycode = reply[1]
        keycodes = {}
        for index in range(count * per_keycode):
            keysym = struct.unpack_from("<I", reply, 32 + 4 * index)[0]
            keycodes.setdefault(keysym, self._min_keycode + index // per_keycode)
        return keycodes

    def _note_event(self, event):
        if event[0] & 0x7F == self._MAP_NOTIFY:
            window = struct.unpack_from("<I", event, 8)[0]
            with self._lock:
                self._maps.append((time.monotonic(), window))
                self._lock.notify_all()

    def _read_events(self):
        try:
            while True:
                event = self._receive(32)
                if event[0] == 1:
                    self._receive(struct.unpack_from("<I", event, 4)[0] * 4)
                elif event[0] != 0:
                    self._note_event(event)
        except (OSError, RuntimeError):
            return
