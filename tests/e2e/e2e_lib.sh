# SPDX-License-Identifier: MIT
# Helpers for the end-to-end tests: a private X server, the program started
# on it from a folder of its own, and small checks.
set -euo pipefail

: "${TINTORA_BIN:?path to the tintora program}"
: "${X11_CLOSE:?path to the x11_close helper}"

for tool in Xvfb xdotool xclip python3; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed"
    exit 77
  fi
done

work=$(mktemp -d)
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

# The program runs from a folder of its own, so that its palette file and
# help file are this test's.
appdir="$work/app"
mkdir -p "$appdir"
cp "$TINTORA_BIN" "$appdir/tintora"
app="$appdir/tintora"

xvfb_pid=""
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    # Gone before the next test looks for a free display.
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

# The server picks a free display number itself and writes it once it
# takes connections, so two tests started at once, from this build tree or
# another, never end up on one server (and one clipboard).
start_x() {
  Xvfb -displayfd 3 -screen 0 2048x2048x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 300); do
    [ -s "$work/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  [ -s "$work/display" ] || fail "no X server could be started"
  export DISPLAY=":$(head -n 1 "$work/display")"
}

fail() {
  echo "FAIL: $*"
  exit 1
}

# Settings of a later start: on the first, the read-me window opens centred
# over the centred main window and takes the clicks meant for it.
not_first_start() {
  mkdir -p "$XDG_CONFIG_HOME/Tintora"
  printf '[Settings]\nshowHelp=0\n' >"$XDG_CONFIG_HOME/Tintora/Tintora.conf"
}

# Waits for the main window and prints its X id.
main_window() {
  local title="$1" id
  id=$(timeout 30 xdotool search --sync --name "^${title}\$" | head -n 1) || fail "no window titled '$title'"
  # Let the start-up sequence finish painting.
  sleep 0.5
  echo "$id"
}

click_at() { # window x y
  xdotool mousemove --window "$1" "$2" "$3"
  sleep 0.05
  xdotool click 1
  sleep 0.2
}

clipboard() {
  xclip -o -selection clipboard 2>/dev/null || true
}

# Puts `text` on the clipboard and returns once the server has it. `xclip -i`
# returns before its background child has taken the selection; a child that
# takes it late would replace whatever the program copies meanwhile. A mark
# no one else writes goes first: the clipboard may already hold `text`,
# from a child that is not the new one.
set_clipboard() { # text
  local mark="e2e mark $$ $RANDOM$RANDOM" want
  for want in "$mark" "$1"; do
    printf '%s' "$want" | xclip -selection clipboard -i
    for _ in $(seq 101); do
      [ "$(clipboard)" = "$want" ] && continue 2
      sleep 0.05
    done
    fail "the clipboard did not take '${want:0:40}'"
  done
}

# Waits until the clipboard holds `expected` (events may take a moment on a
# loaded machine); fails with what it holds otherwise.
expect_clip() { # expected what
  local got=""
  for _ in $(seq 60); do
    got=$(clipboard)
    [ "$got" = "$1" ] && return 0
    sleep 0.1
  done
  fail "$2 gave '$got', expected '$1'"
}
