#!/usr/bin/env bash
# Time from closing the bar (Alt+F4 through the window manager) to the end of
# the process, on first runs: no settings file, so the language window comes
# first (English is taken) and the update check is due. The program runs in a
# network namespace of its own, either with no network at all ("offline") or
# with a name server that never answers ("silent": a route sends its
# questions to the loopback device, which drops them), so the check's
# host-name lookup is still running when the bar closes.
# Needs root or unprivileged user namespaces (unshare -rnm). Run on a display
# with a window manager:
#   scripts/with-display bench/close-time.sh APPFOLDER offline|silent [RUNS] [IDLE_SECONDS]
set -uo pipefail
app=$(realpath "${1:?program folder (staged, with dictionaries)}")
mode=${2:?offline or silent}
runs=${3:-5}
idle=${4:-2}

if [ -z "${CLOSE_TIME_INSIDE:-}" ]; then
  CLOSE_TIME_INSIDE=1 exec unshare -rnm "$0" "$app" "$mode" "$runs" "$idle"
fi
ip link set lo up
if [ "$mode" = silent ]; then
  resolv=$(mktemp)
  echo "nameserver 10.9.9.2" > "$resolv"
  ip route add 10.9.9.0/24 dev lo
  mount --bind "$resolv" /etc/resolv.conf
fi

# shellcheck source-path=SCRIPTDIR source=../tests/support/x11.sh
source "$(dirname "$0")/../tests/support/x11.sh"
gone() { ! kill -0 "$1" 2>/dev/null || grep -qs '^State:.*Z' "/proc/$1/status"; }

for run in $(seq "$runs"); do
  rm -f "$app/quillet.cfg"
  "$app/quillet" </dev/null >/dev/null 2>&1 &
  pid=$!
  chooser=$(window_named '^Quillet 2007 - Idioma') || { echo "no language window"; exit 1; }
  activate "$chooser"
  sleep 0.3
  xdotool key --clearmodifiers Down Return
  bar=$(window_named '^Quillet 2007 - English') || { echo "no bar"; exit 1; }
  sleep "$idle"  # the splash's first tick has started the update check
  activate "$bar"
  start=$(date +%s%N)
  xdotool key --clearmodifiers alt+F4
  until gone "$pid"; do sleep 0.005; done
  end=$(date +%s%N)
  wait "$pid"
  echo "run $run: $(((end - start) / 1000000)) ms from Alt+F4 to the end of the process" \
    "(exit status $?, settings lines $(wc -l <"$app/quillet.cfg"))"
done
