# Sourced by the scripts that drive the program on a virtual display: a
# scratch folder ($workdir) removed on exit together with the background
# programs listed in $pids, and start_virtual_display, which starts Xvfb on
# the first free display number and sets $display to it.
#
#   source scripts/scratch-display.sh; start_virtual_display NAME

workdir=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$workdir"
}
trap cleanup EXIT

# NAME prefixes the message when the display does not come up.
start_virtual_display() {
  exec 3>"$workdir/display"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 2>"$workdir/xvfb.err" &
  pids+=($!)
  exec 3>&-
  for _ in $(seq 100); do
    [ -s "$workdir/display" ] && break
    sleep 0.1
  done
  [ -s "$workdir/display" ] || { echo "$1: the virtual display did not start." >&2; exit 1; }
  display=":$(head -n 1 "$workdir/display")"
}
