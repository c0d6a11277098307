#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian packages with dpkg-buildpackage in a scratch copy of the
# source tree and inspects them without changing the machine:
#  - control fields, the split (tintora holds the program, tintora-browser
#    the browser module), versions that agree with debian/changelog and the
#    program, an installed size under 2 MiB for tintora;
#  - Debian's hardening flags on the compiler and linker lines and in the
#    binaries, stripped binaries, file lists and ownership;
#  - lintian --pedantic -I -E on the result: no tag that is not overridden;
#  - apt-get install --simulate: installing tintora alone pulls no
#    QtWebEngine package, judged against an empty package database so that
#    what this machine already has installed does not hide anything;
#  - the unpacked program: --version and --color; "Visit" hands the address
#    to the desktop's browser when the browser package is absent, names it
#    in a message box when that fails too, and opens the built-in browser
#    when the package is there.
#
# usage: test_deb.sh SOURCE_DIR HAS_BROWSER(0|1)
# Exit status: 0 passed, 1 failed, 77 skipped (a needed tool is missing).
# With ccache on PATH, the package build compiles through it.

set -u -o pipefail

source_dir=${1:?source dir}
has_browser=${2:?0 or 1}
maintainer="VarnholtSoftware <packages@varnholtsoftware.example>"

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }
skip_check() { echo "SKIP (this check only): $*"; }

missing=()
for tool in dpkg-buildpackage dh dpkg-deb readelf lintian apt-get Xvfb xdotool python3; do
    command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "SKIP: not installed: ${missing[*]} (scripts/install-deps.sh --tests installs them)"
    exit 77
fi
if ! (cd "$source_dir" && dpkg-checkbuilddeps) 2>"${TMPDIR:-/tmp}/tintora-deb-builddeps.$$"; then
    echo "SKIP: the packages' build dependencies are not installed: $(cat "${TMPDIR:-/tmp}/tintora-deb-builddeps.$$")"
    rm -f "${TMPDIR:-/tmp}/tintora-deb-builddeps.$$"
    exit 77
fi
rm -f "${TMPDIR:-/tmp}/tintora-deb-builddeps.$$"

tmp=$(mktemp -d "${TMPDIR:-/tmp}/tintora-deb-test.XXXXXX")
xvfb_pid=""
app_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$tmp"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# ---- build -------------------------------------------------------------------------

# The scratch copy: the files git knows or would add (no build folders); a
# tree that is not a git checkout is copied whole but for its build folders.
src=$tmp/src/tintora
mkdir -p "$src"
if git -C "$source_dir" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    (cd "$source_dir" && git ls-files -z -c -o --exclude-standard |
        while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done |
        tar --null -T - -cf -) | tar -C "$src" -xf - || { echo "FAIL: copying the source tree"; exit 1; }
else
    (cd "$source_dir" && tar --exclude='./build*' --exclude=./out -cf - .) | tar -C "$src" -xf - ||
        { echo "FAIL: copying the source tree"; exit 1; }
fi

# The source package, for lintian, made before the build fills the tree.
if ! (cd "$tmp/src" && dpkg-source -b tintora) >"$tmp/source.log" 2>&1; then
    cat "$tmp/source.log"
    fail "dpkg-source -b failed"
fi

build_env=(env DEB_BUILD_OPTIONS="parallel=2 nocheck")
if command -v ccache >/dev/null 2>&1; then
    # Paths under the scratch folder count as relative, so that a build in
    # another scratch folder finds the same objects. The cache and its size
    # are named here: debhelper points HOME into the build tree, where ccache
    # would start an empty cache of its own.
    build_env+=(CMAKE_CXX_COMPILER_LAUNCHER=ccache CMAKE_C_COMPILER_LAUNCHER=ccache
        CCACHE_DIR="$(ccache -k cache_dir)" CCACHE_MAXSIZE="$(ccache -k max_size)"
        CCACHE_BASEDIR="$tmp/src" CCACHE_NOHASHDIR=1)
fi
start=$(date +%s)
if ! (cd "$src" && "${build_env[@]}" dpkg-buildpackage -us -uc -b) >"$tmp/build.log" 2>&1; then
    tail -n 60 "$tmp/build.log"
    echo "FAIL: dpkg-buildpackage -us -uc -b failed"
    exit 1
