"""Pasting and copying in the window: Ctrl+V and Shift+Insert put the
clipboard's polynomial, written as people write it, into a pad in the pad's
own form; a clipboard without a polynomial gets a message and changes
nothing; Ctrl+Insert copies a pad as it is seen; «Copiar» in «Resolución
paso a paso» offers the work as plain text and as HTML. The clipboard is set and
read with xclip, the pads through AT-SPI.

Usage (through run-x11.sh): test_clipboard.py FACTORIX
"""

import subprocess
import sys

import e2e

NO_POLYNOMIAL = "El portapapeles no contiene un polinomio en x."


def set_clipboard(text):
    """Makes xclip own the clipboard with `text`; it serves it from the
    background until another program takes the clipboard."""
    subprocess.run(["xclip", "-selection", "clipboard", "-i"], input=text.encode("utf-8"),
                   check=True, timeout=10)


def clipboard():
    done = subprocess.run(["xclip", "-selection", "clipboard", "-o"], capture_output=True, timeout=10)
    return done.stdout.decode("utf-8") if done.returncode == 0 else None


def expect_clipboard(text):
    e2e.wait_until(lambda: clipboard() == text, f"the clipboard to hold {text!r} (it holds {clipboard()!r})")


def targets():
    done = subprocess.run(["xclip", "-selection", "clipboard", "-t", "TARGETS", "-o"], capture_output=True, timeout=10)
    return done.stdout.decode("utf-8").split() if done.returncode == 0 else []


def click(accessible):
    e2e.run("xdotool", "mousemove", "1023", "767")
    e2e.click(accessible)


def test():
    factorix = sys.argv[1]
    e2e.set_layout("es")
    with e2e.App([factorix]) as app:
        pad = e2e.find(app.app, role="text", name="Polinomio")
        app.focus()
        click(pad)
        e2e.wait_for_text(pad, "")

        set_clipboard("x^3 - 8")
        e2e.keys("ctrl+v")
        e2e.wait_for_text(pad, "1x³+0x²+0x-8")
        e2e.log("Ctrl+V of 'x^3 - 8' gives 1x³+0x²+0x-8")

        set_clipboard("hola")
        e2e.keys("ctrl+v")
        box = app.window("Pegar")
        e2e.find(box, role="label", name=NO_POLYNOMIAL)
        click(e2e.find(box, role="push button", name="Aceptar"))
        e2e.gone(app.app, role="label", name=NO_POLYNOMIAL)
        e2e.wait_for_text(pad, "1x³+0x²+0x-8")
        e2e.log("a clipboard holding 'hola' gives the message and leaves the pad")

        set_clipboard("6 + 11x + 6x^2 + x^3 = 0")
        click(pad)
        e2e.keys("shift+Insert")
        e2e.wait_for_text(pad, "1x³+6x²+11x+6")
        e2e.keys("ctrl+Insert")
        expect_clipboard("1x³+6x²+11x+6")
        e2e.log("Shift+Insert pastes, Ctrl+Insert copies the pad as seen")

        click(e2e.find(app.app, role="push button", name="Calcular"))
        line = e2e.find(app.app, role="text", name="Resultado 1")
        e2e.wait_for_text(line, " (x+1) (+1x²+5x+6)")
        click(line)
        e2e.keys("ctrl+Insert")
        expect_clipboard("(x+1) (+1x²+5x+6)")
        e2e.log("Ctrl+Insert copies a result line without its leading blank")

        heading = e2e.find(app.app, role="text", name="Encabezado de los resultados")
        click(heading)
        e2e.keys("Return")
        window = e2e.wait_until(
            lambda: next((w for w in e2e.children(app.app) if w.name == "Resolución paso a paso"), None),
            "«Resolución paso a paso»")
        click(e2e.find(window, role="push button", name="Copiar"))
        e2e.wait_until(lambda: {"text/plain", "text/html"} <= set(targets()),
                       f"text/plain and text/html on the clipboard (it offers {targets()})")
        html = subprocess.run(["xclip", "-selection", "clipboard", "-t", "text/html", "-o"],
                              capture_output=True, timeout=10).stdout.decode("utf-8")
        e2e.wait_until(lambda: clipboard().startswith("P(x) = x³+6x²+11x+6"), f"the plain text (it holds {clipboard()!r})")
        if "<table" not in html or "<sup>3</sup>" not in html:
            raise AssertionError(f"the HTML has no table or raised exponent: {html[:300]!r}")
        e2e.log("«Copiar» offers the work as text/plain and text/html")


if __name__ == "__main__":
    e2e.main(test)
