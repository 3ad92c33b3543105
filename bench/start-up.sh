#!/usr/bin/env bash
# Start-up time and idle memory of the desktop program on a staged program
# folder: RUNS launches, each timed from starting the process to a one-row
# window of class quillet being visible (polled every 5 ms), then the
# resident memory (VmRSS) after four idle seconds, once the splash has closed.
# Settings are written so that neither the language window nor the update
# check shows. COMMAND starts the program, by default APPFOLDER/quillet (for
# the Windows program: wine APPFOLDER/quillet.exe, with WINEPREFIX set).
# Run on a display with a window manager:
#   scripts/with-display bench/start-up.sh APPFOLDER [RUNS [COMMAND...]]
set -euo pipefail
app=${1:?program folder (staged, with dictionaries)}
runs=${2:-5}
shift $(($# < 2 ? $# : 2))
[ $# -gt 0 ] || set -- "$app/quillet"

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
bar_shown() {  # a visible window of the program only one row high
  local id height
  for id in $(xdotool search --onlyvisible --class quillet 2>/dev/null); do
    # A window may close between the search and the question (the splash).
    height=$(xdotool getwindowgeometry --shell "$id" 2>/dev/null | sed -n 's/^HEIGHT=//p')
    [ -n "$height" ] && [ "$height" -lt 100 ] && return 0
  done
  return 1
}

for run in $(seq "$runs"); do
  printf '0\r\n0\r\n1\r\n0\r\n0\r\n1\r\n%s\r\n' "$(date +%Y%m%d)" > "$app/quillet.cfg"
  start=$(now_ms)
  "$@" >/dev/null 2>&1 &
  pid=$!
  until bar_shown; do sleep 0.005; done
  shown=$(now_ms)
  sleep 4  # the splash closes on its second tick; then the program idles
  rss=$(sed -n 's/^VmRSS:[[:space:]]*//p' "/proc/$pid/status")
  echo "run $run: bar shown after $((shown - start)) ms, idle RSS $rss"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
done
