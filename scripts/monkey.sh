#!/usr/bin/env bash
# Sends random input to the program for SECONDS (default 600) and reports what
# made it fall over: builds the program and the simulator with the sanitizers
# in build-fuzz/ (as scripts/fuzz.sh does), starts both on a virtual display
# and lets scripts/monkey.py click, type, paste, turn the wheel and close
# windows, while the simulator restarts with one fault after another or
# vanishes for a while. A sanitizer report, a Qt warning, a crash or a hang is
# written to build-fuzz/monkey/finding-SEED-N.txt with the last 200 actions;
# the same SEED makes the same choices again. Exits 1 when anything was found.
#
#   scripts/monkey.sh [SECONDS] [SEED]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds="${1:-600}"
seed="${2:-$(( (RANDOM << 15 | RANDOM) ))}"
[[ "$seconds" =~ ^[0-9]+$ && "$seed" =~ ^[0-9]+$ ]] || { echo "usage: scripts/monkey.sh [SECONDS] [SEED]" >&2; exit 2; }

"$root/scripts/install-missing.sh" "needed to drive the program with random input on a virtual display" \
  xvfb dbus at-spi2-core python3-pyatspi python3-xlib xdotool xclip gdb
"$root/scripts/sanitizer-build.sh" sentrova sentrova-sim
bin="$root/build-fuzz/bin"
out="$root/build-fuzz/monkey"
mkdir -p "$out"

source "$root/scripts/scratch-display.sh"

# The program's working folder, where its file dialogs start and the monkey
# names files: firmware files (a short one, a whole one, one with empty lines
# after the last record and a broken one) and data files (the demo
# parameters, a short file and a text file).
scratch="$workdir/files"
mkdir -p "$scratch" "$workdir/runtime"
chmod 700 "$workdir/runtime"
"$bin/sentrova-sim" --write-firmware "$scratch/rovid.GSF" --lines 64
"$bin/sentrova-sim" --write-firmware "$scratch/teljes.GSF"
{ cat "$scratch/rovid.GSF"; printf '\r\n\r\n'; } >"$scratch/ureslinos.GSF"
head -c 3000 "$scratch/rovid.GSF" >"$scratch/csonka.GSF"
"$bin/sentrova-sim" --link "$workdir/save-link" --save-on-exit "$scratch/demo.SD2" >/dev/null &
savepid=$!
for _ in $(seq 100); do [ -e "$workdir/save-link" ] && break; sleep 0.1; done
kill "$savepid"; wait "$savepid" || true
head -c 1000 "$scratch/demo.SD2" >"$scratch/rovid.SD2"
printf 'nem adatfájl\n' >"$scratch/szoveg.SD2"

start_virtual_display monkey

# The sanitizers stop at the first report and name the source lines; leaks
# are not looked for (Qt's and the system libraries' own would drown ours).
# Every Qt warning is fatal, so that each comes with its stack; Qt's own
# categories (the display, accessibility) stay quiet.
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=0:handle_abort=1:print_summary=1:symbolize=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:symbolize=1"
export QT_FATAL_WARNINGS=1 QT_LOGGING_RULES="qt.*=false" QT_MESSAGE_PATTERN="[%{type}] %{message}"
export SENTROVA_CONFIG_DIR="$workdir" XDG_RUNTIME_DIR="$workdir/runtime"
command -v llvm-symbolizer >/dev/null && export ASAN_SYMBOLIZER_PATH=$(command -v llvm-symbolizer)

echo "monkey: ${seconds} s with seed ${seed} (replay: scripts/monkey.sh ${seconds} ${seed})"
# Debian's own Python, with the accessibility and X modules; the display goes
# only to the program and the input tools, as in scripts/screenshots.sh.
env -u DISPLAY dbus-run-session -- /usr/bin/python3 "$root/scripts/monkey.py" --seconds "$seconds" --seed "$seed" \
  --display "$display" --program "$bin/sentrova" --sim "$bin/sentrova-sim" --link "$workdir/module" \
  --scratch "$scratch" --out "$out" \
  > >(grep --line-buffered -v '^SpiRegistry daemon is running') 2> >(grep --line-buffered -v '^dbus-daemon\[' >&2)
