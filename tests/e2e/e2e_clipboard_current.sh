#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The clipboard gets the colour the window shows, and no click is lost. A
# scripted session mixes typing without Enter, refused text, Copy, Keep,
# swatch clicks and picks; after every Copy the clipboard holds a code of
# the colour shown as current, read off the screen (the "New" swatch or the
# swatch just clicked). A Copy right after a refusal copies on the first
# click. The last two rows of the plane and the strip show and pick.
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
: "${X11_PIXEL:?path to the x11_pixel helper}"
start_x
not_first_start

"$app" --no-splash >"$work/out.log" 2>&1 &
app_pid=$!
win=$(main_window "$EXPECTED_TITLE")
xdotool windowfocus --sync "$win" 2>/dev/null || true

shown() { "$X11_PIXEL" "$win" "$1" "$2"; }
NEW="330 100"
OLD="420 100"
HIST0="34 290"
RGB_FIELD="90 349"
DEC_FIELD="327 349"
HTML_FIELD="90 381"
RED_FIELD="444 153"
RGB_COPY="206 346"
DEC_COPY="444 346"
HTML_COPY="206 378"
KEEP="345 33"

# The decimal code of "#RRGGBB": red + 256 green + 65536 blue.
decimal_of() {
  local h="${1#\#}"
  echo $((16#${h:0:2} + 256 * 16#${h:2:2} + 65536 * 16#${h:4:2}))
}
# Replaces a field's text by typing, without Enter.
type_into() { # x y text
  click_at "$win" "$1" "$2"
  xdotool key ctrl+a
  xdotool type --delay 20 "$3"
}
# Clicks a Copy button once and checks the clipboard against the colour of
# the pixel at `where` after the click (a Copy settles typed text first),
# as the button's code.
copies() { # step button(html|dec) where
  local step="$1" kind="$2" want="" got=""
  shift 2
  set_clipboard sentinel
  if [ "$kind" = dec ]; then click_at "$win" $DEC_COPY; else click_at "$win" $HTML_COPY; fi
  for _ in $(seq 60); do
    want=$(shown "$@")
    [ "$kind" = dec ] && want=$(decimal_of "$want")
    got=$(clipboard)
    [ "$got" = "$want" ] && return 0
    sleep 0.1
  done
  fail "$step gave '$got', the colour shown is '$want'"
}
# A click on a Copy button that must leave the clipboard alone.
copies_nothing() { # step x y
  local step="$1"
  set_clipboard sentinel
  click_at "$win" "$2" "$3"
  sleep 0.3
  [ "$(clipboard)" = "sentinel" ] || fail "$step: the clipboard got '$(clipboard)'"
}

# Typed without Enter, then the field's Copy: the typed colour is current.
type_into $HTML_FIELD "#123456"
copies "typed HTML, then its Copy" html $NEW
[ "$(shown $NEW)" = "#123456" ] || fail "typed #123456: New is $(shown $NEW)"
# Typed into Decimal, then Keep: New and Old show it.
type_into $DEC_FIELD "65535"
click_at "$win" $KEEP
[ "$(shown $NEW)" = "#FFFF00" ] || fail "65535 and Keep: New is $(shown $NEW)"
[ "$(shown $OLD)" = "#FFFF00" ] || fail "65535 and Keep: Old is $(shown $OLD)"
copies "Decimal Copy after Keep" dec $NEW
# Digits in the HTML field are hex.
type_into $HTML_FIELD "000080"
copies "digits in the HTML field" html $NEW
[ "$(shown $NEW)" = "#000080" ] || fail "000080 in HTML: New is $(shown $NEW)"

# Refused text in every field: its Copy copies nothing, the next field's
# Copy copies on the first click.
for field in "$RGB_FIELD $RGB_COPY" "$DEC_FIELD $DEC_COPY" "$HTML_FIELD $HTML_COPY"; do
  set -- $field
  type_into "$1" "$2" "#F80G"
  xdotool key Return
  sleep 0.2
  copies_nothing "refused #F80G at $1,$2" "$3" "$4"
  if [ "$3" = "${HTML_COPY% *}" ]; then
    copies "Decimal Copy right after a refusal in HTML" dec $NEW
  else
    copies "HTML Copy right after a refusal at $1,$2" html $NEW
  fi
  click_at "$win" "$1" "$2"
  xdotool key Escape
done
type_into $RED_FIELD "300"
xdotool key Return
copies "HTML Copy right after a refused red value" html $NEW
click_at "$win" $RED_FIELD
xdotool key Escape

# A megabyte and control characters pasted into a field: refused, nothing
# copied, nothing changed.
before=$(shown $NEW)
for paste in big ctrl; do
  if [ "$paste" = big ]; then
    set_clipboard "$(head -c 1048576 /dev/zero | tr '\0' '7')"
  else
    set_clipboard "$(printf 'red\001\002')"
  fi
  click_at "$win" $HTML_FIELD
  xdotool key ctrl+a ctrl+v Return
  sleep 0.3
  copies_nothing "pasted $paste" $HTML_COPY
  [ "$(shown $NEW)" = "$before" ] || fail "pasted $paste: New changed to $(shown $NEW)"
  click_at "$win" $HTML_FIELD
  xdotool key Escape
done
copies "HTML Copy after the pastes" html $NEW

# Picks, swatch clicks and Keep.
click_at "$win" 138 200
copies "plane pick" html $NEW
click_at "$win" $KEEP
click_at "$win" 60 240
copies "another pick" dec $NEW
click_at "$win" $OLD
copies "Old swatch click" html $OLD
click_at "$win" $HIST0
copies "history click" dec $HIST0
type_into $HTML_FIELD "#ABCDEF"
click_at "$win" $KEEP
[ "$(shown $OLD)" = "#ABCDEF" ] || fail "typed #ABCDEF, Keep: Old is $(shown $OLD)"
copies "Keep after typing" html $NEW

# Ctrl+E from a text field opens the eyedropper; afterwards the window has
# the keyboard again, so a second Ctrl+E works without a click.
eyedropper_opens() { # step
  for _ in $(seq 50); do
    xdotool search --name "^Pick from Screen\$" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  fail "$1: no eyedropper"
}
eyedropper_closes() {
  for _ in $(seq 50); do
    xdotool search --onlyvisible --name "^Pick from Screen\$" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  fail "the eyedropper did not close"
}
click_at "$win" $HTML_FIELD
xdotool key ctrl+e
eyedropper_opens "Ctrl+E in the HTML field"
sleep 0.5
xdotool key Escape
eyedropper_closes
sleep 0.3
xdotool key ctrl+e
eyedropper_opens "a second Ctrl+E after the eyedropper closed"
sleep 0.5
xdotool key Escape
eyedropper_closes

# The last two rows of the plane and of the strip are on screen and take
# the pointer: in hue mode the plane's last row is black, the strip's red.
for x in 10 138 265; do
  [ "$(shown $x 265)" = "#000000" ] || fail "plane row 255 at x $x shows $(shown $x 265)"
done
[ "$(shown 284 265)" = "#FF0000" ] || fail "strip row 255 shows $(shown 284 265)"
[ "$(shown 284 264)" != "$(shown 300 280)" ] || fail "strip row 254 shows the frame's colour"
want=$(shown 200 264)
click_at "$win" 200 264
[ "$(shown $NEW)" = "$want" ] || fail "a click on plane row 254 gave New $(shown $NEW), the row shows $want"
copies "pick on plane row 254" html $NEW
echo "PASS: every Copy put the current colour on the clipboard, first click every time"
