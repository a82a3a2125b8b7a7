#!/usr/bin/env bash
# Installs those of the given Debian packages that are missing, saying in one
# line which and why; does nothing when all are there.
# Usage: scripts/install-missing.sh "WHY THEY ARE NEEDED" PACKAGE...
set -euo pipefail
why=$1
shift

missing=()
for p in "$@"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing ${missing[*]} from Debian packages: $why."
sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
