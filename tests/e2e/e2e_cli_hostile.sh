#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The command line where things go wrong: --pick with no display to pick
# from exits 3 with the reason and never waits; --export-palette and
# --import-palette on a full disk fail, exit 1 and leave the files they
# would replace as they were (a small tmpfs, mounted when root may). Another
# local user cannot hold the lock that palette saves take (a user made for
# the test, when root may).
set -euo pipefail
: "${TINTORA_BIN:?path to the tintora program}"

work=$(mktemp -d)
other=""
cleanup() {
  [ -z "${holder_pid:-}" ] || kill "$holder_pid" 2>/dev/null || true
  [ -z "$other" ] || userdel "$other" 2>/dev/null || true
  mountpoint -q "$work/disk" 2>/dev/null && umount -l "$work/disk"
  rm -rf "$work"
}
trap cleanup EXIT
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
mkdir -p "$HOME"

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# pick_fails DESCRIPTION ENV... : --pick must exit 3 within 20 s saying why.
pick_fails() {
  local what=$1 status
  shift
  set +e
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" timeout 20 "$TINTORA_BIN" --pick \
    >"$work/out" 2>"$work/err"
  status=$?
  set -e
  [ "$status" = 3 ] || fail "--pick $what exited $status, expected 3 (stderr: $(cat "$work/err"))"
  grep -q "no display to pick from" "$work/err" || fail "--pick $what said: $(cat "$work/err")"
  [ ! -s "$work/out" ] || fail "--pick $what printed: $(cat "$work/out")"
}
pick_fails "with no display"
pick_fails "with a dead X server" DISPLAY=:87
pick_fails "with a dead Wayland socket" WAYLAND_DISPLAY=wayland-87 XDG_RUNTIME_DIR="$work"
pick_fails "on the offscreen platform" QT_QPA_PLATFORM=offscreen DISPLAY=:87
"$TINTORA_BIN" --help | tr -s ' \n' '  ' | grep -q "0 after a pick, 1 after a cancel, 3 when no colour can be picked" ||
  fail "--help does not give --pick's exit statuses"

# A full disk.
mkdir -p "$work/disk"
if ! mount -t tmpfs -o size=64k tmpfs "$work/disk" 2>/dev/null; then
  echo "SKIP (full disk part): cannot mount a tmpfs here (needs root)"
else
  # An installed copy keeps its palette in the per-user data folder, here
  # on the small disk.
  mkdir -p "$work/inst/bin" "$work/inst/share/tintora"
  cp "$TINTORA_BIN" "$work/inst/bin/tintora"
  app="$work/inst/bin/tintora"
  export XDG_DATA_HOME="$work/disk/data"
  for i in $(seq 224); do printf '#%06X\n' $((i * 4099)); done >"$work/all.txt"
  "$app" --import-palette "$work/all.txt" >/dev/null || fail "the first import failed"
  palette=$(find "$XDG_DATA_HOME" -name usercolors.cps | head -n 1)
  [ -f "$palette" ] || fail "no palette file under $XDG_DATA_HOME"
  printf 'GIMP Palette\n0 0 0 old\n' >"$work/disk/x.gpl"
  printf 'GIMP Palette\n1 2 3 one\n4 5 6 two\n' >"$work/two.gpl"
  palette_before=$(md5sum <"$palette")
  export_before=$(md5sum <"$work/disk/x.gpl")
  dd if=/dev/zero of="$work/disk/filler" bs=4k 2>/dev/null || true

  set +e
  "$app" --export-palette "$work/disk/x.gpl" >"$work/out" 2>"$work/err"
  status=$?
  set -e
  [ "$status" = 1 ] || fail "--export-palette on a full disk exited $status (stdout: $(cat "$work/out"))"
  if grep -q "Exported" "$work/out"; then fail "--export-palette on a full disk said: $(cat "$work/out")"; fi
  grep -q "No space" "$work/err" || fail "--export-palette on a full disk gave no reason: $(cat "$work/err")"
  [ "$(md5sum <"$work/disk/x.gpl")" = "$export_before" ] || fail "a failed export changed x.gpl"

  set +e
  "$app" --import-palette "$work/two.gpl" >"$work/out" 2>"$work/err"
  status=$?
  set -e
  [ "$status" = 1 ] || fail "--import-palette on a full disk exited $status (stdout: $(cat "$work/out"))"
  grep -q "No space" "$work/err" || fail "--import-palette on a full disk gave no reason: $(cat "$work/err")"
  [ "$(md5sum <"$palette")" = "$palette_before" ] || fail "a failed save changed the palette"
  if ls "$(dirname "$palette")" | grep -q 'usercolors.cps\.[A-Za-z0-9]\{6\}$'; then
    fail "a temporary file stayed: $(ls "$(dirname "$palette")")"
  fi
fi

# Another local user holds what it can open on the way to a palette: the
# folder of a portable copy and the per-user folder. Saves still go through
# at once, and the lock files they take are closed to that user.
if [ "$(id -u)" != 0 ] || ! useradd -M -N "tintora-e2e-$$" 2>/dev/null; then
  echo "SKIP (other user part): cannot create a user here (needs root and useradd)"
else
  other="tintora-e2e-$$"
  chmod 755 "$work"
  mkdir -p "$work/port" "$work/inst2/bin" "$work/inst2/share/tintora" "$work/data2/Tintora/Tintora" "$work/run2"
  tee "$work/port/tintora" >"$work/inst2/bin/tintora" <"$TINTORA_BIN"
  chmod 755 "$work/port/tintora" "$work/inst2/bin/tintora" && chmod 700 "$work/run2"
  chmod -R go+rX "$work/port" "$work/inst2" "$work/data2"
  setpriv --reuid="$other" --regid="$(id -g "$other")" --clear-groups perl -e '
use Fcntl qw(O_RDONLY LOCK_EX); my @held;
for (@ARGV) { sysopen(my $fh, $_, O_RDONLY) or die "$_: $!"; flock($fh, LOCK_EX) or die; push @held, $fh; }
$| = 1; print "held\n"; sleep 120;' "$work/port" "$work/data2/Tintora/Tintora" >"$work/held" 2>&1 &
  holder_pid=$!
  for _ in $(seq 100); do grep -q held "$work/held" && break; sleep 0.1; done
  grep -q held "$work/held" || fail "the other user could not take the folder locks: $(cat "$work/held")"
  printf '#102030\n' >"$work/one.txt"
  for copy in "$work/port/tintora" "$work/inst2/bin/tintora"; do
    set +e
    XDG_DATA_HOME="$work/data2" XDG_RUNTIME_DIR="$work/run2" "$copy" --import-palette "$work/one.txt" \
      >"$work/out" 2>"$work/err"
    status=$?
    set -e
    [ "$status" = 0 ] || fail "$copy --import-palette beside another user's locks exited $status: $(cat "$work/err")"
  done
  kill "$holder_pid"; wait "$holder_pid" 2>/dev/null || holder_pid=""
  [ "$(find "$work/run2" -name '*.lock' -user root -perm 600 | wc -l)" = 2 ] || fail "expected two private lock files: $(ls -l "$work/run2")"
  userdel "$other" && other=""
fi

[ "$failures" = 0 ] || { echo "$failures failure(s)"; exit 1; }
echo "PASS"
