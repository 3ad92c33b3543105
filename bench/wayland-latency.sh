#!/usr/bin/env bash
# Copy-to-result latency on X11 and on a Wayland desktop, in the same run: the
# in-process harness quillet_copy_latency on Xvfb with openbox
# (scripts/with-display, copies with xclip) and in a headless Sway session
# (scripts/with-sway: the windows on XWayland, copies with wl-copy told the
# type, read through data-control), one after the other, ROUNDS times. Only
# the copy-to-result lines are printed.
# Usage: bench/wayland-latency.sh BUILD_DIR [COPIES] [ROUNDS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:?build folder}")
copies=${2:-50}
rounds=${3:-2}

# Sway runs as nobody when started as root: the harness and the program
# folder it writes settings into belong to that user.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
scripts/stage-app "$work/app" "$build" >/dev/null
cp "$build/bench/quillet_copy_latency" "$work/"
chmod 755 "$work"
owned() { [ "$(id -u)" -ne 0 ] || chown -R 65534:65534 "$work"; }

for round in $(seq "$rounds"); do
  echo "round $round, X11 (Xvfb, openbox, xclip):"
  env -u WAYLAND_DISPLAY scripts/with-display "$work/quillet_copy_latency" "$work/app" "$copies" |
    grep '^cop'
  owned
  echo "round $round, Sway (XWayland windows, data-control clipboard, wl-copy --type):"
  scripts/with-sway "$work/quillet_copy_latency" "$work/app" "$copies" 2>/dev/null | grep '^cop'
done
