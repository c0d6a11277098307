#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Runs scripts/check-layers.py on small trees, each with one include that is
allowed or not, and on odd folders, and checks the verdict and the report."""

import contextlib
import importlib.util
import io
import os
import subprocess
import sys
import tempfile
import unittest

SCRIPT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts", "check-layers.py")
_spec = importlib.util.spec_from_file_location("check_layers", SCRIPT)
check_layers = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(check_layers)

# A tree that follows every rule: each layer includes one header of each
# layer it may use. The eyedropper folder is left out on purpose.
CLEAN = {
    "core/a.h": "#include <vector>\n",
    "surface/s.h": '#include "core/a.h"\n',
    "picker/p.h": '#include "surface/s.h"\n#include "p2.h"\n',
    "picker/p2.h": "",
    "palettes/g.h": '#include "core/a.h"\n',
    "platform/w.h": "#include <QFont>\n",
    "mainwin/f.h": '#include "picker/p.h"\n#include "palettes/g.h"\n#include "platform/w.h"\n',
    "shell/api.h": '#include "core/a.h"\n',
    "shell/rtf/r.h": "",
    "shell/windows/h.cpp": '#include "shell/rtf/r.h"\n#include "platform/w.h"\n',
    "shell/browser/b.cpp": '#include "shell/api.h"\n#include "core/a.h"\n#include "b.h"\n',
    "shell/browser/b.h": "",
    "shell/app/t.cpp": '#include "mainwin/f.h"\n#include "shell/windows/h.h"\n',
    "app/main.cpp": '#include "shell/app/t.h"\n#include "mainwin/f.h"\n',
    "CMakeLists.txt": '#include "mainwin/f.h"\n',  # not a source file: never read
}

# (what is added to the clean tree, exit status, text the report must hold)
CASES = [
    ("nothing", {}, 0, ""),
    ("core includes mainwin", {"core/bad.cpp": '\n#include "mainwin/f.h"\n'}, 1,
     "src/core/bad.cpp:2: core may not include mainwin/f.h"),
    ("relative include upwards", {"surface/bad.h": '#  include "../picker/p.h"\n'}, 1,
     "src/surface/bad.h:1: surface may not include ../picker/p.h (layer picker)"),
    ("angle brackets count too", {"core/bad.h": "#include <surface/s.h>\n"}, 1,
     "src/core/bad.h:1:"),
    ("siblings", {"picker/bad.cpp": '#include "palettes/g.h"\n'}, 1,
     "src/picker/bad.cpp:1: picker may not include palettes/g.h"),
    ("absent eyedropper is still a sibling", {"platform/bad.h": '#include "eyedropper/e.h"\n'}, 1,
     "src/platform/bad.h:1: platform may not include eyedropper/e.h"),
    ("side window includes the main window", {"shell/windows/bad.cpp": '#include "mainwin/f.h"\n'}, 1,
     "src/shell/windows/bad.cpp:1: shell/windows may not include mainwin/f.h"),
    ("rtf reader includes a side window", {"shell/rtf/bad.cpp": '#include "shell/windows/h.h"\n'}, 1,
     "shell/rtf may not include shell/windows/h.h"),
    ("browser module includes a side window", {"shell/browser/bad.cpp": '#include "shell/windows/h.h"\n'}, 1,
     "shell/browser may not include shell/windows/h.h"),
    ("shell includes app", {"shell/app/bad.cpp": '#include "app/main.h"\n'}, 1,
     "shell/app may not include app/main.h"),
    ("eyedropper present and clean", {"eyedropper/e.cpp": '#include "surface/s.h"\n'}, 0, ""),
    ("unknown layer folder", {"widgets/x.cpp": ""}, 2, "src/widgets/: a folder that is no known layer"),
    ("unknown shell part", {"shell/extras/x.h": ""}, 2, "src/shell/extras/"),
    ("source file outside every layer", {"stray.cpp": ""}, 2, "src/stray.cpp: a source file outside every layer"),
]


def run_on(files):
    """Writes the tree and checks it in this process (fast); returns status and report."""
    with tempfile.TemporaryDirectory() as root:
        for rel, text in files.items():
            path = os.path.join(root, "src", rel)
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "w", encoding="utf-8") as f:
                f.write(text)
        out, err = io.StringIO(), io.StringIO()
        with contextlib.redirect_stdout(out), contextlib.redirect_stderr(err):
            status = check_layers.check(root)
        return subprocess.CompletedProcess([], status, out.getvalue(), err.getvalue())


class CheckLayers(unittest.TestCase):
    def test_table(self):
        for name, extra, status, expected in CASES:
            with self.subTest(name):
                result = run_on({**CLEAN, **extra})
                self.assertEqual(result.returncode, status, result.stdout + result.stderr)
                self.assertIn(expected, result.stdout)
                if status == 0:
                    self.assertEqual(result.stdout, "")

    def test_every_fault_reported_not_only_the_first(self):
        result = run_on({**CLEAN, "core/x.h": '#include "surface/s.h"\n#include "app/m.h"\n'})
        self.assertEqual(result.returncode, 1)
        self.assertIn("src/core/x.h:1:", result.stdout)
        self.assertIn("src/core/x.h:2:", result.stdout)

    def test_command_line(self):
        # As CI runs it: the project's own tree passes, and a bad tree fails
        # with the status and the file:line on standard output.
        result = subprocess.run([sys.executable, SCRIPT], capture_output=True, text=True)
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
        with tempfile.TemporaryDirectory() as root:
            os.makedirs(os.path.join(root, "src", "core"))
            with open(os.path.join(root, "src", "core", "x.h"), "w", encoding="utf-8") as f:
                f.write('#include "mainwin/main_window.h"\n')
            result = subprocess.run([sys.executable, SCRIPT, root], capture_output=True, text=True)
        self.assertEqual(result.returncode, 1)
        self.assertIn("src/core/x.h:1: core may not include mainwin/main_window.h", result.stdout)


if __name__ == "__main__":
    unittest.main()
