#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A portable copy keeps to the palette in its own folder: a newer per-user
# palette of another copy is neither shown nor overwritten, and "Add" writes
# only the portable file. A pipe in the settings file's place must not hang
# start-up (the settings then take their defaults).
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
start_x

crlf_lines() { # value of slot 1, then zeros: 225 lines in the file's form
  printf ' 0 \r\n %s \r\n' "$1"
  for _ in $(seq 223); do printf ' 0 \r\n'; done
}
# Blue in the portable folder; yellow, an hour newer, in the per-user folder.
crlf_lines 16711680 >"$appdir/usercolors.cps"
user_file="$XDG_DATA_HOME/Tintora/Tintora/usercolors.cps"
mkdir -p "$(dirname "$user_file")"
crlf_lines 65535 >"$user_file"
touch -d '1 hour ago' "$appdir/usercolors.cps"
user_before=$(md5sum <"$user_file")
mkdir -p "$XDG_CONFIG_HOME/Tintora"
mkfifo "$XDG_CONFIG_HOME/Tintora/Tintora.conf"

"$app" --no-splash >"$work/out.log" 2>&1 &
app_pid=$!
win=$(main_window "$EXPECTED_TITLE")

click_at "$win" 265 10    # the plane's top right corner: pure red
click_at "$win" 433 33    # Presets: the custom colours, "Add" swatch red
click_at "$win" 17 17     # cell 1
click_at "$win" 206 378   # Copy beside the HTML code
expect_clip "#0000FF" "cell 1 of the portable palette"

click_at "$win" 35 17     # cell 2
click_at "$win" 389 229   # Add
file="$appdir/usercolors.cps"
for _ in $(seq 50); do
  [ "$(sed -n 3p "$file" | tr -d '\r')" = " 255 " ] && break
  sleep 0.1
done
[ "$(sed -n 3p "$file" | tr -d '\r')" = " 255 " ] || fail "Add did not write cell 2 into the portable palette"
[ "$(sed -n 2p "$file" | tr -d '\r')" = " 16711680 " ] || fail "the portable palette lost its blue cell 1"
[ "$(md5sum <"$user_file")" = "$user_before" ] || fail "the per-user palette was changed"
[ -p "$XDG_CONFIG_HOME/Tintora/Tintora.conf" ] || fail "the settings pipe was replaced"
echo "PASS: the portable copy shows and writes its own palette only"
