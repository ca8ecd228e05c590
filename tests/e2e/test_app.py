"""The program from end to end: the polynomial typed under the Spanish and
the US layouts, "Calcular", an error message, the wheel over the results,
"Ayuda" and "Salir". Everything is read back through AT-SPI.

Usage (through run-x11.sh): test_app.py FACTORIX [SCREENSHOT.png]
"""

import subprocess
import sys
import time

import pyatspi

import e2e

HEADING = "EL POLINOMIO SE PUEDE DESCOMPONER EN:"
# 2x³ + 0x² + 0x − 16: Shift+digit raises, keypad + and − are the operators.
ROAD = ["2", "x", "shift+3", "KP_Add", "0", "x", "shift+2", "KP_Add", "0", "x", "KP_Subtract", "1", "6"]
ROAD_DRAWN = "2x³+0x²+0x-16"
ROAD_LINE = " (x-2) (+2x²+4x+8)"
ERROR_MESSAGE = "Se produjo un error. Revise el cálculo."
HELP_FIRST_LINE = "Ayuda del programa de Factorix"


def showing(node):
    try:
        return node.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def result_lines(app):
    """The texts of the result lines, in order (the heading left out)."""
    pads = e2e.find_all(app.app, role="text", predicate=lambda n: n.name.startswith("Resultado "))
    pads.sort(key=lambda n: int(n.name.split()[1]))
    return [e2e.text_of(pad) for pad in pads]


def wait_for_lines(app, expected):
    seen = []

    def matches():
        seen.append(result_lines(app))
        return seen[-1] == expected
    try:
        e2e.wait_until(matches, f"the result lines {expected!r}")
    except e2e.Failure:
        raise e2e.Failure(f"expected the lines {expected!r}, the window shows {seen[-1] if seen else None!r}") from None


def clear(pad):
    click(pad)  # the focus may be on a button
    e2e.keys(*["BackSpace"] * 24, delay_ms=10)
    e2e.wait_for_text(pad, "")


def type_road(app, pad):
    app.focus()
    clear(pad)
    e2e.keys(*ROAD)
    e2e.wait_for_text(pad, ROAD_DRAWN)


def click(accessible):
    """Clicks `accessible`. The pointer first leaves for a corner: xdotool's
    synchronous move waits for motion, and clicking the same spot twice in
    a row would give none."""
    e2e.run("xdotool", "mousemove", "1023", "767")
    e2e.click(accessible)


def calcular(app):
    click(e2e.find(app.app, role="push button", name="Calcular"))


def screenshot(window, path):
    """The window as the X server shows it, cut out of the whole screen."""
    x, y, width, height = e2e.extents(window)
    e2e.run("import", "-window", "root", "-crop", f"{width}x{height}+{x}+{y}", "+repage", path, timeout=30)
    e2e.log(f"screenshot of {width}x{height} at {x},{y} saved to {path}")


def answer_box(app, title, message, button):
    """Waits for the message box `title` showing `message` and clicks `button`."""
    box = app.window(title)
    e2e.find(box, role="label", name=message)
    buttons = sorted(n.name for n in e2e.find_all(box, role="push button"))
    click(e2e.find(box, role="push button", name=button))
    e2e.gone(app.app, role="label", name=message)
    return buttons


