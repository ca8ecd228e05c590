"""The program in the user's language: started with each locale, its main
window's buttons, the exit question with Qt's own buttons and the worked
solution's sections read through AT-SPI in that language.

Usage (through run-x11.sh): test_language.py FACTORIX
"""

import sys

import e2e
from test_app import answer_box, clear, click
from test_solution import sections
from test_window import focused

# LANG; the pad's name, the window's buttons and arrows, the exit box's title,
# question and buttons (sorted) and its "No"; the results' heading; the
# worked solution's title and sections; the button that calculates, and the
# error box's title, message and button.
LANGUAGES = [
    ("ca_ES.UTF-8", "Polinomi", ["Ajuda", "Calcula", "Crèdits", "Surt", "Desplaça a l'esquerra", "Desplaça a la dreta"],
     "Surt", "Segur que voleu sortir?", ["No", "Sí"], "No", "Capçalera dels resultats",
     "Resolució pas a pas", ["Segon grau", "Arrels", "Factorització", "Gràfica"],
     ("Calcula", "Error", "S'ha produït un error. Reviseu el càlcul.", "D'acord")),
    ("gl_ES.UTF-8", "Polinomio", ["Axuda", "Calcular", "Créditos", "Saír", "Desprazar á esquerda", "Desprazar á dereita"],
     "Saír", "Seguro que quere saír?", ["Non", "Si"], "Non", "Cabeceira dos resultados",
     "Resolución paso a paso", ["Segundo grao", "Raíces", "Factorización", "Gráfica"],
     ("Calcular", "Erro", "Produciuse un erro. Revise o cálculo.", "Aceptar")),
    ("eu_ES.UTF-8", "Polinomioa", ["Irten", "Kalkulatu", "Kredituak", "Laguntza", "Korritu ezkerrera", "Korritu eskuinera"],
     "Irten", "Ziur irten nahi duzula?", ["Bai", "Ez"], "Ez", "Emaitzen goiburua",
     "Ebazpena urratsez urrats", ["Bigarren maila", "Erroak", "Faktorizazioa", "Grafikoa"],
     ("Kalkulatu", "Errorea", "Errore bat gertatu da. Berrikusi kalkulua.", "Ados")),
    ("en_US.UTF-8", "Polynomial", ["Calculate", "Credits", "Help", "Quit", "Scroll left", "Scroll right"],
     "Quit", "Are you sure you want to quit?", ["No", "Yes"], "No", "Results heading",
     "Step-by-step solution", ["Quadratic", "Roots", "Factorization", "Graph"],
     ("Calculate", "Error", "An error occurred. Check the calculation.", "OK")),
    ("es_ES.UTF-8", "Polinomio", ["Ayuda", "Calcular", "Créditos", "Salir", "Desplazar a la izquierda", "Desplazar a la derecha"],
     "Salir", "¿Está seguro de querer salir?", ["No", "Sí"], "No", "Encabezado de los resultados",
     "Resolución paso a paso", ["Segundo grado", "Raíces", "Factorización", "Gráfica"],
     ("Calcular", "Error", "Se produjo un error. Revise el cálculo.", "Aceptar")),
]


def expect(what, seen, expected):
    if seen != expected:
        raise e2e.Failure(f"{what}: expected {expected!r}, read {seen!r}")


def check(factorix, lang, pad_name, buttons, quit_title, question, box_buttons, no, heading_name, work, names, error):
    with e2e.App([factorix], env={"LANG": lang}) as app:
        window = app.window("Factorix")
        expect("the buttons", sorted(b.name for b in e2e.find_all(window, role="push button")), sorted(buttons))

        click(e2e.find(window, role="push button", name=quit_title))
        expect("the exit box's buttons", answer_box(app, quit_title, question, no), box_buttons)

        # x²−1 in the box; Return on the heading shows its whole solution.
        pad = e2e.find(app.app, role="text", name=pad_name)
        app.focus()
        clear(pad)
        e2e.keys("x", "shift+2", "KP_Subtract", "1")
        e2e.wait_for_text(pad, "x²-1")
        heading = e2e.find(app.app, role="text", name=heading_name)
        click(heading)
        e2e.wait_until(lambda: focused(heading), "the heading to take the focus")
        e2e.keys("Return")
        solution = app.window(work)
        expect("the worked solution's sections", sections(solution), names)
        close_with_escape_titled(app, work)

        # 2x²+3x has no constant term: the error box.
        app.focus()
        clear(pad)
        e2e.keys("2", "x", "shift+2", "KP_Add", "3", "x")
        e2e.wait_for_text(pad, "2x²+3x")
        calculate, error_title, message, ok = error
        click(e2e.find(window, role="push button", name=calculate))
        expect("the error box's buttons", answer_box(app, error_title, message, ok), [ok])
        e2e.log(f"{lang}: the buttons, the exit box, the worked solution and the error box in its language")


def x_window(app, title):
    """The program's visible X window named `title` (compared whole: xdotool's
    own search reads accented titles byte by byte)."""
    for window_id in e2e.run("xdotool", "search", "--onlyvisible", "--pid", str(app.pid)).split():
        if e2e.run("xdotool", "getwindowname", window_id).strip() == title:
            return window_id
    return None


def close_with_escape_titled(app, title):
    window_id = e2e.wait_until(lambda: x_window(app, title), f"{title!r} on the X server")
    e2e.run("xdotool", "windowfocus", "--sync", window_id)
    e2e.keys("Escape")
    e2e.gone(app.app, name=title)


def test():
    factorix = sys.argv[1]
    e2e.set_layout("us")
    for row in LANGUAGES:
        check(factorix, *row)


if __name__ == "__main__":
    e2e.main(test)
