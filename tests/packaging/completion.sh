#!/usr/bin/env bash
# The bash completion of sentrova-cli and sentrova-sim, run as bash runs it
# at a <TAB>: commands, options, data files by command, devices for --port.
set -uo pipefail
build=$(cd "$1" && pwd)
completions=$(cd "$2" && pwd)
if [ ! -f /usr/share/bash-completion/bash_completion ]; then
  echo "bash-completion is not installed"; exit 1
fi
source /usr/share/bash-completion/bash_completion
source "$completions/sentrova-cli"
source "$completions/sentrova-sim"
PATH="$build/bin:$PATH"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"
touch site.SD2 old.sd2 list.csv fw.GSF notes.txt out.pdf
failed=0

# complete WORDS...: the candidates bash offers for the last word.
complete_line() {
  COMP_WORDS=("$@")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMP_LINE="$*"
  COMP_POINT=${#COMP_LINE}
  COMPREPLY=()
  local function
  function=$(complete -p "$1" | sed 's/.*-F \([^ ]*\) .*/\1/')
  "$function" "$1" "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
  printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ' | sed 's/ $//'
}

check() {
  local expected=$1
  shift
  local actual
  actual=$(complete_line "$@")
  if [ "$actual" != "$expected" ]; then
    echo "FAIL: '$*' completes to '$actual', not '$expected'"
    failed=1
  fi
}

check "read"                     sentrova-cli re
check "set-clock"                sentrova-cli --port /dev/ttyS0 se
check "history"                  sentrova-cli hi
check "export"                   sentrova-cli history ex
check "sheet"                    sentrova-cli --attempts 3 she
check "--attempts"               sentrova-cli --att
check "--port"                   sentrova-cli --po
check "--show-codes"             sentrova-cli --sh
check "old.sd2 site.SD2"         sentrova-cli --port /dev/ttyS0 write ""
check "old.sd2 site.SD2"         sentrova-cli diff site.SD2 ""
check "list.csv"                 sentrova-cli --port /dev/ttyS0 --code 1234 events ""
check "fw.GSF"                   sentrova-cli --port /dev/ttyS0 firmware ""
check "old.sd2 site.SD2"         sentrova-cli sheet ""
check "out.pdf"                  sentrova-cli sheet site.SD2 ""
check "--save-on-exit"           sentrova-sim --save
check "old.sd2 site.SD2"         sentrova-sim --load ""
check "1 2 3 4"                  sentrova-sim --status-form ""
check "--noise --noise-seed"     sentrova-sim --noi
ports=$(complete_line sentrova-cli --port /dev/tty)
case " $ports " in
  *" /dev/ttyS0 "*) ;;
  *) echo "FAIL: --port /dev/tty offers '$ports', without /dev/ttyS0"; failed=1 ;;
esac
exit $failed
