#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Fails when a text the user sees bypasses the translation system.

Looks at the calls that put text on screen or on the terminal (setText,
setWindowTitle, setToolTip, QMessageBox, QLabel(...), addAction, the
command line's error printers ...) and reports every string literal with a
letter in their arguments that is not inside tr(), translate() or one of the
QT_TR_NOOP markers. A deliberate exception carries the comment
"// not translated: <why>" on the line of the literal or on the line before
the call.

Usage: scripts/check-tr.py [ROOT]   (checks ROOT/src; ROOT defaults to the
repository). Prints "file:line: tr: ..." per finding and exits 1 on any.
"""

import os
import re
import sys

# Calls whose arguments are shown to the user.
SHOWN = (
    "setText|setWindowTitle|setWindowIconText|setToolTip|setStatusTip|setWhatsThis|setPlaceholderText"
    "|setAccessibleName|setAccessibleDescription|setTitle|setLabelText|setInformativeText|setDetailedText"
    "|setPrefix|setSuffix|setSpecialValueText|setTabText|setItemText|addItem|addItems|addTab|addAction|addMenu"
    "|addSection|showMessage|setHtml|setPlainText|setApplicationDescription"
    "|QLabel|QPushButton|QRadioButton|QCheckBox|QGroupBox|QAction|QMenu|QToolButton|QCommandLineOption"
    "|QMessageBox(?:::\\w+)?|QInputDialog::\\w+|QFileDialog::\\w+|drawText|fprintf|fputs|printf|puts"
    # This program's own helpers that show their text argument.
    "|PrintErr|Fail|AddLabel|AddPictureButton|AppendNote"
)
# A call, or a declaration such as `QLabel label(...)`.
CALL = re.compile(r"(?<![\w.])(?:new\s+)?(?:\w+(?:\.|->|::))*(" + SHOWN + r")\b(?:\s+\w+)?\s*(?:\{|\()")
# Of a command-line option only the description is shown as text; its names
# and value name are what the user types.
# The same for this program's helpers, whose first argument is an object name.
ONLY_ARGUMENT = {"QCommandLineOption": 1, "AddLabel": 4, "AddPictureButton": 1}
# Calls that mark their text for translation; their arguments are fine.
TRANSLATED = re.compile(r"\b(?:tr|translate|qtTrId|QT_TR_NOOP|QT_TRANSLATE_NOOP|QT_TR_N_NOOP|TINTORA_TR_NOOP)\s*\(")
MARKER = "not translated:"
LETTER = re.compile(r"[A-Za-z]{2,}")
# Option names ("--color") and the program's name are no text.
OPTION = re.compile(r"--?[a-z][\w-]*|\btintora\b")
# The clipboard holder is a plain xcb process whose messages go to a log.
# Core has no Qt either, but its texts count as translated when marked with
# TINTORA_TR_NOOP (the layer that shows them translates them), so a core
# Fail() with a bare literal is reported like any other.
QT_FREE = ("src/platform/clipboard_holder_main.cpp",)


def strip_comments(text):
    """The code with comments and the contents of literals kept apart: returns
    (code, literals, marked_lines). In `code` comments are blanked and every
    string literal is replaced by "\x00<index>\x00"; newlines stay put."""
    out, literals, marked = [], [], set()
    i, n, line = 0, len(text), 1
    while i < n:
        c = text[i]
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            if MARKER in text[i:j]:
                marked.add(line)
            out.append(" " * (j - i))
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            chunk = text[i:j]
            if MARKER in chunk:
                marked.add(line + chunk.count("\n"))
            out.append(re.sub(r"[^\n]", " ", chunk))
            line += chunk.count("\n")
            i = j
        elif c == "R" and text.startswith('R"', i) and (i == 0 or not (text[i - 1].isalnum() or text[i - 1] == "_")):
            k = text.find("(", i + 2)
            delim = ")" + text[i + 2:k] + '"'
            j = text.find(delim, k)
            j = n if j < 0 else j + len(delim)
            literals.append((text[k + 1:j - len(delim)], line))
            line += text[i:j].count("\n")
            out.append("\x00%d\x00" % (len(literals) - 1) + "\n" * text[i:j].count("\n"))
            i = j
        elif c == '"' or c == "'":
            j = i + 1
            while j < n and text[j] != c and text[j] != "\n":
                j += 2 if text[j] == "\\" else 1
            if c == '"':
                literals.append((text[i + 1:j], line))
                out.append("\x00%d\x00" % (len(literals) - 1))
            else:
                out.append("' '")
            i = j + 1
        else:
            if c == "\n":
                line += 1
            out.append(c)
            i += 1
    return "".join(out), literals, marked


def closing(code, start):
    """Index just past the bracket that closes the one at `start`."""
    pairs = {"(": ")", "{": "}"}
    depth, i = 0, start
    opener, closer = code[start], pairs[code[start]]
    while i < len(code):
        if code[i] == opener:
            depth += 1
        elif code[i] == closer:
            depth -= 1
            if depth == 0:
                return i + 1
        i += 1
    return len(code)


def arguments(span):
    """The top-level arguments of a bracketed argument list."""
    out, depth, start = [], 0, 1
    for i, c in enumerate(span):
        if c in "({[":
            depth += 1
        elif c in ")}]":
            depth -= 1
        if (c == "," and depth == 1) or depth == 0:
            out.append(span[start:i])
            start = i + 1
        if depth == 0:
            break
    return out


def untranslated(span):
    """The literal indices in `span` outside every translating call."""
    kept, i = [], 0
    for m in TRANSLATED.finditer(span):
        if m.start() < i:
            continue
        kept.append(span[i:m.start()])
        i = closing(span, m.end() - 1)
    kept.append(span[i:])
    return [int(x) for x in re.findall(r"\x00(\d+)\x00", "".join(kept))]


def check_text(text, name):
    code, literals, marked = strip_comments(text)
    findings, seen = [], set()
    for m in CALL.finditer(code):
        bracket = m.end() - 1
        span = code[bracket:closing(code, bracket)]
        if m.group(1) in ONLY_ARGUMENT:
            args = arguments(span)
            span = args[ONLY_ARGUMENT[m.group(1)]] if len(args) > ONLY_ARGUMENT[m.group(1)] else ""
        call_line = code.count("\n", 0, m.start()) + 1
        for index in untranslated(span):
            value, line = literals[index]
            if index in seen or not LETTER.search(OPTION.sub("", value)) or value.startswith(":/"):
                continue
            if {line, line - 1, call_line, call_line - 1} & marked:
                continue
            seen.add(index)
            findings.append('%s:%d: tr: "%s" reaches %s() without tr()' % (name, line, value, m.group(1)))
    return findings


def main(argv):
    root = os.path.abspath(argv[1] if len(argv) > 1 else os.path.join(os.path.dirname(__file__), ".."))
    findings = []
    for folder, dirs, files in os.walk(os.path.join(root, "src")):
        dirs.sort()
        for f in sorted(files):
            path = os.path.join(folder, f)
            if f.endswith((".cpp", ".h")) and not os.path.relpath(path, root).startswith(QT_FREE):
                with open(path, encoding="utf-8") as fh:
                    findings += check_text(fh.read(), os.path.relpath(path, root))
    for f in findings:
        print(f)
    if findings:
        print("tr: %d text(s) shown without tr(); wrap them, or mark a deliberate one with "
              "'// %s <why>'" % (len(findings), MARKER))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
