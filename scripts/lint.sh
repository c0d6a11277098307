#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks what the committed tool settings promise, and fails on any finding:
#   1. clang-format --dry-run -Werror with .clang-format over src tests bench fuzz,
#      then the one brace style (no braces around a single-statement body):
#      clang-format-16 with .clang-format plus RemoveBracesLLVM. The option
#      stays out of .clang-format itself because Debian's default clang-format
#      (14) rewraps every call holding a one-line lambda when it is set, so an
#      editor's plain `clang-format -i` would fight the tree;
#   2. clang-tidy with .clang-tidy over the program's sources under src/, with
#      the compile commands of a configured build folder;
#   3. scripts/check-layers.py: no file includes from a higher layer;
#   4. scripts/check-tr.py: no text shown to the user bypasses tr().
# Tests, benchmarks and fuzz targets are formatted but not tidied: they build
# with -Werror and run under the sanitizers, and tidying them would more than
# double the run time for checks written for program code.
#
# Usage: scripts/lint.sh [BUILD_DIR]
#   BUILD_DIR defaults to $TINTORA_BUILD_DIR, else build/; it is configured
#   when missing. TINTORA_LINT_JOBS (default 2) sets
#   how many clang-tidy processes run at once.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd -P)
build="${1:-${TINTORA_BUILD_DIR:-$root/build}}"
jobs="${TINTORA_LINT_JOBS:-2}"
cd "$root"

format=clang-format
braces=clang-format-16
for tool in "$format" "$braces" clang-tidy python3; do
  if ! command -v "$tool" >/dev/null; then
    echo "lint: $tool is missing; run scripts/install-deps.sh" >&2
    exit 2
  fi
done

failed=()
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

echo "-- clang-format"
format_dirs=()
for d in src tests bench fuzz; do
  [ ! -d "$d" ] || format_dirs+=("$d")
done
find "${format_dirs[@]}" -type f \( -name '*.h' -o -name '*.hpp' -o -name '*.cpp' \) -print0 \
  | sort -z >"$tmp/format-files"
# Runs a formatter over the files; prints one line per file that it would
# change: its first such line, how many more there are, and the check's name.
report_format() {
  local name=$1
  shift
  xargs -0 "$@" --dry-run -Werror <"$tmp/format-files" 2>&1 \
    | sed -n 's/^\([^:]*\):\([0-9]*\):[0-9]*: error: code should be clang-formatted.*/\1 \2/p' \
    | uniq | awk -v name="$name" '
        $1 != f { if (f) print f ":" l ": " name (n > 1 ? " (and " n - 1 " more lines)" : ""); f = $1; l = $2; n = 0 }
        { n++ }
        END { if (f) print f ":" l ": " name (n > 1 ? " (and " n - 1 " more lines)" : "") }' || true
}
report_format clang-format "$format" >"$tmp/format-out"
if [ -s "$tmp/format-out" ]; then
  cat "$tmp/format-out"
  echo "clang-format: $(wc -l <"$tmp/format-out") file(s) differ from .clang-format; fix with: $format -i FILE"
  failed+=(clang-format)
fi

echo "-- braces"
{ cat .clang-format; echo "RemoveBracesLLVM: true"; } >"$tmp/braces.clang-format"
report_format braces "$braces" --style="file:$tmp/braces.clang-format" >"$tmp/braces-out"
if [ -s "$tmp/braces-out" ]; then
  cat "$tmp/braces-out"
  echo "braces: $(wc -l <"$tmp/braces-out") file(s) have braces around a single statement;" \
    "fix with: $braces --style=file:FILE -i, FILE being .clang-format plus 'RemoveBracesLLVM: true'"
  failed+=(braces)
fi

echo "-- clang-tidy"
# Configure a missing build folder; refresh an existing one (keeping its
# options) so that the list of files is today's.
if [ ! -f "$build/CMakeCache.txt" ]; then
  echo "configuring $build for its compile commands"
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTINTORA_WERROR=ON >/dev/null
else
  cmake -S "$root" -B "$build" >/dev/null
fi
# The program's own translation units: under src/, not generated into the build.
python3 - "$build/compile_commands.json" "$root/src/" "$build" >"$tmp/tidy-files" <<'PY'
import json, os, sys
entries, src, build = json.load(open(sys.argv[1])), sys.argv[2], os.path.realpath(sys.argv[3])
files = set()
for e in entries:
    f = os.path.realpath(os.path.join(e["directory"], e["file"]))
    if f.startswith(src) and not f.startswith(build + os.sep):
        files.add(f)
print("\n".join(sorted(files)))
PY
if [ ! -s "$tmp/tidy-files" ]; then
  echo "clang-tidy: no source under src/ in $build/compile_commands.json" >&2
  failed+=(clang-tidy)
else
  status=0
  xargs -P "$jobs" -n 1 clang-tidy -p "$build" --quiet <"$tmp/tidy-files" >"$tmp/tidy-raw" 2>"$tmp/tidy-err" \
    || status=$?
  # "file:line: check: message"; a header's finding is reported by every file
  # that includes it, so duplicates go.
  sed -n "s#^$root/##; s/^\([^ :]*\):\([0-9]*\):[0-9]*: \(warning\|error\): \(.*\) \[\([^]]*\)\]\$/\1:\2: \5: \4/p" \
    "$tmp/tidy-raw" | sort -u | sort -s -t: -k1,1 -k2,2n >"$tmp/tidy-out"
  if [ -s "$tmp/tidy-out" ]; then
    head -n 60 "$tmp/tidy-out"
    echo "clang-tidy: $(wc -l <"$tmp/tidy-out") finding(s) in $(wc -l <"$tmp/tidy-files") file(s) checked"
  fi
  # clang-tidy itself fails only when a file does not parse (its errors are
  # listed above as clang-diagnostic-error) or cannot be processed at all.
  if [ "$status" -ne 0 ]; then
    grep '^Error while processing' "$tmp/tidy-err" | head -n 10 || true
    echo "clang-tidy: failed on at least one file (exit status $status)"
  fi
  if [ -s "$tmp/tidy-out" ] || [ "$status" -ne 0 ]; then
    failed+=(clang-tidy)
  fi
fi

echo "-- layers"
python3 scripts/check-layers.py "$root" || failed+=(layers)

echo "-- tr"
python3 scripts/check-tr.py "$root" || failed+=(tr)

if [ ${#failed[@]} -gt 0 ]; then
  echo "lint failed: ${failed[*]}"
  exit 1
fi
echo "lint passed"
