#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A text field's caret blinks while the user works and holds still once the
# program has been left alone for 10 s, as users see it on the screen: the
# pixels around the caret change over a second while it blinks, stay the
# same once idle, and change again after the next key.
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
: "${X11_PIXEL:?path to the x11_pixel helper}"
start_x
not_first_start
"$app" --no-splash >"$work/out.log" 2>&1 &
app_pid=$!
win=$(main_window "$EXPECTED_TITLE")

# A text field (the one the R value is typed into), its caret where clicked.
click_at "$win" 360 154
area=()
for y in $(seq 147 2 161); do
  for x in $(seq 340 1 380); do area+=("$x" "$y"); done
done
# How many different pictures of the field 5 samples over 1.2 s show.
pictures() {
  local i
  for i in 1 2 3 4 5; do
    "$X11_PIXEL" "$win" "${area[@]}" | md5sum
    sleep 0.3
  done | sort -u | wc -l
}

[ "$(pictures)" -ge 2 ] || fail "the caret does not blink in a field just clicked (nothing to measure)"
sleep 11
[ "$(pictures)" -eq 1 ] || fail "the caret still blinks after 11 s without input"
xdotool key End
[ "$(pictures)" -ge 2 ] || fail "the caret did not blink again after a key"
echo "PASS: the caret blinks while in use, holds still after 10 s idle and blinks again on a key"
