#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real program through its splash: a window titled from the branding
# with a 480 x 519 client area, and exit status 0 when it is closed.
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
start_x

"$app" >"$work/out.log" 2>&1 &
app_pid=$!
title="$EXPECTED_TITLE"
win=$(main_window "$title")
geometry=$(xdotool getwindowgeometry "$win" | sed -n 's/.*Geometry: //p')
[ "$geometry" = "480x519" ] || fail "client area is $geometry, not 480x519"
# The window offers its icon: 64 x 64 pixels, not all transparent.
icon=$(xprop -id "$win" -notype 32c _NET_WM_ICON | tr -d ' ' | cut -d= -f2)
[ "${icon%%,*}x$(echo "$icon" | cut -d, -f2)" = "64x64" ] || fail "window icon: '${icon:0:40}'"
[ -n "$(echo "$icon" | cut -d, -f3- | tr -d '0,')" ] || fail "the window icon is blank"

"$X11_CLOSE" "$title" || fail "could not ask the window to close"
for _ in $(seq 100); do
  kill -0 "$app_pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$app_pid" 2>/dev/null; then
  fail "the program did not end when its main window was closed"
fi
set +e
wait "$app_pid"
status=$?
set -e
app_pid=""
[ "$status" -eq 0 ] || fail "exit status $status after closing (log: $(cat "$work/out.log"))"
echo "PASS: window '$title' 480x519 with its icon, exit status 0 on close"
