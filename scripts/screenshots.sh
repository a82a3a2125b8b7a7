#!/usr/bin/env bash
# Takes a picture of each window of the program: starts the module simulator
# and the program on a virtual display and tours the windows the way an
# installer would (scripts/screenshots.py); then prints the module's
# programming sheet with the command-line tool and takes its first page as a
# picture. The PNGs go into OUTDIR (docs/).
# Run by hand whenever the windows change.
# Usage: scripts/screenshots.sh [OUTDIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
outdir=$(realpath -m "${1:-$root/docs}")

"$root/scripts/install-missing.sh" "needed to drive the program on a virtual display and take its pictures" \
  xvfb dbus at-spi2-core python3-pyatspi imagemagick xdotool poppler-utils
# A first build makes everything; later ones bring just the three programs up to date.
if [ -x "$root/build/bin/sentrova" ] && [ -x "$root/build/bin/sentrova-sim" ]; then
  cmake --build "$root/build" --target sentrova sentrova-sim sentrova-cli >/dev/null
else
  "$root/scripts/build.sh"
fi

source "$root/scripts/scratch-display.sh"

# The simulator, seeded so that the pictures come out the same on every run.
port="$workdir/module"
"$root/build/bin/sentrova-sim" --seed 1 --link "$port" >"$workdir/sim.out" &
pids+=($!)
for _ in $(seq 100); do
  [ -e "$port" ] && break
  sleep 0.1
done
[ -e "$port" ] || { echo "screenshots: the simulator did not start." >&2; exit 1; }

start_virtual_display screenshots

# The program keeps its settings file and its archive in the temporary folder, not the user's.
export SENTROVA_CONFIG_DIR="$workdir" SENTROVA_DATA_DIR="$workdir/data"
# The firmware window's button shows only when the program is asked for it.
firmware=()
help=$(QT_QPA_PLATFORM=offscreen "$root/build/bin/sentrova" --help 2>/dev/null || true)
[[ $help == *--firmware* ]] && firmware=(--firmware)

mkdir -p "$outdir"
started=$(date +%s)
# Debian's own Python: python3-pyatspi is installed for it. The display goes
# only to the program and the picture tools, so that the accessibility bus,
# started on demand, does not hold on to it. The private session bus and the
# accessibility registry report each service they start; those lines are left out.
env -u DISPLAY dbus-run-session -- /usr/bin/python3 "$root/scripts/screenshots.py" --display "$display" \
  --program "$root/build/bin/sentrova" --port "$port" --out "$outdir" --log "$workdir/program.err" "${firmware[@]}" \
  > >(grep --line-buffered -v '^SpiRegistry daemon is running') 2> >(grep --line-buffered -v '^dbus-daemon\[' >&2) ||
  { status=$?; sed 's/^/program: /' "$workdir/program.err" >&2 || true; exit "$status"; }

# The programming sheet of the simulated module as the tool prints it: its
# data read from the module, the sheet as PDF, the first page as a picture.
cli() {
  "$root/build/bin/sentrova-cli" "$@" 2>"$workdir/cli.err" || { cat "$workdir/cli.err" >&2; exit 1; }
}
cli --port "$port" --code 1234 read "$workdir/sheet.SD2"
cli sheet "$workdir/sheet.SD2" "$workdir/sheet.pdf"
pdftoppm -png -r 80 -f 1 -l 1 -singlefile "$workdir/sheet.pdf" "$outdir/sheet"
echo "The programming sheet's first page: $outdir/sheet.png"
echo "The tour took $(($(date +%s) - started)) s."
