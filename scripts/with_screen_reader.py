"""Runs a command while an AT-SPI client listens to the events a screen
reader listens to (text, names, states, windows, focus), so that the
command's accessibility costs what it costs under Orca. Prints how many
events came. Run inside tests/e2e/run-x11.sh, with Debian's /usr/bin/python3:

    with_screen_reader.py COMMAND [ARGS...]
"""

import collections
import subprocess
import sys

import pyatspi
from gi.repository import GLib

KINDS = ("object:children-changed", "object:text-changed", "object:text-caret-moved",
         "object:property-change", "object:state-changed", "window:", "focus:")


def main():
    seen = collections.Counter()
    pyatspi.Registry.registerEventListener(lambda event: seen.update([event.type]), *KINDS)
    process = subprocess.Popen(sys.argv[1:])
    status = []

    def poll():
        if process.poll() is None:
            return True
        status.append(process.returncode)
        pyatspi.Registry.stop()
        return False
    GLib.timeout_add(100, poll)
    pyatspi.Registry.start()
    print(f"screen reader events: {sum(seen.values())}, most: {seen.most_common(3)}")
    sys.exit(status[0] if status else 1)


if __name__ == "__main__":
    main()
