#!/usr/bin/env bash
# Starts the real program in a staged program folder with the FreeDict
# dictionaries, copies words from another process with xclip and reads the
# translation back out of the search box (a click selects the whole line,
# Ctrl+C copies it). Saves screenshots of the splash, the bar with a
# translation and the details window. Needs a display with a window manager
# (scripts/with-display); exits 77 (skipped) without one.
# Usage: EndToEndTest.sh SOURCE_DIR BUILD_DIR
set -uo pipefail
source_dir=${1:?source folder}
build_dir=${2:?build folder}
skip=77

[ -n "${DISPLAY:-}" ] || { echo "no DISPLAY: skipped"; exit $skip; }
for tool in xdotool xclip import; do
  command -v "$tool" >/dev/null || { echo "$tool missing: skipped"; exit $skip; }
done
[ -r /usr/share/dictd/freedict-eng-por.index ] || { echo "FreeDict missing: skipped"; exit $skip; }

app="$build_dir/e2e-app"
artifacts=${QUILLET_ARTIFACTS:-$source_dir/build/artifacts}
mkdir -p "$app" "$artifacts"
cmake --install "$build_dir" --prefix "$app" >/dev/null || exit 1
"$source_dir/scripts/build-dictionaries" "$app" "$build_dir" >/dev/null || exit 1

# English interface, always on top, no update check due today.
printf '40\r\n60\r\n1\r\n0\r\n0\r\n1\r\n%s\r\n' "$(date +%Y%m%d)" > "$app/quillet.cfg"

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

"$app/quillet" </dev/null >/dev/null 2>&1 &
pid=$!
# xclip serves what it copies from a process of its own; keep it in the
# foreground (-quiet) under our control, so nothing outlives the test and
# holds the test runner's output open.
owner=""
copy() {
  [ -n "$owner" ] && kill "$owner" 2>/dev/null
  printf '%s' "$1" | xclip -quiet -selection clipboard >/dev/null 2>&1 &
  owner=$!
}
paste() { timeout 10 xclip -o -selection clipboard 2>/dev/null; }
activate() { timeout 10 xdotool windowactivate --sync "$1"; }
cleanup() {
  kill "$pid" ${owner:+"$owner"} 2>/dev/null
  wait 2>/dev/null
}
trap cleanup EXIT

visible() { xdotool search --onlyvisible --class quillet 2>/dev/null; }
height_of() { xdotool getwindowgeometry --shell "$1" | sed -n 's/^HEIGHT=//p'; }

# The splash shows first; take its picture while it is up.
for _ in $(seq 100); do [ -n "$(visible)" ] && break; sleep 0.05; done
[ -n "$(visible)" ] || { echo "FAIL: no window appeared"; exit 1; }
# A window is mapped before it is painted: retake until the screen is not blank.
for _ in $(seq 20); do
  import -window root "$artifacts/splash.png"
  [ "$(convert "$artifacts/splash.png" -format '%[fx:mean]' info:)" != "0" ] && break
  sleep 0.05
done

# Once the splash has closed only the one-row bar is visible.
bar=""
for _ in $(seq 100); do
  windows=$(visible)
  if [ "$(echo "$windows" | wc -l)" -eq 1 ] && [ "$(height_of "$windows")" -lt 100 ]; then
    bar=$windows
    break
  fi
  sleep 0.1
done
[ -n "$bar" ] || { echo "FAIL: the bar is not the only window after the splash"; exit 1; }

# Copies `word` from another program and returns the line the bar shows.
translate() {
  copy "$1"
  # Beyond the half-second fallback tick, so a loaded machine still passes.
  sleep 0.6
  xdotool mousemove --window "$bar" 60 10 click 1
  sleep 0.2
  xdotool key --clearmodifiers ctrl+c
  sleep 0.3
  paste
}

check() {  # word expected-line
  local line
  line=$(translate "$1")
  if [ "$line" = "$2" ]; then echo "ok: $1 -> $line"; else fail "$1: got '$line', expected '$2'"; fi
}

# "house" is a headword: "casa, habitação, vivenda" in the FreeDict entry.
check house "house -> casa, habitação, vivenda"
# "houses" is not; the final "s" gives the headword.
check houses " ? houses (! house ) -> casa, habitação, vivenda"
check qzxv "qzxv -> Not found!"
check Houses " ? houses (! house ) -> casa, habitação, vivenda"

# A translation must not take the keyboard focus from the program in use.
if command -v xmessage >/dev/null; then
  xmessage -geometry +200+400 "another program" </dev/null >/dev/null 2>&1 &
  other_pid=$!
  other=""
  for _ in $(seq 50); do
    other=$(xdotool search --onlyvisible --class xmessage 2>/dev/null | head -n 1)
    [ -n "$other" ] && break
    sleep 0.1
  done
  activate "$other"
  copy cat
  sleep 0.5
  [ "$(xdotool getactivewindow)" = "$other" ] || fail "the bar took the focus on a translation"
  kill "$other_pid" 2>/dev/null
fi

copy house
sleep 0.3
import -window root "$artifacts/bar.png"

# The details button sits at 6600 twips, 15 twips to a pixel.
xdotool mousemove --window "$bar" 452 12 click 1
sleep 0.5
if [ "$(visible | wc -l)" -lt 2 ]; then fail "the details window did not open"; fi
import -window root "$artifacts/details.png"

# Closing the bar ends the program and writes the settings.
# The window manager closes the active window on Alt+F4.
activate "$bar"
xdotool key --clearmodifiers alt+F4
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then fail "the program did not end when the bar closed"; fi
# The bar was not moved: the same top and left come back.
saved=$(tr -d '\r' < "$app/quillet.cfg" | head -n 6 | tr '\n' ' ')
[ "$saved" = "40 60 1 0 0 1 " ] || fail "settings written as '$saved'"

echo "screenshots in $artifacts"
[ "$failures" -eq 0 ]
