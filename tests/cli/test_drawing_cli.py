"""--ejercicios and --grafica from the outside: the real program without a
display. Sheets keep their promises (degree, range, integer roots, no
polynomial twice, factorisations that multiply back, the same sheet for the
same seed, every polynomial in the PDF); graphs name every real root and
mark it where it lies; bad options end with status 2.

Usage: test_drawing_cli.py FACTORIX
"""

import json
import math
import os
import re
import subprocess
import sys
import tempfile
import time
import unittest
from fractions import Fraction

FACTORIX = None
MINUS = "\u2212"


def run(args, timeout=60):
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    env["LC_ALL"] = "C.UTF-8"
    done = subprocess.run([FACTORIX] + args, capture_output=True, env=env, timeout=timeout, check=False)
    return done.stdout.decode("utf-8"), done.stderr.decode("utf-8"), done.returncode


def expand(factors):
    """The coefficients, highest power first, of the product of `factors`."""
    product = [Fraction(1)]
    for factor in factors:
        out = [Fraction(0)] * (len(product) + len(factor) - 1)
        for i, a in enumerate(product):
            for j, b in enumerate(factor):
                out[i + j] += a * b
        product = out
    return product


def parse_factorization(text):
    """'-3x(x+1)²(2x-1)' -> (content, [factor coefficients highest first, ...])."""
    superscripts = str.maketrans("⁰¹²³⁴⁵⁶⁷⁸⁹", "0123456789")
    def polynomial(body):
        coefficients = {}
        for sign, number, x, power in re.findall(r"([+-]?)(\d*)(x?)([⁰¹²³⁴⁵⁶⁷⁸⁹]*)", body):
            if not (number or x):
                continue
            value = int(number or "1") * (-1 if sign == "-" else 1)
            degree = int(power.translate(superscripts) or "1") if x else 0
            coefficients[degree] = coefficients.get(degree, 0) + value
        top = max(coefficients)
        return [Fraction(coefficients.get(d, 0)) for d in range(top, -1, -1)]
    match = re.match(r"^(-?\d*)", text)
    content = match.group(1)
    rest = text[len(content):]
    factors = []
    for inner, x, power in re.findall(r"(?:\(([^()]*)\)|(x))([⁰¹²³⁴⁵⁶⁷⁸⁹]*)", rest):
        factors += [polynomial(inner or "x")] * int(power.translate(superscripts) or "1")
    if content in ("", "-"):
        content += "1"
    return int(content), factors


def sheet(args):
    out, err, status = run(["--formato", "json"] + args)
    assert status == 0, err
    return json.loads(out)


