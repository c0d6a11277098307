#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs a build into a temporary tree and checks that the result works as
# an installed desktop program:
#  - the tree holds exactly the expected files, the generated files have no
#    placeholders left, and the desktop entry, icon, AppStream entry and
#    program agree with each other;
#  - desktop-file-validate (no warning, no second main menu category),
#    appstreamcli --pedantic (no warning) and groff accept the files; the
#    manual page is compressed as Debian wants it;
#  - the installed program runs under a private X server, draws a main
#    window of the right size, reads its help file from <prefix>/share/tintora
#    and its settings from the file the manual page names, and saves the
#    personal palette beside itself or, when its folder is read-only, in the
#    per-user data folder.
#
# usage: test_install.sh BUILD_DIR SOURCE_DIR HAS_BROWSER(0|1) [CMAKE]
# Exit status: 0 passed, 1 failed, 77 skipped (a needed tool is missing).

set -u -o pipefail

build_dir=${1:?build dir}
source_dir=${2:?source dir}
has_browser=${3:?0 or 1}
cmake_cmd=${4:-cmake}

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }
skip_check() { echo "SKIP (this check only): $*"; }

missing=()
for tool in desktop-file-validate appstreamcli Xvfb python3; do
    command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "SKIP: not installed: ${missing[*]} (scripts/install-deps.sh installs them)"
    exit 77
fi
if [ ! -x "$build_dir/bin/tintora" ]; then
    echo "FAIL: $build_dir/bin/tintora is not built; build the program (and the browser module) first"
    exit 1
fi

tmp=$(mktemp -d "${TMPDIR:-/tmp}/tintora-install-test.XXXXXX")
xvfb_pid=""
app_pid=""
immutable_dir=""
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    [ -n "$immutable_dir" ] && chattr -i "$immutable_dir" 2>/dev/null
    rm -rf "$tmp"
}
trap cleanup EXIT
# Interrupted too: the read-only flag must not outlive the test.
trap 'exit 130' INT
trap 'exit 143' TERM

# ---- install -------------------------------------------------------------------

destdir=$tmp/root
prefix=/usr
inst=$destdir$prefix
if ! DESTDIR=$destdir "$cmake_cmd" --install "$build_dir" --prefix "$prefix" >"$tmp/install.log" 2>&1; then
    cat "$tmp/install.log"
    echo "FAIL: cmake --install failed"
    exit 1
fi
pass "cmake --install into DESTDIR=$destdir, prefix $prefix"

# ---- the tree -------------------------------------------------------------------

