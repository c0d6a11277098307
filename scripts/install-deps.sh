#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Tintora
# need. Does nothing when everything is already there, so the quick-start
# commands can call it every time.
set -euo pipefail

packages=(
  cmake g++ make ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6
  qt6-webengine-dev qt6-webengine-dev-tools libqt6webenginecore6-bin
  libgl-dev libglx-dev libxkbcommon-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  clang-format clang-tidy
  xvfb xauth xdotool xclip x11-utils libx11-dev
  fonts-dejavu-core fonts-liberation
  desktop-file-utils appstream python3
  dpkg-dev strace
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
