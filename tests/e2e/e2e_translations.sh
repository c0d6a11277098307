#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The shipped program speaks the user's language: German for a German
# locale, English for a language it has no translation for, and English with
# a note when the translation file it finds does not load, or is damaged in
# any of 100 ways (copies of the shipped file with bytes changed).
set -euo pipefail
: "${TINTORA_BIN:?path to the tintora program}"
: "${TINTORA_QM_DE:?path to the built German translation}"

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

# English first wins over a later language; tens of thousands of repeats
# are one language.
run LANGUAGE=en:de LANG=de_DE.UTF-8 -- --help
grep -q 'Show this help and exit.' "$work/out" || fail "LANGUAGE=en:de is not English"
run LANGUAGE="$(printf 'de:%.0s' $(seq 40000))" LANG=de_DE.UTF-8 -- --help
grep -q 'Diese Hilfe zeigen und beenden.' "$work/out" || fail "a LANGUAGE repeating de is not German"

# Damaged copies of the shipped file: each is refused with the note or
# read safely; the program never dies of one.
mkdir "$work/mutants"
python3 - "$TINTORA_QM_DE" "$work/mutants" <<'PY'
# The offsets of the hash entries and the lengths in the message records,
# each overwritten with random values in a random few of them.
import random, sys
data = open(sys.argv[1], "rb").read()
fields, at = [], 16
while len(data) - at > 5:
    tag, size = data[at], int.from_bytes(data[at + 1:at + 5], "big")
    at += 5
    if tag == 0x42:
        fields += range(at + 4, at + size, 8)
    m = at
    while tag == 0x69 and m < at + size:
        m += 1
        if data[m - 1] in (3, 6, 7, 8):
            fields.append(m)
            m += 4 + int.from_bytes(data[m:m + 4], "big")
    at += size
rng = random.Random(7)
for n in range(100):
    copy = bytearray(data)
    for _ in range(rng.randint(1, 300)):
        pos = rng.choice(fields)
        copy[pos:pos + 4] = rng.randbytes(4)
    open(f"{sys.argv[2]}/{n}.qm", "wb").write(copy)
PY
for mutant in "$work"/mutants/*.qm; do
  cp "$mutant" "$work/bad/tintora_de.qm"
  run LANGUAGE=de LANG=de_DE.UTF-8 TINTORA_TRANSLATIONS_DIR="$work/bad" -- --color nosuch
  [ "$status" -eq 2 ] || fail "$(basename "$mutant") (a damaged translation) ended the program with status $status"
done

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "translations: all checks passed"
