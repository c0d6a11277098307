#!/usr/bin/env bash
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
echo "PASS: the same codes at scale 1, 1.5 and 2:$one"
