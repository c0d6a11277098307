#!/bin/sh
# SPDX-License-Identifier: MIT
# Instructions per drag move, counted by callgrind (which does not swing with
# the machine's load): every case of bench_drag in one run, only the moves
# counted (DragMove), each divided by its number of moves, and each beside
# Qt's colour dialog.
#   sh bench/drag_callgrind.sh build/bin/bench_drag
set -eu
bench=${1:-build/bin/bench_drag}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cases="QColorDialog_Plane Tintora_HuePlane Tintora_SaturationPlane Tintora_BrightnessPlane Tintora_HueSlider"
for c in $cases; do
  QT_QPA_PLATFORM=offscreen valgrind --tool=callgrind --quiet --toggle-collect='*DragMove*' \
    --callgrind-out-file="$out/$c" "$bench" --benchmark_filter="^BM_Drag_${c}\$" \
    --benchmark_min_time=1 >/dev/null 2>&1
done
# The moves are the calls of DragMove; the collected total is their cost.
for c in $cases; do
  awk -v name="$c" '
    /^summary:/ { total = $2 }
    /^c?fn=\([0-9]+\) .*DragMove/ { id = $1; sub(/^c?fn=/, "", id); sub(/\).*/, ")", id) }
    /^cfn=/ { want = id != "" && index($0, "cfn=" id) == 1; next }
    want && /^calls=/ { split($0, a, /[= ]/); moves += a[2]; want = 0; next }
    END { printf "%s %d %d\n", name, moves, moves ? total / moves : 0 }' "$out/$c"
done | awk '
  NR == 1 { base = $3 }
  { printf "%-26s %6d moves %12d instructions per move  %.2fx the dialog\n", $1, $2, $3, $3 / base }'
