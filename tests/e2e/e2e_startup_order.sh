#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Start-up as users see it: the main window's first frame is on the screen
# before the help window is mapped, with the splash and without, and no
# OpenGL driver is loaded into the process while no browser has been opened.
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
: "${X11_FIRST_FRAMES:?path to the x11_first_frames helper}"
: "${HELP_RTF:?path to the help file}"
cp "$HELP_RTF" "$appdir/Help.rtf"
# The browser module sits beside the program, as shipped, unopened.
[ -n "${TINTORA_BROWSER_MODULE:-}" ] && [ -f "$TINTORA_BROWSER_MODULE" ] && cp "$TINTORA_BROWSER_MODULE" "$appdir/"
start_x

for mode in --no-splash ""; do
  rm -rf "$XDG_CONFIG_HOME"/*   # first run: "showHelp" defaults to "1"
  "$X11_FIRST_FRAMES" "$EXPECTED_TITLE" "Readme/Help" 60 >"$work/order.log" 2>&1 &
  watcher=$!
  for _ in $(seq 100); do
    grep -q ready "$work/order.log" && break
    sleep 0.05
  done
  "$app" $mode >"$work/out.log" 2>&1 &
  app_pid=$!
  set +e
  wait "$watcher"
  order=$?
  set -e
  cat "$work/order.log"
  [ "$order" -eq 0 ] || fail "${mode:-with the splash}: the help window was mapped before the main window's first frame reached the screen"

  maps=$(grep -E 'libGLX_mesa|swrast|libgallium|libLLVM|dri/' "/proc/$app_pid/maps" || true)
  [ -z "$maps" ] || fail "${mode:-with the splash}: an OpenGL driver is loaded before the browser opened: $maps"
  if grep -qi "warning\|opengl" "$work/out.log"; then
    fail "${mode:-with the splash}: unexpected output: $(cat "$work/out.log")"
  fi
  kill "$app_pid"
  wait "$app_pid" 2>/dev/null || true
  app_pid=""
done
echo "PASS: the main window's first frame came before the help window; no OpenGL driver at start-up"
