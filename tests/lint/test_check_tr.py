#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""scripts/check-tr.py on small snippets: which literals it reports, and
that it passes this repository's sources."""

import importlib.util
import os
import subprocess
import sys
import unittest

SCRIPT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts", "check-tr.py")
_spec = importlib.util.spec_from_file_location("check_tr", SCRIPT)
check_tr = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(check_tr)

# (snippet, literals reported)
CASES = [
    ('b->setText(QStringLiteral("Keep"));', ["Keep"]),
    ('b->setText(tr("Keep"));', []),
    ('QMessageBox::warning(this, tr("Add"),\n    QStringLiteral("Not added: %1").arg(e));', ["Not added: %1"]),
    ('auto* l = new QLabel(QLatin1String("URL:"), frame);', ["URL:"]),
    ('setToolTip(QCoreApplication::translate("Ctx", "Hint") + QStringLiteral(" (Ctrl+E)"));', [" (Ctrl+E)"]),
    ('const QCommandLineOption o(QStringLiteral("color"), QStringLiteral("Print it."), QStringLiteral("VALUE"));',
     ["Print it."]),
    ('Fail(2, QStringLiteral("--format: ") + why);', []),
    ('setText(QStringLiteral("%1:%2"));', []),
    ('// not translated: a design name\nview->setPlainText(QStringLiteral("RichTextBox1"));', []),
    ('setObjectName(QStringLiteral("cmdKeep")); // setText("x") in a comment', []),
    ('std::fprintf(stderr, "tintora: %s\\n", why);', []),
    ('std::fprintf(stderr, "cannot load %s\\n", why);', ["cannot load %s\\n"]),
]


class CheckTr(unittest.TestCase):
    def test_snippets(self):
        for snippet, want in CASES:
            with self.subTest(snippet=snippet):
                found = [f.split('"', 1)[1].rsplit('"', 1)[0] for f in check_tr.check_text(snippet, "x.cpp")]
                self.assertEqual(found, want)

    def test_repository_passes(self):
        root = os.path.join(os.path.dirname(SCRIPT), "..")
        run = subprocess.run([sys.executable, SCRIPT, root], capture_output=True, text=True)
        self.assertEqual(run.returncode, 0, run.stdout)


if __name__ == "__main__":
    unittest.main()
