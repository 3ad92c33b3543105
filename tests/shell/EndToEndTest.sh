#!/usr/bin/env bash
# The real program in a staged program folder with the FreeDict dictionaries,
# run twice as a user would. First run, without a settings file: the language
# window comes first; a name without an address is refused (the focus goes
# back to the address box), then English is chosen and the program starts in
# English and keeps language 1 once its bar is closed. Second run: words are
# copied from another process with xclip and the translation is read back out
# of the search box (a click selects the whole line, Ctrl+C copies it). A
# clipboard owner that is stopped must not hold up typing in the bar, and a
# later copy from a healthy owner is still translated.
# Screenshots of the language window, the refusal, the splash, the bar with a
# translation and the details window go to build/artifacts. Needs a display
# with a window manager (scripts/with-display); exits 77 (skipped) without one.
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
"$source_dir/scripts/stage-app" "$app" "$build_dir" >/dev/null || exit 1
rm -f "$app/quillet.cfg"

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

pid=""
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
frozen=""
cleanup() {
  [ -n "$frozen" ] && { kill -KILL "$frozen"; kill -CONT "$frozen"; } 2>/dev/null
  kill ${pid:+"$pid"} ${owner:+"$owner"} 2>/dev/null
  wait 2>/dev/null
}
trap cleanup EXIT

visible() { xdotool search --onlyvisible --class quillet 2>/dev/null; }
height_of() { xdotool getwindowgeometry --shell "$1" | sed -n 's/^HEIGHT=//p'; }
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
# The window manager closes the active window on Alt+F4; closing the bar
# must end the program.
close_bar() {
  activate "$1"
  xdotool key --clearmodifiers alt+F4
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$pid" 2>/dev/null; then fail "the program did not end when the bar closed"; fi
}

# ---- First run: the language window.
"$app/quillet" </dev/null >/dev/null 2>&1 &
pid=$!
language_window='^Quillet 2007 - Idioma / Language$'
chooser=$(window_named "$language_window") ||
  { echo "FAIL: the language window did not appear"; exit 1; }
activate "$chooser"
sleep 0.3
import -window root "$artifacts/first-run-language.png"

# A name without an address is refused; the box is titled "Quillet".
xdotool key --clearmodifiers Tab
xdotool type --delay 20 "Ana Maria"
xdotool key --clearmodifiers Return
if box=$(window_named '^Quillet$'); then
  sleep 0.3
  import -window root "$artifacts/first-run-invalid-email.png"
  activate "$box"
  xdotool key --clearmodifiers Return
else
  fail "no refusal box for a name without an address"
fi
sleep 0.3
xdotool search --onlyvisible --name "$language_window" >/dev/null ||
  fail "the language window closed after a refused address"

# Back from the address box to the name, empty it, then to the list.
xdotool key --clearmodifiers shift+Tab ctrl+a BackSpace shift+Tab Down Return
for _ in $(seq 50); do
  xdotool search --onlyvisible --name "$language_window" >/dev/null || break
  sleep 0.1
done
if xdotool search --onlyvisible --name "$language_window" >/dev/null; then
  fail "the language window stayed open with both boxes empty"
  exit 1
fi

# The bar comes up titled with the English name of the first dictionary.
bar=$(window_named '^Quillet 2007 - English') || { fail "no English title on the bar"; exit 1; }
close_bar "$bar"
language=$(tr -d '\r' < "$app/quillet.cfg" 2>/dev/null | sed -n 6p)
[ "$language" = "1" ] || fail "settings keep language '$language', expected 1"

# ---- Second run: English, always on top, at top 40 and left 60, and no
# update check due today.
printf '40\r\n60\r\n1\r\n0\r\n0\r\n1\r\n%s\r\n' "$(date +%Y%m%d)" > "$app/quillet.cfg"
"$app/quillet" </dev/null >/dev/null 2>&1 &
pid=$!

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

# The line the bar shows.
box_line() {
  xdotool mousemove --window "$bar" 60 10 click 1
  sleep 0.2
  xdotool key --clearmodifiers ctrl+c
  sleep 0.3
  paste
}
# Copies `word` from another program and returns the line the bar shows.
translate() {
  copy "$1"
  # Beyond the half-second fallback tick, so a loaded machine still passes.
  sleep 0.6
  box_line
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

# A clipboard owner that stops answering. Typing goes on as usual: Enter puts
# the typed word on the clipboard and the word is translated. A bar that
# waited on the owner would take seconds over each keystroke, over half a
# minute for these seven; the bound below leaves room for a loaded machine.
printf dogs | xclip -quiet -selection clipboard >/dev/null 2>&1 &
frozen=$!
sleep 0.3
kill -STOP "$frozen"
activate "$bar"
xdotool mousemove --window "$bar" 60 10 click 1
sleep 0.3
xdotool type --delay 50 houses
xdotool key --clearmodifiers Return
typed=""
for _ in $(seq 30); do
  typed=$(timeout 0.5 xclip -o -selection clipboard 2>/dev/null) && [ "$typed" = houses ] && break
  sleep 0.1
done
[ "$typed" = houses ] || fail "typing held up by a stopped clipboard owner (clipboard '$typed')"
sleep 0.6
line=$(box_line)
[ "$line" = " ? houses (! house ) -> casa, habitação, vivenda" ] ||
  fail "typed houses with a stopped owner: got '$line'"
check house "house -> casa, habitação, vivenda"

close_bar "$bar"
# The bar was not moved: the same top and left come back.
saved=$(tr -d '\r' < "$app/quillet.cfg" | head -n 6 | tr '\n' ' ')
[ "$saved" = "40 60 1 0 0 1 " ] || fail "settings written as '$saved'"

echo "screenshots in $artifacts"
[ "$failures" -eq 0 ]
