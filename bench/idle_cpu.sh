#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Processor time of Tintora left alone with its browser window open, as users
# run it: the program on an X server of its own (Xvfb), the browser opened
# with the main window's "Visit" button, its address field focused, then no
# input at all. After a settling time longer than the caret's blink limit
# (10 s), counts the clock ticks (10 ms each) that the program and every
# process it started (the web engine's helpers) use over the measuring span.
#
#   bench/idle_cpu.sh [BUILD_DIR] [SECONDS]     (defaults: build, 60)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
span=${2:-60}
settle=15
program="$build/bin/tintora"
[ -x "$program" ] || { echo "no $program; build the program first" >&2; exit 2; }
[ -f "$build/bin/tintora_browser.so" ] || { echo "no browser module beside $program" >&2; exit 2; }

work=$(mktemp -d)
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
xvfb_pid="" app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && { kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; }
  rm -rf "$work"
}
trap cleanup EXIT

for n in $(seq 150 199); do
  [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=":$n"
  break
done
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# The program and every process below it.
tree() {
  local p=$1 c
  echo "$p"
  for c in $(cat /proc/"$p"/task/*/children 2>/dev/null); do tree "$c"; done
}
ticks() { # pid... -> utime + stime
  local total=0 p f
  for p in "$@"; do
    f=$(cut -d')' -f2 "/proc/$p/stat" 2>/dev/null) || continue
    set -- $f
    total=$((total + ${12} + ${13}))
  done
  echo "$total"
}

# Not a first start: the read-me window would open over the main window.
mkdir -p "$XDG_CONFIG_HOME/Tintora"
printf '[Settings]\nshowHelp=0\n' >"$XDG_CONFIG_HOME/Tintora/Tintora.conf"
"$program" --no-splash >"$work/out.log" 2>&1 &
app_pid=$!
main=$(timeout 30 xdotool search --sync --onlyvisible --pid "$app_pid" | head -n 1)
sleep 1
xdotool mousemove --window "$main" 360 422 click 1   # "Visit ..."
for _ in $(seq 300); do
  [ "$(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null | wc -l)" -ge 2 ] && break
  sleep 0.1
done
sleep 3 # the page's first load
[ "$(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null | wc -l)" -ge 2 ] ||
  { echo "the browser window did not open: $(tail -3 "$work/out.log")" >&2; exit 1; }
# The pointer leaves the windows, so that no hover effect moves.
xdotool mousemove 1279 1023
echo "browser window open; settling for $settle s"
sleep "$settle"

pids=$(tree "$app_pid")
[ "$(echo "$pids" | wc -l)" -gt 1 ] || { echo "the web engine started no helper process" >&2; exit 1; }
main_before=$(ticks "$app_pid")
all_before=$(ticks $pids)
sleep "$span"
main_after=$(ticks "$app_pid")
all_after=$(ticks $pids)
main_ticks=$((main_after - main_before))
helper_ticks=$(((all_after - all_before) - main_ticks))
hz=$(getconf CLK_TCK)
echo "over ${span} s untouched: the program used $main_ticks ticks, its $(($(echo "$pids" | wc -l) - 1)) helper processes $helper_ticks ticks (1 tick = $((1000 / hz)) ms)"
awk -v t="$((main_ticks + helper_ticks))" -v s="$span" -v hz="$hz" \
  'BEGIN { printf "processor use: %.3f %% of one core\n", 100 * t / hz / s }'
