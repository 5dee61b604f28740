#!/usr/bin/env python3
"""Checks the layers of the source tree: a source includes only from its own
layer or from the layers below it, and only ui/ (with tarrow's optional Qt
file dialog) includes Qt.

The order, from the ground up, is written down here and nowhere else:
    model -> synthesis, schimport -> drawing -> export -> app -> ui, cli
Folders on one rank are siblings: neither includes the other.

Usage: check-layers.py [ROOT]   (ROOT: the tree to check, by default this one)
Prints one line per include that runs upward and exits 1 when there is one.
"""
import pathlib
import re
import sys

LAYERS = [["model"], ["synthesis", "schimport"], ["drawing"], ["export"], ["app"], ["ui", "cli"]]
RANK = {folder: rank for rank, folders in enumerate(LAYERS) for folder in folders}
# The one Qt source outside ui/: tarrow's optional file dialog.
QT_ALLOWED = {"schimport/FileDialogQt.cpp"}

PROJECT_INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"/]+)/[^"]*"')
QT_INCLUDE = re.compile(r"^\s*#\s*include\s+<(Q[A-Za-z]+|Qt[A-Za-z]+/[^>]*)>")


def allowed_below(layer):
    return [f for folders in LAYERS[: RANK[layer]] for f in folders]


def check(root):
    faults = []
    for layer in RANK:
        for path in sorted((root / layer).rglob("*")):
            if path.suffix not in (".h", ".cpp") or not path.is_file():
                continue
            name = path.relative_to(root).as_posix()
            text = path.read_text(encoding="utf-8", errors="replace")
            for number, line in enumerate(text.splitlines(), 1):
                m = PROJECT_INCLUDE.match(line)
                if m and m.group(1) in RANK and m.group(1) != layer and RANK[m.group(1)] >= RANK[layer]:
                    below = ", ".join(allowed_below(layer)) or "nothing"
                    faults.append(f'{name}:{number}: includes "{line.split(chr(34))[1]}", above its layer '
                                  f"({layer} may include {layer} and {below})")
                if layer != "ui" and name not in QT_ALLOWED and QT_INCLUDE.match(line):
                    faults.append(f"{name}:{number}: includes <{QT_INCLUDE.match(line).group(1)}>: "
                                  "only ui/ includes Qt")
    return faults


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parent.parent)
    if not any((root / layer).is_dir() for layer in RANK):
        print(f"check-layers: {root} holds none of the folders {', '.join(RANK)}", file=sys.stderr)
        return 2
    faults = check(root)
    for fault in faults:
        print(fault)
    if faults:
        print(f"Layers: {len(faults)} include(s) against the order {' -> '.join(', '.join(f) for f in LAYERS)}",
              file=sys.stderr)
        return 1
    print("Layers: every include runs downward; Qt only in ui/.")
    return 0


if __name__ == "__main__":
    sys.exit(main())
