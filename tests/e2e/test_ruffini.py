"""The Ruffini window from end to end: a double-click, Return or keypad
Enter on a result line opens it; its tables and the factorisation read
through AT-SPI; Escape and "Cerrar" close it.

Usage (through run-x11.sh): test_ruffini.py FACTORIX [LAYOUT [SCREENSHOT.png]]
"""

import sys
import time

import e2e
from test_app import ROAD, calcular, clear, click, screenshot, showing, wait_for_lines
from test_window import focused

TITLE = "Regla de Ruffini"
# x³ − x² − x + 1 = (x + 1)(x − 1)²: the root 1 twice.
REPEATED = ["x", "shift+3", "KP_Subtract", "x", "shift+2", "KP_Subtract", "x", "KP_Add", "1"]


def type_polynomial(app, keys, drawn):
    pad = e2e.find(app.app, role="text", name="Polinomio")
    app.focus()
    clear(pad)
    e2e.keys(*keys)
    e2e.wait_for_text(pad, drawn)
    calcular(app)


def line(app, index):
    return e2e.find(app.app, role="text", name=f"Resultado {index}")


def double_click(accessible):
    x, y, width, height = e2e.extents(accessible)
    e2e.run("xdotool", "mousemove", "1023", "767")
    e2e.run("xdotool", "mousemove", "--sync", str(x + width // 2), str(y + height // 2),
            "click", "--repeat", "2", "--delay", "80", "1")


def dialog(app):
    """The Ruffini window, once it shows."""
    return e2e.wait_until(
        lambda: next((w for w in e2e.children(app.app) if w.name == TITLE and showing(w)), None),
        "the Ruffini window")


def closed(app):
    e2e.wait_until(lambda: not [w for w in e2e.children(app.app) if w.name == TITLE and showing(w)],
                   "the Ruffini window to close")


def focus_dialog():
    window_id = e2e.wait_until(
        lambda: e2e.run("xdotool", "search", "--onlyvisible", "--name", TITLE).split()[-1:],
        "the Ruffini window on the X server")[0]
    e2e.run("xdotool", "windowfocus", "--sync", window_id)


def tables(window):
    """Each table's rows, cells joined by "|", read cell by cell."""
    out = []
    index = 1
    while True:
        found = e2e.find_all(window, role="table", name=f"Paso {index}")
        if not found:
            return out
        table = found[0].queryTable()
        rows = []
        for r in range(table.nRows):
            rows.append("|".join(table.getAccessibleAt(r, c).name for c in range(table.nColumns)))
        out.append(rows)
        index += 1


def blank_corner_unmarked(window):
    """The first table's top-left cell is blank: with the table focused it
    must show no highlight or focus frame, only the table's background (its
    right edge, where the root's rule runs, left out)."""
    table = e2e.find(window, role="table", name="Paso 1")
    e2e.wait_until(lambda: focused(table), "the first table to take the focus")
    time.sleep(0.3)
    x, y, width, height = e2e.extents(table.queryTable().getAccessibleAt(0, 0))
    picture = e2e.Picture(x, y, width - 2, height)
    colours = {picture.pixel(px, py) for px in range(picture.width) for py in range(picture.height)}
    if len(colours) != 1:
        picture.save("blank-corner.png")
        raise e2e.Failure(f"the blank top-left cell is marked: {len(colours)} colours in it")


def tab_to(accessible, limit=8):
    """Presses Tab until `accessible` has the focus."""
    for _ in range(limit):
        if focused(accessible):
            return
        e2e.keys("Tab")
    e2e.wait_until(lambda: focused(accessible), f"Tab to reach {e2e.describe(accessible)}", timeout=2)


def check_window(window, expected_tables, factorization, polynomial):
    if window.getRoleName() != "dialog":
        raise e2e.Failure(f"the window is a {window.getRoleName()}, not a dialog")
    e2e.find(window, role="label", name=f"P(x) = {polynomial}")
    seen = e2e.wait_until(lambda: tables(window) or None, "the tables")
    if seen != expected_tables:
        raise e2e.Failure(f"the tables read {seen}, expected {expected_tables}")
    factored = e2e.find(window, role="text", name="Factorización")
    e2e.wait_for_text(factored, factorization)
    e2e.find(window, role="label", name="Resto: 0")


def test():
    factorix = sys.argv[1]
    layout = sys.argv[2] if len(sys.argv) > 2 else "es"
    shot = sys.argv[3] if len(sys.argv) > 3 else None
    e2e.set_layout(layout)
    with e2e.App([factorix]) as app:
        # 2x³ − 16: one root, one table.
        type_polynomial(app, ROAD, "2x³+0x²+0x-16")
        wait_for_lines(app, [" (x-2) (+2x²+4x+8)"])
        double_click(line(app, 1))
        window = dialog(app)
        check_window(window, [["|2|0|0|-16", "2||4|8|16", "|2|4|8|0"]], "2(x-2)(x²+2x+4)", "2x³-16")
        e2e.find(window, role="label", name="Cociente: 2x²+4x+8")
        blank_corner_unmarked(window)
        focus_dialog()
        e2e.keys("Escape")
        closed(app)
        e2e.log("2x³-16: a double-click opened the window, Escape closed it")

        click(line(app, 1))
        e2e.keys("Return")
        window = dialog(app)
        check_window(window, [["|2|0|0|-16", "2||4|8|16", "|2|4|8|0"]], "2(x-2)(x²+2x+4)", "2x³-16")
        click(e2e.find(window, role="push button", name="Cerrar"))
        closed(app)
        e2e.log("2x³-16: Return opened the window, Cerrar closed it")

        # Tab reaches "Cerrar"; Return and keypad Enter press it.
        for key in ("Return", "KP_Enter"):
            app.focus()
            click(line(app, 1))
            e2e.keys("Return")
            window = dialog(app)
            focus_dialog()
            tab_to(e2e.find(window, role="push button", name="Cerrar"))
            e2e.keys(key)
            closed(app)
        e2e.log("2x³-16: Tab reached Cerrar; Return and keypad Enter on it closed the window")

        # A single click on the heading, a double-click on it: nothing opens.
        double_click(e2e.find(app.app, role="text", name="Encabezado de los resultados"))
        time.sleep(1.0)
        if [w for w in e2e.children(app.app) if w.name == TITLE and showing(w)]:
            raise e2e.Failure("the heading opened the Ruffini window")

        # (x + 1)(x − 1)²: the line of 1, then −1, then 1 again.
        type_polynomial(app, REPEATED, "x³-x²-x+1")
        wait_for_lines(app, [" (x+1) (+1x²-2x+1)", " (x-1) (+1x²+0x-1)"])
        click(line(app, 2))
        e2e.keys("KP_Enter")
        window = dialog(app)
        check_window(window, [["|1|-1|-1|1", "1||1|0|-1", "|1|0|-1|0"],
                              ["|1|0|-1", "-1||-1|1", "|1|-1|0"],
                              ["|1|-1", "1||1", "|1|0"]], "(x+1)(x-1)²", "x³-x²-x+1")
        if shot:
            time.sleep(0.5)
            screenshot(window, shot)
        focus_dialog()
        e2e.keys("Escape")
        closed(app)
        double_click(line(app, 1))
        window = dialog(app)
        check_window(window, [["|1|-1|-1|1", "-1||-1|2|-1", "|1|-2|1|0"],
                              ["|1|-2|1", "1||1|-1", "|1|-1|0"],
                              ["|1|-1", "1||1", "|1|0"]], "(x+1)(x-1)²", "x³-x²-x+1")
        focus_dialog()
        e2e.keys("Escape")
        closed(app)
        e2e.log("x³-x²-x+1: keypad Enter and a double-click opened the tables of the repeated root")


if __name__ == "__main__":
    e2e.main(test)
