#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Through XWayland (the X11 platform in a Wayland session) the program asks
# the desktop portal for a pick and names its main window to it as
# x11:<window id in hex>: here on Xvfb, with WAYLAND_DISPLAY set and a
# stand-in portal on a private session bus.
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
: "${FAKE_PORTAL:?path to the fake_portal helper}"
command -v dbus-daemon >/dev/null || { echo "SKIP: dbus-daemon is not installed"; exit 77; }
start_x
not_first_start

bus_pid=""
portal_pid=""
stop_bus() {
  [ -n "$portal_pid" ] && kill "$portal_pid" 2>/dev/null || true
  [ -n "$bus_pid" ] && kill "$bus_pid" 2>/dev/null || true
  cleanup
}
trap stop_bus EXIT

# A private bus that can start nothing but what this test puts there.
source "$(dirname "${BASH_SOURCE[0]}")/private_bus.sh"
start_private_bus "$work"
start_fake_portal "$work" answer 0.4 0.8 1

# A Wayland session around the X server: the program picks through the portal.
export WAYLAND_DISPLAY=wayland-e2e-absent QT_QPA_PLATFORM=xcb
"$app" --no-splash >"$work/out.log" 2>&1 &
app_pid=$!
win=$(main_window "$EXPECTED_TITLE")
xdotool windowfocus --sync "$win" 2>/dev/null || true
xdotool key --window "$win" ctrl+e
for _ in $(seq 50); do grep -q '^parent' "$work/portal" && break; sleep 0.1; done
parent=$(sed -n 's/^parent //p' "$work/portal" | head -n 1)
[ "$parent" = "x11:$(printf '%x' "$win")" ] || fail "the portal was given '$parent' for window $(printf '%x' "$win")"
click_at "$win" 206 378 # Copy beside the HTML code
expect_clip "#66CCFF" "the picked colour's HTML Copy"
echo "PASS: through XWayland the portal got the main window as $parent and the pick became current"
