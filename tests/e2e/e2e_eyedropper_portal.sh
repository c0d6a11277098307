#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# `tintora --pick` in a Wayland session asks the desktop portal: here a
# stand-in portal (fake_portal) on a private session bus. No X server is
# needed; the program runs on the offscreen platform with WAYLAND_DISPLAY set.
set -euo pipefail
: "${TINTORA_BIN:?path to the tintora program}"
: "${FAKE_PORTAL:?path to the fake_portal helper}"
command -v dbus-daemon >/dev/null || { echo "SKIP: dbus-daemon is not installed"; exit 77; }

work=$(mktemp -d)
bus_pid=""
portal_pid=""
cleanup() {
  [ -n "$portal_pid" ] && kill "$portal_pid" 2>/dev/null || true
  [ -n "$bus_pid" ] && kill "$bus_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

source "$(dirname "${BASH_SOURCE[0]}")/private_bus.sh"
start_private_bus "$work"
export QT_QPA_PLATFORM=offscreen WAYLAND_DISPLAY=wayland-e2e HOME="$work" XDG_RUNTIME_DIR="$work"

# pick PORTAL-ARGS...: sets out, err and rc of `tintora --pick`.
pick() {
  if [ $# -gt 0 ]; then
    "$FAKE_PORTAL" "$@" >"$work/portal" 2>&1 &
    portal_pid=$!
    for _ in $(seq 100); do grep -q ready "$work/portal" && break; sleep 0.1; done
    grep -q ready "$work/portal" || fail "the stand-in portal did not start"
  fi
  rc=0
  timeout 30 "$TINTORA_BIN" --pick >"$work/out" 2>"$work/err" || rc=$?
  out=$(cat "$work/out")
  err=$(cat "$work/err")
  if [ -n "$portal_pid" ]; then
    kill "$portal_pid" 2>/dev/null || true
    wait "$portal_pid" 2>/dev/null || true
    portal_pid=""
  fi
}

pick answer 0.4 0.8 1
[ "$rc" = 0 ] && [ "$out" = "#66CCFF" ] || fail "an answer gave exit $rc, '$out', '$err'"
pick cancel
[ "$rc" = 1 ] && [ -z "$out" ] && [ -z "$err" ] || fail "a cancel gave exit $rc, '$out', '$err'"
pick other
[ "$rc" = 1 ] && [ -z "$out" ] && [ -z "$err" ] || fail "a cancel reported as 'other' gave exit $rc, '$out', '$err'"
pick refuse
[ "$rc" = 3 ] && [ -z "$out" ] || fail "a refusal gave exit $rc, '$out'"
case "$err" in *"could not pick a colour"*) ;; *) fail "a refusal said '$err'" ;; esac
pick silent
[ "$rc" = 3 ] && [ -z "$out" ] || fail "a silent portal gave exit $rc, '$out'"
case "$err" in *"did not answer within 5 seconds"*) ;; *) fail "a silent portal said '$err'" ;; esac
pick
[ "$rc" = 3 ] && [ -z "$out" ] || fail "no portal gave exit $rc, '$out'"
case "$err" in *"Cannot pick from the screen: The desktop portal"*"is not running"*) ;; *) fail "no portal said '$err'" ;; esac
echo "PASS: --pick through the portal printed its colour; a cancel (also as 'other') exited 1; refusal, silence and absence exited 3"
