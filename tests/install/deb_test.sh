#!/usr/bin/env bash
# Builds the Debian package with CPack into a temporary folder and inspects
# it: control fields, dependencies, file list and ownership, stripped
# binaries, the unpacked program, lintian (no error, no warning) and (when
# apt-get is there) whether apt could install it on this system. Nothing is
# installed.
#
# usage: deb_test.sh BUILD_DIR HAS_BROWSER(0|1) [CPACK]
# Exit status: 0 passed, 1 failed, 77 skipped (a needed tool is missing).

set -u -o pipefail

build_dir=${1:?build dir}
has_browser=${2:?0 or 1}
cpack_cmd=${3:-cpack}

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }

for tool in dpkg-deb dpkg-shlibdeps readelf lintian; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed (dpkg-dev, binutils, lintian: scripts/install-deps.sh --tests installs them)"
        exit 77
    fi
done
if [ ! -x "$build_dir/bin/tintora" ]; then
    echo "FAIL: $build_dir/bin/tintora is not built; build the program (and the browser module) first"
    exit 1
fi

tmp=$(mktemp -d "${TMPDIR:-/tmp}/tintora-deb-test.XXXXXX")
trap 'rm -rf "$tmp"' EXIT

if ! "$cpack_cmd" -G DEB --config "$build_dir/CPackConfig.cmake" -B "$tmp/out" >"$tmp/cpack.log" 2>&1; then
    cat "$tmp/cpack.log"
    echo "FAIL: cpack -G DEB failed"
    exit 1
fi
debs=("$tmp"/out/*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
    echo "FAIL: expected one .deb, found: ${debs[*]}"
    exit 1
fi
deb=${debs[0]}
pass "cpack built $(basename "$deb")"

field() { dpkg-deb -f "$deb" "$1"; }
dpkg-deb -f "$deb"

program_version=$("$build_dir/bin/tintora" --version | awk '{print $NF}')   # e.g. 2.0
[ "$(field Package)" = tintora ] && pass "Package: tintora" || fail "Package is '$(field Package)', not tintora"
[[ "$(field Version)" == "$program_version"* ]] && pass "Version $(field Version) matches the program's $program_version" \
    || fail "Version '$(field Version)' does not match the program's version $program_version"
[ "$(field Section)" = graphics ] && pass "Section: graphics" || fail "Section is '$(field Section)', not graphics"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] && pass "Architecture: $(field Architecture)" \
    || fail "Architecture '$(field Architecture)' is not this system's $(dpkg --print-architecture)"
[ -n "$(field Maintainer)" ] && pass "Maintainer: $(field Maintainer)" || fail "no Maintainer"
[ -n "$(field Description)" ] && pass "has a Description" || fail "no Description"

depends=$(field Depends | tr ',' '\n' | sed 's/^ *//; s/ *(.*//; s/ *|.*//')
wanted_deps=(libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libxcb1 fonts-dejavu-core fonts-liberation)
[ "$has_browser" = 1 ] && wanted_deps+=(libqt6webenginewidgets6)
for d in "${wanted_deps[@]}"; do
    if echo "$depends" | grep -qxF "$d"; then
        pass "Depends on $d"
    else
        fail "Depends lacks $d (Depends: $(field Depends))"
    fi
done

contents=$(dpkg-deb -c "$deb")
paths=$(echo "$contents" | awk '{print $6}' | sed 's|^\./|/|')
wanted_files=(
    /usr/bin/tintora
    /usr/lib/tintora/tintora-clipboard-holder
    /usr/share/applications/tintora.desktop
    /usr/share/icons/hicolor/scalable/apps/tintora.svg
    /usr/share/man/man1/tintora.1.gz
    /usr/share/doc/tintora/copyright
    /usr/share/doc/tintora/changelog.gz
)
[ "$has_browser" = 1 ] && wanted_files+=(/usr/lib/tintora/tintora_browser.so)
for f in "${wanted_files[@]}"; do
    echo "$paths" | grep -qxF "$f" && pass "contains $f" || fail "does not contain $f"
done
echo "$paths" | grep -qE '^/usr/share/metainfo/[^/]+\.metainfo\.xml$' && pass "contains an AppStream file" \
    || fail "contains no /usr/share/metainfo/*.metainfo.xml"
if echo "$paths" | grep -vE '^/usr(/|$)' | grep -q .; then
    fail "files outside /usr: $(echo "$paths" | grep -vE '^/usr(/|$)' | tr '\n' ' ')"
fi
if echo "$contents" | awk '{print $2}' | grep -vxF root/root | grep -q .; then
    fail "files not owned by root/root"
else
    pass "every file is owned by root/root"
fi

dpkg-deb -x "$deb" "$tmp/x"
for elf in "$tmp/x/usr/bin/tintora" "$tmp/x/usr/lib/tintora/tintora-clipboard-holder" "$tmp"/x/usr/lib/tintora/*.so; do
    [ -f "$elf" ] || continue
    if readelf -S "$elf" | grep -qE '\.(symtab|debug_info)'; then
        fail "$(basename "$elf") is not stripped"
    else
        pass "$(basename "$elf") is stripped"
    fi
done
unpacked_version=$("$tmp/x/usr/bin/tintora" --version 2>&1)
[ "$unpacked_version" = "$("$build_dir/bin/tintora" --version)" ] && pass "the unpacked program prints \"$unpacked_version\"" \
    || fail "the unpacked program prints \"$unpacked_version\""

# Debian's own checker. Informational tags are printed but do not fail.
if lintian --fail-on error,warning --no-tag-display-limit "$deb" >"$tmp/lintian.log" 2>&1; then
    pass "lintian reports no error and no warning"
    grep -E '^[IPX]:' "$tmp/lintian.log"
else
    cat "$tmp/lintian.log"
    fail "lintian reports errors or warnings"
fi
dpkg-deb -e "$deb" "$tmp/control"
if ls "$tmp/control" 2>/dev/null | grep -qE '^(postinst|postrm|preinst|prerm)$'; then
    fail "the package has maintainer scripts: $(ls "$tmp/control" | tr '\n' ' ')"
else
    pass "no maintainer scripts"
fi

# Whether apt could install the package here, dependencies included. Only
# simulated: nothing on the system changes.
if command -v apt-get >/dev/null 2>&1; then
    if apt-get install --simulate -q "$deb" >"$tmp/apt.log" 2>&1; then
        pass "apt-get install --simulate accepts the package ($(grep -c '^Inst ' "$tmp/apt.log") package(s) to install)"
    else
        cat "$tmp/apt.log"
        fail "apt-get install --simulate rejects the package"
    fi
else
    echo "SKIP (this check only): apt-get is not available"
fi

if [ $failures -gt 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "all package checks passed"
exit 0
