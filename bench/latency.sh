#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Drag latency, move to first changed pixel, of the program beside Qt's
# colour dialog (bench_latency): an X server, a session bus and a home folder
# of their own, the program started as the end-to-end tests start it (no
# splash, a later start's settings, so no read-me window over the picker).
#
#   bench/latency.sh [BUILD_DIR] [bench_latency options...]   (default: build)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build"
if [ $# -gt 0 ] && [ "${1#--}" = "$1" ]; then
  build=$(cd "$1" && pwd)
  shift
fi
bench="$build/bin/bench_latency"
[ -x "$bench" ] || { echo "no $bench; build the bench_latency target first" >&2; exit 2; }

work=$(mktemp -d)
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" "$XDG_CONFIG_HOME/Tintora" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
printf '[Settings]\nshowHelp=0\n' >"$XDG_CONFIG_HOME/Tintora/Tintora.conf"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
xvfb_pid="" bus_pid=""
cleanup() {
  [ -n "$bus_pid" ] && kill "$bus_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && { kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; }
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "$*" >&2
  exit 1
}

# The program runs from a folder of its own, so its palette file is this
# run's.
mkdir -p "$work/app"
cp "$build/bin/tintora" "$work/app/tintora"

Xvfb -displayfd 3 -screen 0 2048x2048x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 300); do
  [ -s "$work/display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || break
  sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(head -n 1 "$work/display")"
source "$root/tests/e2e/private_bus.sh"
start_private_bus "$work/bus"

"$bench" "$@" -- "$work/app/tintora" --no-splash
