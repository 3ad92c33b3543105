#!/usr/bin/env bash
# Start-up to the bar and idle memory (bench/start-up.sh) and copy-to-result
# of a program folder, seen from outside the program, so that the Linux
# program and the Windows one under Wine are measured alike. Copy-to-result:
# from starting xclip with a word to the bar's pixels having changed (xwd,
# polled), over WORDS copies that alternate between two words, so each one
# changes the line.
# Run on a display with a window manager:
#   scripts/with-display bench/bar-timings.sh APPFOLDER RUNS WORDS COMMAND...
# for example COMMAND = wine APPFOLDER/quillet.exe (with WINEPREFIX set).
set -euo pipefail
app=${1:?program folder}
runs=${2:?runs}
words=${3:?copies}
shift 3

# shellcheck source-path=SCRIPTDIR source=../tests/support/x11.sh
source "$(dirname "$0")/../tests/support/x11.sh"  # wait_for_bar

now_ms() { echo $(($(date +%s%N) / 1000000)); }
median() { sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }

"$(dirname "$0")/start-up.sh" "$app" "$runs" "$@"

# English, always on top, no update check due.
printf '0\r\n0\r\n1\r\n0\r\n0\r\n1\r\n%s\r\n' "$(date +%Y%m%d)" >"$app/quillet.cfg"
"$@" >/dev/null 2>&1 &
pid=$!
wait_for_bar || { echo "bar-timings: no bar" >&2; exit 1; }
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
kill "$pid"
wait "$pid" 2>/dev/null || true
printf '%s\n' "${times[@]}" | sort -n | tr '\n' ' '
echo
echo "copy-to-result over $words copies: median $(printf '%s\n' "${times[@]}" | median) ms"