fi
pass "dpkg-buildpackage -us -uc -b built the packages in $(($(date +%s) - start)) s"
for leftover in "$source_dir/debian/tintora" "$source_dir/debian/files" "$source_dir/debian/.debhelper" \
    "$source_dir"/obj-*; do
    [ -e "$leftover" ] && fail "the package build wrote into the source tree: $leftover"
done

version=$(cd "$src" && dpkg-parsechangelog -S Version)
arch=$(dpkg --print-architecture)
deb=$tmp/src/tintora_${version}_${arch}.deb
browser_deb=$tmp/src/tintora-browser_${version}_${arch}.deb
changes=$tmp/src/tintora_${version}_${arch}.changes
[ -f "$deb" ] || { ls "$tmp/src"; echo "FAIL: no $(basename "$deb")"; exit 1; }
if [ "$has_browser" = 1 ]; then
    [ -f "$browser_deb" ] && pass "built $(basename "$deb") and $(basename "$browser_deb")" ||
        fail "no $(basename "$browser_deb")"
fi

# ---- the compiler and linker lines ------------------------------------------------

# Every compile and link of the project's own files carries Debian's
# hardening flags (hardening=+all).
# (Object files only: automoc also runs the compiler, for its macros.)
compiles=$(grep -E '/c\+\+ .* -o [^ ]+\.o -c /' "$tmp/build.log")
links=$(grep -E '/c\+\+ .* -o [^ ]*(tintora|tintora_browser\.so)( |$)' "$tmp/build.log")
if [ -z "$compiles" ] || [ -z "$links" ]; then
    fail "the build log shows no compiler or linker lines (is the build verbose?)"
else
    for flag in -fstack-protector-strong -D_FORTIFY_SOURCE=2 -Werror=format-security; do
        n=$(grep -cvF -- "$flag" <<<"$compiles")
        [ "$n" = 0 ] && pass "every compile has $flag" || fail "$n compile(s) without $flag"
    done
    for flag in -Wl,-z,relro -Wl,-z,now; do
        n=$(grep -cvF -- "$flag" <<<"$links")
        [ "$n" = 0 ] && pass "every link of the program and module has $flag" || fail "$n link(s) without $flag"
    done
    if grep -qE ' (tests|bench)/CMakeFiles/' <<<"$compiles"; then
        fail "the package build compiled tests or benchmarks"
    else
        pass "the package build compiled no test and no benchmark"
    fi
fi

# ---- control fields ------------------------------------------------------------------

field() { dpkg-deb -f "$1" "$2"; }
dep_names() { field "$1" "$2" | tr ',' '\n' | sed 's/^ *//; s/ *(.*//; s/ *|.*//' | grep .; }
program_version=$(cd "$src" && sed -n 's/^project(Tintora VERSION \([0-9]*\.[0-9]*\.[0-9]*\).*/\1/p' CMakeLists.txt)

[ "$(field "$deb" Package)" = tintora ] || fail "Package is '$(field "$deb" Package)'"
[ "$version" = "$program_version" ] && pass "debian/changelog names version $version, as CMakeLists.txt does" ||
    fail "debian/changelog names version $version, CMakeLists.txt $program_version"
[ "$(field "$deb" Maintainer)" = "$maintainer" ] && pass "Maintainer: $maintainer" ||
    fail "Maintainer is '$(field "$deb" Maintainer)'"
[ "$(field "$deb" Section)" = graphics ] || fail "Section is '$(field "$deb" Section)', not graphics"
[ -n "$(field "$deb" Homepage)" ] || fail "no Homepage"
size=$(field "$deb" Installed-Size)
[ "$size" -lt 2048 ] && pass "tintora's Installed-Size is $size KiB (under 2 MiB)" ||
    fail "tintora's Installed-Size is $size KiB, not under 2 MiB"
for d in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6dbus6 libqt6svg6 libxcb1 fonts-dejavu-core fonts-liberation; do
    dep_names "$deb" Depends | grep -qxF "$d" || fail "tintora's Depends lacks $d ($(field "$deb" Depends))"
done
if dep_names "$deb" Depends | grep -qi webengine; then
    fail "tintora depends on QtWebEngine: $(field "$deb" Depends)"
