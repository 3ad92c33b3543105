#!/usr/bin/env bash
# Start-up time, idle memory and copy-to-result latency of the desktop
# program, on a staged program folder with the FreeDict dictionaries.
# Run on a display with a window manager:
#   scripts/with-display bench/desktop.sh APPFOLDER BUILD_DIR [RUNS]
set -euo pipefail
app=${1:?program folder (staged, with dictionaries)}
build=${2:?build folder}
runs=${3:-5}

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
bar_shown() {  # a visible window of the program only one row high
  local id
  for id in $(xdotool search --onlyvisible --class quillet 2>/dev/null); do
    [ "$(xdotool getwindowgeometry --shell "$id" | sed -n 's/^HEIGHT=//p')" -lt 100 ] && return 0
  done
  return 1
}

for run in $(seq "$runs"); do
  printf '0\r\n0\r\n1\r\n0\r\n0\r\n1\r\n%s\r\n' "$(date +%Y%m%d)" > "$app/quillet.cfg"
  start=$(now_ms)
  "$app/quillet" >/dev/null 2>&1 &
  pid=$!
  until bar_shown; do sleep 0.005; done
  shown=$(now_ms)
  sleep 4  # the splash closes on its second tick; then the program idles
  rss=$(sed -n 's/^VmRSS:[[:space:]]*//p' "/proc/$pid/status")
  echo "run $run: bar shown after $((shown - start)) ms, idle RSS $rss"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
done

"$build/bench/quillet_copy_latency" "$app" 50
