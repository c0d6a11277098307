#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The shipped program speaks the user's language: German for a German
# locale, English for a language it has no translation for, and English with
# a note when the translation file it finds does not load.
set -euo pipefail
: "${TINTORA_BIN:?path to the tintora program}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME="$work/home" XDG_CONFIG_HOME="$work/config"
mkdir -p "$HOME" "$work/bad"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM LC_ALL LC_MESSAGES TINTORA_TRANSLATIONS_DIR

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# run ENV... -- ARGS...: the program's output in $work/out and $work/err, its status in $status.
run() {
  local envs=()
  while [ "$1" != "--" ]; do envs+=("$1"); shift; done
  shift
  set +e
  env "${envs[@]}" "$TINTORA_BIN" "$@" >"$work/out" 2>"$work/err"
  status=$?
  set -e
}

run LANGUAGE=de LANG=de_DE.UTF-8 -- --help
grep -q 'Diese Hilfe zeigen und beenden.' "$work/out" || fail "--help is not German under LANGUAGE=de"
grep -q '^Beispiele:' "$work/out" || fail "the examples are not German"
[ ! -s "$work/err" ] || fail "German --help wrote to stderr: $(cat "$work/err")"

run LANGUAGE= LANG=de_DE.UTF-8 -- --copy
[ "$status" -eq 2 ] || fail "--copy alone exited $status, not 2"
grep -q -- '--copy braucht --color VALUE oder --pick' "$work/err" || fail "the error is not German: $(cat "$work/err")"

# A parse error from the colour reader, with its nested parts, and a template error.
run LANGUAGE=de LANG=de_DE.UTF-8 -- --color '#12g'
grep -q -- ": --color: 'g' ist keine Hexadezimalziffer; erwartet wird #RGB, #RGBA, #RRGGBB oder #RRGGBBAA$" "$work/err" ||
  fail "the --color error is not German: $(cat "$work/err")"
run LANGUAGE=de LANG=de_DE.UTF-8 -- --color red --format '{x}'
grep -qF -- '--format: unbekannter Platzhalter {x}; erwartet wird einer von {' "$work/err" ||
  fail "the --format error is not German: $(cat "$work/err")"

# One colour a line: the line number and the reason, both German.
set +e
printf 'red\nnope\n' | env LANGUAGE=de LANG=de_DE.UTF-8 "$TINTORA_BIN" --color - >"$work/out" 2>"$work/err"
status=$?
set -e
[ "$status" -eq 2 ] || fail "--color - with a bad line exited $status, not 2"
grep -q -- ": --color -: Zeile 2: 'nope' ist kein " "$work/err" ||
  fail "the --color - error is not German: $(cat "$work/err")"

run LANGUAGE= LANG=fr_FR.UTF-8 -- --help
grep -q 'Show this help and exit.' "$work/out" || fail "a language without a translation is not English"
[ ! -s "$work/err" ] || fail "a language without a translation wrote to stderr: $(cat "$work/err")"

head -c 512 /dev/urandom >"$work/bad/tintora_de.qm"
run LANGUAGE=de LANG=de_DE.UTF-8 TINTORA_TRANSLATIONS_DIR="$work/bad" -- --help
grep -q 'Show this help and exit.' "$work/out" || fail "a corrupt translation did not fall back to English"
grep -q "cannot read the translation $work/bad/tintora_de.qm; continuing in English" "$work/err" \
  || fail "no note for the corrupt translation: $(cat "$work/err")"

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "translations: all checks passed"
