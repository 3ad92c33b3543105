#!/usr/bin/env bash
# Start-up time, idle memory, idle cost of a huge clipboard text, and
# copy-to-result and keystroke-to-paint latency of the desktop program, on a
# staged program folder with the FreeDict dictionaries.
# Run on a display with a window manager:
#   scripts/with-display bench/desktop.sh APPFOLDER BUILD_DIR [RUNS]
set -euo pipefail
app=${1:?program folder (staged, with dictionaries)}
build=${2:?build folder}
runs=${3:-5}

"$(dirname "$0")/start-up.sh" "$app" "$runs"

# A huge text on the clipboard, left there: the program's CPU share over ten
# idle seconds and its resident memory (now and at its peak).
printf '0\r\n0\r\n1\r\n0\r\n0\r\n1\r\n%s\r\n' "$(date +%Y%m%d)" > "$app/quillet.cfg"
"$app/quillet" >/dev/null 2>&1 &
pid=$!
sleep 4
huge=$(mktemp)
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
echo "before the copies: RSS $(sed -n 's/^VmRSS:[[:space:]]*//p' "/proc/$pid/status"), peak $(sed -n 's/^VmHWM:[[:space:]]*//p' "/proc/$pid/status")"
for mb in 10 100; do
  head -c "${mb}M" < <(yes 'lorem ipsum dolor sit amet') > "$huge"
  xclip -quiet -selection clipboard < "$huge" >/dev/null 2>&1 &
  owner=$!
  sleep 3  # the copy is read once, then the program idles
  before=$(ticks)
  sleep 10
  used=$(( $(ticks) - before ))
  rss=$(sed -n 's/^VmRSS:[[:space:]]*//p' "/proc/$pid/status")
  peak=$(sed -n 's/^VmHWM:[[:space:]]*//p' "/proc/$pid/status")
  echo "$mb MB on the clipboard: CPU $(awk -v u="$used" -v hz="$(getconf CLK_TCK)" 'BEGIN { printf "%.1f", u * 10 / hz }')% of a core over 10 s idle, RSS $rss, peak $peak"
  kill "$owner"
  wait "$owner" 2>/dev/null || true
done
rm -f "$huge"
kill "$pid"
wait "$pid" 2>/dev/null || true

"$build/bench/quillet_copy_latency" "$app" 50
