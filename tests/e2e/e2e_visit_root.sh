#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# "Visit" never ends the program. Run by root with the browser's sandbox as
# shipped, no web content runs: a window shows the address to copy, stderr
# says why, no engine process starts, and the program is still running 10 s
# later. Without the browser module, the desktop's browser is not started as
# root either (a stand-in xdg-open records any call): a message box names the
# address.
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
: "${TINTORA_BROWSER_MODULE:?path to the browser module}"
[ "$(id -u)" -eq 0 ] || { echo "SKIP: needs root"; exit 77; }
[ -f "$TINTORA_BROWSER_MODULE" ] || { echo "SKIP: no browser module was built"; exit 77; }
: "${EXPECTED_PRODUCT:?product name}"
unset QTWEBENGINE_DISABLE_SANDBOX QTWEBENGINE_CHROMIUM_FLAGS
start_x

other_windows() { # pid main -> ids of the program's other visible windows
  local id
  for id in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do
    [ "$id" = "$2" ] || echo "$id"
  done
}

# 1. The built-in browser, as root.
cp "$TINTORA_BROWSER_MODULE" "$appdir/"
"$app" --no-splash >"$work/out.log" 2>&1 &
app_pid=$!
main=$(main_window "$EXPECTED_TITLE")
click_at "$main" 360 422   # "Visit ..."
browser=""
for _ in $(seq 300); do
  browser=$(other_windows "$app_pid" "$main" | head -n 1)
  [ -n "$browser" ] && break
  kill -0 "$app_pid" 2>/dev/null || fail "the program ended: $(tail -5 "$work/out.log")"
  sleep 0.1
done
[ -n "$browser" ] || fail "no window opened after Visit (log: $(tail -5 "$work/out.log"))"
sleep 10
kill -0 "$app_pid" 2>/dev/null || fail "the program ended after Visit: $(tail -5 "$work/out.log")"
grep -q "shows no web pages" "$work/out.log" || fail "nothing on stderr says why: $(cat "$work/out.log")"
if grep -q "without its sandbox\|Running as root without --no-sandbox" "$work/out.log"; then
  fail "the engine started as root: $(cat "$work/out.log")"
fi
if pgrep -P "$app_pid" -f QtWebEngineProcess >/dev/null; then fail "a web engine process runs as root"; fi
xdotool getwindowname "$main" >/dev/null || fail "the main window is gone"
kill "$app_pid"
wait "$app_pid" 2>/dev/null || true
app_pid=""

# 2. No browser module: the desktop's browser would run as root too.
rm -f "$appdir"/*tintora_browser*
mkdir -p "$work/bin"
printf '#!/bin/sh\necho "$@" >"%s/xdg-open.called"\n' "$work" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
PATH="$work/bin:$PATH" BROWSER= DEFAULT_BROWSER= "$app" --no-splash >"$work/out.log" 2>&1 &
app_pid=$!
main=$(main_window "$EXPECTED_TITLE")
click_at "$main" 360 422
message=$(timeout 20 xdotool search --sync --onlyvisible --name "^${EXPECTED_PRODUCT}\$" | head -n 1) ||
  fail "no message box after Visit with no browser (log: $(tail -5 "$work/out.log"))"
kill -0 "$app_pid" 2>/dev/null || fail "the program ended"
grep -q "no web browser could be opened for" "$work/out.log" || fail "nothing on stderr: $(cat "$work/out.log")"
[ ! -e "$work/xdg-open.called" ] || fail "the desktop's browser was started as root: $(cat "$work/xdg-open.called")"
echo "PASS: Visit as root showed the address without running web content; without the module no browser started and a message appeared ($message)"
