"""The program as a native Wayland client, under weston:

- on weston's headless backend, its window maps: it asks for its title and
  application id, and draws into the surface the compositor configured;
- on weston nested in the private X server (kiosk shell), keys typed into
  weston under the Spanish and the US layouts reach the formula pad as on
  X11, the keypad's operators included.

Usage (through run-x11.sh): test_wayland.py FACTORIX
"""

import os
import re
import subprocess
import sys
import tempfile

import pyatspi

import e2e
from test_app import ROAD, ROAD_DRAWN

APP_ID = "org.example.Factorix"
SLOW = 60  # seconds: a compositor and its client start slowly on a busy machine


class Weston:
    """A weston compositor on its own socket; use it as a context manager."""

    started = 0  # compositors of this run: each gets a socket name never used before

    def __init__(self, *options):
        Weston.started += 1
        self.socket = f"factorix-wayland-{os.getpid()}-{Weston.started}"
        self.options = options
        self.process = None
        self.log = tempfile.NamedTemporaryFile(prefix="factorix-weston.", suffix=".log")

    def __enter__(self):
        command = ["weston", f"--socket={self.socket}", "--idle-time=0", *self.options]
        e2e.log("starting " + " ".join(command))
        self.process = subprocess.Popen(command, stdout=self.log, stderr=subprocess.STDOUT)
        path = os.path.join(os.environ["XDG_RUNTIME_DIR"], self.socket)

        def ready():
            if self.process.poll() is not None:
                raise e2e.Failure(f"weston ended with status {self.process.returncode}: {self.output()}")
            return os.path.exists(path)
        e2e.wait_until(ready, "weston's socket", SLOW)
        return self

    def __exit__(self, *exc):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait(5)
        self.log.close()
        return False

    def output(self):
        with open(self.log.name, errors="replace") as log:
            return log.read()[-2000:]

    def client_env(self):
        return {"QT_QPA_PLATFORM": "wayland", "WAYLAND_DISPLAY": self.socket}


def window_maps(factorix):
    """Headless: the protocol trace shows the title, the application id and
    a buffer committed after the compositor's configure."""
    with Weston("--backend=headless-backend.so") as weston, \
            tempfile.NamedTemporaryFile(prefix="factorix-wayland.", suffix=".log") as trace:
        env = dict(weston.client_env(), WAYLAND_DEBUG="client")
        with e2e.App([factorix], env=env, stderr=trace, timeout=SLOW) as app:
            window = app.window("Factorix")
            e2e.wait_until(lambda: e2e.find(app.app, role="text", name="Polinomio"), "the polynomial pad")

            def drawn():
                with open(trace.name, errors="replace") as log:
                    text = log.read()
                configured = text.find(".ack_configure(")
                return configured >= 0 and re.search(r"wl_surface@\d+\.attach\(wl_buffer", text[configured:]) \
                    and text
            text = e2e.wait_until(drawn, "a buffer attached after the configure", SLOW)
            for request in (f'set_app_id("{APP_ID}")', 'set_title("Factorix")'):
                if request not in text:
                    raise e2e.Failure(f"the client never sent {request}")
            if window.getRoleName() != "frame":
                raise e2e.Failure(f"the window is a {window.getRoleName()!r}")
            e2e.log(f"headless weston: the window maps, titled Factorix, application id {APP_ID}")


def keys_map(factorix, layout):
    """Nested: weston reads the X server's layout; keys go to its window."""
    e2e.set_layout(layout)
    with Weston("--backend=x11-backend.so", "--use-pixman", "--shell=kiosk-shell.so",
                "--width=640", "--height=480") as weston:
        with e2e.App([factorix], env=weston.client_env(), timeout=SLOW) as app:
            pad = e2e.find(app.app, role="text", name="Polinomio")
            frame = app.window("Factorix", timeout=SLOW)

            # Keys reach the program once weston's window on the X server
            # has the focus and weston has given the keyboard to the
            # program's window, which it then reports active; on a busy
            # machine that takes a while. weston's window carries its
            # class, not its pid.
            def active():
                windows = e2e.run("xdotool", "search", "--onlyvisible", "--class", "weston").split()
                if windows:
                    e2e.run("xdotool", "windowfocus", "--sync", windows[-1])
                return frame.getState().contains(pyatspi.STATE_ACTIVE)
            e2e.wait_until(active, "the program's window active in weston", SLOW)
            e2e.keys(*ROAD)
            e2e.wait_for_text(pad, ROAD_DRAWN, timeout=SLOW)
            e2e.log(f"nested weston, {layout}: the keys, keypad + and - included, write {ROAD_DRAWN}")


def test():
    factorix = sys.argv[1]
    window_maps(factorix)
    for layout in ("es", "us"):
        keys_map(factorix, layout)


if __name__ == "__main__":
    e2e.main(test)
