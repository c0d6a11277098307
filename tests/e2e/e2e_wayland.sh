#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The program as shipped on a Wayland desktop: a headless sway, the program
# on Qt's Wayland platform, the clipboard through wl-paste, keys through
# wtype (a virtual keyboard), and a stand-in desktop portal on a private
# session bus. Checks that the main window opens at its size, that a pick
# (Ctrl+E) through the portal becomes current and names the window by an
# xdg-foreign handle, that Copy reaches the Wayland clipboard, and that
# `tintora --pick` prints the portal's colour.
set -euo pipefail
: "${TINTORA_BIN:?path to the tintora program}"
: "${FAKE_PORTAL:?path to the fake_portal helper}"
: "${EXPECTED_TITLE:?the title of the main window}"

for tool in sway swaymsg wl-copy wl-paste wtype dbus-daemon python3 setpriv; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
plugins=$(qtpaths6 -query QT_INSTALL_PLUGINS 2>/dev/null || true)
if [ -n "$plugins" ] && ! ls "$plugins"/platforms/libqwayland-*.so >/dev/null 2>&1; then
  echo "SKIP: Qt's Wayland platform plugin (qt6-wayland) is not installed"
  exit 77
fi

work=$(mktemp -d)
chmod 755 "$work"
sway_pid=""
bus_pid=""
portal_pid=""
app_pid=""
keyboard_pid=""
cleanup() {
  local pid
  for pid in "$keyboard_pid" "$app_pid" "$portal_pid" "$bus_pid" "$sway_pid"; do
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  done
  [ -n "$sway_pid" ] && wait "$sway_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*"
  exit 1
}

# The compositor. sway refuses to run as root, so as root it runs as
# nobody, in a runtime folder of its own; the program (root) can still
# reach its socket.
swaydir="$work/sway"
mkdir -p "$swaydir/run"
chmod 700 "$swaydir/run"
cat >"$swaydir/config" <<'CONF'
xwayland disable
output HEADLESS-1 resolution 1600x1200
CONF
as_compositor=()
if [ "$(id -u)" = 0 ]; then
  chown -R nobody:nogroup "$swaydir"
  as_compositor=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
env -i PATH="$PATH" HOME="$swaydir" XDG_RUNTIME_DIR="$swaydir/run" WLR_BACKENDS=headless \
  WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman "${as_compositor[@]}" sway -c "$swaydir/config" \
  >"$work/sway.log" 2>&1 &
sway_pid=$!
socket=""
for _ in $(seq 100); do
  socket=$(find "$swaydir/run" -maxdepth 1 -name 'wayland-*' -type s 2>/dev/null | head -n 1)
  ipc=$(find "$swaydir/run" -maxdepth 1 -name 'sway-ipc.*' -type s 2>/dev/null | head -n 1)
  [ -n "$socket" ] && [ -n "$ipc" ] && break
  kill -0 "$sway_pid" 2>/dev/null || break
  sleep 0.1
done
if [ -z "$socket" ] || [ -z "$ipc" ]; then
  echo "SKIP: the headless compositor (sway) could not start here: $(tail -n 1 "$work/sway.log")"
  exit 77
fi
export SWAYSOCK="$ipc" WAYLAND_DISPLAY="$socket"

# The program's own folders: the runtime folder is its own, the compositor's
# socket is named by its full path.
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" "$XDG_CONFIG_HOME/Tintora" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
printf '[Settings]\nshowHelp=0\n' >"$XDG_CONFIG_HOME/Tintora/Tintora.conf"
export QT_QPA_PLATFORM=wayland
unset DISPLAY

# A private session bus that knows only this test's (empty) service folder,
# so that no desktop portal of the machine is started on it, and the
# stand-in portal on it.
source "$(dirname "${BASH_SOURCE[0]}")/private_bus.sh"
start_private_bus "$work"
start_fake_portal "$work" answer 0.4 0.8 1

