#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, but
# only those that are missing, so a second run starts at once.
set -euo pipefail

packages=(
  cmake ninja-build g++           # the build
  qt6-base-dev qt6-serialport-dev # Qt Core, Gui, Widgets, Sql, Test and SerialPort
  libqt6sql6-sqlite               # the SQLite driver of the archive database
  fonts-dejavu-core               # a font for the windows on a bare system
  qt6-translations-l10n           # Hungarian texts of Qt's own dialog buttons
  help2man                        # the manual pages, made from each program's --help
  man-db bash-completion          # tests of the manual pages and the shell completion
  dpkg-dev file                   # the Debian package: its Depends from the shared libraries
  poppler-utils                   # pdftotext and pdftoppm: the tests read the printed sheet
)
"$(dirname "$0")/install-missing.sh" "needed to build and test the program" "${packages[@]}"
