#!/usr/bin/env bash
# The real program in a staged program folder with the FreeDict dictionaries,
# run as a user would. Without a display it only answers --help and
# --version, refuses other arguments and says in one line that it needs a
# display. First run, without a settings file: the language
# window comes first; a name without an address is refused (the focus goes
# back to the address box), then English is chosen and the program starts in
# English and keeps language 1 once its bar is closed; the process ends at
# once although its update check still waits on the name server. Second run:
# a second start brings the minimised bar back and ends; words are copied from
# another process with xclip and the translation is
# read back out of the search box (a click selects the whole line, Ctrl+C
# copies it). A clipboard owner that is
# stopped must not hold up typing in the bar, and a later copy from a healthy
# owner is still translated. The details window, toolbar, editor and chooser
# open clear of the bar and wholly on the screen, with the bar high and then
# low at the right edge, and the toolbar shows its tooltips while another
# program is active. A run at 200% checks the bar's proportions and the same
# windows.
# Screenshots of each state go to the build folder's artifacts. Needs a display with a
# window manager (scripts/with-display); exits 77 (skipped) without one.
# Usage: EndToEndTest.sh SOURCE_DIR BUILD_DIR
set -uo pipefail
source_dir=${1:?source folder}
build_dir=${2:?build folder}
skip=77
# The program runs on the X display given, at the screen's own scale.
unset WAYLAND_DISPLAY QT_QPA_PLATFORM QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_FONT_DPI
# shellcheck source-path=SCRIPTDIR source=../support/x11.sh
source "$source_dir/tests/support/x11.sh"

# Without a display only the help and the version are given.
status_of() { env -u DISPLAY "$app/quillet" "$@" >/dev/null 2>"$build_dir/e2e-stderr"; echo $?; }

[ -n "${DISPLAY:-}" ] || { echo "no DISPLAY: skipped"; exit $skip; }
for tool in xdotool xclip import; do
  command -v "$tool" >/dev/null || { echo "$tool missing: skipped"; exit $skip; }
done
[ -r /usr/share/dictd/freedict-eng-por.index ] || { echo "FreeDict missing: skipped"; exit $skip; }

app="$build_dir/e2e-app"
artifacts=${QUILLET_ARTIFACTS:-$build_dir/artifacts}
mkdir -p "$app" "$artifacts"
"$source_dir/scripts/stage-app" "$app" "$build_dir" >/dev/null || exit 1
rm -f "$app/quillet.cfg"

statuses="$(status_of --help) $(status_of --version) $(status_of --bogus) $(status_of)"
[ "$statuses $(wc -l <"$build_dir/e2e-stderr")" = "0 0 2 1 1" ] ||
  fail "without a display --help, --version, --bogus, nothing end with $statuses, not 0 0 2 1 and one line"

frozen=""
cleanup() {
  [ -n "$frozen" ] && { kill -KILL "$frozen"; kill -CONT "$frozen"; } 2>/dev/null
  kill ${pid:+"$pid"} ${owner:+"$owner"} 2>/dev/null
  wait 2>/dev/null
}
trap cleanup EXIT

read -r screen_width screen_height < <(xwininfo -root | awk '/^  Width:/{w=$2} /^  Height:/{h=$2} END{print w, h}')
# Where a window's client area lies on the screen: left top width height.
client_of() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF}
    /^  Width:/{w=$2} /^  Height:/{h=$2} END{print x, y, w, h}'
}
# Its outer frame, title bar and borders included.
frame_of() {
  local x y w h fl fr ft fb
  read -r x y w h <<<"$(client_of "$1")"
  read -r fl fr ft fb < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ,)
  echo "$((x - ${fl:-0})) $((y - ${ft:-0})) $((w + ${fl:-0} + ${fr:-0})) $((h + ${ft:-0} + ${fb:-0}))"
}
# A window of a fixed size lies wholly on the screen, and the window manager
# offers neither to resize nor to maximise it.
check_on_screen() {  # name window
  local cl ct cw ch
  read -r cl ct cw ch <<<"$(frame_of "$2")"
  ((cl >= 0 && ct >= 0 && cl + cw <= screen_width && ct + ch <= screen_height)) ||
    fail "$1 at $cl,$ct ${cw}x$ch leaves the ${screen_width}x$screen_height screen"
  xprop -id "$2" _NET_WM_ALLOWED_ACTIONS | grep -qE 'RESIZE|MAXIMIZE' && fail "$1 can be resized or maximised"
}
# A window the bar opens must lie wholly on the screen and clear of the bar.
check_companion() {  # name window
  local bl bt bw bh cl ct cw ch
  read -r bl bt bw bh <<<"$(frame_of "$bar")"
  read -r cl ct cw ch <<<"$(frame_of "$2")"
  echo "$1 at $cl,$ct ${cw}x$ch; bar at $bl,$bt ${bw}x$bh"
  check_on_screen "$1" "$2"
  ((cl + cw <= bl || bl + bw <= cl || ct + ch <= bt || bt + bh <= ct)) ||
    fail "$1 covers the bar"
}

