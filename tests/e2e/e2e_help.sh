#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The shipped help file in the real program: the help window opens at
# start-up beside the main window, takes the keyboard (Page Down scrolls it,
# the window stays), and Escape closes it while the program runs on.
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
: "${HELP_RTF:?path to the shipped Help.rtf}"
start_x
cp "$HELP_RTF" "$appdir/Help.rtf"

"$app" >"$work/out.log" 2>&1 &
app_pid=$!
main_window "$EXPECTED_TITLE" >/dev/null
help=$(timeout 30 xdotool search --sync --onlyvisible --name '^Readme/Help$' | head -n 1) || fail "no help window at start-up"
geometry=$(xdotool getwindowgeometry "$help" | sed -n 's/.*Geometry: //p')
[ "$geometry" = "686x528" ] || fail "help window is $geometry, not 686x528"
grep -q "could not be shown" "$work/out.log" && fail "the help file was refused: $(cat "$work/out.log")"

# Keys go where a user's keys go: to the window that has the focus.
xdotool windowactivate --sync "$help" 2>/dev/null || xdotool windowfocus --sync "$help"
sleep 0.3
xdotool key Next Down Down
sleep 0.3
xdotool search --onlyvisible --name '^Readme/Help$' >/dev/null || fail "the help window closed on Page Down"

xdotool key Escape
for _ in $(seq 50); do
  xdotool search --onlyvisible --name '^Readme/Help$' >/dev/null || break
  sleep 0.1
done
xdotool search --onlyvisible --name '^Readme/Help$' >/dev/null && fail "Escape did not close the help window"
kill -0 "$app_pid" 2>/dev/null || fail "the program ended with the help window"
echo "PASS: the shipped help opens at start-up, takes the keys, and Escape closes it"
