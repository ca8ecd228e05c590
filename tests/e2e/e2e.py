"""Helpers for end-to-end tests of Factorix under a private X server.

Run the scripts that use this module through run-x11.sh, with Debian's
/usr/bin/python3 (which has pyatspi):

    tests/e2e/run-x11.sh /usr/bin/python3 tests/e2e/test_pad.py build/tests/e2e/padhost

A test starts the program with App(...), finds its widgets through AT-SPI by
role and accessible name (a formula pad is role "text", named after its tool
tip; buttons "push button", labels "label", menu entries "menu item"), types
with real X key events through xdotool (so that the keyboard layout set with
set_layout() applies), clicks with the mouse, and reads what the widgets
show through AT-SPI. Every wait is bounded; a timeout raises Failure.

Popup menus are not children of the application in the AT-SPI tree (Qt
leaves popups out); catch them with Events: an "object:state-changed:showing"
event comes from the "popup menu" when it opens, and its children are the
"menu item"s.
"""

import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

DEFAULT_TIMEOUT = 15.0  # seconds for any one wait
POLL = 0.1


class Failure(Exception):
    """A check of an end-to-end test failed."""


def log(message):
    print(f"[e2e {time.strftime('%H:%M:%S')}] {message}", flush=True)


def wait_until(condition, what, timeout=DEFAULT_TIMEOUT):
    """Polls `condition` until it returns a true value, which it returns.

    Exceptions from AT-SPI while the tree changes count as "not yet"."""
    deadline = time.monotonic() + timeout
    last_error = None
    while True:
        try:
            value = condition()
            if value:
                return value
        except Exception as error:  # stale accessibles, D-Bus hiccups
            last_error = error
        if time.monotonic() > deadline:
            detail = f" (last error: {last_error})" if last_error else ""
            raise Failure(f"timed out after {timeout:.0f} s waiting for {what}{detail}")
        time.sleep(POLL)


def run(*command, timeout=DEFAULT_TIMEOUT):
    """Runs a helper program (xdotool, setxkbmap) and returns its output."""
    try:
        done = subprocess.run(command, capture_output=True, text=True, timeout=timeout)
    except subprocess.TimeoutExpired:
        raise Failure(f"{command[0]} did not finish within {timeout:.0f} s") from None
    if done.returncode != 0:
        raise Failure(f"{' '.join(command)} failed: {done.stderr.strip()}")
    return done.stdout


# Keyboard and mouse ---------------------------------------------------------

def set_layout(layout):
    """Switches the X server's keyboard layout ("us", "es"...) and checks it."""
    run("setxkbmap", layout)
    query = run("setxkbmap", "-query")
    if f"layout:     {layout}" not in query:
        raise Failure(f"setxkbmap did not switch to {layout}: {query}")
    log(f"keyboard layout {layout}")


def keys(*names, delay_ms=50):
    """Presses keys as xdotool names them: "2", "x", "shift+3", "KP_Add",
    "BackSpace", "ctrl+8"... The window with the input focus gets them."""
    run("xdotool", "key", "--delay", str(delay_ms), *names,
        timeout=DEFAULT_TIMEOUT + len(names) * delay_ms / 1000.0)


def extents(accessible):
    """(x, y, width, height) of an accessible on the screen, in pixels."""
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def click(accessible, button=1, at=None):
    """Moves the mouse over `accessible` (its centre, or `at` = (dx, dy) from
    its top left corner) and clicks `button` (1 left, 3 right)."""
    x, y, width, height = extents(accessible)
    if width <= 0 or height <= 0:
        raise Failure(f"{describe(accessible)} has no area on the screen")
    dx, dy = at if at else (width // 2, height // 2)
    run("xdotool", "mousemove", "--sync", str(x + dx), str(y + dy), "click", str(button))


def focus_window(pid, timeout=DEFAULT_TIMEOUT):
    """Gives the keyboard focus to the visible window of process `pid`.
    There is no window manager, so this goes straight to the X server."""
    def window():
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)],
                               capture_output=True, text=True, timeout=5)
        ids = found.stdout.split()
        return ids[-1] if ids else None
    window_id = wait_until(window, f"a visible window of process {pid}", timeout)
    run("xdotool", "windowfocus", "--sync", window_id)
    return window_id