# The first run's update check meets a name server that never answers (its
# questions go to the loopback device, which drops them), so its host-name
# lookup is still going when the bar closes. Needs user namespaces; without
# them the program uses the machine's own network.
resolver="$build_dir/e2e-resolv.conf"
echo "nameserver 10.9.9.2" > "$resolver"
silent_name_server() {
  unshare -rnm sh -c 'ip link set lo up && ip route add 10.9.9.0/24 dev lo &&
    mount --bind "$1" /etc/resolv.conf && shift && exec "$@"' sh "$resolver" "$@"
}
if silent_name_server true 2>/dev/null; then
  with_name_server=silent_name_server
else
  echo "no user namespaces: the first run uses the machine's network"
  with_name_server=""
fi

# ---- First run: the language window.
$with_name_server "$app/quillet" </dev/null >/dev/null 2>&1 &
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
window_shown "$language_window" ||
  fail "the language window closed after a refused address"

# Back from the address box to the name, empty it, then to the list.
xdotool key --clearmodifiers shift+Tab ctrl+a BackSpace shift+Tab Down Return
for _ in $(seq 50); do window_shown "$language_window" || break; sleep 0.1; done
window_shown "$language_window" && { fail "the language window stayed open with both boxes empty"; exit 1; }

# The bar comes up titled with the English name of the first dictionary.
bar=$(window_named '^Quillet 2007 - English') || { fail "no English title on the bar"; exit 1; }
# Time for the splash to start the update check.
sleep 2
close_bar
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

wait_for_bar || { echo "FAIL: the bar is not the only window after the splash"; exit 1; }

# A second start brings the minimised bar back and ends at once.
xdotool windowminimize --sync "$bar"
timeout 10 "$app/quillet" </dev/null >/dev/null 2>&1
again=$?
wait_for_bar && [ "$again" -eq 0 ] || fail "a second start ended with $again, bars shown: $(visible | wc -l)"

# "house" is a headword: "casa, habitação, vivenda" in the FreeDict entry.
check house "house -> casa, habitação, vivenda"
# "houses" is not; the final "s" gives the headword.
check houses " ? houses (! house ) -> casa, habitação, vivenda"
check qzxv "qzxv -> Not found!"

# A translation must not take the keyboard focus from the program in use.
other="" other_pid=""
if command -v xmessage >/dev/null; then
  xmessage -geometry +200+400 "another program" </dev/null >/dev/null 2>&1 &
  other_pid=$!
  other=$(window_named '^xmessage$')
  activate "$other"
  copy cat
  sleep 0.5
  [ "$(xdotool getactivewindow)" = "$other" ] || fail "the bar took the focus on a translation"
fi

# A line longer than the box: its picture shows whether it starts at the start.
copy act
sleep 0.6
import -window root "$artifacts/bar-long-line.png"

copy house
sleep 0.3
import -window root "$artifacts/bar.png"