else
    pass "tintora's Depends name no QtWebEngine package"
fi
if [ "$has_browser" = 1 ]; then
    dep_names "$deb" Recommends | grep -qxF tintora-browser && pass "tintora recommends tintora-browser" ||
        fail "tintora does not recommend tintora-browser (Recommends: $(field "$deb" Recommends))"
    [ "$(field "$browser_deb" Depends | grep -oE 'tintora \(= [^)]*\)')" = "tintora (= $version)" ] &&
        pass "tintora-browser depends on tintora (= $version)" ||
        fail "tintora-browser's Depends lack tintora (= $version): $(field "$browser_deb" Depends)"
    dep_names "$browser_deb" Depends | grep -qxF libqt6webenginewidgets6 ||
        fail "tintora-browser's Depends lack libqt6webenginewidgets6"
fi

# ---- contents -----------------------------------------------------------------------

# files DEB: the regular files and links, as absolute paths.
files() { dpkg-deb -c "$1" | grep -v '^d' | awk '{print $6}' | sed 's|^\./|/|' | sort; }
check_files() { # deb expected...
    local d=$1 got want
    shift
    got=$(files "$d")
    want=$(printf '%s\n' "$@" | sort)
    if [ "$got" = "$want" ]; then
        pass "$(basename "$d") holds exactly: $*"
    else
        fail "$(basename "$d") holds other files (< expected, > packed):"
        diff <(echo "$want") <(echo "$got") | grep '^[<>]'
    fi
    if dpkg-deb -c "$d" | awk '{print $2}' | grep -vxF root/root | grep -q .; then
        fail "$(basename "$d") has files not owned by root/root"
    fi
}
metainfo=$(files "$deb" | grep -E '^/usr/share/metainfo/[^/]+\.metainfo\.xml$')
check_files "$deb" /usr/bin/tintora /usr/libexec/tintora/tintora-clipboard-holder /usr/share/applications/tintora.desktop \
    /usr/share/icons/hicolor/scalable/apps/tintora.svg "${metainfo:-/usr/share/metainfo/(missing)}" \
    /usr/share/man/man1/tintora.1.gz /usr/share/tintora/Help.rtf /usr/share/lintian/overrides/tintora \
    /usr/share/doc/tintora/copyright /usr/share/doc/tintora/changelog.gz
[ "$has_browser" = 1 ] && check_files "$browser_deb" /usr/lib/tintora/tintora_browser.so \
    /usr/share/doc/tintora-browser/copyright /usr/share/doc/tintora-browser/changelog.gz

# The program unpacked alone, and with the browser package beside it.
alone=$tmp/alone
both=$tmp/both
dpkg-deb -x "$deb" "$alone"
dpkg-deb -x "$deb" "$both"
[ "$has_browser" = 1 ] && dpkg-deb -x "$browser_deb" "$both"

for elf in "$both/usr/bin/tintora" "$both/usr/libexec/tintora/tintora-clipboard-holder" "$both"/usr/lib/tintora/*.so; do
    [ -f "$elf" ] || continue
    name=$(basename "$elf")
    readelf -S "$elf" | grep -qE '\.(symtab|debug_info)' && fail "$name is not stripped"
    dynamic=$(readelf -d "$elf")
    grep -qE 'BIND_NOW|FLAGS.*\bNOW\b' <<<"$dynamic" || fail "$name is not linked with -z now"
    readelf -lW "$elf" | grep -q GNU_RELRO || fail "$name has no RELRO segment"
    readelf -hW "$elf" | grep -qE 'Type:[[:space:]]+DYN' || fail "$name is not position independent"
    grep -qE 'R(UN)?PATH' <<<"$dynamic" && fail "$name has a library search path"
    pass "$name: stripped, full RELRO, position independent, no RPATH"
done
cmp -s "$both/usr/share/doc/tintora/copyright" "$src/debian/copyright" ||
    fail "usr/share/doc/tintora/copyright is not debian/copyright"

# ---- lintian ------------------------------------------------------------------------

# Every tag, informational, pedantic and experimental ones included, either
# does not come up or is overridden in debian/ with its reason: on the
# binary packages and on the source package.
lintian --pedantic -I -E --tag-display-limit 0 "$changes" "$tmp/src/tintora_${version}.dsc" >"$tmp/lintian.log" 2>&1
status=$?
if grep -qE '^[EWIPXCO]: ' "$tmp/lintian.log" || [ $status -ne 0 ]; then
    cat "$tmp/lintian.log"
    fail "lintian --pedantic -I -E reports $(grep -cE '^[EWIPXCO]: ' "$tmp/lintian.log") tag(s) (status $status)"
else
    pass "lintian --pedantic -I -E reports no tag on the binary and source packages"
fi

# ---- apt ----------------------------------------------------------------------------

# Against an empty package database, apt lists everything installing the
# package needs: on this machine QtWebEngine may already be installed and
# would not show up otherwise. Only simulated.
: >"$tmp/empty-status"
simulate() { # deb... -> the packages apt would install
    apt-get install --simulate -q --no-install-recommends -o Dir::State::status="$tmp/empty-status" \
        -o Debug::NoLocking=1 "$@" >"$tmp/apt.log" 2>&1 || return 1
    sed -n 's/^Inst \([^ ]*\).*/\1/p' "$tmp/apt.log"
}
if ! apt-cache show libqt6core6 >/dev/null 2>&1; then
    skip_check "apt has no package lists (apt-get update): installing is not simulated"
