#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A scripted session, first by pointer, then by keyboard alone: after every
# step the HTML code that Copy puts on the clipboard is the colour the
# window shows as current, read off the screen: the "New" swatch, or the
# swatch just clicked (whose readout the band then shows).
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
: "${X11_PIXEL:?path to the x11_pixel helper}"
start_x

"$app" --no-splash >"$work/out.log" 2>&1 &
app_pid=$!
win=$(main_window "$EXPECTED_TITLE")
xdotool windowfocus --sync "$win" 2>/dev/null || true

shown() { "$X11_PIXEL" "$win" "$1" "$2"; }
NEW="330 100"
OLD="420 100"
HIST0="34 290"

# The HTML Copy button, then the clipboard against the pixel at `where`.
agree() { # step where
  local step="$1" want
  shift
  want=$(shown "$@")
  set_clipboard sentinel
  click_at "$win" 206 378
  expect_clip "$want" "$step"
}
# The same with the Copy button reached by keyboard: `back` Shift+Tabs from
# the focused control, Space, then as many Tabs back.
agree_by_keys() { # step back where
  local step="$1" back="$2" want
  shift 2
  want=$(shown "$@")
  set_clipboard sentinel
  xdotool key --delay 40 $(printf 'shift+Tab %.0s' $(seq "$back")) space $(printf 'Tab %.0s' $(seq "$back"))
  expect_clip "$want" "$step"
}

agree "start-up" $NEW
[ "$(shown $NEW)" = "#FF0000" ] || fail "start-up: New is $(shown $NEW), not the pure red on the plane"
click_at "$win" 138 200
agree "plane pick" $NEW
# A drag, the button held over several moves, then Copy.
xdotool mousemove --window "$win" 60 60 mousedown 1
for p in "80 90" "120 140" "160 190"; do
  sleep 0.05
  xdotool mousemove --window "$win" $p
done
sleep 0.1
xdotool mouseup 1
sleep 0.2
agree "plane drag" $NEW
for option in "310 174" "310 194" "310 154" "310 194"; do   # S, B, H, B
  click_at "$win" $option
  agree "mode switch at $option" $NEW
done
click_at "$win" 120 60
agree "plane pick in B mode" $NEW
click_at "$win" 282 200
agree "slider pick in B mode" $NEW
click_at "$win" 310 154
click_at "$win" 360 154
xdotool key ctrl+a
xdotool type --delay 50 "200"
sleep 0.3
agree "typed hue" $NEW
click_at "$win" 345 33                 # Keep
[ "$(shown $OLD)" = "$(shown $NEW)" ] || fail "Keep: Old is $(shown $OLD), New $(shown $NEW)"
click_at "$win" 60 240
agree "another pick" $NEW
click_at "$win" $OLD
agree "Old swatch click" $OLD
click_at "$win" $HIST0
agree "history click" $HIST0
click_at "$win" 433 33                 # Presets: the grid
click_at "$win" 389 138
xdotool key Down Return
sleep 0.3
click_at "$win" 71 53                  # safe cell 36
agree "safe cell" $NEW
[ "$(shown $NEW)" = "#00FFFF" ] || fail "safe cell 36 gave New $(shown $NEW)"
click_at "$win" 433 33                 # back to the picker

# A colour typed into the HTML field, one pasted with Ctrl+V, one picked off
# the screen with the eyedropper: each current exactly.
click_at "$win" 90 381
xdotool key ctrl+a
xdotool type --delay 30 "#66CCFF"
xdotool key Return
sleep 0.3
[ "$(shown $NEW)" = "#66CCFF" ] || fail "typed #66CCFF: New is $(shown $NEW)"
agree "typed code" $NEW
set_clipboard '#336699'
click_at "$win" 34 290                 # a history swatch takes the focus
xdotool key ctrl+v
sleep 0.3
[ "$(shown $NEW)" = "#336699" ] || fail "pasted #336699: New is $(shown $NEW)"
agree "pasted code" $NEW
want=$(shown $OLD)
eval "$(xdotool getwindowgeometry --shell "$win")"
xdotool key ctrl+e
for _ in $(seq 100); do
  xdotool search --name "^Pick from Screen\$" >/dev/null 2>&1 && break
  sleep 0.1
done
sleep 0.5
xdotool mousemove "$((X + 420))" "$((Y + 100))"
sleep 0.2
xdotool click 1
sleep 0.5
[ "$(shown $NEW)" = "$want" ] || fail "eyedropper over Old ($want): New is $(shown $NEW)"
agree "eyedropper" $NEW

# Keyboard alone. The focus order: the plane, the slider, Keep, Presets,
# New, Old, H, the fields, the history, the codes and Copy buttons, About,
# Visit, Pick from Screen. From the plane, the HTML Copy button is six
# Shift+Tabs back.
click_at "$win" 345 33                 # Keep (also moves the focus there)
xdotool key shift+Tab shift+Tab        # the plane
xdotool key Left Left Left shift+Down shift+Down
sleep 0.2
agree_by_keys "arrow keys on the plane" 6 $NEW
xdotool key Tab Up Up Up Up Up         # the slider
sleep 0.3
agree_by_keys "arrow keys on the slider" 7 $NEW
xdotool key Tab Tab Tab Tab Tab        # Keep, Presets, New, Old, H
xdotool key Down                       # the S option
sleep 0.3
# Back from the S option: the R and H fields come first, as the option
# follows them in the focus chain.
agree_by_keys "mode switch by keys" 14 $NEW
xdotool key shift+Tab shift+Tab shift+Tab space   # Old
sleep 0.2
agree_by_keys "Old swatch by Space" 11 $OLD
echo "PASS: after every step the copied code is the colour shown as current"
