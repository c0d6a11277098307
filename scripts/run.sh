#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds Tintora and starts it. On a machine without a display it runs the
# program on a virtual X server and saves a picture of the main window.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${TINTORA_BUILD_DIR:-$root/build}"

# Only what building and running need; the test command adds the rest.
bash "$root/scripts/install-deps.sh"
echo "== Configuring in $build"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTINTORA_BUILD_TESTS=OFF -DTINTORA_BUILD_BENCH=OFF >/dev/null
echo "== Building the program (a first build takes several minutes)"
cmake --build "$build" --target program -j"$(nproc)"
echo "== Starting $build/bin/tintora (next time, start it directly)"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  shot="$build/tintora-main-window.png"
  xvfb-run -a -s "-screen 0 1280x1024x24" "$build/bin/tintora" --screenshot "$shot" "$@"
  echo "No display found: Tintora ran on a virtual X server."
  echo "Its main window is saved as $shot"
else
  exec "$build/bin/tintora" "$@"
fi
