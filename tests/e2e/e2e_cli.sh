#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The display-free command line: --color, --format, --export-palette and
# --import-palette, run as processes with no display at all; their output,
# the files they write and their exit statuses.
set -euo pipefail
: "${TINTORA_BIN:?path to the tintora program}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
mkdir -p "$HOME"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

# A portable copy in a folder of its own keeps its palette beside itself.
appdir="$work/app"
mkdir -p "$appdir"
cp "$TINTORA_BIN" "$appdir/tintora"
app="$appdir/tintora"
palette="$appdir/usercolors.cps"

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# expect STATUS EXPECTED_STDOUT STDERR_PART -- ARGS...
expect() {
  local want_status=$1 want_out=$2 want_err=$3
  shift 4
  local out err status
  set +e
  out=$(timeout 20 "$app" "$@" 2>"$work/err")
  status=$?
  set -e
  err=$(cat "$work/err")
  [ "$status" = "$want_status" ] || fail "$* exited $status, expected $want_status (stderr: $err)"
  [ "$out" = "$want_out" ] || fail "$* printed '$out', expected '$want_out'"
  if [ -n "$want_err" ]; then
    [[ "$err" == *"$want_err"* ]] || fail "$* said '$err', expected it to contain '$want_err'"
  elif [ -n "$err" ]; then
    fail "$* wrote to stderr: $err"
  fi
}

nl=$'\n'
# The four designed codes, from every notation.
yellow="RGB(255, 255, 0)${nl}65535${nl}#FFFF00${nl}&H00FFFF&"
for value in '#FFFF00' '#ff0' 'FFFF00' 'rgb(255, 255, 0)' 'RGB(100%,100%,0%)' 'hsl(60, 100%, 50%)' \
             '&H00FFFF&' '&HFFFF' '65535' 'Yellow' '  yellow  '; do
  expect 0 "$yellow" "" -- --color "$value"
done
expect 0 "RGB(64, 226, 1)${nl}123456${nl}#40E201${nl}&H01E240&" \
  "read as the decimal value 123456; for the hex colour, type #123456" -- --color 123456

# CSS Color 4 and programmers' notations, out of gamut and with alpha.
expect 0 "#4ba3f7" "" -- --color 'color: oklch(70% 0.15 250);' --format hex-lower
expect 0 "#00fb29" "Outside sRGB: mapped" -- --color 'color(display-p3 0 1 0)' --format hex-lower
expect 0 "#ff0000" "Alpha 50 % not kept" -- --color 'rgb(255 0 0 / 50%)' --format hex-lower
expect 0 "oklch(70.9% 0.21 147.12)" "Outside sRGB: mapped" -- --color 'oklch(70% 0.4 150)' --format oklch
expect 0 "0xFF336699" "" -- --color 'Color.FromArgb(51, 102, 153)' --format argb

# One notation by name or template.
expect 0 "#66ccff" "" -- --color '#66CCFF' --format hex-lower
expect 0 "hsl(30, 50%, 40%)" "" -- --color '#996633' --format css-hsl
expect 0 "Color.FromArgb(153, 102, 51)" "" -- --color '#996633' --format dotnet
expect 0 "\$00336699" "" -- --color '#996633' --format delphi
expect 0 "10053171" "" -- --color '#996633' --format decimal-rgb
expect 0 "3368601" "" -- --color '#996633' --format decimal
expect 0 "0x663399" "" -- --color rebeccapurple --format '0x{HEX}'
expect 0 "255, 255, 0" "" -- --color 65535 --format '{r}, {g}, {b}'
expect 0 "{ff0000}" "" -- --color red --format '{{{hex}}}'
# --contrast takes the background as the next argument, and no more.
expect 0 "WCAG 2: 21:1 - AA: normal, large - AAA: normal, large${nl}APCA: Lc 106.0" "" -- --contrast black 'rgb(100% 100% 100%)'
expect 2 "" "unexpected argument 'red'" -- --contrast black white red

# Bad values exit 2 and name what was expected.
expect 2 "" "'G' is not a hexadecimal digit; expected #RGB, #RGBA, #RRGGBB or #RRGGBBAA" -- --color '#GGGGGG'
expect 2 "" "the comma syntax of rgb() takes three numbers or three percentages" -- --color 'rgb(50%, 0, 0)'
expect 2 "" "'NaN' is not a valid value 1" -- --color 'hsl(NaN 50% 50%)'
expect 2 "" "needs a page" -- --color currentcolor
expect 2 "" "beyond 16777215" -- --color 16777216
expect 2 "" "expected a colour" -- --color ''
expect 2 "" "too long" -- --color "$(head -c 100000 /dev/zero | tr '\0' a)"
expect 2 "" "unknown format 'nope'; expected one of html" -- --color red --format nope
expect 2 "" "unknown placeholder {q}" -- --color red --format '{q}'
expect 2 "" "--format needs --color VALUE or --pick" -- --format html
expect 2 "" "give only one of" -- --color red --export-palette "$work/x.gpl"
expect 2 "" "--copy needs --color VALUE or --pick" -- --copy
expect 2 "" "--copy takes one colour; it cannot be used with --color -" -- --color - --copy
# With no display the codes are still printed; the failed copy is not success.
expect 1 "#FF0000" "--copy: " -- --color red --format html --copy
expect 2 "" "expected a .gpl, .ase, .css, .txt or .hex file" -- --export-palette "$work/x.png"
expect 1 "" "no exact #rgb form" -- --color '#010203' --format hex3

