#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, but
# only those that are missing, so a second run starts at once.
set -euo pipefail

packages=(
  cmake ninja-build g++           # the build
  qt6-base-dev qt6-serialport-dev # Qt Core, Gui, Widgets, Test and SerialPort
  fonts-dejavu-core               # a font for the windows on a bare system
  qt6-translations-l10n           # Hungarian texts of Qt's own dialog buttons
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing ${missing[*]} from Debian packages: needed to build and test the program."
sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
