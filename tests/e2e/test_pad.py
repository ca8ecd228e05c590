"""A formula pad typed into under the Spanish and the US layouts, read back
through AT-SPI, and its key help opened from the right-click menu.

Usage (through run-x11.sh): test_pad.py PADHOST
"""

import sys

import e2e

PAD_NAME = "Escriba aquí un polinomio"
# 2x³ + 0x² − 16 as typed: Shift+digit raises, keypad + and − are the operators.
KEYS = ["2", "x", "shift+3", "KP_Add", "0", "x", "shift+2", "KP_Subtract", "1", "6"]
DRAWN = "2x³+0x²-16"


def clear(pad):
    e2e.keys(*["BackSpace"] * 16)
    e2e.wait_for_text(pad, "")


def test():
    padhost = sys.argv[1]
    e2e.set_layout("es")
    with e2e.App([padhost]) as app:
        pad = e2e.find(app.app, role="text", name=PAD_NAME)
        app.focus()

        e2e.keys(*KEYS)
        e2e.wait_for_text(pad, DRAWN)
        e2e.log("es: typed " + DRAWN)

        # The same keys on a US keyboard, switched while the program runs.
        clear(pad)
        e2e.set_layout("us")
        e2e.keys(*KEYS)
        e2e.wait_for_text(pad, DRAWN)
        e2e.log("us: typed " + DRAWN)

        # Right click, "Modo de utilización", the key help, "Aceptar".
        with e2e.Events("object:state-changed:showing") as events:
            e2e.click(pad, button=3, at=(20, 10))
            menu = events.wait_for("object:state-changed:showing", role="popup menu", detail1=1)
        entries = e2e.find_all(menu, role="menu item")
        if [entry.name for entry in entries] != ["Modo de utilización"]:
            raise e2e.Failure(f"the menu offers {[entry.name for entry in entries]}")
        e2e.click(entries[0])
        heading = e2e.find(app.app, role="label", name="Símbolos permitidos:")
        e2e.find(app.app, role="label", name="Raíces (pulsar \"r\" para iniciarla y \"R\" para finalizarla)")
        dialog = heading.parent
        x, y, width, height = e2e.extents(dialog)
        if abs(x + width / 2 - 512) > 2 or abs(y + height / 2 - 384) > 2:
            raise e2e.Failure(f"the key help is not centred: {x},{y} {width}x{height}")
        ok = e2e.find(app.app, role="push button", name="Aceptar")
        e2e.click(ok)
        e2e.gone(app.app, role="label", name="Símbolos permitidos:")
        e2e.log("key help opened and closed")

        # The pad still takes keys after the modal window has gone, and
        # tells screen readers what it inserted.
        app.focus()
        with e2e.Events("object:text-changed") as events:
            e2e.keys("KP_Add", "1")
            e2e.wait_for_text(pad, DRAWN + "+1")
            events.wait_for("object:text-changed:insert", role="text", name=PAD_NAME)
        if not app.alive():
            raise e2e.Failure("the pad host ended")


if __name__ == "__main__":
    e2e.main(test)