class Picture:
    """Pixels of a part of the screen, as the X server shows them."""

    def __init__(self, x, y, width, height):
        self.x, self.y, self.width, self.height = x, y, width, height
        try:
            done = subprocess.run(["import", "-window", "root", "-crop", f"{width}x{height}+{x}+{y}",
                                   "+repage", "-depth", "8", "rgb:-"], capture_output=True, timeout=30)
        except subprocess.TimeoutExpired:
            raise Failure("import did not finish within 30 s") from None
        if done.returncode != 0 or len(done.stdout) != width * height * 3:
            raise Failure(f"could not read the screen: {done.stderr.decode(errors='replace').strip()}")
        self.data = done.stdout

    @classmethod
    def of(cls, accessible):
        return cls(*extents(accessible))

    def pixel(self, x, y):
        """(red, green, blue) at (x, y) of the picture."""
        i = (y * self.width + x) * 3
        return tuple(self.data[i:i + 3])

    def differences(self, other, keep=lambda x, y: True):
        """The points where `other` differs, among those `keep` accepts."""
        if (self.width, self.height) != (other.width, other.height):
            raise Failure(f"pictures of {self.width}x{self.height} and {other.width}x{other.height}")
        found = []
        for y in range(self.height):
            row = y * self.width * 3
            if self.data[row:row + self.width * 3] == other.data[row:row + self.width * 3]:
                continue
            found.extend((x, y) for x in range(self.width)
                         if keep(x, y) and self.pixel(x, y) != other.pixel(x, y))
        return found

    def save(self, path):
        """Writes the picture to an image file (PNG by its name), for a
        failure to be looked at."""
        subprocess.run(["convert", "-size", f"{self.width}x{self.height}", "-depth", "8", "rgb:-", path],
                       input=self.data, capture_output=True, timeout=30)


def x_windows(pid):
    """The visible X windows of process `pid`: (id, title, has an icon)."""
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)],
                           capture_output=True, text=True, timeout=5)
    windows = []
    for window_id in found.stdout.split():
        props = run("xprop", "-id", window_id, "_NET_WM_NAME", "_NET_WM_ICON")
        title = None
        for line in props.splitlines():
            if line.startswith("_NET_WM_NAME") and "=" in line:
                title = line.split("=", 1)[1].strip().strip('"')
        windows.append((window_id, title, "_NET_WM_ICON(CARDINAL)" in props))
    return windows


# Accessibles ------------------------------------------------------------------

def describe(accessible):
    try:
        return f"{accessible.getRoleName()} {accessible.name!r}"
    except Exception:
        return "<gone>"


def children(accessible):
    try:
        return [child for child in accessible if child is not None]
    except Exception:
        return []


def find_all(root, role=None, name=None, predicate=None, max_depth=12):
    """Every accessible under `root` (itself included) with the given role
    name and accessible name, and for which `predicate` holds."""
    found = []
    stack = [(root, 0)]
    while stack:
        node, depth = stack.pop()
        try:
            if ((role is None or node.getRoleName() == role)
                    and (name is None or node.name == name)
                    and (predicate is None or predicate(node))):
                found.append(node)
        except Exception:
            continue
        if depth < max_depth:
            stack.extend((child, depth + 1) for child in reversed(children(node)))
    return found


def find(root, role=None, name=None, predicate=None, timeout=DEFAULT_TIMEOUT):
    """The first accessible find_all() gives, waiting for it to appear."""
    what = " ".join(part for part in (role, repr(name) if name is not None else None) if part)
    return wait_until(lambda: next(iter(find_all(root, role, name, predicate)), None),
                      what or "an accessible", timeout)


def gone(root, role=None, name=None, timeout=DEFAULT_TIMEOUT):
    """Waits until nothing under `root` matches any more, or stops showing."""
    def absent():
        for node in find_all(root, role, name):
            try:
                if node.getState().contains(pyatspi.STATE_SHOWING):
                    return False
            except Exception:
                pass
        return True
    wait_until(absent, f"{role or ''} {name!r} to go away", timeout)


def text_of(accessible):
    """What a text accessible shows (a formula pad: the drawn formula)."""
    text = accessible.queryText()
    return text.getText(0, text.characterCount)


