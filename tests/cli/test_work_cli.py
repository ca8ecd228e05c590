"""factorix --factorizar and --ruffini, run without a display.

The factorisations are checked against PARI/GP's, an independent
factorisation over the integers, on the examples of the help and on random
products of planted factors.

Usage: test_work_cli.py FACTORIX
"""
import os
import random
import re
import subprocess
import sys

FACTORIX = sys.argv[1]
SUPERSCRIPTS = str.maketrans("⁰¹²³⁴⁵⁶⁷⁸⁹", "0123456789")
failures = []


def run(*args):
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
    env["QT_QPA_PLATFORM"] = "xcb"  # fails at once if a window were opened
    return subprocess.run([FACTORIX, *args], capture_output=True, text=True, env=env, timeout=60)


def gp(script):
    r = subprocess.run(["gp", "-q", "-f", "--default", "parisize=64000000"], input=script,
                       capture_output=True, text=True, timeout=120)
    return r.stdout.split("\n")


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what)


def multiply(a, b):
    """Product of coefficient lists, lowest power first."""
    out = [0] * (len(a) + len(b) - 1)
    for i, u in enumerate(a):
        for j, v in enumerate(b):
            out[i + j] += u * v
    return out


def pad_text(coeffs):
    """The formula text the pad stores, every power written, highest first."""
    terms = []
    for power in range(len(coeffs) - 1, -1, -1):
        c = coeffs[power]
        sign = "-" if c < 0 else "+"
        raised = "".join("e" + d for d in str(power)) if power > 1 else ""
        terms.append(f"{sign}{abs(c)}" + ("" if power == 0 else "x" + raised))
    text = "".join(terms)
    return text[1:] if text.startswith("+") else text


def gp_expression(written):
    """Our written polynomial or factorisation as a GP expression."""
    s = re.sub(r"([⁰¹²³⁴⁵⁶⁷⁸⁹]+)", lambda m: "^" + m.group(1).translate(SUPERSCRIPTS), written)
    s = re.sub(r"(\d|\)|x)(?=[x(])", r"\1*", s)
    s = re.sub(r"\)(?=\d)", ")*", s)
    return re.sub(r"^-(?=[x(])", "-1*", s)


def our_factors(written):
    """(factor as GP expression, multiplicity) for every factor written."""
    if "(" not in written and not re.fullmatch(r"-?\d*x[⁰¹²³⁴⁵⁶⁷⁸⁹]*", written):
        return [(gp_expression(written), 1)]
    found = [(gp_expression(f), int(m.translate(SUPERSCRIPTS) or 1))
             for f, m in re.findall(r"\(([^()]*)\)([⁰¹²³⁴⁵⁶⁷⁸⁹]*)", written)]
    outside = re.sub(r"\([^()]*\)[⁰¹²³⁴⁵⁶⁷⁸⁹]*", "", written)
    for m in re.findall(r"x([⁰¹²³⁴⁵⁶⁷⁸⁹]*)", outside):
        found.append(("x", int(m.translate(SUPERSCRIPTS) or 1)))
    return found


# The examples of the help, exactly as written.
EXAMPLES = [
    ("2xe3+0xe2+0x-16", "2(x-2)(x²+2x+4)"),
    ("1xe3-3xe2+3x-1", "(x-1)³"),
    ("6xe3+11xe2+6x+1", "(x+1)(2x+1)(3x+1)"),
    ("-2xe2+0x+8", "-2(x+2)(x-2)"),
    ("3xe4-6xe3-9xe2+0x+0", "3x²(x+1)(x-3)"),
    ("4xe2-4x+1", "(2x-1)²"),
    ("1xe2+0x+1", "x²+1"),
]
for text, expected in EXAMPLES:
    r = run("--factorizar", text)
    check(r.returncode == 0 and r.stdout == expected + "\n", f"--factorizar {text}: {r.returncode} {r.stdout!r}")

