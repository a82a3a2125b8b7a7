#!/usr/bin/env bash
# Each program answers --version with its name, version and data version, even
# without a display; each manual page shows through `man -l` without a warning.
set -uo pipefail
build=$1
failed=0
fail() { echo "FAIL: $*"; failed=1; }

for program in sentrova sentrova-cli sentrova-sim; do
  expected="$program 1.22 (data version 2)"
  actual=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$build/bin/$program" --version 2>&1)
  status=$?
  [ "$status" -eq 0 ] || fail "$program --version exits $status"
  [ "$actual" = "$expected" ] || fail "$program --version prints '$actual', not '$expected'"

  page="$build/packaging/$program.1.gz"
  [ -s "$page" ] || { fail "no manual page $page"; continue; }
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man -l $program.1.gz warns: $warnings"
  text=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$page" 2>/dev/null)
  grep -q -- '--version' <<<"$text" || fail "$program(1) does not list --version"
done

# An option's value that looks like a question is the value: the program
# starts (and here fails for want of a display) instead of answering.
actual=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$build/bin/sentrova" --port -v 2>/dev/null)
[ -z "$actual" ] || fail "sentrova --port -v answers '$actual'"

# The window program's help speaks Hungarian; the tool's stays English.
help=$(env -u DISPLAY "$build/bin/sentrova" --help)
for line in "Használat: " "Kapcsolók:" "Kiírja ezt a súgót." "Megjeleníti a főablak Firmware gombját"; do
  grep -qF -- "$line" <<<"$help" || fail "sentrova --help lacks '$line'"
done
grep -q "Displays\|Adds the serial" <<<"$help" && fail "sentrova --help has English option texts"
grep -q "^Usage: " <(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$build/packaging/sentrova.1.gz") && fail "English usage line"
LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$build/packaging/sentrova.1.gz" | grep -q "felügyeleti programja" ||
  fail "sentrova(1) lost its accented text"
"$build/bin/sentrova-cli" --help | grep -q "^Usage: " || fail "sentrova-cli --help is not English"
exit $failed
