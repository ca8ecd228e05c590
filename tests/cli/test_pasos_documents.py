"""factorix --pasos as a document: --formato and --salida, run without a display.

Usage: test_pasos_documents.py FACTORIX
"""
import json
import os
import re
import subprocess
import sys
import tempfile

FACTORIX = sys.argv[1]
ENV = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
ENV["LC_ALL"] = "C.UTF-8"
failures = []


def run(*args, cwd=None):
    return subprocess.run([FACTORIX, *args], capture_output=True, text=True, env=ENV, timeout=120, cwd=cwd)


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what)


def in_order(tokens, wanted, start):
    """Index of wanted[0] when all of `wanted` follow in order from `start`, else None."""
    at, first = start, None
    for w in wanted:
        while at < len(tokens) and tokens[at] != w:
            at += 1
        if at == len(tokens):
            return None
        first = at if first is None else first
        at += 1
    return first


# Every Ruffini table's rows in order, table after table, and the
# factorisation, in the PDF's text; the LaTeX compiles; HTML has tables.
# Numbers wider than the page stay whole, and so does each factor.
POLYNOMIALS = ["2x^3-16", "12x^4+4x^3-3x^2-x", "x^4-5x^2+6", "x^3-x-1", "-3x^5+3x^3",
               "(x-1)(x-2)(x-3)(x-4)(x-5)(x-6)(x-7)(x-8)(x-9)(x-10)(x-11)(x-12)", "(x-10^80)(x+3)(x-1)^2"]
BIG = 10 ** 80
EXPANDED = {POLYNOMIALS[-2]: "x^12-78x^11+2717x^10-55770x^9+749463x^8-6926634x^7+44990231x^6"
                             "-206070150x^5+657206836x^4-1414014888x^3+1931559552x^2-1486442880x+479001600",
            POLYNOMIALS[-1]: f"x^4{1 - BIG:+}x^3{-5 - BIG:+}x^2{3 + 5 * BIG:+}x{-3 * BIG:+}"}
NUMBER = r"-?\d+(?:/\d+)?"
DIGIT_PAIRS = {a + b for a in "0123456789" for b in "0123456789"}
with tempfile.TemporaryDirectory() as folder:
    for text in POLYNOMIALS:
        text = EXPANDED.get(text, text)
        steps = json.loads(run("--pasos", text, "--json").stdout)
        pdf = os.path.join(folder, "pasos.pdf")
        r = run("--pasos", text, "--salida", pdf)
        check(r.returncode == 0 and r.stderr == "", f"{text}: PDF {r.returncode} {r.stderr!r}")
        shown = subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True, text=True).stdout
        tokens = re.findall(NUMBER, shown)
        start = 0
        for step in (s for s in steps["pasos"] if s["tipo"] == "ruffini"):
            first = in_order(tokens, step["dividendo"], start)
            rows = [[step["raiz"]] + step["productos"], step["cociente"] + [step["resto"]]]
            check(first is not None and all(in_order(tokens, row, first) is not None for row in rows),
                  f"{text}: table by {step['raiz']} not in the PDF in order")
            start = (first or 0) + 1
        # Its line may break between factors, never within a number.
        factorisation = re.sub(r"\s", "", steps["factorizacion"])
        broken = "".join(re.escape(c) + ("" if c + n in DIGIT_PAIRS else r"\s*")
                         for c, n in zip(factorisation, factorisation[1:] + " "))
        check(re.search(broken, shown), f"{text}: factorisation {steps['factorizacion']} not in the PDF")

        r = run("--pasos", text, "--salida", os.path.join(folder, "pasos.tex"))
        latex = subprocess.run(["pdflatex", "-halt-on-error", "-interaction=nonstopmode", "pasos.tex"],
                               capture_output=True, text=True, cwd=folder)
        check(r.returncode == 0 and latex.returncode == 0, f"{text}: LaTeX {r.stderr!r} {latex.stdout[-800:]}")
        typeset = subprocess.run(["pdftotext", os.path.join(folder, "pasos.pdf"), "-"],
                                 capture_output=True, text=True).stdout
        check(not set("¡¿—") & set(typeset), f"{text}: LaTeX prints <, > or | as other characters")

        r = run("--pasos", text, "--formato", "html")
        check(r.returncode == 0 and r.stdout.startswith("<!DOCTYPE html>") and "<sup>" in r.stdout
              and ("<table" in r.stdout) == any(s["tipo"] == "ruffini" for s in steps["pasos"]),
              f"{text}: HTML {r.returncode}")

# The text and the JSON are those of --pasos and --json.
for form, same in (("texto", ()), ("json", ("--json",))):
    r, plain = run("--pasos", "x^3-8", "--formato", form), run("--pasos", "x^3-8", *same)
    check(r.returncode == 0 and r.stdout == plain.stdout, f"--formato {form}: {r.stdout!r}")

# Usage errors (2), and failures (1) that write nothing.
with tempfile.TemporaryDirectory() as folder:
    CASES = [
        (("--pasos", "x^2-1", "--formato", "pdf"), 2, "indique --salida"),
        (("--pasos", "x^2-1", "--formato", "word"), 2, "--formato es"),
        (("--pasos", "x^2-1", "--salida", os.path.join(folder, "a.doc")), 2, "indique --formato"),
        (("--pasos", "-", "--formato", "html"), 2, "un solo TEXTO"),
        (("--pasos", "x^2-1", "--json", "--formato", "html"), 2, "--json"),
        (("--pasos", "hola", "--formato", "html"), 1, "no es un polinomio"),
        (("--pasos", "x^401-1", "--salida", os.path.join(folder, "a.pdf")), 1, "Revise el cálculo"),
        (("--pasos", "x^2-1", "--salida", os.path.join(folder, "no", "a.pdf")), 1, "no se pudo escribir"),
    ]
    for args, status, message in CASES:
        r = run(*args)
        check(r.returncode == status and message in r.stderr and r.stdout == "", f"{args}: {r.returncode} {r.stderr!r}")
    check(os.listdir(folder) == [], f"files left: {os.listdir(folder)}")

print("FAILED" if failures else "OK", len(failures))
sys.exit(1 if failures else 0)
