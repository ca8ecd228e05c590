"""factorix --pasos, as text and as JSON, run without a display.

Usage: test_pasos_cli.py FACTORIX
"""
import json
import os
import subprocess
import sys

FACTORIX = sys.argv[1]
ENV = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
ENV["QT_QPA_PLATFORM"] = "xcb"  # fails at once if a window were opened
failures = []


def run(*args, stdin=None):
    return subprocess.run([FACTORIX, *args], input=stdin, capture_output=True, text=True, env=ENV, timeout=60)


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what)


# The whole object for 2x³ - 16.
r = run("--pasos", "2x^3-16", "--json")
check(r.returncode == 0 and r.stdout.count("\n") == 1, f"one line: {r.returncode} {r.stdout!r}")
check(json.loads(r.stdout) == {
    "polinomio": "2x³-16", "factor_comun": "2", "potencia_x": 0,
    "pasos": [
        {"tipo": "ensayos", "polinomio": "x³-8", "candidatos": ["-1", "1", "-2", "2"],
         "restos": ["-9", "-7", "-16", "0"], "mas": 0},
        {"tipo": "ruffini", "raiz": "2", "dividendo": ["1", "0", "0", "-8"], "productos": ["2", "4", "8"],
         "cociente": ["1", "2", "4"], "resto": "0"},
        {"tipo": "segundo_grado", "polinomio": "x²+2x+4", "discriminante": "-12"}],
    "raices": [
        {"valor": "2", "re": "2", "im": "0", "multiplicidad": 1, "exacta": True},
        {"valor": "-1-√3i", "re": "-1", "im": "-1.732050808", "multiplicidad": 1, "exacta": True},
        {"valor": "-1+√3i", "re": "-1", "im": "1.732050808", "multiplicidad": 1, "exacta": True}],
    "factorizacion": "2(x-2)(x²+2x+4)"}, f"2x³-16: {r.stdout}")

# Common factor with x, rational roots, a biquadratic, approximations: the
# step types in order and every root with its multiplicity.
CASES = [
    ("12x^4+4x^3-3x^2-x", "1", 1, ["ensayos", "ensayos", "ruffini", "segundo_grado"],
     [("-1/2", 1), ("-1/3", 1), ("0", 1), ("1/2", 1)]),
    ("x^4-5x^2+6", "1", 0, ["ensayos", "bicuadrada"], [("-√3", 1), ("-√2", 1), ("√2", 1), ("√3", 1)]),
    ("-3x^5+3x^3", "-3", 3, ["segundo_grado"], [("-1", 1), ("0", 3), ("1", 1)]),
    ("x^3-x-1", "1", 0, ["ensayos", "aproximadas"],
     [("1.324718", 1), ("-0.662359-0.562280i", 1), ("-0.662359+0.562280i", 1)]),
]
for text, content, power, steps, roots in CASES:
    r = run("--pasos", text, "--json")
    if r.returncode != 0:
        check(False, f"{text}: status {r.returncode} {r.stderr!r}")
        continue
    s = json.loads(r.stdout)
    check((s["factor_comun"], s["potencia_x"]) == (content, power), f"{text}: common factor {s}")
    check([p["tipo"] for p in s["pasos"]] == steps, f"{text}: steps {s['pasos']}")
    check([(x["valor"], x["multiplicidad"]) for x in s["raices"]] == roots, f"{text}: roots {s['raices']}")

# The text: the same work for people, with a decimal comma, ending with the
# roots and the factorisation.
r = run("--pasos", "x^3-x-1")
check(r.returncode == 0 and "x ≈ 1,324718" in r.stdout, f"text: {r.stdout!r}")
check(r.stdout.endswith("Raíces: x ≈ 1,324718, x ≈ -0,662359-0,562280i, x ≈ -0,662359+0,562280i\n"
                        "Factorización: x³-x-1\n"), f"text ends: {r.stdout!r}")

# Standard input: one JSON line per line of input, whatever each gives,
# texts that are no polynomial at all included.
r = run("--pasos", "-", "--json", stdin='x^2-2\n2*x\nx^401-1\nhola\nx"\n')
lines = r.stdout.splitlines()
check(r.returncode == 1 and len(lines) == 5, f"standard input: {r.returncode} {r.stdout!r}")
if len(lines) == 5:
    check(json.loads(lines[0])["raices"][1]["valor"] == "√2", f"line 1: {lines[0]}")
    for line, error, needle in ((lines[1], None, "suma de términos"), (lines[2], 6, "error"),
                                (lines[3], None, "«h» (carácter 1)"), (lines[4], None, '«"» (carácter 2)')):
        answer = json.loads(line)
        check(answer["error"] == error and needle in answer["mensaje"], f"{line}")

# Not a sum of terms: the program's message, status 1. Past the bounds:
# error 6's message. --json with another command: a usage error.
r = run("--pasos", "2*x-4")
check(r.returncode == 1 and "no es una suma de términos" in r.stderr and r.stdout == "", f"2*x-4: {r}")
r = run("--pasos", "x^401-1")
check(r.returncode == 1 and r.stderr.strip() == "Se produjo un error. Revise el cálculo.", f"degree 401: {r}")
r = run("--calcular", "x^2-1", "--json")
check(r.returncode == 2, f"--calcular --json: {r.returncode}")

print("FAILED" if failures else "OK", len(failures))
sys.exit(1 if failures else 0)