# Many colours at once: one result a line, bad lines named on stderr with
# status 2 and an empty result line, the others still converted.
set +e
out=$(printf '#f80\nnope\r\nhwb(120 10%% 20%%)\n$00996633' | timeout 20 "$app" --color - --format hex-lower 2>"$work/err")
status=$?
set -e
[ "$status" = 2 ] || fail "--color - exited $status, expected 2"
[ "$out" = "#ff8800${nl}${nl}#19cc19${nl}#336699" ] || fail "--color - printed '$out'"
[[ "$(cat "$work/err")" == *"--color -: line 2: 'nope' is not a CSS colour name"* ]] ||
  fail "--color - said '$(cat "$work/err")'"
[ "$(grep -c . "$work/err")" = 1 ] || fail "--color - reported more than the one bad line"
out=$(for i in $(seq 0 999); do printf 'rgb(%d %d 0)\n' $((i % 256)) $((i / 4 % 256)); done |
  timeout 20 "$app" --color - --format oklch | timeout 20 "$app" --color - --format '{r} {g} {b}')
[ "$(echo "$out" | sed -n '1p;1000p' | tr '\n' '/')" = "0 0 0/231 249 0/" ] || fail "oklch lines did not read back"

# Import a GIMP palette into the portable palette file, then export it again.
printf 'GIMP Palette\nName: Two\nColumns: 2\n# comment\n255   0   0\tRed One\n  0   0 255\tDeep Blue\n' >"$work/two.gpl"
expect 0 "Read 2 colours from $work/two.gpl into cells 1 to 2 (16 per row, left to right). Cells 3 to 224 keep their colours. Saved to $palette." "" \
  -- --import-palette "$work/two.gpl"
[ -f "$palette" ] || fail "the import wrote no palette file"
[ "$(sed -n 2p "$palette")" = $' 255 \r' ] || fail "cell 1 is '$(sed -n 2p "$palette")'"
[ "$(sed -n 3p "$palette")" = $' 16711680 \r' ] || fail "cell 2 is '$(sed -n 3p "$palette")'"

expect 0 "Exported 224 colours to $work/out.gpl." "" -- --export-palette "$work/out.gpl"
[ "$(head -n 1 "$work/out.gpl")" = "GIMP Palette" ] || fail "the export has no GIMP header"
[ "$(sed -n 5p "$work/out.gpl")" = $'255   0   0\tred' ] || fail "the export's first colour is '$(sed -n 5p "$work/out.gpl")'"
[ "$(grep -c . "$work/out.gpl")" = 228 ] || fail "the export has $(grep -c . "$work/out.gpl") lines"
expect 0 "Exported 224 colours to $work/out.css." "" -- --export-palette "$work/out.css"
grep -qx '  --custom-color-2: #0000FF; /\* blue \*/' "$work/out.css" || fail "the CSS export lacks cell 2"

# A hostile file changes nothing.
before=$(md5sum <"$palette")
head -c 5000 /dev/urandom >"$work/binary.gpl"
expect 1 "" "Nothing was imported from $work/binary.gpl" -- --import-palette "$work/binary.gpl"
{ printf 'GIMP Palette\n1 2 3'; for _ in $(seq 10000); do printf ' 7'; done; printf '\n'; } >"$work/wide.gpl"
expect 1 "" "line 2: longer than 1024 bytes" -- --import-palette "$work/wide.gpl"
cp "$work/out.css" "$work/wrong.gpl"
expect 1 "" "the first line must be \"GIMP Palette\"" -- --import-palette "$work/wrong.gpl"
expect 1 "" "the file does not exist" -- --import-palette "$work/missing.txt"
[ "$(md5sum <"$palette")" = "$before" ] || fail "a refused import changed the palette file"

# More than 224 colours are cut, with a message.
for i in $(seq 300); do printf '#%06X\n' "$i"; done >"$work/many.txt"
expect 0 "Read 224 colours from $work/many.txt into cells 1 to 224 (16 per row, left to right). The file holds 300 colours; only the first 224 fit, the other 76 were left out. Saved to $palette." "" \
  -- --import-palette "$work/many.txt"

# --help lists every option with examples.
help=$("$app" --help)
for word in --color --format --export-palette --import-palette Examples: "--format '0x{HEX}'"; do
  [[ "$help" == *"$word"* ]] || fail "--help does not mention $word"
done

[ "$failures" = 0 ] || { echo "$failures failure(s)"; exit 1; }
echo "PASS"
