#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Pointer, keyboard and clipboard for real: a press on the plane, the Copy
# buttons, the system clipboard; then the web-safe grid and "Add" with the
# palette file read back from disk.
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
start_x

"$app" --no-splash >"$work/out.log" 2>&1 &
app_pid=$!
win=$(main_window "$EXPECTED_TITLE")

# The plane for pure red at (138, 138) holds (127, 63, 63).
click_at "$win" 138 138
click_at "$win" 206 346   # Copy beside the RGB code
expect_clip "RGB(127, 63, 63)" "RGB copy"
click_at "$win" 206 378   # Copy beside the HTML code
expect_clip "#7F3F3F" "HTML copy"
click_at "$win" 444 346   # Copy beside the decimal code
expect_clip "$((127 + 256 * 63 + 65536 * 63))" "decimal copy"
click_at "$win" 444 382   # Copy beside the BASIC hex code
expect_clip "&H3F3F7F&" "hex copy"

# Typing a hue: 180 moves the slider; the plane pick follows the new hue.
click_at "$win" 360 154   # into the hue field
xdotool key --window "$win" ctrl+a
xdotool type --window "$win" --delay 50 "120"
sleep 0.3
click_at "$win" 265 10    # top right corner: the pure hue of row 95 (green)
click_at "$win" 206 378
expect_clip "#00FF00" "after typing hue 120 the corner"

# The grid: Presets, then "Safe Palette (216)" from the list, cell 216, Copy.
click_at "$win" 433 33
click_at "$win" 389 138
xdotool key --window "$win" Down Return
sleep 0.3
click_at "$win" 143 251
click_at "$win" 206 378
expect_clip "#FFFFFF" "safe cell 216"

# Back to the custom colours, cell 1, "Add": the file holds the add colour,
# the "New" colour when the grid opened (the green corner).
click_at "$win" 389 138
xdotool key --window "$win" Up Return
sleep 0.3
click_at "$win" 17 17
click_at "$win" 389 229
file="$appdir/usercolors.cps"
for _ in $(seq 50); do [ -f "$file" ] && break; sleep 0.1; done
[ -f "$file" ] || fail "no palette file after Add"
line2=$(sed -n 2p "$file" | tr -d '\r')
[ "$line2" = " 65280 " ] || fail "line 2 of the palette file is '$line2'"
[ "$(wc -l <"$file")" -eq 225 ] || fail "the palette file has $(wc -l <"$file") lines"
echo "PASS: picks, copies, safe grid and Add work for real"
