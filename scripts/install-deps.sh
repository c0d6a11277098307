#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian 12 packages Tintora needs. Does nothing when everything
# is already there, so the quick-start commands can call it every time.
#
#   install-deps.sh          what building and running the program need
#   install-deps.sh --tests  that, and the test, benchmark and fuzzing tools
set -euo pipefail

# Building and running: compiler, Qt, fonts, and the virtual X server that
# the run command uses on a machine without a display.
run_packages=(
  cmake
  g++
  make
  ninja-build
  pkg-config
  qt6-base-dev
  qt6-base-dev-tools
  # lrelease builds the translations; lupdate refreshes their sources.
  qt6-tools-dev
  qt6-l10n-tools
  qt6-svg-dev
  libqt6svg6
  qt6-webengine-dev
  qt6-webengine-dev-tools
  libqt6webenginecore6-bin
  libgl-dev
  libglx-dev
  libxkbcommon-dev
  fonts-dejavu-core
  fonts-liberation
  xvfb
  xauth
  libx11-dev
  libxcb1-dev
  libxext-dev
  # Wayland: Qt's platform plugin, and what naming the parent window to the
  # desktop portal (xdg-foreign) is built with.
  qt6-wayland
  qt6-base-private-dev
  libwayland-dev
  wayland-protocols
)

# Tests, benchmarks and fuzzing: unit and widget tests, end-to-end tests
# under Xvfb and headless sway, the install and package checks (the Debian
# package is built with dpkg-buildpackage and debhelper), instruction counts,
# libFuzzer.
test_packages=(
  libgtest-dev
  libgmock-dev
  libbenchmark-dev
  valgrind
  clang
  libclang-rt-14-dev
  xdotool
  xclip
  x11-utils
  libxdamage-dev
  # Pointer moves sent by the drag latency benchmark (XTest).
  libxtst-dev
  dbus-daemon
  clang-format
  clang-format-16
  clang-tidy
  desktop-file-utils
  appstream
  python3
  dpkg-dev
  debhelper
  lintian
  strace
  # The end-to-end test on a headless Wayland compositor.
  sway
  wl-clipboard
  wtype
  nodejs
  # The end-to-end walk of the accessibility (AT-SPI) tree.
  at-spi2-core
  python3-pyatspi
)

packages=("${run_packages[@]}")
case "${1:-}" in
  --tests) packages+=("${test_packages[@]}") ;;
  "") ;;
  *)
    echo "usage: $0 [--tests]" >&2
    exit 2
    ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi

# The differential tests' oracles (colorjs.io, a CSS grammar reader,
# apca-w3 and ase-utils) come from the npm registry, pinned by their
# package-lock.json. Run again only when the lock file is newer than what is
# installed.
install_oracle() {
  local dir
  dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/tests/core/oracle"
  if [ -f "$dir/node_modules/.package-lock.json" ] &&
    [ ! "$dir/package-lock.json" -nt "$dir/node_modules/.package-lock.json" ]; then
    return 0
  fi
  # Debian's own nodejs comes without npm (a package of its own); a
  # nodejs that carries npm provides it already.
  if ! command -v npm >/dev/null 2>&1; then
    echo "== Installing npm"
    $SUDO apt-get install -y --no-install-recommends npm
  fi
  echo "== Installing the notation test's oracle from the npm registry"
  (cd "$dir" && npm ci --no-audit --no-fund --loglevel=error)
}

if [ ${#missing[@]} -eq 0 ]; then
  if [ "${1:-}" = "--tests" ]; then
    install_oracle
  fi
  exit 0
fi

echo "== Installing ${#missing[@]} Debian package(s): ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
# apt shows its own download and unpack progress: a first set-up fetches a
# few hundred megabytes.
$SUDO apt-get update
# Another apt run (an update timer, a second terminal) holds the lock for a
# while: wait for it rather than fail.
$SUDO apt-get install -y --no-install-recommends -o DPkg::Lock::Timeout=600 "${missing[@]}"
if [ "${1:-}" = "--tests" ]; then
  install_oracle
fi
