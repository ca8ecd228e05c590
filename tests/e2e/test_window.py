"""The main window as a desktop user meets it, under one keyboard layout:
what screen readers are told of each window, the input field against its
frame, the key right of P, Return and keypad Enter on a focused button but
never in the pad, a polynomial longer than the input field, result lines
wider than the frame, the frame's edges while the lines scroll and the
picture after scrolling back, the link with no browser to start, and the
help windows' titles and icons.

Usage (through run-x11.sh): test_window.py FACTORIX LAYOUT [WORK_DIR]
(LAYOUT "es" or "us"; pictures of a failure are saved in WORK_DIR.)
"""

import os
import sys
import tempfile
import time

import pyatspi

import e2e
from test_app import HEADING, ROAD, ROAD_LINE, click, result_lines, showing, wait_for_lines

ADDRESS = "https://factorix.example.org"
# The key right of P, by the name each layout gives it.
CARET_KEY = {"es": "dead_grave", "us": "bracketleft"}
# 1x⁷ − 6x⁶ − 14x⁵ + 84x⁴ + 49x³ − 294x² − 36x + 216: seven roots, long lines.
SEVEN = ["1", "x", "shift+7", "KP_Subtract", "6", "x", "shift+6", "KP_Subtract", "1", "4", "x", "shift+5",
         "KP_Add", "8", "4", "x", "shift+4", "KP_Add", "4", "9", "x", "shift+3", "KP_Subtract", "2", "9", "4",
         "x", "shift+2", "KP_Subtract", "3", "6", "x", "KP_Add", "2", "1", "6"]
SEVEN_DRAWN = "1x⁷-6x⁶-14x⁵+84x⁴+49x³-294x²-36x+216"


def away():
    """The pointer leaves for a corner, where it hovers over nothing."""
    e2e.run("xdotool", "mousemove", "1023", "767")
    time.sleep(0.3)


def focused(accessible):
    try:
        return accessible.getState().contains(pyatspi.STATE_FOCUSED)
    except Exception:
        return False


