#!/usr/bin/env bash
# Installs what is missing, builds, and makes the Debian package
# build/sentrova_<version>_amd64.deb: the three programs, the desktop entry and
# its icon, the manual pages and the shell completion.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/ensure-deps.sh
scripts/build.sh
(cd build && cpack -G DEB >/dev/null)
ls build/sentrova_*_amd64.deb