def wait_for_text(accessible, expected, timeout=DEFAULT_TIMEOUT):
    """Waits until `accessible` shows `expected`; reports what it showed."""
    seen = []
    def matches():
        seen.append(text_of(accessible))
        return seen[-1] == expected
    try:
        wait_until(matches, f"the text {expected!r}", timeout)
    except Failure:
        raise Failure(f"expected {expected!r}, the widget shows {seen[-1] if seen else None!r}") from None


def press(accessible):
    """Runs the accessible's first action (a button's "Press")."""
    action = accessible.queryAction()
    if action.nActions < 1:
        raise Failure(f"{describe(accessible)} has no action")
    action.doAction(0)


class Events:
    """AT-SPI events of the given types ("object:state-changed:showing",
    "object:state-changed:focused", "object:text-changed"...), collected
    from creation on; use it as a context manager."""

    def __init__(self, *types):
        self.types = types
        self.seen = []  # (type, detail1, source) in the order received
        pyatspi.Registry.registerEventListener(self._record, *types)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()
        return False

    def close(self):
        pyatspi.Registry.deregisterEventListener(self._record, *self.types)

    def _record(self, event):
        self.seen.append((event.type, event.detail1, event.source))

    def pump(self):
        """Delivers the events that have arrived so far."""
        context = GLib.MainContext.default()
        while context.pending():
            context.iteration(False)

    def wait_for(self, type_prefix, role=None, name=None, detail1=None, timeout=DEFAULT_TIMEOUT):
        """The source of the first event (already seen or yet to come) of a
        type starting with `type_prefix` whose source has the given role and
        name and whose detail1 matches; the matched events are consumed."""
        def match():
            self.pump()
            for index, (kind, detail, source) in enumerate(self.seen):
                if not kind.startswith(type_prefix) or (detail1 is not None and detail != detail1):
                    continue
                try:
                    if role is not None and source.getRoleName() != role:
                        continue
                    if name is not None and source.name != name:
                        continue
                except Exception:
                    continue
                del self.seen[:index + 1]
                return source
            return None
        what = f"a {type_prefix} event from {role or 'any role'} {name!r}"
        return wait_until(match, what, timeout)


# The program under test -------------------------------------------------------

class App:
    """A program started for a test; use it as a context manager so that it
    is always ended. `app` is its AT-SPI application once it has registered."""

    def __init__(self, command, name=None, timeout=DEFAULT_TIMEOUT, env=None, stderr=None):
        self.command = [str(part) for part in command]
        self.name = name or os.path.basename(self.command[0])
        self.timeout = timeout
        self.env = env  # the environment's variables to change for the program
        self.stderr = stderr  # a file for the program's standard error, if not ours
        self.process = None
        self.app = None

    def __enter__(self):
        log(f"starting {' '.join(self.command)}")
        env = dict(os.environ, **self.env) if self.env else None
        self.process = subprocess.Popen(self.command, env=env, stderr=self.stderr)
        self.app = wait_until(self._registered, f"{self.name} on the accessibility bus", self.timeout)
        return self

    def __exit__(self, *exc):
        self.close()
        return False

    def _registered(self):
        if self.process.poll() is not None:
            raise Failure(f"{self.name} ended with status {self.process.returncode}")
        desktop = pyatspi.Registry.getDesktop(0)
        for app in children(desktop):
            if app.name == self.name and getattr(app, "get_process_id", lambda: None)() in (None, self.process.pid):
                return app
        return None

    @property
    def pid(self):
        return self.process.pid

    def alive(self):
        return self.process.poll() is None

    def focus(self):
        """Gives the keyboard focus to the program's visible window."""
        return focus_window(self.pid)

    def window(self, name=None, timeout=DEFAULT_TIMEOUT):
        """A top-level window of the program (by its title, if given)."""
        return find(self.app, name=name, predicate=lambda node: node.parent is not None
                    and node.parent.getRoleName() == "application", timeout=timeout)

    def close(self):
        if self.process is None or self.process.poll() is not None:
            return
        self.process.terminate()
        try:
            self.process.wait(5)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait(5)


def main(test):
    """Runs `test()` and turns its outcome into the exit status."""
    try:
        test()
    except Failure as failure:
        log(f"FAIL: {failure}")
        sys.exit(1)
    log("PASS")