elif ! installs=$(simulate "$deb"); then
    cat "$tmp/apt.log"
    fail "apt-get install --simulate ./$(basename "$deb") fails"
else
    webengine=$(grep -i webengine <<<"$installs")
    [ -z "$webengine" ] && pass "installing tintora alone pulls $(wc -l <<<"$installs") packages, none of QtWebEngine" ||
        fail "installing tintora alone pulls QtWebEngine: $(echo $webengine)"
    # The same question about the browser package must find QtWebEngine, or
    # the check above proves nothing.
    if [ "$has_browser" = 1 ]; then
        installs=$(simulate "$deb" "$browser_deb")
        grep -qxF libqt6webenginecore6 <<<"$installs" &&
            pass "with tintora-browser, apt installs QtWebEngine (the check can see it)" ||
            fail "apt does not install libqt6webenginecore6 with tintora-browser: $(tail -n 5 "$tmp/apt.log")"
    fi
fi

# ---- the unpacked program -----------------------------------------------------------

product=$(sed -n 's/^Name=//p' "$alone/usr/share/applications/tintora.desktop" | head -n 1)
out=$("$alone/usr/bin/tintora" --version 2>&1)
[[ "$out" == "$product $(cut -d. -f1-2 <<<"$version")"* ]] && pass "tintora --version prints \"$out\"" ||
    fail "tintora --version prints \"$out\""
out=$("$alone/usr/bin/tintora" --color red 2>&1)
[ "$out" = "$(printf 'RGB(255, 0, 0)\n255\n#FF0000\n&H0000FF&')" ] && pass "tintora --color red prints its four codes" ||
    fail "tintora --color red prints \"$out\""

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$tmp/display" >"$tmp/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$tmp/display" ] && break
    sleep 0.1
done
[ -s "$tmp/display" ] || { cat "$tmp/xvfb.log"; fail "Xvfb did not start"; exit 1; }
display=:$(head -n 1 "$tmp/display")
home=$tmp/home
mkdir -p "$home/.config/$product" "$tmp/run" "$tmp/bin"
chmod 700 "$tmp/run"
# Root gets no web content and no desktop browser from "Visit": the windows
# run as an ordinary user, as on a desktop.
as_user=()
if [ "$(id -u)" = 0 ]; then
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
    chmod 755 "$tmp"
fi
# A later start: the read-me window would cover the main window.
printf '[Settings]\nshowHelp=0\n' >"$home/.config/$product/$product.conf"
[ "$(id -u)" = 0 ] && chown -R nobody:nogroup "$home" "$tmp/run"
# The desktop's browser: Qt hands addresses to xdg-open. This one writes
# down what it was given.
cat >"$tmp/bin/xdg-open" <<EOF
#!/bin/sh
echo "\$@" >>"$home/opened"
EOF
chmod +x "$tmp/bin/xdg-open"