class Sheets(unittest.TestCase):
    # options, degree, lowest, highest
    CASES = [
        (["--ejercicios", "25", "--semilla", "1"], 3, -6, 6),
        (["--ejercicios", "200", "--grado", "8", "--semilla", "2"], 8, -6, 6),
        (["--ejercicios", "30", "--grado", "2", "--raices=-3..9", "--semilla", "18446744073709551615"], 2, -3, 9),
        (["--ejercicios", "12", "--grado", "5", "--raices", "0..4", "--semilla", "4"], 5, 0, 4),
    ]

    def test_promises(self):
        for args, degree, lowest, highest in self.CASES:
            with self.subTest(args=args):
                data = sheet(args)
                self.assertEqual(data["semilla"], int(args[args.index("--semilla") + 1]))
                exercises = data["ejercicios"]
                self.assertEqual(len(exercises), int(args[1]))
                self.assertEqual(len({tuple(e["coeficientes"]) for e in exercises}), len(exercises))
                for e in exercises:
                    coefficients = [Fraction(c) for c in e["coeficientes"]]
                    self.assertEqual(len(coefficients), degree + 1)
                    self.assertEqual(len(e["raices"]), degree)
                    self.assertTrue(all(isinstance(r, int) and lowest <= r <= highest for r in e["raices"]), e)
                    lead = coefficients[0]
                    self.assertEqual(expand([[lead]] + [[1, -r] for r in e["raices"]]), coefficients)
                    content, factors = parse_factorization(e["factorizacion"])
                    self.assertEqual(expand([[content]] + factors), coefficients, e["factorizacion"])
                self.assertEqual(sheet(args), data, "the same seed gives the same sheet")

    def test_rational_and_complex_roots(self):
        data = sheet(["--ejercicios", "30", "--grado", "5", "--racionales", "--complejas", "--semilla", "8"])
        for e in data["ejercicios"]:
            real = [Fraction(r) for r in e["raices"] if isinstance(r, int) or "i" not in r]
            self.assertTrue(any(r.denominator == 1 for r in real))
            self.assertTrue(any(r.denominator > 1 for r in real))
            self.assertTrue(all(r.denominator <= 4 and -6 <= r <= 6 for r in real))
            self.assertEqual(len(real), 3)
            content, factors = parse_factorization(e["factorizacion"])
            self.assertEqual(expand([[content]] + factors), [Fraction(c) for c in e["coeficientes"]])

    def test_every_format_and_the_pdf(self):
        with tempfile.TemporaryDirectory() as folder:
            # Degree 8 with fractions: the longest polynomials, which must not wrap.
            args = ["--ejercicios", "40", "--grado", "8", "--racionales", "--semilla", "3", "--con-pasos"]
            for name in ("hoja.pdf", "hoja.tex", "hoja.html", "hoja.txt", "hoja.json"):
                out, err, status = run(args + ["--salida", os.path.join(folder, name)])
                self.assertEqual((out, err, status), ("", "", 0), name)
            text = subprocess.run(["pdftotext", os.path.join(folder, "hoja.pdf"), "-"],
                                  capture_output=True, check=True).stdout.decode("utf-8")
            for e in json.load(open(os.path.join(folder, "hoja.json"), encoding="utf-8"))["ejercicios"]:
                self.assertIn(e["polinomio"], text)
            subprocess.run(["pdflatex", "-halt-on-error", "-interaction=nonstopmode", "hoja.tex"],
                           cwd=folder, capture_output=True, check=True, timeout=120)

    def test_largest_sheet_with_worked_solutions_is_quick(self):
        started = time.monotonic()
        out, err, status = run(["--ejercicios", "200", "--grado", "8", "--con-pasos", "--semilla", "5"])
        self.assertEqual(status, 0, err)
        self.assertLess(time.monotonic() - started, 20)  # 5 s on an idle machine; this catches a hang

    def test_bad_options(self):
        for args in (["--ejercicios", "0"], ["--ejercicios", "201"], ["--ejercicios", "diez"],
                     ["--ejercicios", "5", "--grado", "9"], ["--ejercicios", "5", "--grado", "1"],
                     ["--ejercicios", "5", "--raices", "6..-6"], ["--ejercicios", "5", "--raices", "-6"],
                     ["--ejercicios", "5", "--raices=-2000..1"], ["--ejercicios", "5", "--grado", "2", "--complejas"],
                     ["--ejercicios", "5", "--semilla", "-1"], ["--ejercicios", "5", "--semilla", "18446744073709551616"],
                     ["--ejercicios", "5", "--formato", "doc"], ["--ejercicios", "5", "--formato", "pdf"],
                     ["--ejercicios", "5", "--salida", "hoja.xyz"], ["--ejercicios", "20", "--raices", "1..1", "--grado", "2"],
                     ["--ejercicios", "5", "--descripcion"], ["--ejercicios", "5", "--grafica", "x"]):
            with self.subTest(args=args):
                out, err, status = run(args)
                self.assertEqual(status, 2)
                self.assertEqual(out, "")
                self.assertTrue(err.startswith("factorix: ") and "--help" in err, err)


def description_roots(text):
    """The values after "x = " and "x ≈ " in a description."""
    return re.findall(r"x [=≈] (\S+?)(?=,\s|\s|;|$)", text)


