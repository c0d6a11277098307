#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The copied code outlives the program on X11. Without a clipboard manager:
# Copy, close the window, and the clipboard still holds the code, served by
# the holder process until another program copies; the command line's --copy
# does the same, one holder at a time, and the holder ends with the X server.
# With a clipboard manager (a minimal stand-in): the program hands the code
# over as it exits and no holder starts.
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
: "${CLIPBOARD_HOLDER:?path to tintora-clipboard-holder}"
: "${CLIPBOARD_MANAGER_STANDIN:?path to the stand-in clipboard manager}"
: "${X11_FORGE:?path to the x11_forge helper}"
cp "$CLIPBOARD_HOLDER" "$appdir/"
holder="$appdir/tintora-clipboard-holder"
not_first_start

holders() { pgrep -f "^$holder" || true; }
# Waits until `holders` prints the count given.
expect_holders() { # count what
  local n=""
  for _ in $(seq 50); do
    n=$(holders | wc -l)
    [ "$n" = "$1" ] && return 0
    sleep 0.1
  done
  fail "$2: $n holder processes, expected $1"
}

# Copy the HTML code of the plane's colour at (138, 138), then close.
copy_and_close() {
  "$app" --no-splash >"$work/app.log" 2>&1 &
  app_pid=$!
  local win
  win=$(main_window "$EXPECTED_TITLE")
  click_at "$win" 138 138
  click_at "$win" 206 378
  expect_clip "#7F3F3F" "Copy beside the HTML code"
  "$X11_CLOSE" "$EXPECTED_TITLE" || fail "could not close the main window"
  local status=0
  wait "$app_pid" || status=$?
  app_pid=""
  [ "$status" = 0 ] || fail "the program exited $status: $(cat "$work/app.log")"
}

# ---- no clipboard manager -------------------------------------------------
start_x
copy_and_close
[ "$(clipboard)" = "#7F3F3F" ] || fail "after the exit the clipboard holds '$(clipboard)'"
expect_holders 1 "after the exit"
pid=$(holders)
# Detached and holding nothing of the program: its own session, the root
# folder, no descriptors but the null device and the X connection.
[ "$(readlink "/proc/$pid/cwd")" = / ] || fail "the holder works in $(readlink "/proc/$pid/cwd")"
[ "$(ps -o sid= -p "$pid" | tr -d ' ')" = "$pid" ] || fail "the holder leads no session of its own"
fds=$(ls "/proc/$pid/fd" | wc -l)
[ "$fds" = 4 ] || fail "the holder has $fds descriptors open: $(ls -l "/proc/$pid/fd")"
[ "$(xclip -o -selection clipboard -t STRING)" = "#7F3F3F" ] || fail "STRING gives '$(xclip -o -selection clipboard -t STRING)'"
xclip -o -selection clipboard -t TARGETS | grep -qx UTF8_STRING || fail "TARGETS lacks UTF8_STRING"
# A closed terminal does not end it.
kill -HUP "$pid"
sleep 0.2
kill -0 "$pid" 2>/dev/null || fail "SIGHUP ended the holder"

echo x | xclip -selection clipboard
expect_holders 0 "after another program copied"
expect_clip "x" "another program's copy"

# --copy: printed and kept; the pipe reading the output is not held open.
out=$(timeout 10 "$app" --color '#123456' --copy | cat) || fail "--color --copy failed or hung"
[ "$out" = $'RGB(18, 52, 86)\n5649426\n#123456\n&H563412&' ] || fail "--color --copy printed '$out'"
expect_clip "#123456" "--color --copy"
expect_holders 1 "after --copy"
first=$(holders)
timeout 10 "$app" --color red --format '{r}, {g}, {b}' --copy >/dev/null || fail "--format --copy failed"
expect_clip "255, 0, 0" "the second --copy"
expect_holders 1 "after the second --copy"
[ "$(holders)" != "$first" ] || fail "the first holder still serves"

# What the program hands over at exit is taken only from the program's own
# window: a copy another program made meanwhile stays. An absurd text is
# refused. Either way the clipboard keeps its code.
set +e
echo stale | "$holder" --from-window 0x3a00001
status=$?
head -c 70000 /dev/zero | tr '\0' a | "$holder" 2>/dev/null
status="$status $?"
set -e
[ "$status" = "6 3" ] || fail "the holder exited $status, expected 6 (not the owner) and 3 (too long)"
[ "$(clipboard)" = "255, 0, 0" ] || fail "a refused text changed the clipboard to '$(clipboard | head -c 40)'"
expect_holders 1 "after the refused texts"

# Any client can send the holder a SelectionClear, or a flood of forged
# events: it keeps the code (the server still names it the owner) and its
# memory (except under AddressSanitizer, which keeps what is freed).
pid=$(holders)
"$X11_FORGE" clear || fail "x11_forge could not send a SelectionClear"
expect_clip "255, 0, 0" "a forged SelectionClear"
"$X11_FORGE" flood 100000 || fail "x11_forge could not send its flood"
expect_clip "255, 0, 0" "a flood of forged events"
peak=$(awk '/^VmHWM/ {print $2}' "/proc/$pid/status")
ldd "$holder" | grep -q libasan || [ "$peak" -lt 4096 ] || fail "the holder grew to $peak kB under forged events"

# STRING is ISO 8859-1: a code with "é" is offered in it, one with a
# character beyond it only as UTF-8.
printf '#\xc3\xa91' | "$holder" || fail "the holder refused a code with é"
[ "$(xclip -o -selection clipboard -t STRING | od -An -tx1 | tr -d ' \n')" = 23e931 ] || fail "STRING of #é1 is not Latin-1"
[ "$(xclip -o -selection clipboard -t UTF8_STRING)" = "#é1" ] || fail "UTF8_STRING of #é1 is wrong"
printf '#\xc5\x911' | "$holder" || fail "the holder refused a code with ő"
xclip -o -selection clipboard -t TARGETS | grep -qx STRING && fail "STRING is offered for #ő1"
[ "$(xclip -o -selection clipboard -t UTF8_STRING)" = "#ő1" ] || fail "UTF8_STRING of #ő1 is wrong"
expect_holders 1 "after the Latin-1 checks"

# The holder never outlives the X server.
pid=$(holders)
kill "$xvfb_pid"
wait "$xvfb_pid" 2>/dev/null || true
xvfb_pid=""
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "the holder outlived the X server"

# ---- a clipboard manager runs ---------------------------------------------
start_x
"$CLIPBOARD_MANAGER_STANDIN" >"$work/manager.log" 2>&1 &
manager_pid=$!
trap 'kill "$manager_pid" 2>/dev/null || true; cleanup' EXIT
for _ in $(seq 50); do grep -q ready "$work/manager.log" && break; sleep 0.1; done
grep -q ready "$work/manager.log" || fail "the stand-in manager did not start"
copy_and_close
grep -qx "saved #7F3F3F" "$work/manager.log" || fail "the manager was not handed the code: $(cat "$work/manager.log")"
expect_clip "#7F3F3F" "the manager's copy"
[ -z "$(holders)" ] || fail "a holder started although a clipboard manager runs"

echo "PASS: the copied code outlives the program (holder and clipboard manager)"
