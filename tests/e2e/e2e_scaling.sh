#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# On a scaled screen the window keeps its logical geometry and every pick
# gives exactly the colour it gives at scale 1: reads come from the logical
# surface, never from the screen.
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
start_x

scaled() { # value scale -> the device pixel holding that logical pixel
  awk -v v="$1" -v s="$2" 'BEGIN { x = v * s; printf "%d\n", (x == int(x)) ? x : int(x) + 1 }'
}

pick_codes() { # scale -> the four codes after a press on logical (138, 138) and (200, 60)
  local scale="$1" win out=""
  QT_SCALE_FACTOR="$scale" "$app" --no-splash >"$work/out-$scale.log" 2>&1 &
  app_pid=$!
  win=$(main_window "$EXPECTED_TITLE")
  local geometry expected_w expected_h
  geometry=$(xdotool getwindowgeometry "$win" | sed -n 's/.*Geometry: //p')
  expected_w=$(scaled 480 "$scale")
  expected_h=$(scaled 519 "$scale")
  [ "$geometry" = "${expected_w}x${expected_h}" ] || fail "scale $scale: window is $geometry, expected ${expected_w}x${expected_h}"
  for point in "138 138" "200 60" "282 100"; do
    set -- $point
    local dx dy
    dx=$(scaled "$1" "$scale")
    dy=$(scaled "$2" "$scale")
    click_at "$win" "$dx" "$dy"
    for copy in "206 346" "206 378" "444 346" "444 382"; do
      set -- $copy
      dx=$(scaled "$1" "$scale")
      dy=$(scaled "$2" "$scale")
      click_at "$win" "$dx" "$dy"
      # Each copy differs from the one before it: wait for the change.
      local now prev="${out##* }"
      for _ in $(seq 60); do
        now=$(clipboard)
        [ "$now" != "$prev" ] && break
        sleep 0.1
      done
      out="$out $now"
    done
  done
  kill "$app_pid"
  wait "$app_pid" 2>/dev/null || true
  app_pid=""
  echo "$out"
}

one=$(pick_codes 1)
case "$one" in
  *"RGB(127, 63, 63)"*"#7F3F3F"*) ;;
  *) fail "scale 1 picks gave: $one" ;;
esac
for scale in 1.5 2; do
  got=$(pick_codes "$scale")
  [ "$got" = "$one" ] || fail "scale $scale picks gave '$got', scale 1 gave '$one'"
done

# Every device pixel picks the logical pixel it belongs to: at scale 2 both
# device pixels 274 and 275 are logical pixel 137; at 1.5 device pixel 206
# lies inside logical 137 and 207 starts logical 138.
html_after_clicks() { # scale "x y" ... -> the HTML code after each click
  local scale="$1" win out=""
  shift
  QT_SCALE_FACTOR="$scale" "$app" --no-splash >"$work/device-$scale.log" 2>&1 &
  app_pid=$!
  win=$(main_window "$EXPECTED_TITLE")
  for point in "$@"; do
    set -- $point
    click_at "$win" "$1" "$2"
    set_clipboard sentinel
    click_at "$win" "$(scaled 206 "$scale")" "$(scaled 378 "$scale")"
    local now=""
    for _ in $(seq 60); do
      now=$(clipboard)
      [ "$now" != sentinel ] && break
      sleep 0.1
    done
    out="$out $now"
  done
  kill "$app_pid"
  wait "$app_pid" 2>/dev/null || true
  app_pid=""
  echo "$out"
}
logical=$(html_after_clicks 1 "137 137" "138 138")
set -- $logical
at137="$1"
at138="$2"
[ "$at137" != "$at138" ] || fail "logical pixels 137 and 138 hold the same colour"
got=$(html_after_clicks 2 "274 274" "275 275")
[ "$got" = " $at137 $at137" ] || fail "scale 2, device pixels 274 and 275 gave '$got', logical 137 is $at137"
got=$(html_after_clicks 1.5 "206 206" "207 207")
[ "$got" = " $at137 $at138" ] || fail "scale 1.5, device pixels 206 and 207 gave '$got', expected $at137 $at138"
echo "PASS: the same codes at scale 1, 1.5 and 2:$one; device pixels pick their own logical pixel"