metainfos=("$inst"/share/metainfo/*.metainfo.xml)
if [ ${#metainfos[@]} -ne 1 ] || [ ! -f "${metainfos[0]}" ]; then
    fail "expected exactly one AppStream file in share/metainfo, found: ${metainfos[*]}"
    exit 1
fi
metainfo=${metainfos[0]}
desktop=$inst/share/applications/tintora.desktop
icon=$inst/share/icons/hicolor/scalable/apps/tintora.svg
manpage_gz=$inst/share/man/man1/tintora.1.gz
manpage=$tmp/tintora.1
program=$inst/bin/tintora
help_source=$source_dir/resources/Help.rtf

expected=(
    "bin/tintora"
    "libexec/tintora/tintora-clipboard-holder"
    "share/applications/tintora.desktop"
    "share/icons/hicolor/scalable/apps/tintora.svg"
    "share/metainfo/$(basename "$metainfo")"
    "share/man/man1/tintora.1.gz"
    "share/tintora/Help.rtf"
)
[ "$has_browser" = 1 ] && expected+=("lib/tintora/tintora_browser.so")

actual=$(cd "$destdir" && find . \( -type f -o -type l \) | sed 's|^\./||' | sort)
wanted=$(for f in "${expected[@]}"; do echo "${prefix#/}/$f"; done | sort)
if [ "$actual" = "$wanted" ]; then
    pass "installed files are exactly: ${expected[*]}"
else
    fail "installed files differ from the expected list (< expected, > installed):"
    diff <(echo "$wanted") <(echo "$actual") | grep '^[<>]'
fi

[ -x "$program" ] && pass "bin/tintora is executable" || fail "bin/tintora is missing or not executable"
if [ "$has_browser" = 1 ] && [ -f "$inst/lib/tintora/tintora_browser.so" ]; then
    # The program loads the module with QLibrary, which needs the entry point exported.
    if command -v nm >/dev/null 2>&1; then
        # Read the whole table first: grep -q would stop reading early and nm,
        # killed by SIGPIPE, would fail the pipeline under pipefail (the
        # sanitizer build exports thousands of symbols).
        exported=$(nm -D --defined-only "$inst/lib/tintora/tintora_browser.so" 2>&1)
        if grep -Eq ' T tintora_create_browser_window$' <<<"$exported"; then
            pass "the browser module exports tintora_create_browser_window"
        else
            fail "the installed browser module does not export tintora_create_browser_window"
        fi
    fi
fi

# Compressed at the highest level with no file name or time stamp in the
# header (gzip -9n), as lintian wants.
for gz in "$manpage_gz"; do
    if [ -f "$gz" ] && gzip -t "$gz" 2>/dev/null &&
        [ "$(od -An -tx1 -j3 -N6 "$gz" | tr -d ' ')" = 000000000002 ]; then
        pass "$(basename "$gz") is compressed with gzip -9n"
    else
        fail "$(basename "$gz") is missing or not compressed with gzip -9n"
    fi
done
gzip -dc "$manpage_gz" >"$manpage" 2>/dev/null

for f in "$desktop" "$metainfo" "$manpage"; do
    if grep -n '@[A-Za-z_]*@' "$f"; then
        fail "$(basename "$f") still holds configure placeholders"
    fi
done

if [ -f "$help_source" ]; then
    # The program looks for the help file beside itself, then in ../share/tintora.
    if cmp -s "$help_source" "$(dirname "$program")/../share/tintora/Help.rtf"; then
        pass "Help.rtf is at <prefix>/share/tintora, where the installed program looks"
    else
        fail "<prefix>/share/tintora/Help.rtf is missing or differs from resources/Help.rtf"
    fi
    if cmp -s "$help_source" "$build_dir/bin/Help.rtf"; then
        pass "the build copied Help.rtf beside the built program"
    else
        fail "$build_dir/bin/Help.rtf is missing or differs from resources/Help.rtf"
    fi
else
    skip_check "resources/Help.rtf does not exist, so no help file is installed"
fi

if command -v readelf >/dev/null 2>&1; then
    if readelf -d "$program" | grep -E 'R(UN)?PATH' | grep -qF "$build_dir"; then
        fail "the installed program still has the build folder in its library search path"
    else
        pass "no build-folder library search path in the installed program"
    fi
fi
if ldd "$program" | grep -q 'not found'; then
    fail "libraries of the installed program are missing:"
    ldd "$program" | grep 'not found'
fi

# ---- desktop entry, AppStream entry, icon ---------------------------------------

out=$(desktop-file-validate "$desktop" 2>&1)
status=$?
[ -n "$out" ] && echo "$out"
if [ $status -ne 0 ] || echo "$out" | grep -qE ': (error|warning):'; then
    fail "desktop-file-validate rejects $(basename "$desktop")"
elif echo "$out" | grep -q 'main categor'; then
    fail "desktop-file-validate: the entry names more than one main category"
else
    pass "desktop-file-validate (hints only are accepted)"
fi

# What a software centre checks: no error and no warning, pedantic ones
# included (informational notes pass).
out=$(appstreamcli validate --pedantic --no-net "$metainfo" 2>&1)
status=$?
echo "$out"
if [ $status -ne 0 ] || grep -qE '^[EW]: ' <<<"$out"; then
    fail "appstreamcli validate --pedantic --no-net rejects $(basename "$metainfo") or warns"
else
    pass "appstreamcli validate --pedantic --no-net: no error, no warning"
fi

# The files must point at each other: menu entry -> program and icon,
# AppStream entry -> menu entry and program.
desktop_key() { sed -n "s/^$1=//p" "$desktop" | head -n 1; }
# The "Pick from Screen" action picks and copies without the main window.
pick_exec=$(sed -n '/^\[Desktop Action pick\]/,/^\[/s/^Exec=//p' "$desktop")
[ "$pick_exec" = "tintora --pick --copy" ] && pass "the desktop entry's pick action runs '$pick_exec'" \
    || fail "the desktop entry's pick action runs '$pick_exec', not 'tintora --pick --copy'"

exec_name=$(desktop_key Exec | awk '{print $1}')
icon_name=$(desktop_key Icon)
[ "$exec_name" = tintora ] && [ -x "$inst/bin/$exec_name" ] \
    && pass "Exec=$exec_name is the installed program" \
    || fail "Exec=$exec_name does not name the installed program bin/tintora"
[ -f "$inst/share/icons/hicolor/scalable/apps/$icon_name.svg" ] \
    && pass "Icon=$icon_name is installed in the hicolor theme" \
    || fail "Icon=$icon_name has no icon in share/icons/hicolor/scalable/apps"

python3 - "$metainfo" "$(basename "$desktop")" "$exec_name" "$icon" <<'EOF' || fail "AppStream entry or icon inconsistent (see above)"
import os, sys
import xml.etree.ElementTree as ET
metainfo, desktop_id, exec_name, icon = sys.argv[1:5]
root = ET.parse(metainfo).getroot()
errors = []
cid = root.findtext("id")
if os.path.basename(metainfo) != cid + ".metainfo.xml":
    errors.append(f"file name {os.path.basename(metainfo)} does not match the id {cid}")
launchable = root.find("launchable[@type='desktop-id']")
if launchable is None or launchable.text != desktop_id:
    errors.append(f"launchable is not {desktop_id}")
binaries = [b.text for b in root.findall("provides/binary")]
if exec_name not in binaries:
    errors.append(f"provides/binary {binaries} lacks {exec_name}")
if root.find("content_rating") is None:
    errors.append("no content_rating")
if root.findtext("project_license") != "MIT":
    errors.append(f"project_license is {root.findtext('project_license')!r}, not MIT")
if not root.findtext("developer_name"):
    errors.append("no developer_name")
bugs = root.findtext("url[@type='bugtracker']") or ""
if not bugs.startswith("https://") or ".example/" not in bugs:
    errors.append(f"bug tracker address {bugs!r} is not an https address on the .example domain")
releases = root.findall("releases/release")
if not releases or any(not r.get("date") for r in releases):
    errors.append("no releases, or a release without a date")
controls = {c.text for c in root.findall("supports/control") + root.findall("requires/control")}
if not {"pointing", "keyboard"} <= controls:
    errors.append(f"supports/requires name the controls {sorted(controls)}, not pointing and keyboard")
svg = ET.parse(icon).getroot()
if svg.tag != "{http://www.w3.org/2000/svg}svg":
    errors.append(f"icon root element is {svg.tag}, not svg")
else:
    box = [float(v) for v in svg.get("viewBox", "").replace(",", " ").split()]
    if len(box) != 4 or box[2] != box[3] or box[2] <= 0:
        errors.append(f"icon viewBox {svg.get('viewBox')} is not a square")
for e in errors:
    print("  " + e)
if not errors:
    print(f"ok: AppStream id {cid} matches its file name, launchable and provided binary; icon is a square SVG")
sys.exit(1 if errors else 0)
EOF

# ---- manual page ----------------------------------------------------------------

if command -v groff >/dev/null 2>&1; then
    out=$(LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z "$manpage" 2>&1)
    if [ -n "$out" ]; then
        echo "$out"
        fail "groff warns about tintora.1"
    else
        pass "groff -man -ww formats tintora.1 without warnings"
    fi
    # Unhyphenated, long lines: every name stays in one piece for the searches below.
    man_text=$(LC_ALL=C.UTF-8 groff -man -Tutf8 -rHY=0 -rLL=300n -P-cbou "$manpage" 2>/dev/null)
else
    skip_check "groff is not installed: the manual page is not formatted"
    man_text=$(cat "$manpage")
fi
if command -v man >/dev/null 2>&1; then
    out=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$manpage" 2>&1 >/dev/null)
    if [ -n "$out" ]; then
        echo "$out"
        fail "man -l warns about tintora.1"
    else
        pass "man --warnings -l shows tintora.1 without warnings"
    fi
fi

# Every option the program accepts must be documented.
options=$("$program" --help 2>/dev/null | grep -oE -- '--[a-z][a-z-]*' | sort -u)
if [ -z "$options" ]; then
    fail "tintora --help lists no options"
fi
# groff renders the hyphens of \- as U+2010 or -, depending on the device.
# (A here-string, not a pipe: grep -q stops reading early, and the writer's
# SIGPIPE would fail the pipeline under pipefail.)
man_plain=$(sed 's/\xe2\x80\x90/-/g; s/\xe2\x88\x92/-/g' <<<"$man_text")
for opt in $options; do
    if ! grep -qF -- "$opt" <<<"$man_plain"; then
        fail "option $opt of tintora --help is not in the manual page"
    fi
done
[ -n "$options" ] && pass "the manual page documents $(echo $options)"

# ---- the installed program --------------------------------------------------------

version=$("$program" --version 2>&1)
product=$(desktop_key Name)
release=$(python3 -c 'import sys, xml.etree.ElementTree as E; print(E.parse(sys.argv[1]).getroot().find("releases/release").get("version"))' "$metainfo")
if [[ "$version" == "$product "* ]] && [[ "$release" == "${version#"$product "}"* ]]; then
    pass "--version prints \"$version\", matching Name=$product and AppStream release $release"
else
    fail "--version prints \"$version\"; Name=$product and AppStream release $release do not match it"
fi

home=$tmp/home
mkdir -p "$home" "$tmp/run"
chmod 700 "$tmp/run"
# The settings file the manual page names, e.g. ~/.config/Tintora/Tintora.conf.
# shellcheck disable=SC2088 # a literal "~/" in the page's text
config_rel=$(echo "$man_text" | grep -oE '~/\.config/.*\.(ini|conf)' | head -n 1)
config_file=$home/${config_rel#\~/}
# The per-user palette the manual page names.
# shellcheck disable=SC2088
palette_rel=$(echo "$man_text" | grep -oE '~/\.local/share/.*usercolors\.cps' | head -n 1)
if [ -z "$palette_rel" ]; then
    fail "the manual page names no per-user usercolors.cps under ~/.local/share"
    # shellcheck disable=SC2088
    palette_rel="~/.local/share/$product/$product/usercolors.cps"
fi
user_palette=$home/${palette_rel#\~/}

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$tmp/display" >"$tmp/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$tmp/display" ] && break
    sleep 0.1
done
if [ ! -s "$tmp/display" ]; then
    cat "$tmp/xvfb.log"
    fail "Xvfb did not start"
    exit 1
fi
display=:$(head -n 1 "$tmp/display")

# The program sees only the private X server and files under $tmp.
run_env=(env -i PATH=/usr/bin:/bin LANG=C.UTF-8 HOME="$home" DISPLAY="$display"
         XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share"
         XDG_CACHE_HOME="$home/.cache" XDG_RUNTIME_DIR="$tmp/run"
         QT_QPA_PLATFORM=xcb DBUS_SESSION_BUS_ADDRESS=disabled:
         ASAN_OPTIONS=detect_leaks=0)
# (A sanitizer build's leak checker cannot run under strace.)
have_strace=0
command -v strace >/dev/null 2>&1 && have_strace=1

# run_shot NAME: starts the installed program with --screenshot, traced when
# strace is there; leaves $tmp/NAME.png, $tmp/NAME.log, $tmp/NAME.trace.
run_shot() {
    local name=$1 tracer=()
    # shellcheck disable=SC2054 # "open,openat" is one argument
    [ $have_strace = 1 ] && tracer=(strace -f -qq -e trace=open,openat -o "$tmp/$name.trace")
    timeout 120 "${run_env[@]}" "${tracer[@]}" "$program" --screenshot "$tmp/$name.png" >"$tmp/$name.log" 2>&1
}
# help_opened NAME: prints the files called Help.rtf the traced run opened.
help_opened() {
    grep 'Help\.rtf' "$tmp/$1.trace" | grep -v '= -1' | grep -oE '"[^"]*Help\.rtf"' | tr -d '"' |
        while read -r f; do realpath -m "$f"; done | sort -u
}
png_size() {
    python3 -c '
import struct, sys
d = open(sys.argv[1], "rb").read(24)
if d[:8] != b"\x89PNG\r\n\x1a\n" or d[12:16] != b"IHDR":
    print("not-a-png")
else:
    print("%dx%d" % struct.unpack(">II", d[16:24]))' "$1"
}

tree_before=$(cd "$destdir" && find . | sort)

# First start with no settings: the read-me window opens (showHelp defaults
# to 1) and reads the help file.
run_shot first
status=$?
if [ $status -eq 0 ]; then
    size=$(png_size "$tmp/first.png")
    [ "$size" = 480x519 ] && pass "the installed program saved a 480 x 519 screenshot" \
        || fail "the screenshot is $size, not 480x519"
else
    cat "$tmp/first.log"
    fail "the installed program failed with --screenshot (status $status)"
fi
if [ -f "$help_source" ] && [ $have_strace = 1 ]; then
    opened=$(help_opened first)
    if [ "$opened" = "$(realpath "$inst/share/tintora/Help.rtf")" ]; then
        pass "the installed program opened <prefix>/share/tintora/Help.rtf at start-up"
    else
        fail "the installed program did not read <prefix>/share/tintora/Help.rtf (opened: ${opened:-nothing})"
    fi
elif [ -f "$help_source" ]; then
    skip_check "strace is not installed: whether the program opens its help file is not observed"
fi

# Second start with showHelp=0 in the settings file the manual page names:
# the help file is not read. (Also keeps the read-me window from covering
# the main window in the palette checks below.)
if [ -z "$config_rel" ]; then
    fail "the manual page names no settings file under ~/.config"
    config_file=$home/.config/$product/$product.ini
fi
mkdir -p "$(dirname "$config_file")"
printf '[Settings]\nshowHelp=0\n' >"$config_file"
run_shot second
status=$?
if [ $status -eq 0 ]; then
    if [ $have_strace = 1 ] && [ -f "$help_source" ]; then
        opened=$(help_opened second)
        [ -z "$opened" ] && pass "showHelp=0 in $config_rel keeps the read-me window closed" \
            || fail "showHelp=0 in $config_rel, the file the manual page names, was ignored (opened: $opened)"
    fi
else
    cat "$tmp/second.log"
    fail "the installed program failed with --screenshot and showHelp=0 (status $status)"
fi

tree_after=$(cd "$destdir" && find . | sort)
[ "$tree_before" = "$tree_after" ] && pass "running the program left the installed tree unchanged" \
    || { fail "running the program changed the installed tree:"; diff <(echo "$tree_before") <(echo "$tree_after"); }

# ---- personal palette location -------------------------------------------------------

# add_palette_colour NAME: starts the program, shows the personal palette
# ("Presets") and presses "Add", then waits for a palette file to appear.
# The button positions are the window's fixed layout.
add_palette_colour() {
    local name=$1 wid=""
    "${run_env[@]}" "$program" --no-splash >"$tmp/$name.log" 2>&1 &
    app_pid=$!
    for _ in $(seq 100); do
        wid=$(DISPLAY=$display xdotool search --onlyvisible --name "^$product" 2>/dev/null | head -n 1)
        [ -n "$wid" ] && break
        kill -0 "$app_pid" 2>/dev/null || break
        sleep 0.2
    done
    if [ -z "$wid" ]; then
        cat "$tmp/$name.log"
        fail "$name: the main window did not appear"
    else
        sleep 1
        DISPLAY=$display xdotool mousemove --window "$wid" 433 33 click 1   # Presets
        sleep 1
        DISPLAY=$display xdotool mousemove --window "$wid" 389 229 click 1  # Add
        for _ in $(seq 50); do
            [ -f "$inst/bin/usercolors.cps" ] || [ -f "$user_palette" ] && break
            sleep 0.2
        done
        sleep 0.5
    fi
    kill "$app_pid" 2>/dev/null
    wait "$app_pid" 2>/dev/null
    app_pid=""
}
lines() { [ -f "$1" ] && wc -l <"$1" | tr -d ' ' || echo none; }

if ! command -v xdotool >/dev/null 2>&1; then
    skip_check "xdotool is not installed: the personal palette is not saved"
else
    # An installed program never writes into its own folders, even where it
    # could (as root): the palette is the per-user file.
    add_palette_colour palette_writable
    if [ -f "$user_palette" ] && [ ! -e "$inst/bin/usercolors.cps" ]; then
        pass "installed, program folder writable: usercolors.cps saved in $palette_rel ($(lines "$user_palette") lines)"
    else
        fail "installed, program folder writable: expected only $palette_rel (bin: $(lines "$inst/bin/usercolors.cps"), per-user: $(lines "$user_palette"))"
    fi
    rm -f "$inst/bin/usercolors.cps" "$user_palette"

    # The program's folder is read-only: the palette goes to the per-user
    # data folder. Root may write any folder whatever its mode, so the
    # folder is made immutable; other users just lose write permission.
    readonly_ok=0
    if [ "$(id -u)" -ne 0 ]; then
        chmod a-w "$inst/bin" && readonly_ok=1
    elif command -v chattr >/dev/null 2>&1 && chattr +i "$inst/bin" 2>/dev/null; then
        immutable_dir=$inst/bin
        readonly_ok=1
    fi
    if [ $readonly_ok = 0 ]; then
        skip_check "cannot make <prefix>/bin read-only for root (chattr +i failed or chattr missing): the per-user palette location is not checked"
    else
        add_palette_colour palette_readonly
        if [ -f "$user_palette" ] && [ ! -e "$inst/bin/usercolors.cps" ]; then
            pass "program folder read-only: usercolors.cps saved in $palette_rel ($(lines "$user_palette") lines)"
        else
            fail "program folder read-only: expected only $palette_rel (bin: $(lines "$inst/bin/usercolors.cps"), per-user: $(lines "$user_palette"))"
        fi
        if [ -n "$immutable_dir" ]; then
            chattr -i "$immutable_dir"
            immutable_dir=""
        else
            chmod u+w "$inst/bin"
        fi
    fi
fi

if [ $failures -gt 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "all install checks passed"
exit 0
