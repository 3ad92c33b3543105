#!/usr/bin/env bash
# Starts the real program in a staged folder without a settings file: the
# language chooser must come first. Gives a name without an address (the
# refusal box must appear and the focus return to the address box), then
# clears the name, chooses English and confirms. The program must start in
# English and, once its bar is closed, keep language 1 in the settings file.
# Saves screenshots of the chooser and of the refusal. Needs a display with a
# window manager (scripts/with-display); exits 77 (skipped) without one.
# Usage: FirstRunEndToEndTest.sh SOURCE_DIR BUILD_DIR
set -uo pipefail
source_dir=${1:?source folder}
build_dir=${2:?build folder}
skip=77

[ -n "${DISPLAY:-}" ] || { echo "no DISPLAY: skipped"; exit $skip; }
for tool in xdotool import; do
  command -v "$tool" >/dev/null || { echo "$tool missing: skipped"; exit $skip; }
done
[ -r /usr/share/dictd/freedict-eng-por.index ] || { echo "FreeDict missing: skipped"; exit $skip; }

app="$build_dir/e2e-first-run"
artifacts=${QUILLET_ARTIFACTS:-$source_dir/build/artifacts}
mkdir -p "$app" "$artifacts"
"$source_dir/scripts/stage-app" "$app" "$build_dir" >/dev/null || exit 1
rm -f "$app/quillet.cfg"

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

"$app/quillet" </dev/null >/dev/null 2>&1 &
pid=$!
cleanup() { kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; }
trap cleanup EXIT

# Waits up to five seconds for a visible window whose title matches; prints its id.
window_named() {
  local found
  for _ in $(seq 50); do
    found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
    [ -n "$found" ] && { echo "$found"; return 0; }
    sleep 0.1
  done
  return 1
}

chooser=$(window_named '^Quillet 2007 - Idioma / Language$') ||
  { echo "FAIL: the language chooser did not appear"; exit 1; }
timeout 10 xdotool windowactivate --sync "$chooser"
sleep 0.3
import -window root "$artifacts/first-run-language.png"

# A name without an address is refused; the box is titled "Quillet".
xdotool key --clearmodifiers Tab
xdotool type --delay 20 "Ana Maria"
xdotool key --clearmodifiers Return
if box=$(window_named '^Quillet$'); then
  sleep 0.3
  import -window root "$artifacts/first-run-invalid-email.png"
  timeout 10 xdotool windowactivate --sync "$box"
  xdotool key --clearmodifiers Return
else
  fail "no refusal box for a name without an address"
fi
sleep 0.3
xdotool search --onlyvisible --name '^Quillet 2007 - Idioma / Language$' >/dev/null ||
  fail "the chooser closed after a refused address"

# Back from the address box to the name, empty it, then to the list.
xdotool key --clearmodifiers shift+Tab ctrl+a BackSpace shift+Tab Down Return
for _ in $(seq 50); do
  xdotool search --onlyvisible --name '^Quillet 2007 - Idioma / Language$' >/dev/null || break
  sleep 0.1
done
if xdotool search --onlyvisible --name '^Quillet 2007 - Idioma / Language$' >/dev/null; then
  fail "the chooser stayed open with both boxes empty"
  exit 1
fi

# The bar comes up titled with the English name of the first dictionary.
bar=$(window_named '^Quillet 2007 - English') || { fail "no English title on the bar"; exit 1; }
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break
  [ "$(xdotool search --onlyvisible --class quillet 2>/dev/null | wc -l)" -eq 1 ] && break
  sleep 0.1
done
timeout 10 xdotool windowactivate --sync "$bar"
xdotool key --clearmodifiers alt+F4
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "the program did not end when the bar closed"

language=$(tr -d '\r' < "$app/quillet.cfg" 2>/dev/null | sed -n 6p)
[ "$language" = "1" ] || fail "settings keep language '$language', expected 1"

echo "screenshots in $artifacts"
[ "$failures" -eq 0 ]
