#!/usr/bin/env bash
# The real program on a Wayland desktop: a headless Sway session with
# XWayland (scripts/with-sway). The program's windows run through XWayland;
# its bar is left unfocused (a native Wayland terminal has the focus) while
# words are copied with wl-copy, a native Wayland program, and the bar's
# line is read back over X: a click selects the whole line, which Qt offers as
# the X primary selection, read with xclip from XWayland without going
# through the compositor. The program's own clipboard writes must reach
# Wayland programs (wl-paste): the clipboard emptied at start, the search
# button pressed while the bar has no focus, and Enter. Neither a
# burst of thousands of selections nor a reader asking thousands of times for
# the bar's own selection, with pipes that never empty, costs the bar the
# clipboard, the program running with the usual limit of 1,024 descriptors;
# a connection that ends all the same (a full descriptor table) is made anew.
# Screenshots of the bar go to the build folder's artifacts. Exits 77 (skipped) where the
# compositor cannot start.
# Usage: SwayEndToEndTest.sh SOURCE_DIR BUILD_DIR
set -uo pipefail
skip=77

if [ "${1:-}" != --inside ]; then
  source_dir=${1:?source folder}
  build_dir=${2:?build folder}
  for tool in sway swaymsg foot wl-copy wl-paste xdotool xclip jq prlimit; do
    command -v "$tool" >/dev/null || { echo "$tool missing: skipped"; exit $skip; }
  done
  [ -r /usr/share/dictd/freedict-eng-por.index ] || { echo "FreeDict missing: skipped"; exit $skip; }
  offer=$(find "$build_dir" -name quillet_offer_selection -type f -perm -u+x 2>/dev/null | head -n 1)
  [ -n "$offer" ] || { echo "FAIL: quillet_offer_selection (the test copy client) is not built"; exit 1; }

  # Sway runs as nobody when the tests run as root: everything the session
  # touches lies in a folder of that user's own.
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  app=$work/app
  "$source_dir/scripts/stage-app" "$app" "$build_dir" >/dev/null || exit 1
  cp "$0" "$work/test.sh"
  cp "$source_dir/tests/support/x11.sh" "$work/x11.sh"
  cp "$offer" "$work/offer-selection"
  mkdir "$work/out"
  # English, always on top, no update check due today.
  printf '40\r\n60\r\n1\r\n0\r\n0\r\n1\r\n%s\r\n' "$(date +%Y%m%d)" > "$app/quillet.cfg"
  # The load steps are the plain build's: under the sanitizers the program is
  # too slow for a burst, and with a full descriptor table their own checks
  # (which probe memory through a pipe) report errors that are not there.
  [ -n "${ASAN_OPTIONS:-}${UBSAN_OPTIONS:-}" ] && touch "$work/sanitized"
  [ "$(id -u)" -eq 0 ] && chown -R 65534:65534 "$work"
  chmod 755 "$work"
  "$source_dir/scripts/with-sway" bash ${SWAY_E2E_TRACE:+-x} "$work/test.sh" --inside "$work"
  status=$?
  artifacts=${QUILLET_ARTIFACTS:-$build_dir/artifacts}
  mkdir -p "$artifacts"
  cp "$work"/out/*.png "$artifacts/" 2>/dev/null
  exit $status
fi

# ---- Inside the Sway session, as its user.
work=$2
app=$work/app
out=$work/out
# shellcheck source-path=SCRIPTDIR source=../support/x11.sh
source "$work/x11.sh"
other_pid=""
cleanup() { kill ${pid:+"$pid"} ${other_pid:+"$other_pid"} 2>/dev/null; }
trap cleanup EXIT

copy() { printf '%s' "$1" | timeout 10 wl-copy; }
paste() { timeout 10 wl-paste --no-newline 2>/dev/null; }
# The app_id (Wayland) or class (X) of the window Sway has focused.
focused() {
  swaymsg -t get_tree |
    jq -r '.. | objects | select(.focused == true) | .app_id // .window_properties.class // .name'
}
focus() {  # sway criteria
  swaymsg "$1 focus" >/dev/null
  sleep 0.2
}

# A stale word on the clipboard: the program's start empties it.
copy stale
(ulimit -n 1024 && exec "$app/quillet") </dev/null >"$out/quillet.log" 2>&1 &
pid=$!

wait_for_bar || { echo "FAIL: no bar on Sway's X display"; cat "$out/quillet.log"; exit 1; }
[ "$(paste)" != stale ] || fail "Wayland programs still paste what was copied before the start"

# Another program, a native Wayland one, has the focus from here on.
foot --app-id quillet-other sleep 600 >/dev/null 2>&1 &
other_pid=$!
for _ in $(seq 50); do
  swaymsg -t get_tree | grep -q '"app_id": "quillet-other"' && break
  sleep 0.1
done
focus '[app_id="quillet-other"]'
[ "$(focused)" = quillet-other ] || { echo "FAIL: could not focus another program"; exit 1; }

# The line the bar shows: a click selects it all, and X programs read the
# selection from the bar itself. check (tests/support/x11.sh) reads through it.
box_line() {
  xdotool mousemove --window "$bar" 60 10 click 1
  sleep 0.2
  timeout 10 xclip -o -selection primary 2>/dev/null
}
check house "house -> casa, habitação, vivenda"
check houses " ? houses (! house ) -> casa, habitação, vivenda"
check qzxv "qzxv -> Not found!"
[ "$(focused)" = quillet-other ] || fail "the bar took the focus from the other program"
import -window "$bar" "$out/sway-bar.png" 2>/dev/null

# Typing needs the bar focused. The search button, clicked once another
# program has the focus again, and Enter, put the typed word on the
# clipboard for Wayland programs, and the word is translated.
type_in_bar() {
  focus '[class="quillet"]'
  xdotool mousemove --window "$bar" 60 10 click 1
  sleep 0.2
  xdotool type --delay 30 "$1"
}
type_in_bar books
focus '[app_id="quillet-other"]'
press "$bar" 7020
[ "$(paste)" = books ] || fail "the search button did not put the typed word on the clipboard"
type_in_bar cats
xdotool key Return
focus '[app_id="quillet-other"]'
[ "$(paste)" = cats ] || fail "Enter did not put the typed word on the clipboard"
sleep 0.6
line=$(box_line)
[ "$line" = " ? cats (! cat ) -> gato" ] || fail "typed cats: got '$line'"

if [ -e "$work/sanitized" ]; then
  echo "load steps skipped under the sanitizers"
  exit $((failures > 0))
fi

# The bar owns the selection: the flood ends early if the bar loses it.
timeout 60 "$work/offer-selection" --flood 3000 >"$out/flood.log" 2>&1 ||
  fail "the bar lost its selection under a flood of requests"
check dog "dog -> cão"
"$work/offer-selection" --burst 5000 'text/plain;charset=utf-8' burst >"$out/burst.log" 2>&1 &
for _ in $(seq 100); do grep -qs offered "$out/burst.log" && break; sleep 0.1; done
grep -qs offered "$out/burst.log" || fail "the burst of selections did not get through"
check cat "cat -> gato"
! grep quillet: "$out/quillet.log" || fail "the clipboard connection ended under the load"

# With a full descriptor table the flood ends the connection: the program
# connects again.
type_in_bar dogs
xdotool key Return
focus '[app_id="quillet-other"]'
prlimit --pid "$pid" --nofile=$(($(ls "/proc/$pid/fd" | wc -l) + 1)):1024
timeout 60 "$work/offer-selection" --flood 3000 >/dev/null 2>&1
prlimit --pid "$pid" --nofile=1024:1024
check house "house -> casa, habitação, vivenda"
grep quillet: "$out/quillet.log"

[ "$failures" -eq 0 ]