def spanish_run(factorix, shot):
    e2e.set_layout("es")
    with e2e.App([factorix]) as app:
        window = app.window("Factorix")
        pad = e2e.find(app.app, role="text", name="Polinomio")
        heading = e2e.find(app.app, role="text", name="Encabezado de los resultados")
        e2e.wait_for_text(heading, HEADING)

        type_road(app, pad)
        calcular(app)
        wait_for_lines(app, [ROAD_LINE])
        e2e.log("es: the road gives " + ROAD_LINE)
        if shot:
            time.sleep(0.5)  # the cursor line blinks; let the picture settle
            screenshot(window, shot)

        calcular(app)  # again: the same line, not two
        time.sleep(0.5)
        wait_for_lines(app, [ROAD_LINE])
        e2e.wait_for_text(heading, HEADING)

        # A screen reader is told how many lines came: the focus stays on
        # the button, so the window shows a notification.
        app.focus()
        clear(pad)
        e2e.keys("x", "shift+2", "KP_Add", "0", "x", "KP_Subtract", "1")
        e2e.wait_for_text(pad, "x²+0x-1")
        with e2e.Events("object:state-changed:showing") as events:
            calcular(app)
            notice = events.wait_for("object:state-changed:showing", role="notification", detail1=1)
        if notice.name != "2 resultados":
            raise e2e.Failure(f"the notification after Calcular says {notice.name!r}")
        e2e.log("es: after Calcular on x²-1 a notification says " + notice.name)

        # 720720 - 720720 is 0 for each of the 480 candidates: the lines
        # below the frame tell a screen reader nothing until they show.
        app.focus()
        clear(pad)
        e2e.keys("7", "2", "0", "7", "2", "0", "KP_Subtract", "7", "2", "0", "7", "2", "0")
        e2e.wait_for_text(pad, "720720-720720")
        with e2e.Events("object:text-changed", "object:property-change", "object:state-changed") as counted, \
                e2e.Events("object:state-changed:showing") as events:
            calcular(app)
            notice = events.wait_for("object:state-changed:showing", role="notification", detail1=1)
            time.sleep(0.5)
            counted.pump()
            told = len(counted.seen)
        if notice.name != "480 resultados" or told > 100:
            raise e2e.Failure(f"480 lines told a screen reader {told} more things, then {notice.name!r}")
        e2e.log(f"es: 480 lines tell a screen reader {told} more things and '{notice.name}'")

        # 2x²+3x has no constant term.
        app.focus()
        clear(pad)
        e2e.keys("2", "x", "shift+2", "KP_Add", "3", "x")
        e2e.wait_for_text(pad, "2x²+3x")
        calcular(app)
        buttons = answer_box(app, "Error", ERROR_MESSAGE, "Aceptar")
        if buttons != ["Aceptar"]:
            raise e2e.Failure(f"the error box offers {buttons}")
        wait_for_lines(app, [])
        e2e.log("es: 2x²+3x gives the error message")

        # Ayuda opens the help window; Cerrar closes it.
        click(e2e.find(app.app, role="push button", name="Ayuda"))
        help_window = app.window("Ayuda")
        text = e2e.find(help_window, name="Texto de ayuda")
        content = e2e.text_of(text)
        if not content.startswith(HELP_FIRST_LINE) or "      3x^3+0x^2+0x-6" not in content:
            raise e2e.Failure(f"the help text reads {content[:80]!r}...")
        click(e2e.find(help_window, role="push button", name="Cerrar"))
        e2e.wait_until(lambda: not [w for w in e2e.children(app.app) if w.name == "Ayuda" and showing(w)],
                       "the help window to close")
        e2e.log("es: Ayuda opened and closed")

        # Salir: No keeps the window, Sí ends the program.
        click(e2e.find(app.app, role="push button", name="Salir"))
        buttons = answer_box(app, "Salir", "¿Está seguro de querer salir?", "No")
        if buttons != ["No", "Sí"]:
            raise e2e.Failure(f"the exit box offers {buttons}")
        time.sleep(0.5)
        if not app.alive() or not showing(window):
            raise e2e.Failure("answering No closed the window")
        click(e2e.find(app.app, role="push button", name="Salir"))
        app.window("Salir")
        click(e2e.find(app.window("Salir"), role="push button", name="Sí"))
        try:
            app.process.wait(10)
        except subprocess.TimeoutExpired:
            raise e2e.Failure("answering Sí did not end the program") from None
        e2e.log(f"es: Salir, No, then Sí ended the program with status {app.process.returncode}")


def us_run(factorix):
    e2e.set_layout("us")
    with e2e.App([factorix]) as app:
        pad = e2e.find(app.app, role="text", name="Polinomio")
        type_road(app, pad)
        calcular(app)
        wait_for_lines(app, [ROAD_LINE])
        e2e.log("us: the road gives " + ROAD_LINE)

        # 12-12 is 0 for every candidate: twelve lines, the seventh below
        # the frame until the wheel brings it up.
        app.focus()
        clear(pad)
        e2e.keys("1", "2", "KP_Subtract", "1", "2")
        e2e.wait_for_text(pad, "12-12")
        calcular(app)
        e2e.wait_until(lambda: len(result_lines(app)) == 12, "twelve result lines")
        seventh = e2e.find(app.app, role="text", name="Resultado 7")
        if showing(seventh):
            raise e2e.Failure("the seventh line shows before scrolling")
        first = e2e.find(app.app, role="text", name="Resultado 1")
        x, y, width, height = e2e.extents(first)
        e2e.run("xdotool", "mousemove", "1023", "767")
        e2e.run("xdotool", "mousemove", "--sync", str(x + width // 2), str(y + height // 2), "click", "5")
        e2e.wait_until(lambda: showing(seventh), "the wheel to bring the seventh line into view")
        e2e.log("us: the wheel brought the seventh line into view")


def test():
    factorix = sys.argv[1]
    shot = sys.argv[2] if len(sys.argv) > 2 else None
    spanish_run(factorix, shot)
    us_run(factorix)


if __name__ == "__main__":
    e2e.main(test)
