#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs scripts/lint.sh on a tiny project with one fault of each kind and
# checks that it fails and names each fault by file, line and check; then
# fixes the faults and checks that it passes.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir -p "$work"/{scripts,src/core,src/mainwin,tests,bench,fuzz}
cp "$root"/.clang-tidy "$root"/.clang-format "$work"/
cp "$root"/scripts/lint.sh "$root"/scripts/check-layers.py "$root"/scripts/check-tr.py "$work"/scripts/
cat >"$work"/CMakeLists.txt <<'CM'
cmake_minimum_required(VERSION 3.25)
project(Probe LANGUAGES CXX)
set(CMAKE_EXPORT_COMPILE_COMMANDS ON)
add_library(probe STATIC src/core/text.cpp src/core/broken.cpp src/mainwin/window.cpp)
target_include_directories(probe PUBLIC src)
CM
# A copy that clang-tidy flags, a file that does not compile, a header that is
# not formatted and one that includes from a higher layer.
printf '#include <string>\n\nstd::string Twice(const std::string& s)\n{\n    const std::string t = s + s;\n    return t;\n}\n' \
  >"$work"/src/core/text.cpp
printf 'int Depth()\n{\n    return undeclared;\n}\n' >"$work"/src/core/broken.cpp
printf '#pragma once\nint  Width();\n' >"$work"/src/mainwin/window.h
# Braces around a single statement break the one brace style.
printf '#pragma once\ninline int Sign(int v)\n{\n    if (v < 0) {\n        return -1;\n    }\n    return 1;\n}\n' \
  >"$work"/src/mainwin/sign.h
printf '#pragma once\n#include "mainwin/window.h"\n' >"$work"/src/core/layout.h
printf '#include "mainwin/window.h"\n\nint Width()\n{\n    return 480;\n}\n' >"$work"/src/mainwin/window.cpp
# A caption that bypasses tr() (a header no file includes, so it needs no Qt).
printf '#pragma once\ntemplate <typename W> void Caption(W& w)\n{\n    w.setText(QStringLiteral("Keep"));\n}\n' \
  >"$work"/src/mainwin/caption.h

fail() { echo "FAIL: $*"; echo "--- lint output:"; cat "$work/out"; exit 1; }

if bash "$work"/scripts/lint.sh "$work"/build >"$work"/out 2>&1; then fail "lint passed a tree with faults"; fi
grep -qx 'src/mainwin/window.h:2: clang-format' "$work"/out || fail "clang-format finding missing"
grep -q '^src/mainwin/sign.h:4: braces' "$work"/out || fail "brace finding missing"
grep -q '^src/core/text.cpp:6: performance-no-automatic-move: ' "$work"/out || fail "clang-tidy finding missing"
grep -q '^src/core/broken.cpp:3: clang-diagnostic-error: ' "$work"/out || fail "compile error missing"
grep -q '^src/core/layout.h:2: core may not include mainwin/window.h' "$work"/out || fail "layer finding missing"
grep -q '^src/mainwin/caption.h:4: tr: "Keep" reaches setText() without tr()' "$work"/out || fail "tr finding missing"
grep -qx 'lint failed: clang-format braces clang-tidy layers tr' "$work"/out || fail "summary line wrong"

printf '#pragma once\nint Width();\n' >"$work"/src/mainwin/window.h
rm "$work"/src/core/layout.h
printf '#pragma once\ninline int Sign(int v)\n{\n    if (v < 0)\n        return -1;\n    return 1;\n}\n' >"$work"/src/mainwin/sign.h
sed -i 's/setText(QStringLiteral("Keep"))/setText(W::tr("Keep"))/' "$work"/src/mainwin/caption.h
sed -i 's/return undeclared/return 3/' "$work"/src/core/broken.cpp
sed -i 's/    const std::string t/    std::string t/' "$work"/src/core/text.cpp
bash "$work"/scripts/lint.sh "$work"/build >"$work"/out 2>&1 || fail "lint failed a clean tree"
grep -qx 'lint passed' "$work"/out || fail "no pass line"
echo "lint self-test passed"