class Check:
    def __init__(self, app, layout, work_dir):
        self.app = app
        self.layout = layout
        self.work_dir = work_dir
        self.window = app.window("Factorix")
        self.pad = e2e.find(app.app, role="text", name="Polinomio")
        self.frame = e2e.find(app.app, name="Descomposición(es)")
        self.strip = e2e.find(app.app, name="Desplazamiento de los resultados")

    def log(self, message):
        e2e.log(f"{self.layout}: {message}")

    def fail(self, message, *pictures):
        for index, picture in enumerate(pictures):
            if self.work_dir:
                path = os.path.join(self.work_dir, f"window-{self.layout}-{index}.png")
                picture.save(path)
                message += f" (picture saved to {path})"
        raise e2e.Failure(f"{self.layout}: {message}")

    def type(self, keys, drawn):
        self.app.focus()
        click(self.pad)  # the focus may be on a button
        e2e.keys(*["BackSpace"] * 50, delay_ms=10)
        e2e.wait_for_text(self.pad, "")
        e2e.keys(*keys)
        e2e.wait_for_text(self.pad, drawn)

    def roles(self):
        if self.window.getRoleName() != "frame":
            self.fail(f"the main window is a {self.window.getRoleName()!r} to screen readers")
        self.log("the main window is a frame named 'Factorix'")

    def input_field_stands_out(self):
        x, y, width, height = e2e.extents(self.pad)
        picture = e2e.Picture(x - 8, y, width + 8, height)
        field = picture.pixel(width + 8 - 4, height // 2)
        frame = picture.pixel(2, height // 2)
        if field == frame or min(field) < 0xF0:
            self.fail(f"the input field {field} against its frame {frame}", picture)
        self.log(f"the input field {field} stands out from its frame {frame}")

    def caret_key(self):
        key = CARET_KEY[self.layout]
        self.type(["x", key, "2", "shift+" + key], "x^2^")
        self.log(f"the key right of P ({key}) writes ^, with and without Shift")

    def long_input_shows_its_end(self):
        self.type(SEVEN, SEVEN_DRAWN)  # read through AT-SPI: the whole text
        away()
        time.sleep(0.6)  # whatever the blink, the last glyphs stay
        x, y, width, height = e2e.extents(self.pad)
        picture = e2e.Picture(x, y, width, height)
        # Dark columns in the last three cells: more than the cursor line's one.
        ink = {px for px in range(width - 24, width) for py in range(height) if max(picture.pixel(px, py)) < 96}
        if len(ink) < 3:
            self.fail("the end of a long polynomial does not show in the input field", picture)
        self.log("a polynomial longer than the input field shows its end; screen readers read it whole")

    def enter(self):
        self.type(ROAD, "2x³+0x²+0x-16")
        e2e.keys("Return", "KP_Enter")
        time.sleep(1)
        if result_lines(self.app):
            self.fail("Return in the input field pressed a button")
        calcular = e2e.find(self.app.app, role="push button", name="Calcular")
        e2e.keys("shift+Tab")
        e2e.wait_until(lambda: focused(calcular), "Calcular to take the focus")
        e2e.keys("Return")
        wait_for_lines(self.app, [ROAD_LINE])
        self.type(["1", "2", "KP_Subtract", "1", "2"], "12-12")
        e2e.keys("shift+Tab")
        e2e.wait_until(lambda: focused(calcular), "Calcular to take the focus")
        e2e.keys("KP_Enter")
        e2e.wait_until(lambda: len(result_lines(self.app)) == 12, "twelve lines after keypad Enter")
        self.log("Return and keypad Enter press the focused button, never from the input field")

    def frame_picture(self):
        away()
        return e2e.Picture.of(self.frame)

    def long_lines_and_scrolling(self):
        self.type(SEVEN, SEVEN_DRAWN)
        click(e2e.find(self.app.app, role="push button", name="Calcular"))
        e2e.wait_until(lambda: len(result_lines(self.app)) == 7, "seven result lines")
        lines = result_lines(self.app)
        pads = e2e.find_all(self.app.app, role="text", predicate=lambda n: n.name.startswith("Resultado "))
        frame_width = e2e.extents(self.frame)[2]
        widest = max(e2e.extents(pad)[2] for pad in pads)
        if widest <= frame_width:
            self.fail(f"the widest result line is {widest} px, the frame {frame_width} px")
        self.log(f"the widest result line is {widest} px wide, the frame {frame_width} px")

        before = self.frame_picture()
        _, frame_y, width, height = e2e.extents(self.frame)
        strip_bottom = e2e.extents(self.strip)[1] + e2e.extents(self.strip)[3] - frame_y
        border = 3  # the frame's edge and its inner shade

        def outside_lines(x, y):
            return x < border or x >= width - border or y >= height - border or y < strip_bottom

        right = e2e.find(self.app.app, name="Desplazar a la derecha")
        left = e2e.find(self.app.app, name="Desplazar a la izquierda")
        for arrow, times in ((right, 3), (left, 6), (right, 10)):
            for _ in range(times):
                click(arrow)
                time.sleep(0.15)
            scrolled = self.frame_picture()
            changed = before.differences(scrolled, outside_lines)
            if changed:
                self.fail(f"scrolling changed the frame's edges at {changed[:5]}", before, scrolled)
            if not before.differences(scrolled):
                self.fail("the arrows moved nothing", before)
        self.log("the frame's edges stay as they were while the lines scroll either way")

        # Back to the start (the arrows above moved the lines 7 steps left),
        # then >> three times, << four times, >> once; a wheel notch down and up.
        for arrow, times in ((left, 7), (right, 3), (left, 4), (right, 1)):
            for _ in range(times):
                click(arrow)
                time.sleep(0.15)
        x, y, w, h = e2e.extents(self.frame)
        e2e.run("xdotool", "mousemove", "--sync", str(x + w // 2), str(y + h // 2), "click", "5")
        time.sleep(0.3)
        e2e.run("xdotool", "click", "4")
        after = self.frame_picture()
        changed = before.differences(after)
        if changed:
            self.fail(f"after scrolling back the frame differs at {len(changed)} points, first {changed[:5]}",
                      before, after)
        if result_lines(self.app) != lines:
            self.fail(f"after scrolling back the lines read {result_lines(self.app)}")
        self.log("after scrolling back the frame is the same, pixel for pixel, and so are the lines")

    def link_without_browser(self):
        click(e2e.find(self.app.app, role="link", name="factorix.example.org"))
        label = e2e.find(self.app.app, role="label", predicate=lambda n: ADDRESS in (n.name or ""))
        box = label.parent
        while box.parent is not None and box.parent.getRoleName() != "application":
            box = box.parent
        if box.name != "Factorix" or box.getRoleName() not in ("alert", "dialog"):
            self.fail(f"the address is shown in {e2e.describe(box)}")
        copied = e2e.run("xclip", "-o", "-selection", "clipboard")
        if copied != ADDRESS:
            self.fail(f"the clipboard holds {copied!r}")
        click(e2e.find(box, role="push button", name="Aceptar"))
        e2e.gone(self.app.app, role="label", name=label.name)
        self.log("when the opener finds no browser, a box titled Factorix gives the address, "
                 "which is on the clipboard")

    def closed(self, title):
        e2e.wait_until(lambda: not [w for w in e2e.children(self.app.app) if w.name == title and showing(w)],
                       f"the window {title!r} to close")

    def usual_keys(self):
        self.type(["x"], "x")
        e2e.keys("ctrl+c", "ctrl+x")
        e2e.wait_for_text(self.pad, "xcx")
        e2e.keys("F1")
        self.app.window("Ayuda")
        e2e.keys("Escape")
        self.closed("Ayuda")
        self.app.focus()  # no window manager hands it back
        e2e.keys("ctrl+q")
        self.app.window("Salir")
        e2e.keys("Escape")
        self.closed("Salir")
        self.app.focus()
        click(e2e.find(self.app.app, role="push button", name="Créditos"))
        self.app.window("Créditos")
        e2e.keys("Escape")
        self.closed("Créditos")
        if not self.app.alive():
            self.fail("Escape on the exit box ended the program")
        self.log("Ctrl+C writes c in the pad; F1 opens the help, Ctrl+Q the exit box; Escape closes them")

    def title_bars(self):
        """The window manager is told: the main window only closes (fixed
        size, no minimise, no maximise); the help also resizes."""
        for title, resizable in (("Factorix", False), ("Ayuda", True)):
            if title == "Ayuda":
                self.app.focus()
                e2e.keys("F1")
            window_id = e2e.wait_until(lambda: next((w[0] for w in e2e.x_windows(self.app.pid) if w[1] == title),
                                                    None), f"the window {title!r} on the X server")
            hints = e2e.run("xprop", "-id", window_id, "_MOTIF_WM_HINTS", "WM_NORMAL_HINTS")
            motif = [int(v, 16) for v in hints.split("=", 1)[1].splitlines()[0].split(",")]
            functions, decorations = motif[1], motif[2]
            if functions & (0x08 | 0x10) or decorations & (0x20 | 0x40) or not functions & 0x20:
                self.fail(f"{title}: the window manager may minimise or maximise it: {hints}")
            sizes = {line.split(":")[0].strip(): line.split(":")[1].strip() for line in hints.splitlines()
                     if "size:" in line}
            smallest = sizes.get("program specified minimum size")
            fixed = smallest is not None and smallest == sizes.get("program specified maximum size")
            if fixed == resizable:
                self.fail(f"{title}: resizable is {not fixed}: {hints}")
            if title == "Ayuda":
                e2e.keys("Escape")
                self.closed("Ayuda")
        self.log("title bars: the main window only closes; the help closes and resizes")

    def quit_by_keys(self):
        self.app.focus()
        e2e.keys("ctrl+q")
        self.app.window("Salir")
        e2e.keys("Return")  # "Sí" is the default
        try:
            self.app.process.wait(10)
        except Exception:
            self.fail("Ctrl+Q and Return did not end the program")
        self.log("Ctrl+Q and Return ended the program")

    def help_windows(self):
        click(e2e.find(self.app.app, role="push button", name="Ayuda"))
        help_window = self.app.window("Ayuda")
        if help_window.getRoleName() != "dialog":
            self.fail(f"the help window is a {help_window.getRoleName()!r}")
        titles = e2e.wait_until(lambda: [w for w in e2e.x_windows(self.app.pid) if w[1] == "Ayuda"],
                                "the help window on the X server")
        if titles[0][2]:
            self.fail("the help window carries an icon")
        cerrar = e2e.find(help_window, role="push button", name="Cerrar")
        e2e.keys("Tab")
        e2e.wait_until(lambda: focused(cerrar), "Cerrar to take the focus")
        e2e.keys("Return")
        e2e.wait_until(lambda: not [w for w in e2e.children(self.app.app) if w.name == "Ayuda" and showing(w)],
                       "Return on Cerrar to close the help")
        self.log("the help window: a dialog named Ayuda, no icon, Return on Cerrar closes it")

        with e2e.Events("object:state-changed:showing") as events:
            e2e.click(self.pad, button=3, at=(20, 10))
            menu = events.wait_for("object:state-changed:showing", role="popup menu", detail1=1)
        e2e.click(e2e.find_all(menu, role="menu item")[0])
        heading = e2e.find(self.app.app, role="label", name="Símbolos permitidos:")
        dialog = heading.parent
        if dialog.getRoleName() != "dialog" or dialog.name:
            self.fail(f"the key help is {e2e.describe(dialog)}")
        main_ids = {w[0] for w in e2e.x_windows(self.app.pid) if w[1] == "Factorix"}
        others = e2e.wait_until(lambda: [w for w in e2e.x_windows(self.app.pid) if w[0] not in main_ids],
                                "the key help on the X server")
        if any((title or "").strip() for _, title, _ in others):
            self.fail(f"the key help's title reads {[title for _, title, _ in others]}")
        e2e.keys("Return")
        e2e.gone(self.app.app, role="label", name="Símbolos permitidos:")
        self.log("the key help: a dialog with an empty title, closed by Return")


def test():
    factorix, layout = sys.argv[1], sys.argv[2]
    work_dir = sys.argv[3] if len(sys.argv) > 3 else None
    e2e.set_layout(layout)
    # The desktop's opener is there but finds no browser: it exits with 3.
    with tempfile.TemporaryDirectory(prefix="factorix-opener.") as opener_dir:
        opener = os.path.join(opener_dir, "xdg-open")
        with open(opener, "w") as script:
            script.write("#!/bin/sh\nexit 3\n")
        os.chmod(opener, 0o755)
        run_checks(factorix, layout, work_dir, {"PATH": opener_dir, "BROWSER": "", "DEFAULT_BROWSER": ""})


def run_checks(factorix, layout, work_dir, env):
    with e2e.App([factorix], env=env) as app:
        check = Check(app, layout, work_dir)
        e2e.wait_for_text(e2e.find(app.app, role="text", name="Encabezado de los resultados"), HEADING)
        check.roles()
        check.input_field_stands_out()
        check.caret_key()
        check.long_input_shows_its_end()
        check.enter()
        check.long_lines_and_scrolling()
        check.link_without_browser()
        check.help_windows()
        check.usual_keys()
        check.title_bars()
        check.quit_by_keys()


if __name__ == "__main__":
    e2e.main(test)
