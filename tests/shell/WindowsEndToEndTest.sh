#!/usr/bin/env bash
# The Windows program from its portable zip, under Wine on an X display with
# a window manager (scripts/with-display), as a user would run it: unzipped
# into a folder whose name has non-ASCII letters, the first run's language
# window, the bar translating a copy made in an X program (Wine hands the X
# clipboard to Windows programs) without taking the focus, and a typed word,
# the speech error box (Wine has no voice), the always-on-top mode switched
# off and on, a huge copy, a copy a password manager marked with
# ExcludeClipboardContentFromMonitorProcessing left alone, a dictionary switch, an entry made in the user dictionary editor
# and found again after a restart, the settings file beside the program with
# CR LF lines, and a second start that brings the running bar forward.
# Screenshots of each state go to the build folder's artifacts.
# Exits 77 (skipped) without a display, Wine or the zip.
# Usage: WindowsEndToEndTest.sh SOURCE_DIR BUILD_DIR (the Windows build's)
set -uo pipefail
source_dir=${1:?source folder}
build_dir=${2:?build folder}
skip=77
# shellcheck source-path=SCRIPTDIR source=../support/x11.sh
source "$source_dir/tests/support/x11.sh"

zip="$build_dir/package/quillet-1.0-win64.zip"
[ -n "${DISPLAY:-}" ] || { echo "no DISPLAY: skipped"; exit $skip; }
for tool in wine xdotool xclip import unzip; do
  command -v "$tool" >/dev/null || { echo "$tool missing: skipped"; exit $skip; }
done
[ -r "$zip" ] || { echo "$zip missing (scripts/package-windows): skipped"; exit $skip; }

work="$build_dir/e2e-windows"
app="$work/Dicionários do usuário/quillet-1.0-win64"
artifacts=${QUILLET_ARTIFACTS:-$build_dir/artifacts}
rm -rf "$work"
mkdir -p "$work/Dicionários do usuário" "$artifacts"
unzip -q "$zip" -d "$work/Dicionários do usuário" || exit 1
export WINEPREFIX="$work/wine" WINEDEBUG=-all LC_ALL=C.UTF-8
wineboot -i >/dev/null 2>&1
cleanup() {
  kill ${pid:+"$pid"} ${owner:+"$owner"} 2>/dev/null
  wineserver -k 2>/dev/null
  wait 2>/dev/null
}
trap cleanup EXIT

start() { wine "$app/quillet.exe" </dev/null >/dev/null 2>&1 & pid=$!; }
# Wine draws the toolbar's frame itself, inside its X window (251 by 23
# pixels of client area at 96 DPI): its buttons are pressed by their place
# in the client area.
press_tool() {  # left-twips
  local width height border
  width=$(xdotool getwindowgeometry --shell "$toolbar" | sed -n 's/^WIDTH=//p')
  height=$(height_of "$toolbar")
  border=$(((width - 251) / 2))
  xdotool mousemove --window "$toolbar" $((border + $1 / 15 + 12)) $((height - 23 - border + 12)) click 1
  sleep 0.5
}
windows_copy() { wine "$build_dir/tests/shell/quillet_windows_copy.exe" "$@" >/dev/null 2>&1; }

# ---- First run: the language window, then the bar in English.
start
first_run_in_english "$artifacts/windows-first-run-language.png" || exit 1
window_shown '^Quillet 2007 - English-Portuguese$' || { fail "no English bar"; exit 1; }

check house "house -> casa, habitação, vivenda"
import -window root "$artifacts/windows-bar.png"

# A password manager's copy is never translated: the line stays as it was.
# The same copy unmarked is.
if windows_copy --secret cat; then
  sleep 1.2
  line=$(box_line)
  [ "$line" = "house -> casa, habitação, vivenda" ] || fail "a copy marked secret was translated: '$line'"
else
  fail "the marked copy could not be made"
fi
windows_copy cat
sleep 1.2
line=$(box_line)
[ "$line" = "cat -> gato" ] || fail "a Windows program's copy of cat: got '$line'"

# A translation must not take the keyboard focus from the program in use.
xmessage -geometry +200+400 "another program" </dev/null >/dev/null 2>&1 &
other_pid=$!
if other=$(window_named '^xmessage$'); then
  activate "$other"
  copy cat
  sleep 1
  [ "$(xdotool getactivewindow)" = "$other" ] || fail "the bar took the focus on a translation"
