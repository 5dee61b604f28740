#!/usr/bin/env python3
"""The English translation of the interface, translations/lodex_en.ts.

  translations.py update [--lupdate PATH]
      Brings the file up to date with the sources: texts that are new arrive
      unfinished, texts that are gone leave.
  translations.py check [--lupdate PATH]
      Runs the same update on a copy and fails, naming each text, when a text
      of the interface has no finished English translation, or when a
      translation drops a placeholder (%1), the mnemonic '&', a line break or
      a filter's '|' of its source.

Texts are those of tr(), QT_TR_NOOP, QT_TRANSLATE_NOOP and
QCoreApplication::translate in ui/, and the core's LODEX_TRANSLATE_NOOP in
model/, export/ and app/ (model/Translatable.h).
"""
import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TS = os.path.join(ROOT, "translations", "lodex_en.ts")
SOURCES = ["model", "export", "app", "ui"]


def run_lupdate(lupdate, ts):
    subprocess.run(
        [lupdate, "-silent", "-no-obsolete", "-locations", "none",
         "-source-language", "ru", "-target-language", "en",
         "-tr-function-alias", "QT_TRANSLATE_NOOP+=LODEX_TRANSLATE_NOOP",
         "-I", ROOT, "-extensions", "cpp,h"] + SOURCES + ["-ts", ts],
        cwd=ROOT, check=True)


def text_of(element):
    """An element's text, with the control characters that Linguist keeps as
    <byte value="xd"/>."""
    if element is None:
        return ""
    text = element.text or ""
    for child in element:
        if child.tag == "byte":
            text += chr(int(child.get("value").lstrip("x"), 16))
        text += child.tail or ""
    return text


def has_mnemonic(text):
    return "&" in text.replace("&&", "")


def keeps_shape(source, translation):
    """Whether a translation keeps what the program relies on in its source:
    the placeholders, the line breaks (a prompt is the status text, a line
    break and the tooltip), a filter's '|' and a mnemonic (one may be added)."""
    def parts(text):
        return sorted(set(re.findall(r"%\d", text))), text.count("\n"), text.count("|")
    return parts(source) == parts(translation) and (has_mnemonic(translation) or not has_mnemonic(source))


def problems(ts):
    found = []
    for context in ET.parse(ts).getroot().iter("context"):
        name = text_of(context.find("name"))
        for message in context.iter("message"):
            source = text_of(message.find("source"))
            translation = message.find("translation")
            shown = f'{name}: "{source}"'.replace("\n", "\\n")
            if translation is None or translation.get("type") == "unfinished" or not text_of(translation):
                found.append(f"no English translation: {shown}")
            elif not keeps_shape(source, text_of(translation)):
                found.append(f"translation differs in placeholders, '&', line breaks or '|': {shown}")
    return found


def find_lupdate(given):
    for candidate in [given, shutil.which("lupdate"), "/usr/lib/qt6/bin/lupdate"]:
        if candidate and os.access(candidate, os.X_OK):
            return candidate
    sys.exit("translations.py: lupdate not found (Debian package qt6-l10n-tools)")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("mode", choices=["update", "check"])
    parser.add_argument("--lupdate")
    args = parser.parse_args()
    lupdate = find_lupdate(args.lupdate)
    if args.mode == "update":
        run_lupdate(lupdate, TS)
        left = problems(TS)
        print(f"{os.path.relpath(TS, ROOT)}: {len(left)} text(s) to translate")
        for line in left:
            print("  " + line)
        return 0
    with tempfile.TemporaryDirectory() as folder:
        copy = os.path.join(folder, "lodex_en.ts")
        shutil.copy(TS, copy)
        run_lupdate(lupdate, copy)
        left = problems(copy)
    for line in left:
        print(f"{os.path.relpath(TS, ROOT)}: {line}", file=sys.stderr)
    if left:
        print("Run `make translations` and complete translations/lodex_en.ts.", file=sys.stderr)
    return 1 if left else 0


if __name__ == "__main__":
    sys.exit(main())
