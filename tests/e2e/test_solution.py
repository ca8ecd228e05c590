"""«Resolución paso a paso» from end to end: Return on the focused heading,
a double-click or keypad Enter on a result line open it; its sections,
tables and roots read through AT-SPI; Ctrl++ zooms it; Escape closes it. A
line the user has rewritten still opens the work of its calculation's root.

Usage (through run-x11.sh): test_solution.py FACTORIX [LAYOUT [SCREENSHOT.png]]
"""

import sys
import time

import e2e
from test_app import ROAD, calcular, clear, click, screenshot, showing, wait_for_lines
from test_window import focused

TITLE = "Resolución paso a paso"
MINUS = "\u2212"


def type_polynomial(app, keys, drawn):
    pad = e2e.find(app.app, role="text", name="Polinomio")
    app.focus()
    clear(pad)
    e2e.keys(*keys)
    e2e.wait_for_text(pad, drawn)
    calcular(app)


def pad(app, index):
    if index == 0:
        return e2e.find(app.app, role="text", name="Encabezado de los resultados")
    return e2e.find(app.app, role="text", name=f"Resultado {index}")


def double_click(accessible):
    x, y, width, height = e2e.extents(accessible)
    e2e.run("xdotool", "mousemove", "1023", "767")
    e2e.run("xdotool", "mousemove", "--sync", str(x + width // 2), str(y + height // 2),
            "click", "--repeat", "2", "--delay", "80", "1")


def open_with_key(app, index, key):
    """Focuses pad `index` with a click and presses `key` on it."""
    target = pad(app, index)
    click(target)
    e2e.wait_until(lambda: focused(target), "the pad to take the focus")
    e2e.keys(key)
    return dialog(app)


def dialog(app):
    return e2e.wait_until(
        lambda: next((w for w in e2e.children(app.app) if w.name == TITLE and showing(w)), None),
        "«Resolución paso a paso»")


def close_with_escape(app, title=TITLE):
    window_id = e2e.wait_until(
        lambda: e2e.run("xdotool", "search", "--onlyvisible", "--name", f"^{title}$").split()[-1:],
        "the window on the X server")[0]
    e2e.run("xdotool", "windowfocus", "--sync", window_id)
    e2e.keys("Escape")
    e2e.wait_until(lambda: not [w for w in e2e.children(app.app) if w.name == title and showing(w)],
                   "the window to close")
    time.sleep(0.6)  # a click after this must not pair with an earlier one into a double-click


def sections(window):
    """The names of the window's sections, top to bottom."""
    return [n.name for n in e2e.find_all(window, role="panel") if n.name]


def section_texts(window, name):
    """The lines of text of section `name`."""
    section = e2e.find(window, role="panel", name=name)
    return [line for n in e2e.find_all(section, role="label") for line in n.name.split("\n")]


def read_table(window, caption):
    """The table named `caption`: its rows' and columns' names, its cells
    row by row joined by "|"; every cell must offer no action."""
    table = e2e.find(window, role="table", name=caption).queryTable()
    rows = [table.getRowDescription(r) for r in range(table.nRows)]
    columns = [table.getColumnDescription(c) for c in range(table.nColumns)]
    cells = []
    for r in range(table.nRows):
        line = []
        for c in range(table.nColumns):
            cell = table.getAccessibleAt(r, c)
            try:
                actions = cell.queryAction().nActions
            except NotImplementedError:
                actions = 0
            if actions:
                raise e2e.Failure(f"the cell {r},{c} of {caption!r} offers {actions} actions")
            line.append(cell.name)
        cells.append("|".join(line))
    return rows, columns, cells


def expect(what, seen, expected):
    if seen != expected:
        raise e2e.Failure(f"{what}: expected {expected!r}, read {seen!r}")


def graph_roots(window):
    """What the image "Gráfica" says of the roots: "corta el eje X en x = 2"."""
    graph = e2e.find(e2e.find(window, role="panel", name="Gráfica"), role="image", name="Gráfica")
    return graph.description.split("; ")[-1]


def check_road(window):
    """The whole work of 2x³ − 16, as the heading opens it."""
    expect("the sections", sections(window),
           ["Factor común", "Raíces enteras", "Segundo grado", "Raíces", "Factorización", "Gráfica"])
    expect("the common factor", section_texts(window, "Factor común"), [f"P(x) = 2(x³{MINUS}8)"])
    expect("the graph's roots", graph_roots(window), "corta el eje X en x = 2")
    trials = section_texts(window, "Raíces enteras")
    expect("the first trial", trials[0], f"x = {MINUS}1: resto {MINUS}9")
    rows, columns, cells = read_table(window, f"División entre (x{MINUS}2)")
    expect("the rows", rows, ["Dividendo", "Productos", "Cociente y resto"])
    expect("the columns", columns, ["Raíz", "x³", "x²", "x", "término independiente"])
    expect("the cells", cells, [f"|1|0|0|{MINUS}8", "2||2|4|8", "|1|2|4|0"])
    expect("the roots", section_texts(window, "Raíces"), ["x = 2", f"x = {MINUS}1{MINUS}√3i", f"x = {MINUS}1+√3i"])
    expect("the factorisation", section_texts(window, "Factorización"), [f"2(x{MINUS}2)(x²+2x+4)"])


# 2x³ − x² − 4x + 2 = (2x − 1)(x² − 2): no integer root, the rational 1/2,
# then x² − 2 = 0.
RATIONAL = ["2", "x", "shift+3", "KP_Subtract", "x", "shift+2", "KP_Subtract", "4", "x", "KP_Add", "2"]
# x³ − x − 1: no rational root; one real root and two complex ones.
APPROXIMATE = ["x", "shift+3", "KP_Subtract", "x", "KP_Subtract", "1"]


def check_rational(window):
    expect("the sections", sections(window),
           ["Raíces enteras", "Raíces racionales", "Segundo grado", "Raíces", "Factorización", "Gráfica"])
    rows, columns, cells = read_table(window, f"División entre (x{MINUS}1/2)")
    expect("the cells", cells, [f"|2|{MINUS}1|{MINUS}4|2", f"1/2||1|0|{MINUS}2", f"|2|0|{MINUS}4|0"])
    expect("the roots", section_texts(window, "Raíces"), [f"x = {MINUS}√2", "x = 1/2", "x = √2"])
    expect("the graph's roots", graph_roots(window), f"corta el eje X en x = {MINUS}√2, x = 1/2 y x = √2")


def check_approximate(window):
    expect("the sections", sections(window),
           ["Raíces enteras", "Raíces aproximadas", "Raíces", "Factorización", "Gráfica"])
    expect("the roots", section_texts(window, "Raíces"),
           ["x ≈ 1,324718", f"x ≈ {MINUS}0,662359{MINUS}0,562280i", f"x ≈ {MINUS}0,662359+0,562280i"])
    expect("the graph's roots", graph_roots(window), "corta el eje X en x ≈ 1,324718")


def zoom_grows(window, key):
    """`key` (Ctrl++ as the layout types it) makes the first table larger."""
    table = e2e.find(window, role="table")
    before = e2e.extents(table)
    e2e.keys(key)
    e2e.wait_until(lambda: e2e.extents(table)[2] > before[2], f"{key} to zoom the table", timeout=5)


def test():
    factorix = sys.argv[1]
    layout = sys.argv[2] if len(sys.argv) > 2 else "es"
    shot = sys.argv[3] if len(sys.argv) > 3 else None
    e2e.set_layout(layout)
    with e2e.App([factorix]) as app:
        type_polynomial(app, ROAD, "2x³+0x²+0x-16")
        wait_for_lines(app, [" (x-2) (+2x²+4x+8)"])
        expect("the heading's tool tip", pad(app, 0).description.split("\n")[0],
               "Doble clic: resolución paso a paso")

        window = open_with_key(app, 0, "Return")
        check_road(window)
        zoom_grows(window, "ctrl+plus" if layout == "es" else "ctrl+equal")
        e2e.keys("F1")
        e2e.wait_until(lambda: [w for w in e2e.children(app.app) if w.name == "Ayuda" and showing(w)],
                       "F1 to open «Ayuda»")
        close_with_escape(app, "Ayuda")
        close_with_escape(app)
        e2e.log("2x³-16: Return on the heading opened the whole work, Ctrl++ zoomed it, F1 opened the help, "
                "Escape closed both")

        double_click(pad(app, 1))
        window = dialog(app)
        expect("the first table", read_table(window, f"División entre (x{MINUS}2)")[2][0], f"|2|0|0|{MINUS}16")
        close_with_escape(app)
        window = open_with_key(app, 1, "KP_Enter")
        close_with_escape(app)
        e2e.log("2x³-16: a double-click and keypad Enter on the line opened its work")

        # The user rewrites the line to (x-3): it still opens the root 2.
        line = pad(app, 1)
        click(line)
        e2e.keys(*["BackSpace"] * 24, delay_ms=10)
        e2e.keys("ctrl+8", "x", "KP_Subtract", "3", "ctrl+9")
        e2e.wait_for_text(line, "(x-3)")
        e2e.keys("Return")
        window = dialog(app)
        expect("the edited line's table", read_table(window, f"División entre (x{MINUS}2)")[2][2],
               "|2|4|8|0")
        close_with_escape(app)
        e2e.log("a line rewritten to (x-3) opened the work of its root 2")

        # No integer root, so no line: the heading still opens the work.
        type_polynomial(app, RATIONAL, "2x³-x²-4x+2")
        wait_for_lines(app, [])
        window = open_with_key(app, 0, "Return")
        check_rational(window)
        if shot:
            time.sleep(0.5)
            screenshot(window, shot)
        close_with_escape(app)
        type_polynomial(app, APPROXIMATE, "x³-x-1")
        wait_for_lines(app, [])
        window = open_with_key(app, 0, "KP_Enter")
        check_approximate(window)
        close_with_escape(app)
        e2e.log("the heading opened exact roots (√2, 1/2) and approximate ones with a decimal comma")


if __name__ == "__main__":
    e2e.main(test)