fi
kill "$other_pid"
check cat "cat -> gato"

# Speaking goes through the system's SAPI voice; Wine's speaks nothing, so
# the speech error box is the answer here.
press "$bar" 6600
if details=$(opened "$bar"); then
  # The speak button's middle, at 120 + 187 and 3040 + 160 twips.
  xdotool mousemove --window "$details" 20 213 click 1
  if box=$(window_named '^Quillet 2007 - Error$'); then
    import -window root "$artifacts/windows-speech-error.png"
    activate "$box"
    xdotool key --clearmodifiers Return
  else
    fail "no speech error box under Wine"
  fi
  press "$bar" 6600
else
  fail "the details window did not open"
fi

# A typed word and Enter.
activate "$bar"
xdotool mousemove --window "$bar" 60 10 click 1
sleep 0.3
xdotool type --delay 50 houses
xdotool key --clearmodifiers Return
sleep 0.8
line=$(box_line)
[ "$line" = " ? houses (! house ) -> casa, habitação, vivenda" ] || fail "typed houses: got '$line'"

# The user dictionary editor: a new word, then Enter to save its translation.
press "$bar" 7440
toolbar=$(opened "$bar") || { fail "the toolbar did not open"; exit 1; }
# The mode button turns always-on-top off and on again.
on_top() { xprop -id "$bar" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }
on_top || fail "the bar is not on top in the always-on-top mode"
press_tool 0
! on_top || fail "the bar stayed on top in the normal mode"
press_tool 0
on_top || fail "the bar is not on top again"
press_tool 1440
if editor=$(opened "$bar" "$toolbar"); then
  activate "$editor"
  xdotool type --delay 30 quillwort
  xdotool key --clearmodifiers Return
  sleep 0.3
  xdotool type --delay 30 "erva de pena"
  xdotool key --clearmodifiers Return
  sleep 0.3
  import -window root "$artifacts/windows-editor.png"
  xdotool key --clearmodifiers alt+F4
else
  fail "the user dictionary editor did not open"
fi
sleep 0.5
check quillwort "quillwort -> erva de pena"

# A huge copy is no search text, and the bar still answers afterwards.
head -c 4M /dev/zero | tr '\0' a | xclip -quiet -selection clipboard >/dev/null 2>&1 &
owner=$!
sleep 3
check house "house -> casa, habitação, vivenda"

# The other dictionary, through the chooser: its name is in the bar's title.
press_tool 480
if chooser=$(opened "$bar" "$toolbar"); then
  activate "$chooser"
  import -window root "$artifacts/windows-chooser.png"
  xdotool key --clearmodifiers Down Return
  window_named '^Quillet 2007 - Portuguese-English$' >/dev/null || fail "no switch to Portuguese-English"
  check casa "casa -> house, home"
else
  fail "the dictionary chooser did not open"
fi
press "$bar" 7440
close_bar

# The settings beside the program, each line ending in CR LF.
settings="$app/quillet.cfg"
if [ -f "$settings" ]; then
  lines=$(wc -l <"$settings")
  crlf=$(grep -c $'\r$' "$settings")
  [ "$lines" -gt 0 ] && [ "$lines" = "$crlf" ] || fail "quillet.cfg has $crlf CR LF lines of $lines"
else
  fail "no quillet.cfg beside the program"
fi

# ---- Second run: the chosen dictionary and the user's entry are back.
start
wait_for_bar || { fail "no bar on the second run"; exit 1; }
window_shown '^Quillet 2007 - Portuguese-English$' || fail "the second run forgot the dictionary"
press "$bar" 7440
toolbar=$(opened "$bar") && press_tool 480
if chooser=$(opened "$bar" "$toolbar"); then
  activate "$chooser"
  xdotool key --clearmodifiers Up Return
  window_named '^Quillet 2007 - English-Portuguese$' >/dev/null || fail "no switch back to English-Portuguese"
else
  fail "the dictionary chooser did not open on the second run"
fi
press "$bar" 7440
check quillwort "quillwort -> erva de pena"
# A second start brings the minimised bar back and ends at once.
xdotool windowminimize --sync "$bar"
timeout 20 wine "$app/quillet.exe" </dev/null >/dev/null 2>&1
again=$?
wait_for_bar && [ "$again" -eq 0 ] || fail "a second start ended with $again, bars shown: $(visible | wc -l)"
close_bar

echo "screenshots in $artifacts"
[ "$failures" -eq 0 ]