# visit ROOT PATH NAME: starts ROOT's program with PATH, clicks "Visit" and
# leaves the program running (app_pid) with its main window in $main.
visit() {
    local root=$1 path=$2 name=$3
    main=""
    "${as_user[@]}" env -i PATH="$path" LANG=C.UTF-8 HOME="$home" DISPLAY="$display" XDG_CONFIG_HOME="$home/.config" \
        XDG_DATA_HOME="$home/.local/share" XDG_CACHE_HOME="$home/.cache" XDG_RUNTIME_DIR="$tmp/run" \
        QT_QPA_PLATFORM=xcb DBUS_SESSION_BUS_ADDRESS=disabled: QTWEBENGINE_DISABLE_SANDBOX=1 \
        QTWEBENGINE_CHROMIUM_FLAGS="--disable-gpu --no-proxy-server" \
        "$root/usr/bin/tintora" --no-splash >"$tmp/$name.log" 2>&1 &
    app_pid=$!
    for _ in $(seq 150); do
        main=$(DISPLAY=$display xdotool search --onlyvisible --pid "$app_pid" --name "^$product" 2>/dev/null | head -n 1)
        [ -n "$main" ] && break
        kill -0 "$app_pid" 2>/dev/null || break
        sleep 0.2
    done
    if [ -z "$main" ]; then
        cat "$tmp/$name.log"
        fail "$name: the main window did not appear"
        return 1
    fi
    sleep 0.5
    DISPLAY=$display xdotool mousemove --window "$main" 360 422 click 1 # "Visit ..."
}
other_windows() { # the program's visible windows but the main window, with their titles
    local id
    for id in $(DISPLAY=$display xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null); do
        [ "$id" = "$main" ] || echo "$id $(DISPLAY=$display xdotool getwindowname "$id" 2>/dev/null)"
    done
}
stop_app() {
    kill "$app_pid" 2>/dev/null
    wait "$app_pid" 2>/dev/null
    app_pid=""
}

# 1. No browser package: the desktop's browser gets the address.
if visit "$alone" "$tmp/bin:/usr/bin:/bin" no_module; then
    for _ in $(seq 50); do
        [ -s "$home/opened" ] && break
        sleep 0.2
    done
    if grep -q 'varnholtsoftware\.example' "$home/opened" 2>/dev/null; then
        pass "without tintora-browser, Visit handed $(cat "$home/opened") to the desktop's browser"
    else
        cat "$tmp/no_module.log"
        fail "without tintora-browser, Visit did not open the desktop's browser (xdg-open got: $(cat "$home/opened" 2>/dev/null))"
    fi
    sleep 0.5
    [ -z "$(other_windows)" ] || fail "without tintora-browser, Visit opened a window: $(other_windows)"
    stop_app
fi

# 2. No browser package and no desktop browser: a message box names the address.
if visit "$alone" "$tmp/run" no_browser_at_all; then
    message=""
    for _ in $(seq 50); do
        message=$(other_windows | head -n 1)
        [ -n "$message" ] && break
        sleep 0.2
    done
    if [ "${message#* }" = "$product" ] && grep -q 'no web browser could be opened for .*varnholtsoftware\.example' \
        "$tmp/no_browser_at_all.log"; then
        pass "with no browser at all, Visit showed a message box and named the address on stderr"
    else
        cat "$tmp/no_browser_at_all.log"
        fail "with no browser at all, Visit showed '${message:-no window}'"
    fi
    stop_app
fi

# 3. With the browser package: the built-in browser opens, not the desktop's.
if [ "$has_browser" = 1 ] && rm -f "$home/opened" && visit "$both" "$tmp/bin:/usr/bin:/bin" module; then
    browser=""
    for _ in $(seq 300); do
        browser=$(other_windows | head -n 1)
        [ -n "$browser" ] && break
        kill -0 "$app_pid" 2>/dev/null || break
        sleep 0.1
    done
    if [ -n "$browser" ] && [ "${browser#* }" != "$product" ] && [ ! -e "$home/opened" ]; then
        pass "with tintora-browser, Visit opened the built-in browser (\"${browser#* }\")"
    else
        cat "$tmp/module.log"
        fail "with tintora-browser, Visit opened '${browser:-no window}' (xdg-open got: $(cat "$home/opened" 2>/dev/null))"
    fi
    stop_app
fi

if [ $failures -gt 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "all package checks passed"
exit 0
