#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds Tintora with every test and runs them all through CTest: unit
# tests, widget tests on Qt's offscreen platform and end-to-end tests of the
# real program under Xvfb.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${TINTORA_BUILD_DIR:-$root/build}"

# The run command's packages and the test, benchmark and fuzzing tools.
bash "$root/scripts/install-deps.sh" --tests
echo "== Configuring in $build"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTINTORA_WERROR=ON \
  -DTINTORA_BUILD_TESTS=ON -DTINTORA_BUILD_BENCH=ON -DTINTORA_TEST_DEB=ON "$@" >/dev/null
echo "== Building the program, the tests and the benchmarks"
cmake --build "$build" -j"$(nproc)"
echo "== Running the tests"
ctest --test-dir "$build" --output-on-failure -j2
