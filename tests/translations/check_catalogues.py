"""Checks the translation catalogues (translations/*.ts, translations/qt/*.ts)
the way a reviewer would: every text translated in every language, the
same texts in every catalogue, and nothing a translation could break.

Usage: check_catalogues.py TRANSLATIONS_DIR
"""

import pathlib
import re
import sys
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


def main(folder):
    folder = pathlib.Path(folder)
    failures = []
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
    sys.exit(main(sys.argv[1]))