# Opens each window the bar and the toolbar open, checks where it lies and
# takes its picture: the details window, the toolbar (with a tooltip while
# another program is active), the user dictionary editor and the modal
# dictionary chooser. Usage: companions SCREENSHOT-PREFIX
companions() {
  local details toolbar editor chooser
  press "$bar" 6600
  if details=$(opened "$bar"); then
    check_companion "details window" "$details"
    import -window root "$artifacts/$1details.png"
  else
    fail "the details window did not open"
  fi
  press "$bar" 7440
  toolbar=$(opened "$bar") || { fail "the toolbar did not open"; return; }
  check_companion toolbar "$toolbar"
  if [ -n "$other" ]; then
    activate "$other"
    xdotool mousemove --window "$toolbar" 12 10 sleep 0.2 mousemove --window "$toolbar" 14 12
    sleep 1.5
    if opened "$bar" "$toolbar" >/dev/null; then
      import -window root "$artifacts/$1toolbar-tooltip.png"
    else
      fail "no tooltip over the toolbar while another program is active"
    fi
    [ "$(xdotool getactivewindow)" = "$other" ] || fail "hovering over the toolbar took the focus"
  fi
  press "$toolbar" 1440
  if editor=$(opened "$bar" "$toolbar"); then
    check_companion editor "$editor"
    import -window root "$artifacts/$1editor.png"
    activate "$editor"
    xdotool key --clearmodifiers alt+F4
  else
    fail "the user dictionary editor did not open"
  fi
  sleep 0.3
  press "$toolbar" 480
  if chooser=$(opened "$bar" "$toolbar"); then
    check_companion "dictionary chooser" "$chooser"
    xdotool key --clearmodifiers Escape
  else
    fail "the dictionary chooser did not open"
  fi
  sleep 0.3
  press "$bar" 7440
}
companions ""

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

# The same windows with the bar low on the screen and far to the right.
# The bar's last twenty pixels leave the screen, so the details window, as
# wide as the bar, must move left to stay on it.
read -r left top _ <<<"$(client_of "$bar")"
xdotool windowmove "$bar" $((screen_width - 520)) $((screen_height * 8 / 10))
sleep 0.5
companions low-
[ -n "$other_pid" ] && kill "$other_pid" 2>/dev/null
other=""
xdotool windowmove "$bar" "$left" "$top"
sleep 0.5

read -r _ _ plain_width plain_height <<<"$(client_of "$bar")"
close_bar
# The bar is back where it started: the same top and left come back.
saved=$(tr -d '\r' < "$app/quillet.cfg" | head -n 6 | tr '\n' ' ')
[ "$saved" = "40 60 1 0 0 1 " ] || fail "settings written as '$saved'"

# ---- The same windows at 200%, through Qt's own scale factor. The bar keeps
# its proportions: twice as wide, about twice as high (the window manager's
# title bar does not scale). Its saved left edge of 299 (173 within the
# settings' own limit of 27% of the 640 pixels across) would put its right
# end off the screen: it opens wholly on it, and the saved place is kept.
scaled_run() {  # name [variable=value...]
  local name=$1 width height
  shift
  env "$@" "$app/quillet" </dev/null >/dev/null 2>&1 &
  pid=$!
  wait_for_bar || { fail "$name: no bar"; return; }
  check_on_screen "$name: the bar" "$bar"
  read -r _ _ width height <<<"$(client_of "$bar")"
  echo "$name: bar ${width}x$height, at 100% ${plain_width}x$plain_height"
  ((width == 2 * plain_width && height >= 2 * plain_height - 4 && height <= 2 * plain_height + 4)) ||
    fail "$name: the bar lost its proportions"
  scale=2
  copy act
  sleep 0.6
  import -window root "$artifacts/$name-bar.png"
  companions "$name-"
  scale=1
  close_bar
}
printf '40\r\n299\r\n1\r\n0\r\n0\r\n1\r\n%s\r\n' "$(date +%Y%m%d)" > "$app/quillet.cfg"
scaled_run scale-factor QT_SCALE_FACTOR=2
saved=$(tr -d '\r' < "$app/quillet.cfg" | head -n 2 | tr '\n' ' ')
[ "$saved" = "40 299 " ] || fail "at 200% the saved place became '$saved'"

echo "screenshots in $artifacts"
[ "$failures" -eq 0 ]
