#!/usr/bin/env bash
# Start-up to the bar, idle memory and copy-to-result of a program folder,
# seen from outside the program, so that the Linux program and the Windows one
# under Wine are measured alike. Start-up: from starting the command to a
# one-row window of class quillet being visible (polled every 5 ms); idle
# memory: VmRSS four seconds later. Copy-to-result: from starting xclip with
# a word to the bar's pixels having changed (xwd, polled), over WORDS copies
# that alternate between two words, so each one changes the line.
# Run on a display with a window manager:
#   scripts/with-display bench/bar-timings.sh APPFOLDER RUNS WORDS COMMAND...
# for example COMMAND = wine APPFOLDER/quillet.exe (with WINEPREFIX set).
set -euo pipefail
app=${1:?program folder}
runs=${2:?runs}
words=${3:?copies}
shift 3

now_ms() { echo $(($(date +%s%N) / 1000000)); }
one_row_bar() {
  local id height
  for id in $(xdotool search --onlyvisible --class quillet 2>/dev/null); do
    # A window may close between the search and the question (the splash).
    height=$(xdotool getwindowgeometry --shell "$id" 2>/dev/null | sed -n 's/^HEIGHT=//p')
    [ -n "$height" ] && [ "$height" -lt 100 ] && { echo "$id"; return 0; }
  done
  return 1
}
start() {  # English, always on top, no update check due
  printf '0\r\n0\r\n1\r\n0\r\n0\r\n1\r\n%s\r\n' "$(date +%Y%m%d)" >"$app/quillet.cfg"
  "$@" >/dev/null 2>&1 &
  pid=$!
}
stop() { kill "$pid"; wait "$pid" 2>/dev/null || true; }
median() { sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }

for run in $(seq "$runs"); do
  begun=$(now_ms)
  start "$@"
  until one_row_bar >/dev/null; do sleep 0.005; done
  shown=$(now_ms)
  sleep 4
  echo "run $run: bar shown after $((shown - begun)) ms, idle RSS $(sed -n 's/^VmRSS:[[:space:]]*//p' "/proc/$pid/status")"
  stop
done

start "$@"
until bar=$(one_row_bar); do sleep 0.05; done
sleep 4
pixels() { xwd -silent -id "$bar" | md5sum; }
times=()
owner=""
for i in $(seq "$words"); do
  word=house
  [ $((i % 2)) -eq 0 ] && word="cat"
  before=$(pixels)
  [ -n "$owner" ] && kill "$owner" 2>/dev/null
  begun=$(now_ms)
  printf '%s' "$word" | xclip -quiet -selection clipboard >/dev/null 2>&1 &
  owner=$!
  until [ "$(pixels)" != "$before" ]; do :; done
  times+=($(($(now_ms) - begun)))
  sleep 0.7
done
kill "$owner" 2>/dev/null || true
stop
printf '%s\n' "${times[@]}" | sort -n | tr '\n' ' '
echo
echo "copy-to-result over $words copies: median $(printf '%s\n' "${times[@]}" | median) ms"
