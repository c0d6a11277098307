#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# `tintora --pick` on a real X server: known colours at known device pixels
# (color_patches), picked by pointer and keyboard at scale 1, 1.5 and 2; a
# cancel prints nothing and exits 1; --copy leaves the pick on the clipboard.
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
: "${COLOR_PATCHES:?path to the color_patches helper}"
: "${CLIPBOARD_HOLDER:?path to tintora-clipboard-holder}"
start_x

patches_pid=""
stop_patches() { [ -n "$patches_pid" ] && kill "$patches_pid" 2>/dev/null || true; cleanup; }
trap stop_patches EXIT
"$COLOR_PATCHES" >"$work/patches.log" 2>&1 &
patches_pid=$!
for _ in $(seq 100); do
  grep -q ready "$work/patches.log" && break
  sleep 0.1
done
grep -q ready "$work/patches.log" || fail "the colour patches did not appear"

pick_options=()
# run_pick SCALE X Y ACTION...: points at device pixel (X, Y) once the
# eyedropper is open, does ACTION (xdotool arguments) and sets `out` and `rc`.
run_pick() {
  local scale="$1" x="$2" y="$3"
  shift 3
  xdotool mousemove 390 190
  QT_SCALE_FACTOR="$scale" "$app" --pick "${pick_options[@]}" >"$work/pick.out" 2>"$work/pick.err" &
  app_pid=$!
  # Polled rather than `search --sync`, which gives up when a window that
  # the program creates at start-up vanishes while it looks.
  local found=""
  for _ in $(seq 300); do
    found=$(xdotool search --name '^Pick from Screen$' 2>/dev/null || true)
    [ -n "$found" ] && break
    sleep 0.1
  done
  [ -n "$found" ] || fail "scale $scale: no eyedropper window"
  sleep 0.3
  # Moved in two steps, so that the pointer's arrival is a motion event.
  xdotool mousemove $((x + 3)) $((y + 3))
  sleep 0.1
  xdotool mousemove "$x" "$y"
  sleep 0.2
  xdotool "$@"
  rc=0
  for _ in $(seq 100); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
  done
  wait "$app_pid" || rc=$?
  app_pid=""
  out=$(cat "$work/pick.out")
}

expect_pick() { # scale x y expected action...
  local scale="$1" x="$2" y="$3" expected="$4"
  shift 4
  run_pick "$scale" "$x" "$y" "$@"
  [ "$rc" -eq 0 ] || fail "scale $scale at ($x, $y) with '$*': exit $rc, stderr: $(cat "$work/pick.err")"
  [ "$out" = "$expected" ] || fail "scale $scale at ($x, $y) with '$*': printed '$out', expected '$expected'"
}

for scale in 1 1.5 2; do
  expect_pick "$scale" 50 50 "#66CCFF" click 1
  expect_pick "$scale" 250 120 "#FF6600" key Return
  # Single device pixels: exact at every scale (at 1.5, device pixel 299
  # lies a third of a logical pixel into logical pixel 199).
  expect_pick "$scale" 299 100 "#ABCDEF" key Return
  expect_pick "$scale" 300 101 "#FEDCBA" click 1
  expect_pick "$scale" 301 102 "#123456" click 1
  # Keys move one device pixel, with Shift ten.
  expect_pick "$scale" 299 100 "#123456" key Right Right Return
  expect_pick "$scale" 291 100 "#FEDCBA" key shift+Right Left Return
done

for action in "key Escape" "click 3"; do
  # shellcheck disable=SC2086
  run_pick 2 50 50 $action
  [ "$rc" -eq 1 ] || fail "a cancel by '$action' exited $rc"
  [ -z "$out" ] || fail "a cancel by '$action' printed '$out'"
done

# --pick --copy: printed, and on the clipboard after the exit (the holder).
cp "$CLIPBOARD_HOLDER" "$appdir/"
pick_options=(--copy)
expect_pick 1 300 101 "#FEDCBA" click 1
expect_clip "#FEDCBA" "--pick --copy"
echo "PASS: --pick printed the colour under the pointer at scale 1, 1.5 and 2; a cancel exited 1; --copy kept it"
