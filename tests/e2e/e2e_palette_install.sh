#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# An installed program (<prefix>/bin with <prefix>/share/tintora beside it)
# keeps the palette in the per-user data folder, whoever runs it: run as
# root, where it could write into the prefix, "Add" still changes nothing
# there. Arguments: the build folder and the cmake program.
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
build_dir="$1"
cmake_cmd="${2:-cmake}"

prefix="$work/prefix"
"$cmake_cmd" --install "$build_dir" --prefix "$prefix" --component Runtime >"$work/install.log" 2>&1 ||
  fail "install into $prefix: $(cat "$work/install.log")"
[ -x "$prefix/bin/tintora" ] && [ -d "$prefix/share/tintora" ] || fail "the install has no bin/tintora and share/tintora"
before=$(cd "$prefix" && find . -printf '%p %s %T@\n' | sort)
start_x
not_first_start

"$prefix/bin/tintora" --no-splash >"$work/out.log" 2>&1 &
app_pid=$!
win=$(main_window "$EXPECTED_TITLE")
click_at "$win" 265 10    # pure red
click_at "$win" 433 33    # Presets: the custom colours
click_at "$win" 17 17     # cell 1
click_at "$win" 389 229   # Add

user_file="$XDG_DATA_HOME/Tintora/Tintora/usercolors.cps"
for _ in $(seq 50); do
  [ "$(sed -n 2p "$user_file" 2>/dev/null | tr -d '\r')" = " 255 " ] && break
  sleep 0.1
done
[ "$(sed -n 2p "$user_file" 2>/dev/null | tr -d '\r')" = " 255 " ] ||
  fail "Add did not write the per-user palette $user_file"
after=$(cd "$prefix" && find . -printf '%p %s %T@\n' | sort)
[ "$before" = "$after" ] || fail "the install prefix changed: $(diff <(echo "$before") <(echo "$after"))"
echo "PASS: the installed program (uid $(id -u)) keeps its palette in the per-user folder"
