#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The shut-down rule with the built-in browser: closing the main window
# while the browser is open leaves the program running; closing the browser
# then ends it with status 0.
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
: "${TINTORA_BROWSER_MODULE:?path to the browser module}"
[ -f "$TINTORA_BROWSER_MODULE" ] || { echo "SKIP: no browser module was built"; exit 77; }
cp "$TINTORA_BROWSER_MODULE" "$appdir/"
# Chromium refuses its sandbox as root; only this test switches it off.
export QTWEBENGINE_DISABLE_SANDBOX=1
export QTWEBENGINE_CHROMIUM_FLAGS="--disable-gpu --no-proxy-server"
start_x

"$app" --no-splash >"$work/out.log" 2>&1 &
app_pid=$!
main=$(main_window "$EXPECTED_TITLE")
click_at "$main" 360 422   # "Visit ..."

browser=""
for _ in $(seq 300); do
  for id in $(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null); do
    [ "$id" = "$main" ] && continue
    name=$(xdotool getwindowname "$id" 2>/dev/null || true)
    [ -n "$name" ] && [ "$name" != "$EXPECTED_TITLE" ] && browser="$id"
  done
  [ -n "$browser" ] && break
  sleep 0.1
done
[ -n "$browser" ] || fail "the browser window did not open (log: $(tail -5 "$work/out.log"))"

"$X11_CLOSE" "$EXPECTED_TITLE" || fail "could not close the main window"
sleep 1
kill -0 "$app_pid" 2>/dev/null || fail "the program ended although the browser was open"

"$X11_CLOSE" --id "$browser" || fail "could not close the browser window"
for _ in $(seq 100); do
  kill -0 "$app_pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$app_pid" 2>/dev/null && fail "the program did not end when the browser closed"
set +e
wait "$app_pid"
status=$?
set -e
app_pid=""
[ "$status" -eq 0 ] || fail "exit status $status"
echo "PASS: the browser kept the program alive; closing it ended the program with status 0"
