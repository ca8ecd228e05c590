"""Checks the translation catalogues (translations/*.ts, translations/qt/*.ts)
the way a reviewer would: every text translated in every language, the
same texts in every catalogue, and nothing a translation could break.
Given how the build runs lupdate (LUPDATE_RUN, a JSON file the build
writes), it also rereads the code into copies of the catalogues, so that a
text added to the code without a translation, or a text that defeats
lupdate (a tr() it cannot place), fails too.

Usage: check_catalogues.py TRANSLATIONS_DIR [LUPDATE_RUN]
"""

import json
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%(?:L?\d+|n)")
# The results' heading is a formula pad's text: these characters are the
# pad's own marks there (a raise, a root, its end, nothing).
PAD_MARKS = set("ers;")
HEADING = ("Form1Design", "EL POLINOMIO SE PUEDE DESCOMPONER EN:")


def messages(path):
    """(context, source) -> (translation, type) for every message of `path`."""
    root = ET.parse(path).getroot()
    language = root.get("language")
    if not path.stem.endswith("_" + str(language)):
        yield None, f"declares the language {language!r}"
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            # A text with a count (%n) has one form per plural of the language.
            forms = [form.text or "" for form in translation.iter("numerusform")] or [translation.text or ""]
            yield (name, message.findtext("source")), (forms, translation.get("type"))


def problems(key, forms, kind):
    context, source = key
    if kind:  # unfinished, vanished, obsolete
        yield f"is {kind}"
    for translation in forms:
        if not translation:
            yield "has no translation"
        if sorted(PLACEHOLDER.findall(source)) != sorted(PLACEHOLDER.findall(translation)):
            yield f"has the placeholders {PLACEHOLDER.findall(translation)}, not {PLACEHOLDER.findall(source)}"
        if source.endswith("\n") != translation.endswith("\n"):
            yield "does not end as its source does (a line break)"
        if key == HEADING and PAD_MARKS & set(translation):
            yield f"uses the pad's marks {sorted(PAD_MARKS & set(translation))}"


# lupdate's complaints about a source: "FILE:LINE: what".
LUPDATE_WARNING = re.compile(r"^\S+:\d+: ")


def refresh(folder, run_file, scratch):
    """Copies `folder`'s catalogues into `scratch` and brings them up to date
    with the code the way update_translations does. Returns lupdate's
    complaints."""
    run = json.loads(pathlib.Path(run_file).read_text())
    shutil.copytree(folder, scratch, dirs_exist_ok=True)
    sources = scratch / "sources.lst"
    sources.write_text("".join(f"{source}\n" for source in run["sources"]))
    complaints = []
    for path in sorted(scratch.glob("*.ts")):
        # Spanish, the source language, keeps only the forms of the counts.
        only = ["-pluralonly"] if path.stem.endswith("_es") else []
        includes = [f"-I{include}" for include in run["includePaths"]]
        done = subprocess.run([run["lupdate"], f"@{sources}", *includes, *run["options"], *only, "-ts", str(path)],
                              capture_output=True, text=True)
        output = done.stdout + done.stderr
        if done.returncode:
            complaints.append(f"lupdate failed on {path.name}: {output}")
        complaints += [line for line in output.splitlines() if LUPDATE_WARNING.match(line)]
    return list(dict.fromkeys(complaints))  # each once, not once per catalogue


def stale(folder, scratch):
    """What update_translations would add to or drop from each catalogue."""
    for path in sorted(folder.glob("*.ts")):
        kept = {key for key, _ in messages(path) if key}
        current = {key for key, _ in messages(scratch / path.name) if key}
        for context, source in sorted(current - kept):
            yield f"{path.name}: lacks {context} {source[:60]!r}, shown by the code: run update_translations"
        for context, source in sorted(kept - current):
            yield f"{path.name}: holds {context} {source[:60]!r}, which the code no longer shows: run update_translations"


def main(folder, run_file=None):
    folder = pathlib.Path(folder)
    failures = []
    if run_file:
        with tempfile.TemporaryDirectory() as scratch:
            scratch = pathlib.Path(scratch)
            failures += refresh(folder, run_file, scratch)
            failures += stale(folder, scratch)
    catalogues = {}
    for path in sorted(folder.glob("*.ts")) + sorted(folder.glob("qt/*.ts")):
        entries = {}
        for key, value in messages(path):
            if key is None:
                failures.append(f"{path.name}: {value}")
                continue
            entries[key] = value
            for problem in problems(key, *value):
                failures.append(f"{path.name}: {key[0]} {key[1][:60]!r} {problem}")
        # Spanish, the source, holds only the texts with a count.
        if path.parent == folder and not path.stem.endswith("_es"):
            catalogues[path.name] = set(entries)
    if len(catalogues) < 4:
        failures.append(f"only {sorted(catalogues)} in {folder}")
    every = set().union(*catalogues.values()) if catalogues else set()
    for name, keys in catalogues.items():
        for context, source in sorted(every - keys):
            failures.append(f"{name}: lacks {context} {source[:60]!r}")
    for failure in failures:
        print(failure)
    print(f"check_catalogues.py: {len(catalogues)} catalogues of {len(every)} texts, {len(failures)} problems")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:3]))
