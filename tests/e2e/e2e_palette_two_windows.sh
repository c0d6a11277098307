#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Two copies of the program on one palette: each adds colours from the grid
# it shows, in turn and then as fast as the clicks go. Every colour added by
# either window is in the file at the end; neither erases the other's.
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
start_x

file="$appdir/usercolors.cps"
window_of() { # pid -> the program's main window
  local id=""
  for _ in $(seq 300); do
    id=$(xdotool search --all --onlyvisible --pid "$1" --name "^${EXPECTED_TITLE}\$" 2>/dev/null | head -n 1 || true)
    [ -n "$id" ] && break
    sleep 0.1
  done
  [ -n "$id" ] || return 1
  sleep 0.5
  echo "$id"
}
cell_value() { sed -n "$(($1 + 1))p" "$file" 2>/dev/null | tr -d '\r'; }
add() { # window cell: select the cell in the first row, then "Add"
  click_at "$1" $((17 + 18 * ($2 - 1))) 17
  click_at "$1" 389 229
}
wait_cell() { # cell
  for _ in $(seq 50); do
    [ "$(cell_value "$1")" = " 255 " ] && return 0
    sleep 0.1
  done
  fail "cell $1 was not saved (file: $(tr -d '\r' <"$file" | head -n 20 | tr '\n' '|'))"
}

"$app" --no-splash >"$work/a.log" 2>&1 &
app_pid=$!
a=$(window_of "$app_pid") || fail "no window of the first program: $(tail -5 "$work/a.log")"
"$app" --no-splash >"$work/b.log" 2>&1 &
b_pid=$!
b=$(window_of "$b_pid") || fail "no window of the second program: $(tail -5 "$work/b.log")"
xdotool windowmove "$a" 0 0
xdotool windowmove "$b" 1000 0
sleep 0.5
for w in "$a" "$b"; do
  click_at "$w" 265 10  # the plane's top right corner: pure red
  click_at "$w" 433 33  # Presets: the custom colours, "Add" swatch red
done

# In turn: A in cell 3, B in cell 4, A in cell 5.
add "$a" 3
wait_cell 3
add "$b" 4
wait_cell 4
add "$a" 5
wait_cell 5
for cell in 3 4 5; do
  [ "$(cell_value "$cell")" = " 255 " ] || fail "cell $cell was erased by the other window"
done

# Then alternating as fast as the clicks go, cells 6 to 16.
for cell in $(seq 6 16); do
  if [ $((cell % 2)) = 0 ]; then add "$a" "$cell"; else add "$b" "$cell"; fi
done
wait_cell 16
sleep 1
lost=""
for cell in $(seq 3 16); do
  [ "$(cell_value "$cell")" = " 255 " ] || lost="$lost $cell"
done
[ -z "$lost" ] || fail "cells lost:$lost (first: $(tail -3 "$work/a.log"); second: $(tail -3 "$work/b.log"))"
kill "$b_pid" 2>/dev/null || true
echo "PASS: two windows added 14 colours to one palette, in turn and alternating; none was lost"
