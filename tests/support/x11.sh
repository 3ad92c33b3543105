# shellcheck shell=bash
# What the scripts that run the real program on an X display share: they
# drive its windows with xdotool and the clipboard with xclip. Sourced, not
# run. The functions use $pid (the program), $bar (its main bar's window),
# $owner (the process serving the last copy) and $scale (1 at 100%); fail
# counts failures in $failures.
failures=0
pid="" bar="" owner="" scale=1
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# xclip serves what it copies from a process of its own; keep it in the
# foreground (-quiet) under our control, so nothing outlives the test and
# holds the test runner's output open.
copy() {
  [ -n "$owner" ] && kill "$owner" 2>/dev/null
  printf '%s' "$1" | xclip -quiet -selection clipboard >/dev/null 2>&1 &
  owner=$!
}
paste() { timeout 10 xclip -o -selection clipboard 2>/dev/null; }
activate() { timeout 10 xdotool windowactivate --sync "$1" >/dev/null; }
visible() { xdotool search --onlyvisible --class quillet 2>/dev/null; }
height_of() { xdotool getwindowgeometry --shell "$1" | sed -n 's/^HEIGHT=//p'; }

window_shown() { xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }
# Waits up to ten seconds for a visible window whose title matches; prints its id.
window_named() {
  local found
  for _ in $(seq 100); do
    found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
    [ -n "$found" ] && { echo "$found"; return 0; }
    sleep 0.1
  done
  return 1
}

# Once the splash has closed only the one-row bar is visible; sets $bar.
wait_for_bar() {
  local windows
  bar=""
  for _ in $(seq 150); do
    windows=$(visible)
    if [ -n "$windows" ] && [ "$(echo "$windows" | wc -l)" -eq 1 ] &&
      [ "$(height_of "$windows")" -lt 100 ]; then
      bar=$windows
      return 0
    fi
    sleep 0.1
  done
  return 1
}

# The first run of a program with no settings: English is chosen in the
# language window with the keyboard, then the bar must come up alone. A
# picture of the language window is taken first when a file is given.
first_run_in_english() {  # [screenshot]
  local chooser
  chooser=$(window_named '^Quillet 2007 - Idioma / Language$') ||
    { fail "the language window did not appear"; return 1; }
  activate "$chooser"
  [ -z "${1:-}" ] || { sleep 0.5; import -window root "$1"; }
  xdotool key --clearmodifiers Down Return
  wait_for_bar || { fail "the bar is not the only window after the language window"; return 1; }
}

# The line the bar shows: a click selects the whole line, Ctrl+C copies it.
box_line() {
  xdotool mousemove --window "$bar" 60 10 click 1
  sleep 0.2
  xdotool key --clearmodifiers ctrl+c
  sleep 0.3
  paste
}
# Copies a word from another program and compares the line the bar shows.
check() {  # word expected-line
  local line
  copy "$1"
  # Beyond the half-second fallback tick and a reconnection, and a few more
  # tries, so a loaded machine or a sanitizer build still passes.
  for _ in $(seq 10); do
    sleep 0.6
    line=$(box_line)
    [ "$line" = "$2" ] && break
  done
  if [ "$line" = "$2" ]; then echo "ok: $1 -> $line"; else fail "$1: got '$line', expected '$2'"; fi
}

# Buttons by their left edge in twips, 15 twips to a pixel.
press() { xdotool mousemove --window "$1" $((($2 / 15 + 12) * scale)) $((12 * scale)) click 1; sleep 0.5; }
# The window the last command opened: a visible one of ours not seen before.
opened() {  # known windows...
  local known=" $* " w
  for _ in $(seq 30); do
    for w in $(visible); do [[ $known == *" $w "* ]] || { echo "$w"; return 0; }; done
    sleep 0.1
  done
  return 1
}

# The window manager closes the active window on Alt+F4; closing the bar
# must end the program at once, so that a restart never meets the old one.
# The bound is generous; the time taken is printed.
close_bar() {
  activate "$bar"
  local start taken
  start=$(date +%s%N)
  xdotool key --clearmodifiers alt+F4
  for _ in $(seq 250); do kill -0 "$pid" 2>/dev/null || break; sleep 0.02; done
  taken=$((($(date +%s%N) - start) / 1000000))
  if kill -0 "$pid" 2>/dev/null; then
    fail "the program did not end when the bar closed"
  else
    echo "ended ${taken} ms after the close"
    [ "$taken" -le 1000 ] || fail "the program took ${taken} ms to end after the close"
  fi
}
