#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds every libFuzzer target with clang in build-fuzz/ and runs each one
# for a bounded time, starting from a seed corpus. Exits non-zero when a
# target crashes, trips a sanitizer, times out or fails to build.
#
# The targets are found, not listed here: every fuzzer that fuzz/CMakeLists.txt
# makes with tintora_add_fuzzer (the build writes their names to
# build-fuzz/fuzz/targets.txt), and any other target whose name starts with
# "fuzz_". Seeds come from fuzz/seeds/<target>/ when that folder exists, and
# from the few written below.
#
# Environment:
#   FUZZ_SECONDS  seconds per target (default 20; for a long run, e.g. 600)
#   FUZZ_TARGETS  only these targets (names separated by blanks)
#   FUZZ_BUILD    build folder (default <repo>/build-fuzz)
#   FUZZ_JOBS     parallel build jobs (default 2)
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${FUZZ_BUILD:-${root}/build-fuzz}"
seconds="${FUZZ_SECONDS:-20}"
jobs="${FUZZ_JOBS:-2}"

# Everything is instrumented for coverage; only the fuzz targets link the
# fuzzer's main. Tests and benchmarks are not needed here.
sanitize="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S "${root}" -B "${build}" \
  -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS="${sanitize}" \
  -DTINTORA_BUILD_FUZZ=ON \
  -DTINTORA_BUILD_TESTS=OFF \
  -DTINTORA_BUILD_BENCH=OFF \
  -DTINTORA_WERROR=ON >"${build}.configure.log" 2>&1 || {
  cat "${build}.configure.log"
  exit 1
}

if [ -n "${FUZZ_TARGETS:-}" ]; then
  read -r -a targets <<<"${FUZZ_TARGETS}"
else
  mapfile -t targets < <(
    {
      cat "${build}/fuzz/targets.txt" 2>/dev/null || true
      cmake --build "${build}" --target help 2>/dev/null | grep -oE '\bfuzz_[A-Za-z0-9_]+' || true
    } | grep -vx -e '' -e fuzz_all | grep -v '_autogen' | sort -u
  )
fi
if [ "${#targets[@]}" -eq 0 ]; then
  echo "FAILED: the fuzz build defines no fuzz targets"
  exit 1
fi
echo "== fuzz targets: ${targets[*]}"
cmake --build "${build}" --target "${targets[@]}" -j "${jobs}"

# Seeds: the shipped help file and small documents for the reader; typical
# field texts for the number parse; the compiled translations.
seeds="${build}/seeds"
rm -rf "${seeds}"
mkdir -p "${seeds}/fuzz_rtf" "${seeds}/fuzz_parse" "${seeds}/fuzz_palette"
for target in "${targets[@]}"; do
  mkdir -p "${seeds}/${target}"
  if [ -d "${root}/fuzz/seeds/${target}" ]; then
    cp -r "${root}/fuzz/seeds/${target}/." "${seeds}/${target}/"
  fi
done
printf ' 0 \r\n 255 \r\n-5 \r\n\t2\t55x\r\n12.5\r\n99999999999\r\n' >"${seeds}/fuzz_palette/a"
printf '0\nabc\n\0\n\n\n+.5\n-2147483648\n2147483648\n' >"${seeds}/fuzz_palette/b"
cp "${root}/resources/Help.rtf" "${seeds}/fuzz_rtf/help.rtf"
# The compiled translations (made while building the targets' libraries).
if [ -d "${seeds}/fuzz_qm" ]; then
  find "${build}/src" -name 'tintora_*.qm' -exec cp {} "${seeds}/fuzz_qm/" \;
  if [ -z "$(ls -A "${seeds}/fuzz_qm")" ]; then
    echo "FAILED: no compiled translation to seed fuzz_qm with"
    exit 1
  fi
fi
n=0
while IFS= read -r line; do
  n=$((n + 1))
  printf '%s' "${line}" >"${seeds}/fuzz_rtf/seed${n}.rtf"
done <<'SEEDS'
{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}{\f1\fcharset2 Symbol;}}{\colortbl;\red255\green0\blue0;}\pard\qc\b\cf1 Title\b0\par\pard{\pntext\f1\'B7\tab}Item\par}
{\rtf1\uc1 caf\u233?\'e9 \u55357?\u56832?{\uc2\u-10179\'3f\'3f\u-8704\'3f\'3f}\line\tab\emdash}
{\rtf1{\field{\*\fldinst{HYPERLINK "https://example.org" \\l "x"}}{\fldrslt{\ul link}}} after}
{\rtf1\trowd\cellx1000\cellx2000\pard\intbl a\cell b\cell\row\pard after\par}
{\rtf1{\*\unknown{\nested x}}{\pict\bin4 {}\\}{\info{\title t}}\ansicpg932 \'82\'a0\ansicpg1251\'cf}
{\rtf1 {\b {\i {\ul x}}}}} stray {\v hidden} {\strike s\strike0}\plain\fs40 big
SEEDS
printf '%s' "180" >"${seeds}/fuzz_parse/a"
printf '%s' " 1 80 " >"${seeds}/fuzz_parse/b"
printf '%s' "&HFF" >"${seeds}/fuzz_parse/c"
printf '%s' "-12.5E3x" >"${seeds}/fuzz_parse/d"
printf '%s' "&O17" >"${seeds}/fuzz_parse/e"
printf '%s' "1D308" >"${seeds}/fuzz_parse/f"

# Fontconfig keeps its caches for the life of the process; the leak checker
# sees them as leaks the first time a font is looked up.
cat >"${build}/lsan.supp" <<'SUPP'
leak:libfontconfig.so
SUPP

status=0
for target in "${targets[@]}"; do
  # tintora_add_fuzzer puts fuzzers in fuzz/; one made otherwise may sit
  # elsewhere in the build.
  program="${build}/fuzz/${target}"
  if [ ! -x "${program}" ] || [ -d "${program}" ]; then
    program=$(find "${build}" -name "${target}" -type f -perm -u+x -print -quit)
  fi
  if [ -z "${program}" ]; then
    echo "FAILED: ${target} was built but its program is not found"
    status=1
    continue
  fi
  corpus="${build}/corpus/${target}"
  artifacts="${build}/artifacts/${target}"
  mkdir -p "${corpus}" "${artifacts}"
  echo "== ${target}: ${seconds} s"
  if ! ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}" UBSAN_OPTIONS="print_stacktrace=1" \
    LSAN_OPTIONS="suppressions=${build}/lsan.supp" \
    QT_QPA_PLATFORM=offscreen \
    "${program}" \
    -max_total_time="${seconds}" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
    -print_final_stats=1 -artifact_prefix="${artifacts}/" \
    "${corpus}" "${seeds}/${target}" >"${build}/${target}.log" 2>&1; then
    echo "FAILED: ${target} (log: ${build}/${target}.log)"
    tail -n 60 "${build}/${target}.log"
    status=1
  else
    grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "${build}/${target}.log" || true
  fi
done
exit "${status}"
