#!/usr/bin/env bash
# Installs every package the build, the tests and the run command need
# (Debian 12). Installs only what is missing; runs apt-get as root or via sudo.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config clang-format
    qt6-base-dev qt6-base-dev-tools qt6-webengine-dev libqt6sql6-sqlite libsqlite3-dev
    libqt6webenginecore6-bin libgl1-mesa-dev libxcb1-dev libxcb-xfixes0-dev
    libgtest-dev libgmock-dev googletest libbenchmark-dev libcpp-httplib-dev
    fonts-arphic-uming
    xvfb xauth openbox trayer xdotool x11-utils imagemagick x11vnc dbus-daemon
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
