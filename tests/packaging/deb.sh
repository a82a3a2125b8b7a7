#!/usr/bin/env bash
# Makes the Debian package with cpack and checks its fields and files, and
# that the tool it holds runs. Only when SENTROVA_PACKAGE_TEST=1.
set -uo pipefail
build=$1
if [ "${SENTROVA_PACKAGE_TEST:-}" != 1 ]; then
  echo "skipped: set SENTROVA_PACKAGE_TEST=1 to make and check the package"
  exit 77
fi
failed=0
fail() { echo "FAIL: $*"; failed=1; }

rm -f "$build"/sentrova_*_amd64.deb
(cd "$build" && cpack -G DEB >/dev/null) || { echo "FAIL: cpack"; exit 1; }
deb="$build/sentrova_1.22_amd64.deb"
[ -f "$deb" ] || { echo "FAIL: no $deb"; ls "$build"/*.deb; exit 1; }

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = sentrova ] || fail "Package: $(field Package)"
[ "$(field Version)" = 1.22 ] || fail "Version: $(field Version)"
[ "$(field Architecture)" = amd64 ] || fail "Architecture: $(field Architecture)"
depends=$(field Depends)
for library in libqt6serialport6 libqt6widgets6 libqt6core6 libqt6sql6 libqt6sql6-sqlite libqt6printsupport6; do
  grep -q "$library" <<<"$depends" || fail "Depends lacks $library: $depends"
done
grep -qi "modul" <<<"$(field Description)" || fail "no Hungarian description"
grep -qi "module" <<<"$(field Description)" || fail "no English description"

files=$(dpkg-deb --contents "$deb" | awk '{print $6}')
for path in ./usr/bin/sentrova ./usr/bin/sentrova-cli ./usr/bin/sentrova-sim \
  ./usr/share/applications/sentrova.desktop ./usr/share/icons/hicolor/scalable/apps/sentrova.svg \
  ./usr/share/man/man1/sentrova.1.gz ./usr/share/man/man1/sentrova-cli.1.gz ./usr/share/man/man1/sentrova-sim.1.gz \
  ./usr/share/bash-completion/completions/sentrova-cli ./usr/share/bash-completion/completions/sentrova-sim; do
  grep -qx -- "$path" <<<"$files" || fail "the package lacks $path"
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
dpkg-deb --extract "$deb" "$scratch"
version=$("$scratch/usr/bin/sentrova-cli" --version)
[ "$version" = "sentrova-cli 1.22 (data version 2)" ] || fail "the packaged tool prints '$version'"
exit $failed