# `tintora --pick` asks the portal and prints its colour.
out=$(timeout 30 "$TINTORA_BIN" --pick 2>"$work/pick.err") || fail "--pick exited $?: $(cat "$work/pick.err")"
[ "$out" = "#66CCFF" ] || fail "--pick printed '$out'"

# window TITLE: "x y width height" of its content on the output, once mapped.
window() {
  swaymsg -t get_tree | python3 -c '
import json, sys
def walk(n):
    if n.get("pid") and n.get("name") == sys.argv[1]:
        r, w = n["rect"], n["window_rect"]
        print(r["x"] + w["x"], r["y"] + w["y"], w["width"], w["height"], n["focused"])
    for c in n.get("nodes", []) + n.get("floating_nodes", []):
        walk(c)
walk(json.load(sys.stdin))' "$1"
}

"$TINTORA_BIN" --no-splash >"$work/app.log" 2>&1 &
app_pid=$!
# Waits until the window is mapped and has the keyboard focus.
geometry=""
for _ in $(seq 150); do
  geometry=$(window "$EXPECTED_TITLE")
  case "$geometry" in *True) break ;; esac
  sleep 0.2
done
[ -n "$geometry" ] || fail "no window titled '$EXPECTED_TITLE': $(cat "$work/app.log")"
read -r _ _ width height focused <<<"$geometry"
[ "$focused" = True ] || fail "the main window did not get the focus"
[ "$width" = 480 ] && [ "$height" = 519 ] || fail "the main window is ${width}x${height}, not 480x519"

# Each wtype brings a virtual keyboard of its own. Without a keyboard the
# seat has none, and the window would have to bind a new one on every wtype
# and miss its first keys; a wtype that sleeps keeps one there. (A Shift
# alone does nothing in the program.)
wtype -k Shift_L -s 600000 &
keyboard_pid=$!
sleep 0.5

clipboard() { timeout 5 wl-paste --no-newline 2>/dev/null || true; }
# Waits until the clipboard holds $1.
expect_clip() { # expected what
  local got=""
  for _ in $(seq 40); do
    got=$(clipboard)
    [ "$got" = "$1" ] && return 0
    sleep 0.1
  done
  fail "$2: the clipboard holds '$got', expected '$1'"
}

# Ctrl+E picks through the portal; the colour becomes current.
asked=$(grep -c '^parent' "$work/portal")
wtype -M ctrl -k e -m ctrl
for _ in $(seq 50); do
  [ "$(grep -c '^parent' "$work/portal")" -gt "$asked" ] && break
  sleep 0.1
done
[ "$(grep -c '^parent' "$work/portal")" -gt "$asked" ] || fail "Ctrl+E did not ask the portal: $(cat "$work/app.log")"
parent=$(sed -n 's/^parent //p' "$work/portal" | tail -n 1)
case "$parent" in
  wayland:?*) ;;
  *) fail "the portal was given the parent window '$parent', not a wayland: handle" ;;
esac

# Back through the controls from "Keep", Ctrl+C in each, until the HTML code
# field (which copies its whole code) shows the picked colour; its Copy
# button is the next control. (Backwards, because leaving the hue field
# takes the colour at the marker, as typing a hue does.)
found=""
for _ in $(seq 80); do
  wtype -M shift -k Tab -m shift -M ctrl -k c -m ctrl
  sleep 0.15
  if [ "$(clipboard)" = "#66CCFF" ]; then
    found=1
    break
  fi
done
[ -n "$found" ] || fail "no code field showed the picked #66CCFF (the clipboard holds '$(clipboard)')"
timeout 5 wl-copy "something else"
expect_clip "something else" "wl-copy"
wtype -k Tab -k space
expect_clip "#66CCFF" "the HTML code's Copy button"
echo "PASS: on headless sway the window is 480x519, the portal pick (parent $parent) became current, Copy reached wl-paste, --pick printed #66CCFF"
