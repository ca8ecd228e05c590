"""The command line from the outside: the real program, run with no display,
fed texts through --calcular and standard input; its lines, messages and
exit statuses are compared with tables of expectations.

Usage: test_cli.py FACTORIX
"""

import os
import shutil
import subprocess
import sys
import tempfile
import unittest

FACTORIX = None
SYNTAX = "Error de cálculo."
OTHER = "Se produjo un error. Revise el cálculo."
# 2³·3³·5·7·…·41 has 32768 divisors: "N-N" is zero at every one of its
# 65536 candidates, so the search runs past the 32767 lines it may write.
MANY_DIVISORS = 8 * 27 * 5 * 7 * 11 * 13 * 17 * 19 * 23 * 29 * 31 * 37 * 41


def run(args, stdin=b"", timeout=60, locale=None, language=None):
    """Runs the program with no display; returns (stdout lines, stderr, status).

    Its texts are Spanish unless `language` gives other locale variables."""
    env = {k: v for k, v in os.environ.items()
           if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_ALL", "LC_MESSAGES")}
    env["LANG"] = "C.UTF-8"
    env.update(language or {})
    if locale:
        env["LC_ALL"] = env["LANG"] = locale
    done = subprocess.run([FACTORIX] + args, input=stdin, capture_output=True,
                          env=env, timeout=timeout, check=False)
    out = done.stdout.decode("utf-8")
    assert out == "" or out.endswith("\n"), "the last line is not ended"
    lines = out.split("\n")[:-1]
    return lines, done.stderr.decode("utf-8"), done.returncode


class Calcular(unittest.TestCase):
    # text, lines, message (None: none), status
    CASES = [
        ("2xe3+0xe2+0x-16", ["(x-2) (+2x²+4x+8)"], None, 0),
        ("xe2+0x-1", ["(x+1) (+1x-1)", "(x-1) (+1x+1)"], None, 0),
        ("1xe2-2x+1", ["(x-1) (+1x-1)"], None, 0),  # a double root, one line
        ("-xe2+1", ["(x+1) (-1x+1)", "(x-1) (-1x-1)"], None, 0),  # TEXTO may start with "-"
        ("5-5", ["(x+1) ()", "(x-1) ()", "(x+5) ()", "(x-5) ()"], None, 0),
        ("xe1e2-1", ["(x+1) (+1x¹¹-1x¹⁰+1x⁹-1x⁸+1x⁷-1x⁶+1x⁵-1x⁴+1x³-1x²+1x-1)",
                     "(x-1) (+1x¹¹+1x¹⁰+1x⁹+1x⁸+1x⁷+1x⁶+1x⁵+1x⁴+1x³+1x²+1x+1)"], None, 0),
        ("1xe2+0x+1", [], None, 0),
        ("1xe2+1x+0", [], None, 0),
        ("5", [], None, 0),
        ("2xe2+3x", [], OTHER, 1),
        ("1xe2", [], OTHER, 1),
        ("", [], OTHER, 1),
        ("1x+)-1", [], SYNTAX, 1),
        # a root whose division fails: its line holds the factor alone
        ("ax+x-1", ["(x-1)"], OTHER, 1),
        # what the window shows is read back as pad text
        ("2x³+0x²+0x-16", ["(x-2) (+2x²+4x+8)"], None, 0),
        ("x¹²-1", ["(x+1) (+1x¹¹-1x¹⁰+1x⁹-1x⁸+1x⁷-1x⁶+1x⁵-1x⁴+1x³-1x²+1x-1)",
                   "(x-1) (+1x¹¹+1x¹⁰+1x⁹+1x⁸+1x⁷+1x⁶+1x⁵+1x⁴+1x³+1x²+1x+1)"], None, 0),
        ("²²", [], OTHER, 1),
        ("√x", [], "factorix: el texto no es un polinomio en x: no se puede leer «√» (carácter 1).", 1),
    ]

    def test_lines_message_and_status(self):
        for text, lines, message, status in self.CASES:
            with self.subTest(text=text):
                out, err, code = run(["--calcular", text])
                self.assertEqual(out, lines)
                self.assertEqual(err, message + "\n" if message else "")
                self.assertEqual(code, status)

    def test_text_after_end_of_options(self):
        # A run of signs reads as the evaluator reads it, in the quotient too.
        for text, line in (("--x-2", "(x-2) (+1)"), ("x--x-2", "(x-1) (+2)"), ("-+x+1", "(x-1) (-1)")):
            with self.subTest(text=text):
                self.assertEqual(run(["--calcular", "--", text]), ([line], "", 0))

    def test_every_command_reads_sign_runs_alike(self):
        # text with a run of signs, the same polynomial written plainly
        for text, plain in (("--x-2", "x-2"), ("-+x+1", "-x+1"), ("x--x-2", "2x-2"), ("--x^2-4", "x^2-4")):
            for command in ("--calcular", "--factorizar", "--ruffini", "--pasos"):
                with self.subTest(text=text, command=command):
                    out, err, code = run([command, "--", text])
                    self.assertEqual((out, err, code), run([command, plain]))
                    self.assertEqual((err, code), ("", 0))
                    self.assertNotEqual(out, [])

    def test_pad_encoding_with_texto(self):
        for args in (["--calcular", "2x³+0x²+0x-16", "--texto"], ["--texto", "--calcular=2xe3+0xe2+0x-16"]):
            with self.subTest(args=args):
                self.assertEqual(run(args), (["(x-2) (+2xe2+4x+8)"], "", 0))

    def test_texts_are_utf8_in_any_locale(self):
        for locale in ("C", "POSIX", "C.UTF-8"):
            with self.subTest(locale=locale):
                self.assertEqual(run(["--calcular", "2x³+0x²+0x-16"], locale=locale),
                                 (["(x-2) (+2x²+4x+8)"], "", 0))

    def test_lines_found_before_a_message_are_printed(self):
        out, err, code = run(["--calcular", f"{MANY_DIVISORS}-{MANY_DIVISORS}"])
        self.assertEqual(len(out), 32767)
        self.assertEqual(out[:2], ["(x+1) ()", "(x-1) ()"])
        self.assertEqual((err, code), (OTHER + "\n", 1))


class WrittenAsPeopleDo(unittest.TestCase):
    """A TEXTO with characters the pad never writes is read as a polynomial
    in its canonical form; one the pad could hold keeps the pad's reading."""
    NOT_READ = "factorix: el texto no es un polinomio en x: "
    # text, the pad text it stands for
    READ = [
        ("x^2 - 5x + 6", "1xe2-5x+6"),
        ("X**3-8", "1xe3+0xe2+0x-8"),
        ("x²−1", "1xe2+0x-1"),
        ("6 + 11x + 6x^2 + x^3", "1xe3+6xe2+11x+6"),
        ("P(x) = 2x³ – 16 = 0", "2xe3+0xe2+0x-16"),
        ("\tx^12 - 1", "1xe1e2" + "".join(f"+0x{''.join('e' + d for d in str(p))}" for p in range(11, 1, -1))
         + "+0x-1"),
    ]
    # text, message, status (the design's reading: "x-1-1" has the constant 1)
    REFUSED = [
        ("x^2 - 5y", NOT_READ + "no se puede leer «y» (carácter 8).", 1),
        ("x^2 +", NOT_READ + "termina antes de completarse.", 1),
        ("2x\x01 + 1", NOT_READ + "no se puede leer U+0001 (carácter 3).", 1),
        ("x^100001 + 1", OTHER, 1),
        ("x-1-1", None, 0),
    ]

    def test_read_as_the_canonical_form(self):
        for text, pad_text in self.READ:
            for command in ("--calcular", "--factorizar", "--ruffini"):
                with self.subTest(text=text, command=command):
                    self.assertEqual(run([command, text]), run([command, pad_text]))
                    self.assertEqual(run([command, text])[2], 0)

    def test_refused(self):
        for text, message, status in self.REFUSED:
            with self.subTest(text=text):
                self.assertEqual(run(["--calcular", text]), ([], message + "\n" if message else "", status))

    def test_standard_input(self):
        self.assertEqual(run(["--calcular", "-", "--texto"], "x^2 - 1 = 0\nx + y\n".encode()),
                         (["(x+1) (+1x-1)", "(x-1) (+1x+1)", "", ""],
                          self.NOT_READ + "no se puede leer «y» (carácter 5).\n", 1))


class Hostile(unittest.TestCase):
    def test_each_ends_with_lines_or_one_message(self):
        cases = [
            ("a long text", "1" * 100000 + "xe2+0x-1"),
            ("many terms", "+".join(["1x"] * 20000) + "-1"),
            ("a huge power", "xe9e9e9e9e9e9e9e9+1"),
            ("a huge constant", "xe2+0x-" + "9" * 100000),
            ("shell characters", "$(touch /tmp/factorix-cli-pwned); `id` | x > /tmp/y"),
            ("control characters", "2x\x01e3\x7f-16\t"),
            ("unpaired surrogates in UTF-8", "x\udcff+1"),
        ]
        for name, text in cases:
            with self.subTest(name):
                arg = text.encode("utf-8", "surrogateescape")
                out, err, code = run([b"--calcular", arg])
                self.assertIn(code, (0, 1))
                self.assertEqual(err.count("\n"), 1 if code else 0)
                self.assertTrue(all(line.startswith("(x") for line in out))
        self.assertFalse(os.path.exists("/tmp/factorix-cli-pwned"))

    def test_invalid_bytes(self):
        for name, data, message in [
            ("invalid UTF-8", b"2xe3\xff+0xe2+0x-16\n", SYNTAX),
            ("a cut sequence", b"2x\xc2\n", SYNTAX),
            ("an overlong slash", b"2x\xc0\xaf1\n", SYNTAX),
            ("a NUL byte", b"2xe3\x00+0xe2+0x-16\n",
             "factorix: el texto no es un polinomio en x: no se puede leer U+0000 (carácter 5)."),
        ]:
            with self.subTest(name):
                self.assertEqual(run(["--calcular", "-"], data), ([""], message + "\n", 1))
                if b"\0" not in data:  # an argument cannot hold a NUL
                    self.assertEqual(run([b"--calcular", data.rstrip(b"\n")]), ([], message + "\n", 1))


class BrokenStreams(unittest.TestCase):
    def test_failures_are_not_reported_as_success(self):
        env = {k: v for k, v in os.environ.items() if k != "DISPLAY"}
        for name, redirected, data, needle in [
            ("a full disk", "--calcular 2xe3+0xe2+0x-16 >/dev/full", b"", "escribir"),
            ("a full disk, from standard input", "--calcular - >/dev/full", b"xe2+0x-1\n", "escribir"),
            ("a folder for input", "--calcular - </", b"", "leer"),
        ]:
            with self.subTest(name):
                done = subprocess.run(["sh", "-c", 'exec "$0" ' + redirected, FACTORIX], input=data,
                                      capture_output=True, env=env, timeout=60, check=False)
                self.assertEqual(done.returncode, 1)
                self.assertIn(needle, done.stderr.decode("utf-8"))


class StandardInput(unittest.TestCase):
    CASES = [
        ("one text", b"2xe3+0xe2+0x-16\n", ["(x-2) (+2x²+4x+8)", ""], "", 0),
        ("no end of line", b"2xe3+0xe2+0x-16", ["(x-2) (+2x²+4x+8)", ""], "", 0),
        ("CRLF", b"xe2+0x-1\r\n5\r\n", ["(x+1) (+1x-1)", "(x-1) (+1x+1)", "", ""], "", 0),
        ("a message between lines", b"xe2+0x-1\n2xe2+3x\n2x\xc2\xb3+0x\xc2\xb2+0x-16\n",
         ["(x+1) (+1x-1)", "(x-1) (+1x+1)", "", "", "(x-2) (+2x²+4x+8)", ""], OTHER + "\n", 1),
        ("an empty line is an empty pad", b"\n", [""], OTHER + "\n", 1),
        ("nothing", b"", [], "", 0),
    ]

    def test_texts_one_per_line(self):
        for name, data, lines, err, status in self.CASES:
            with self.subTest(name):
                self.assertEqual(run(["--calcular", "-"], data), (lines, err, status))

    def test_megabytes(self):
        # a 3 MB coefficient, a line beyond the 8 MiB the program keeps, and
        # a sum of a million terms with a letter, which is evaluated rather
        # than read as a polynomial; the text after each still gets its line
        for name, long_text in [("3 MB", b"1" * 3_000_000 + b"xe2+0x-1"),
                                ("65 MiB", b"0" * (65 << 20) + b"2xe3+0xe2+0x-16"),
                                ("3 MB to evaluate", b"1x+" * 1_000_000 + b"a-1")]:
            with self.subTest(name):
                out, err, code = run(["--calcular", "-"], long_text + b"\n2xe3+0xe2+0x-16\n")
                self.assertEqual(out, ["", "(x-2) (+2x²+4x+8)", ""])
                self.assertEqual((err, code), (OTHER + "\n", 1))

    def test_texto(self):
        self.assertEqual(run(["--calcular", "-", "--texto"], b"2x\xc2\xb3+0xe2+0x-16\n"),
                         (["(x-2) (+2xe2+4x+8)", ""], "", 0))


class TwoPrograms(unittest.TestCase):
    """The text commands run on Qt Core alone; the window and the calls for
    Qt's window options run in the drawing program, which replaces the
    command line in the same process."""

    def loaded(self, args):
        """The shared libraries the call set up, and the processes it ran in."""
        env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
        env["LD_DEBUG"] = "libs"
        done = subprocess.run([FACTORIX] + args, input=b"5\n", capture_output=True, env=env, timeout=60,
                              check=False)
        self.assertEqual(done.returncode, 0)
        lines = [line for line in done.stderr.decode("utf-8", "replace").splitlines() if "calling init:" in line]
        pids = {line.split(":")[0].strip() for line in lines}
        return {os.path.basename(line.rsplit(":", 1)[1].strip()).split(".so")[0] for line in lines}, pids

    def test_libraries_and_process(self):
        for args, drawing in [(["--calcular", "2xe3+0xe2+0x-16"], False), (["--help"], False),
                              (["--calcular", "-"], False), (["--factorizar", "2xe3+0xe2+0x-16"], False),
                              (["--ruffini", "2xe3+0xe2+0x-16"], False), (["--pasos", "xe2-1"], False),
                              (["--pasos", "xe2-1", "--json"], False),
                              (["-platform", "offscreen", "--calcular", "2xe3+0xe2+0x-16"], True)]:
            with self.subTest(args=args):
                libraries, pids = self.loaded(args)
                self.assertIn("libQt6Core", libraries)
                self.assertEqual("libQt6Gui" in libraries, drawing)
                self.assertEqual("libQt6Widgets" in libraries, drawing)
                self.assertEqual(len(pids), 1)  # the drawing program took over the process

    def test_drawing_program_needs_no_display_for_commands(self):
        gui = os.path.join(os.path.dirname(FACTORIX), "factorix-gui")
        env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
        done = subprocess.run([gui, "--calcular", "2xe3+0xe2+0x-16"], capture_output=True, env=env, timeout=60,
                              check=False)
        self.assertEqual((done.stdout.decode("utf-8"), done.returncode), ("(x-2) (+2x²+4x+8)\n", 0))

    def test_without_the_drawing_program(self):
        with tempfile.TemporaryDirectory() as folder:
            alone = os.path.join(folder, "factorix")
            shutil.copy(FACTORIX, alone)
            done = subprocess.run([alone, "-platform", "offscreen"], capture_output=True, timeout=60, check=False)
            self.assertEqual(done.returncode, 1)
            self.assertIn("factorix-gui", done.stderr.decode("utf-8"))
            done = subprocess.run([alone, "--calcular", "5"], capture_output=True, timeout=60, check=False)
            self.assertEqual(done.returncode, 0)


class Usage(unittest.TestCase):
    def test_usage_errors_exit_2_and_print_nothing(self):
        for args in (["--foo"], ["x"], ["--calcular"], ["--texto"],
                     ["--calcular", "5", "--calcular", "6"], ["--calcular", "5", "sobra"],
                     ["-z"], ["--"],
                     # after "--", operands only, never options
                     ["--pasos", "--", "x-1", "--formato", "texto"], ["--calcular", "--", "x-1", "--texto"]):
            with self.subTest(args=args):
                out, err, code = run(args)
                self.assertEqual((out, code), ([], 2))
                self.assertIn("--help", err)

    def test_after_qt_window_options(self):
        # Qt takes -platform; what it leaves is still the command line.
        out, _, code = run(["-platform", "offscreen", "--calcular", "2xe3+0xe2+0x-16"])
        self.assertEqual((out, code), (["(x-2) (+2x²+4x+8)"], 0))

    def test_help_and_version(self):
        for args, needles in [
            (["--help"], ["Uso:", "--calcular <TEXTO>", "--texto", "--version"]),
            (["-h"], ["Uso:"]),
            (["--version"], ["factorix 1.", "GPL versión 3 o posterior"]),
            (["-v"], ["factorix 1."]),
        ]:
            with self.subTest(args=args):
                out, err, code = run(args)
                self.assertEqual((err, code), ("", 0))
                for needle in needles:
                    self.assertIn(needle, "\n".join(out))


class Languages(unittest.TestCase):
    CA = "S'ha produït un error. Reviseu el càlcul.\n"
    GL = "Produciuse un erro. Revise o cálculo.\n"
    # locale variables, --idioma (None: not given), the message of 2xe2+3x
    CASES = [
        ({"LANG": "ca_ES.UTF-8"}, None, CA),
        ({"LANG": "ca_ES.UTF-8@valencia"}, None, CA),
        ({"LANG": "gl_ES.UTF-8"}, None, GL),
        ({"LANG": "eu_ES.UTF-8"}, None, "Errore bat gertatu da. Berrikusi kalkulua.\n"),
        ({"LANG": "en_US.UTF-8"}, None, "An error occurred. Check the calculation.\n"),
        ({"LANG": "es_ES.UTF-8"}, None, OTHER + "\n"),
        ({"LANG": "fr_FR.UTF-8"}, None, OTHER + "\n"),
        ({"LANGUAGE": "fr:gl", "LANG": "fr_FR.UTF-8"}, None, GL),
        ({"LC_MESSAGES": "ca_ES.UTF-8", "LANG": "es_ES.UTF-8"}, None, CA),
        ({"LC_ALL": "C.UTF-8", "LANG": "ca_ES.UTF-8"}, None, OTHER + "\n"),
        ({}, "ca", CA),
        ({"LANG": "ca_ES.UTF-8"}, "es", OTHER + "\n"),
        ({"LANG": "en_US.UTF-8"}, "gl", GL),
    ]

    def test_the_locale_or_the_option_chooses(self):
        for variables, option, message in self.CASES:
            with self.subTest(variables=variables, option=option):
                args = ["--calcular", "2xe2+3x"] + (["--idioma", option] if option else [])
                self.assertEqual(run(args, language=variables), ([], message, 1))

    def test_lines_and_json_are_the_same_in_every_language(self):
        for args in (["--calcular", "2xe3+0xe2+0x-16"], ["--pasos", "xe2-1", "--json"]):
            spanish = run(args)
            self.assertEqual((spanish[1], spanish[2]), ("", 0))
            for language in ("ca", "gl", "eu", "en"):
                with self.subTest(args=args, language=language):
                    self.assertEqual(run([f"--idioma={language}"] + args), spanish)

    def test_help_in_catalan(self):
        out, err, code = run(["--idioma", "ca", "--help"])
        self.assertEqual((err, code), ("", 0))
        for needle in ("Ús:", "Mostra aquesta ajuda.", "--calcular <TEXT>", "--idioma <IDIOMA>"):
            self.assertIn(needle, "\n".join(out))

    def test_an_unknown_language_is_a_usage_error(self):
        for args in (["--idioma", "fr", "--calcular", "1"], ["--idioma=", "--calcular", "1"], ["--idioma"],
                     ["--idioma", "fr"], ["--idioma=CA"], ["--idioma", "ca", "--idioma", "en"],
                     ["--idioma=ca", "--idioma=ca", "--calcular", "1"]):
            with self.subTest(args=args):
                out, err, code = run(args)
                self.assertEqual((out, code), ([], 2))
                self.assertIn("--help", err)


if __name__ == "__main__":
    FACTORIX = sys.argv[1]
    unittest.main(argv=sys.argv[:1], verbosity=1)
