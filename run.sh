#!/usr/bin/env bash
# Installs what is missing, builds, starts the module simulator and opens the
# program on the simulator's serial line. Arguments go to the simulator
# (for example --modem or --baud 19200).
set -euo pipefail
cd "$(dirname "$0")"
scripts/ensure-deps.sh
scripts/build.sh

workdir=$(mktemp -d)
port="$workdir/module"
build/bin/sentrova-sim --link "$port" "$@" >"$workdir/sim.out" &
sim=$!
trap 'kill "$sim" 2>/dev/null || true; wait "$sim" 2>/dev/null || true; rm -rf "$workdir"' EXIT

for _ in $(seq 100); do
  [ -s "$workdir/sim.out" ] && break
  kill -0 "$sim" 2>/dev/null || { echo "The simulator did not start." >&2; exit 1; }
  sleep 0.1
done
echo "Simulated module on $port ($(head -n 1 "$workdir/sim.out")), installer code 1234."
build/bin/sentrova --port "$port"
