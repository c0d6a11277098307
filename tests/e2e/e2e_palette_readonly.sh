#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The program's folder turns read-only while the program runs: "Add" cannot
# save, says so once, keeps the colour in the grid through a switch to the
# safe palette and back, and leaves the old file as it was.
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
start_x

# Root writes into any folder whatever its mode, so for root the folder is
# made immutable instead.
immutable=""
make_readonly() {
  if [ "$(id -u)" -ne 0 ]; then
    chmod a-w "$appdir"
  elif command -v chattr >/dev/null && chattr +i "$appdir" 2>/dev/null; then
    immutable="$appdir"
  else
    echo "SKIP: cannot make a folder read-only for root here (chattr +i failed)"
    exit 77
  fi
}
undo_readonly() {
  if [ -n "$immutable" ]; then chattr -i "$immutable" || true; fi
  chmod u+w "$appdir" 2>/dev/null || true
}
trap 'undo_readonly; cleanup' EXIT

printf ' 0 \r\n 16711680 \r\n' >"$appdir/usercolors.cps"
before=$(md5sum <"$appdir/usercolors.cps")

"$app" --no-splash >"$work/out.log" 2>&1 &
app_pid=$!
win=$(main_window "$EXPECTED_TITLE")
make_readonly

click_at "$win" 265 10    # pure red
click_at "$win" 433 33    # Presets: the custom colours
click_at "$win" 35 17     # cell 2
click_at "$win" 389 229   # Add: the save fails
product="${EXPECTED_TITLE%% by *}"
msg=$(timeout 10 xdotool search --sync --onlyvisible --name "^${product}\$" | head -n 1) ||
  fail "no message after a failed save"
xdotool windowfocus --sync "$msg" 2>/dev/null || true
xdotool key Return
sleep 0.5

# Safe palette and back: the colour is still in cell 2.
click_at "$win" 389 138
xdotool key --window "$win" Down Return
sleep 0.3
click_at "$win" 389 138
xdotool key --window "$win" Up Return
sleep 0.3
click_at "$win" 17 17
click_at "$win" 206 378
expect_clip "#0000FF" "cell 1 after the failed save"
click_at "$win" 35 17
click_at "$win" 206 378
expect_clip "#FF0000" "cell 2 after the failed save and a reload"

[ "$(md5sum <"$appdir/usercolors.cps")" = "$before" ] || fail "the palette file changed"
[ "$(ls -A "$appdir" | sort | tr '\n' ' ')" = "tintora usercolors.cps " ] || fail "files appeared: $(ls -A "$appdir")"
[ ! -e "$XDG_DATA_HOME/Tintora/Tintora/usercolors.cps" ] || fail "the portable copy wrote a per-user palette"

# Writable again: the next "Add" saves everything kept in the session.
undo_readonly
click_at "$win" 53 17     # cell 3
click_at "$win" 389 229
for _ in $(seq 50); do
  [ "$(sed -n 4p "$appdir/usercolors.cps" | tr -d '\r')" = " 255 " ] && break
  sleep 0.1
done
[ "$(sed -n 3p "$appdir/usercolors.cps" | tr -d '\r')" = " 255 " ] || fail "the kept colour was not saved later"
[ "$(sed -n 4p "$appdir/usercolors.cps" | tr -d '\r')" = " 255 " ] || fail "cell 3 was not saved"
echo "PASS: a failed save keeps the colour for the session and the file whole"
