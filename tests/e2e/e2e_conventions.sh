#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Desktop conventions of the program as shipped: Qt's standard options are
# taken, --help names the program, a failed write to standard output is an
# error, and every window (main, help, About, splash) carries the program's
# icon (_NET_WM_ICON).
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
: "${HELP_RTF:?path to the shipped Help.rtf}"
command -v xprop >/dev/null || { echo "SKIP: xprop is not installed"; exit 77; }

# Read whole: a reader that stops early makes the program's write fail, which
# it reports as an error.
help=$("$app" --help) || fail "--help exited $?"
usage=${help%%$'\n'*}
[ "$usage" = "Usage: tintora [options]" ] || fail "--help begins '$usage'"

for args in "--color red" "--version" "--help"; do
  rc=0
  # shellcheck disable=SC2086 # the options are words
  "$app" $args >/dev/full 2>"$work/err" || rc=$?
  [ "$rc" = 3 ] || fail "'tintora $args > /dev/full' exited $rc"
  grep -q "cannot write the output" "$work/err" || fail "'tintora $args > /dev/full' said '$(cat "$work/err")'"
done

# Qt's options with the display-free commands and with a start.
out=$("$app" -platform offscreen -style Fusion --color '#102030' --format hex-lower) ||
  fail "Qt's options with --color were refused"
[ "$out" = "#102030" ] || fail "Qt's options with --color printed '$out'"
"$app" -platform offscreen -reverse -style=Fusion -qwindowgeometry 480x519+5+5 --no-splash \
  --screenshot "$work/shot.png" >"$work/shot.log" 2>&1 || fail "a start with Qt's options failed: $(cat "$work/shot.log")"
[ -s "$work/shot.png" ] || fail "a start with Qt's options saved no screenshot"

start_x
cp "$HELP_RTF" "$appdir/Help.rtf"
# -display names the X server instead of DISPLAY.
display=$DISPLAY
unset DISPLAY
"$app" -display "$display" -style Fusion >"$work/out.log" 2>&1 &
app_pid=$!
export DISPLAY=$display

has_icon() { # window what
  local size
  size=$(xprop -id "$1" -notype 32c _NET_WM_ICON | sed -n 's/^_NET_WM_ICON = \([0-9]*\), \([0-9]*\),.*/\1x\2/p' | head -n 1)
  [ -n "$size" ] || fail "the $2 window has no _NET_WM_ICON: $(xprop -id "$1" _NET_WM_ICON)"
}

splash=$(timeout 30 xdotool search --sync --onlyvisible --class '^tintora$' | head -n 1) || fail "no window at start-up"
has_icon "$splash" "first"
win=$(main_window "$EXPECTED_TITLE")
has_icon "$win" "main"
help=$(timeout 30 xdotool search --sync --onlyvisible --name '^Readme/Help$' | head -n 1) || fail "no help window"
has_icon "$help" "help"
"$X11_CLOSE" --id "$help" || fail "could not close the help window"
for _ in $(seq 50); do
  xdotool search --onlyvisible --name '^Readme/Help$' >/dev/null || break
  sleep 0.1
done
click_at "$win" 120 422 # About this software
about=$(timeout 30 xdotool search --sync --onlyvisible --name '^About ' | head -n 1) || fail "no About window"
has_icon "$about" "About"
echo "PASS: --help names tintora, /dev/full exits 3, Qt's options are taken, every window has the icon"
