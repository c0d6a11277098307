#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# --screenshot writes a PNG of the main window once it has painted, and a
# path that cannot be written gives a message and a non-zero status.
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
start_x

timeout 60 "$app" --screenshot "$work/shot.png" || fail "--screenshot exited with $?"
size=$(python3 - "$work/shot.png" <<'PY'
import struct, sys
data = open(sys.argv[1], "rb").read(24)
assert data[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG"
w, h = struct.unpack(">II", data[16:24])
print(f"{w}x{h}")
PY
)
[ "$size" = "480x519" ] || fail "screenshot is $size"

set +e
timeout 30 "$app" --screenshot "$work/no/such/dir/shot.png" 2>"$work/err.txt"
status=$?
set -e
[ "$status" -ne 0 ] || fail "an unwritable screenshot path gave status 0"
grep -q "cannot write the screenshot" "$work/err.txt" || fail "no clear message: $(cat "$work/err.txt")"

set +e
"$app" --no-such-option 2>"$work/err2.txt"
status=$?
set -e
[ "$status" -ne 0 ] || fail "an unknown option gave status 0"
grep -qi "unknown option" "$work/err2.txt" || fail "no clear message for an unknown option"
echo "PASS: screenshot 480x519; bad path and unknown option refused"
