#!/usr/bin/env bash
# Builds Tintora with every test and runs them all through CTest: unit
# tests, widget tests on Qt's offscreen platform and end-to-end tests of the
# real program under Xvfb.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${TINTORA_BUILD_DIR:-$root/build}"

bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTINTORA_WERROR=ON "$@" >/dev/null
cmake --build "$build" -j"$(nproc)"
ctest --test-dir "$build" --output-on-failure -j2