# Random products of planted factors against PARI/GP: the written product
# multiplies back, and its factors are GP's, each primitive, each with its
# multiplicity.
rng = random.Random(20261208)
for _ in range(40):
    coeffs = [rng.choice([1, -1]) * rng.randint(1, 30)]
    for _ in range(rng.randint(0, 4)):
        coeffs = multiply(coeffs, [-rng.randint(-12, 12), 1])
    for _ in range(rng.randint(0, 3)):
        degree = rng.randint(1, 4)
        coeffs = multiply(coeffs, [rng.randint(-9, 9) for _ in range(degree)] + [rng.randint(1, 5)])
    if len(coeffs) < 2:
        continue
    text = pad_text(coeffs)
    r = run("--factorizar", text)
    if r.returncode != 0:
        check(False, f"--factorizar {text}: status {r.returncode} {r.stderr!r}")
        continue
    written = r.stdout.strip()
    poly = "+".join(f"({c})*x^{k}" for k, c in enumerate(coeffs))
    ours = our_factors(written)
    script = (f"P = {poly};\nprint(P == {gp_expression(written)});\n"
              "F = factor(P); print(vecsort(vector(#F~, i, [Vec(F[i,1]), F[i,2]])));\n"
              f"print(vecsort([{', '.join(f'[Vec({f}), {m}]' for f, m in ours)}]));\n")
    out = gp(script)
    check(out[0] == "1", f"{text}: {written} does not multiply back")
    check(len(out) > 2 and out[1] == out[2], f"{text}: {written} is not GP's factorisation {out[1:3]}")

# --ruffini: the tables of the first root, then the factorisation.
r = run("--ruffini", "2xe3+0xe2+0x-16")
check(r.returncode == 0, "--ruffini exit status")
check(r.stdout.startswith("P(x) = 2x³-16\n"), f"--ruffini heading {r.stdout!r}")
check(" 2 |     4  8    16\n" in r.stdout or "2 |     4  8    16\n" in r.stdout, "--ruffini table")
check("Cociente: 2x²+4x+8\nResto: 0\n" in r.stdout, "--ruffini quotient")
check(r.stdout.endswith("Factorización: 2(x-2)(x²+2x+4)\n"), "--ruffini factorisation")

# A text that is no sum of terms: the usage message, status 1; no text at
# all is the command line's own usage error, status 2.
for args in (["--factorizar", "1xe2+0x+a-1"], ["--ruffini", "2*x-4"]):
    r = run(*args)
    check(r.returncode == 1 and "no es una suma de términos" in r.stderr and "--help" in r.stderr
          and r.stdout == "", f"{args}: {r.returncode} {r.stderr!r}")
r = run("--factorizar")
check(r.returncode == 2 and r.stdout == "", f"--factorizar alone: {r.returncode}")

# The pad's own encoding with --texto, and one text per line of standard input.
r = run("--factorizar", "2x³-16", "--texto")
check(r.returncode == 0 and r.stdout == "2(x-2)(xe2+2x+4)\n", f"--texto: {r.stdout!r}")
env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
r = subprocess.run([FACTORIX, "--factorizar", "-"], input="1xe2-1\n1xe2+1\n", capture_output=True, text=True,
                   env=env, timeout=60)
check(r.returncode == 0 and r.stdout == "(x+1)(x-1)\n\nx²+1\n\n", f"standard input: {r.stdout!r}")

# Too large to show: error 6's message, status 1, quickly.
# A power beyond what the reader takes is still a sum of terms: the same.
for text in ("1xe4e0e1-1", "1xe1e0e0e0e0e0e0-1xe1e0e0e0e0e0e0+12-12"):
    for command in ("--factorizar", "--ruffini"):
        r = run(command, text)
        check(r.returncode == 1 and r.stderr.strip() == "Se produjo un error. Revise el cálculo.",
              f"too large: {command} {text}: {r}")

print("FAILED" if failures else "OK", len(failures))
sys.exit(1 if failures else 0)