class Graphs(unittest.TestCase):
    # text, the roots the description names
    CASES = [
        ("xe3-3x+2", ["−2", "1"]),
        ("x³-x", ["−1", "0", "1"]),
        ("2xe2-3x+1", ["1/2", "1"]),
        ("xe2-2", ["−√2", "√2"]),
        ("xe2-2x-2", ["1−√3", "1+√3"]),
        ("4xe2-2", ["−√2/2", "√2/2"]),
        ("xe4-2xe2+1", ["−1", "1"]),
        ("xe5-x-1", ["1,167304"]),
        ("xe2-2001x+1001000", ["1000", "1001"]),
        ("xe2+1", []),
    ]

    def test_descriptions_name_every_root(self):
        for text, roots in self.CASES:
            with self.subTest(text=text):
                out, err, status = run(["--grafica", text, "--descripcion"])
                self.assertEqual(status, 0, err)
                self.assertTrue(out.startswith("Gráfica de P(x) en ["), out)
                self.assertEqual(description_roots(out), roots)
                if text in ("xe4-2xe2+1", "xe3-3x+2"):
                    self.assertTrue(out.rstrip().endswith("1 (doble)"), out)
                if not roots:
                    self.assertTrue(out.endswith("; no corta el eje X\n"), out)

    def test_a_run_of_signs_reads_as_one_sign(self):
        self.assertEqual(run(["--descripcion", "--grafica", "--", "x--x-2"]), run(["--grafica", "2x-2", "--descripcion"]))

    def test_multiplicities_in_the_worked_solutions_words(self):
        for text, last in (("xe4-4xe3+6xe2-4x+1", "x = 1 (cuádruple)"), ("xe5", "x = 0 (multiplicidad 5)")):
            with self.subTest(text=text):
                self.assertTrue(run(["--grafica", text, "--descripcion"])[0].rstrip().endswith(last))

    def test_svg_marks_sit_at_the_roots(self):
        with tempfile.TemporaryDirectory() as folder:
            for text, roots in self.CASES[:3]:
                path = os.path.join(folder, "g.svg")
                out, err, status = run(["--grafica", text, "--salida", path, "--descripcion"])
                self.assertEqual(status, 0, err)
                svg = open(path, encoding="utf-8").read()
                a, b = (float(v.replace(MINUS, "-").replace(",", ".")) for v in re.search(r"en \[([^;]+); ([^\]]+)\]", out).groups())
                left, top, width, height = map(float, re.search(r'<rect x="([\d.]+)" y="([\d.]+)" width="([\d.]+)" height="([\d.]+)"', svg).groups())
                marks = [(float(x) + 4.5, float(y) + 4.5) for x, y in
                         re.findall(r'matrix\(1,0,0,1,([\d.]+),([\d.]+)\)"[^>]*>\s*<circle', svg)]
                self.assertEqual(len(marks), len(roots))
                for (x, y), root in zip(marks, roots):
                    value = float(Fraction(root.replace(MINUS, "-")))
                    self.assertAlmostEqual(x, left + (value - a) / (b - a) * width, delta=2.5)
                    self.assertAlmostEqual(y, marks[0][1], delta=0.01)  # all on the axis
                    self.assertTrue(top < y < top + height)

    def test_png_size_and_bad_options(self):
        with tempfile.TemporaryDirectory() as folder:
            path = os.path.join(folder, "g.png")
            self.assertEqual(run(["--grafica", "x-1", "--salida", path, "--tamano", "320x200"])[2], 0)
            with open(path, "rb") as png:
                header = png.read(24)
            self.assertEqual(header[:8], b"\x89PNG\r\n\x1a\n")
            self.assertEqual((int.from_bytes(header[16:20], "big"), int.from_bytes(header[20:24], "big")), (320, 200))
        for args, status in ((["--grafica", "x-1"], 2), (["--grafica", "x-1", "--salida", "g.jpg"], 2),
                             (["--grafica", "x-1", "--descripcion", "--tamano", "0x5"], 2),
                             (["--grafica", "x-1", "--descripcion", "--grado", "3"], 2),
                             (["--grafica", "(x-1)*x", "--descripcion"], 1),
                             (["--grafica", "x-1" + "0" * 100000, "--descripcion"], 1)):
            with self.subTest(args=args[:3]):
                self.assertEqual(run(args)[2], status)

    def test_overflowing_values_and_degree_400(self):
        huge = "xe4e0e0+" + "1" + "0" * 200 + "xe2-1"
        out, err, status = run(["--grafica", huge, "--descripcion"], timeout=30)
        self.assertEqual(status, 0, err)
        self.assertEqual(len(description_roots(out)), 2)


if __name__ == "__main__":
    FACTORIX = sys.argv.pop(1)
    unittest.main(verbosity=2)
