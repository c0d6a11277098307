#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Checks that dependencies between the folders under src/ point one way.

The folder is the layer. Lowest first:

    core <- surface <- picker, palettes, platform, eyedropper <- mainwin <- shell <- app

A file may include headers of its own folder and of the folders its layer
lists below; anything else is reported as FILE:LINE with the offending
include. Siblings (picker, palettes, platform, eyedropper) do not include
each other: code two of them need belongs one layer down.

Inside shell/ the parts are ordered too. The side windows and the RTF
reader do not know the main window: the application object in shell/app is
the one place that joins mainwin/ to the side windows. The browser is a
module loaded at run time: it shares only the headers directly in shell/
(its entry point) and core's plain types with the program, and links none
of the program's libraries.

Usage: check-layers.py [ROOT]   (ROOT holds src/; default: this project)
Exit status: 0 clean, 1 a forbidden include, 2 a folder or file under src/
that belongs to no known layer.
"""

import os
import re
import sys

BELOW_MAINWIN = {"core", "surface", "picker", "palettes", "platform", "eyedropper"}
SHELL_PARTS = {"shell", "shell/rtf", "shell/windows", "shell/browser", "shell/app"}

# Layer -> the layers its files may include (besides itself).
ALLOWED = {
    "core": set(),
    "surface": {"core"},
    "picker": {"core", "surface"},
    "palettes": {"core", "surface"},
    "platform": {"core", "surface"},
    "eyedropper": {"core", "surface"},
    "mainwin": BELOW_MAINWIN,
    "shell": {"core"},
    "shell/rtf": BELOW_MAINWIN | {"shell"},
    "shell/windows": BELOW_MAINWIN | {"shell", "shell/rtf"},
    "shell/browser": {"core", "shell"},
    "shell/app": BELOW_MAINWIN | {"mainwin"} | SHELL_PARTS,
    "app": BELOW_MAINWIN | {"mainwin"} | SHELL_PARTS,
}

# Layers the design knows that may not have been written yet.
MAY_BE_ABSENT = {"eyedropper"}

SOURCE_SUFFIXES = (".h", ".hpp", ".cpp", ".cc", ".cxx", ".inl")
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def layer_of(rel):
    """The layer of a path relative to src/ (forward slashes), or None."""
    parts = rel.split("/")
    if len(parts) < 2:
        return None
    if parts[0] == "shell":
        if len(parts) == 2:
            return "shell"
        part = "shell/" + parts[1]
        return part if part in ALLOWED else None
    return parts[0] if parts[0] in ALLOWED else None


def unknown_folders(src):
    """Folders under src/ that are no layer; each is a mistake to report."""
    bad = []
    for name in sorted(os.listdir(src)):
        path = os.path.join(src, name)
        if not os.path.isdir(path):
            continue
        if name not in ALLOWED:
            bad.append(name)
        elif name == "shell":
            for sub in sorted(os.listdir(path)):
                if os.path.isdir(os.path.join(path, sub)) and "shell/" + sub not in ALLOWED:
                    bad.append("shell/" + sub)
    return bad


def target_of(src, including_dir, spelled):
    """The path under src/ that an include names, or None for outside headers.

    A relative spelling ("x.h", "../core/x.h") is resolved against the
    including file's folder first, as the compiler does; otherwise the path is
    taken from src/, which is the include root every library exports.
    """
    local = os.path.normpath(os.path.join(including_dir, spelled))
    if os.path.isfile(local) and os.path.commonpath([local, src]) == src:
        return os.path.relpath(local, src).replace(os.sep, "/")
    rel = os.path.normpath(spelled).replace(os.sep, "/")
    if rel.startswith("src/"):
        rel = rel[4:]
    first = rel.split("/")[0]
    if first in ALLOWED or first == "shell":
        return rel
    return None


def check(root):
    src = os.path.realpath(os.path.join(root, "src"))
    if not os.path.isdir(src):
        print(f"check-layers: no src/ folder in {root}", file=sys.stderr)
        return 2

    problems = []
    unknown = unknown_folders(src)
    for name in unknown:
        problems.append(f"src/{name}/: a folder that is no known layer; "
                        f"add it to the layer table in scripts/check-layers.py")
    status = 2 if unknown else 0

    for dirpath, dirnames, filenames in os.walk(src):
        dirnames.sort()
        for name in sorted(filenames):
            if not name.endswith(SOURCE_SUFFIXES):
                continue
            path = os.path.join(dirpath, name)
            rel = os.path.relpath(path, src).replace(os.sep, "/")
            layer = layer_of(rel)
            if layer is None:
                if not any(rel == u or rel.startswith(u + "/") for u in unknown):
                    problems.append(f"src/{rel}: a source file outside every layer")
                    status = 2
                continue
            with open(path, encoding="utf-8", errors="replace") as f:
                for lineno, line in enumerate(f, 1):
                    m = INCLUDE.match(line)
                    if not m:
                        continue
                    target = target_of(src, dirpath, m.group(2))
                    if target is None:
                        continue
                    to = layer_of(target)
                    if to is None:
                        problems.append(f"src/{rel}:{lineno}: includes {m.group(2)}, "
                                        f"which is in no known layer")
                    elif to != layer and to not in ALLOWED[layer]:
                        problems.append(f"src/{rel}:{lineno}: {layer} may not include "
                                        f"{m.group(2)} (layer {to})")
                    else:
                        continue
                    status = max(status, 1)

    for p in problems:
        print(p)
    if problems:
        print(f"check-layers: {len(problems)} problem(s); allowed includes per layer are "
              f"listed in scripts/check-layers.py", file=sys.stderr)
    return status


def main(argv):
    if len(argv) > 2:
        print(__doc__.strip().split("\n\n")[-1], file=sys.stderr)
        return 2
    root = argv[1] if len(argv) == 2 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    return check(root)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
