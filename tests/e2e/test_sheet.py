"""«Hoja de ejercicios» from end to end: Ctrl+E in the main window opens it,
its preview reads through AT-SPI, Escape closes it; `factorix --hoja`
opens it alone.

Usage (through run-x11.sh): test_sheet.py FACTORIX
"""

import sys

import e2e
from test_app import showing

TITLE = "Hoja de ejercicios"


def sheet_window(app):
    return e2e.wait_until(
        lambda: next((w for w in e2e.children(app.app) if w.name == TITLE and showing(w)), None),
        "«Hoja de ejercicios»")


def check_preview(window):
    preview = e2e.find(window, name="Vista previa")
    text = e2e.text_of(preview)
    if "P(x) = " not in text or "semilla" not in text:
        raise e2e.Failure(f"the preview reads {text!r}")


def test():
    factorix = sys.argv[1]
    e2e.set_layout("es")
    with e2e.App([factorix]) as app:
        app.focus()
        e2e.keys("ctrl+e")
        window = sheet_window(app)
        check_preview(window)
        e2e.keys("Escape")
        e2e.wait_until(lambda: not [w for w in e2e.children(app.app) if w.name == TITLE and showing(w)],
                       "the sheet to close")
        e2e.log("Ctrl+E opened «Hoja de ejercicios» with its preview; Escape closed it")
    with e2e.App([factorix, "--hoja"]) as app:
        check_preview(sheet_window(app))
        e2e.log("factorix --hoja opened «Hoja de ejercicios» alone")


if __name__ == "__main__":
    e2e.main(test)
