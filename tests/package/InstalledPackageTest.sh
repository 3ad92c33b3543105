#!/usr/bin/env bash
# Runs inside a fresh Debian root, as root, from scripts/check-package: installs
# the package as a user would (apt-get resolves its dependencies), then, as an
# ordinary user on Xvfb with openbox, starts the program from its desktop
# entry's Exec line, goes through the first-run language window, translates a
# copied word, saves a user entry in the editor and sees it win after a
# restart. The user's settings and own words must land in the XDG folders of
# their home, nothing under /usr may change, and apt-get purge must remove
# every file the package installed.
# Usage: InstalledPackageTest.sh DEB   (the session part runs as the user:
#        InstalledPackageTest.sh --session)
set -uo pipefail
# scripts/check-package copies the helpers beside this folder, as here.
# shellcheck source-path=SCRIPTDIR source=../support/x11.sh
source "$(dirname "$0")/../support/x11.sh"

session() {
  local runtime
  runtime=$(mktemp -d)
  export XDG_RUNTIME_DIR=$runtime DISPLAY=:7
  unset WAYLAND_DISPLAY QT_QPA_PLATFORM QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_FONT_DPI
  Xvfb :7 -screen 0 1280x1024x24 -nolisten tcp >"$runtime/xvfb.log" 2>&1 &
  local xvfb=$!
  for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
  openbox >/dev/null 2>&1 &
  local wm=$!
  trap 'kill ${pid:+"$pid"} ${owner:+"$owner"} "$wm" "$xvfb" 2>/dev/null' RETURN
  sleep 1

  # The desktop's way in: the entry's Exec line, field codes dropped.
  local exec_line
  exec_line=$(sed -n 's/^Exec=//p' /usr/share/applications/*quillet.desktop | sed 's/ %[fFuUick]//g')
  start() {
    $exec_line </dev/null >>"$runtime/quillet.log" 2>&1 &
    pid=$!
  }
  start
  local chooser
  if chooser=$(window_named '^Quillet 2007 - Idioma / Language$'); then
    activate "$chooser"
    # The list has the focus: English is the second line.
    xdotool key --clearmodifiers Down Return
  else
    fail "no language window on the first run"
  fi
  wait_for_bar || { fail "no bar after the language window"; cat "$runtime/quillet.log"; return; }
  window_shown '^Quillet 2007 - English' ||
    fail "the bar is not titled in English"
  check house "house -> casa, habitação, vivenda"

  # The editor: toolbar button 3. The word, Enter (the dictionary's entry
  # comes up), a new translation, Enter saves.
  local toolbar editor
  press "$bar" 7440
  if toolbar=$(opened "$bar") && press "$toolbar" 1440 && editor=$(opened "$bar" "$toolbar"); then
    activate "$editor"
    xdotool type --delay 30 house
    xdotool key --clearmodifiers Return
    sleep 0.3
    xdotool key --clearmodifiers ctrl+a
    xdotool type --delay 30 "lar doce lar"
    xdotool key --clearmodifiers Return
    sleep 0.3
    activate "$editor"
    xdotool key --clearmodifiers alt+F4
    sleep 0.3
    press "$bar" 7440
  else
    fail "the toolbar or the editor did not open"
  fi
  close_bar

  # Second run: no language window, and the user's entry wins.
  start
  wait_for_bar || { fail "no bar on the second run"; cat "$runtime/quillet.log"; return; }
  check house "house -> lar doce lar"
  close_bar
}

if [ "${1:-}" = --session ]; then
  session
  exit $((failures > 0))
fi

deb=${1:?usage: InstalledPackageTest.sh DEB}
export DEBIAN_FRONTEND=noninteractive LC_ALL=C.UTF-8
apt_get() { apt-get -q -y -o APT::Sandbox::User=root -o Dpkg::Use-Pty=0 "$@" >>/tmp/apt.log 2>&1; }
# Paths under /usr with size, mode and change time: what the session may not touch.
usr_listing() { find /usr -printf '%p\t%s\t%m\t%C@\n' | sort; }

apt_get update || { tail -n 20 /tmp/apt.log; exit 1; }
echo "== apt-get install $deb"
apt_get install "$deb" || { tail -n 30 /tmp/apt.log; exit 1; }
dpkg-query -W -f='${Package} ${Version} ${Status}\n' quillet
# Tools the test drives the program with; not the package's dependencies.
apt_get install --no-install-recommends xvfb xauth openbox xdotool xclip ||
  { tail -n 30 /tmp/apt.log; exit 1; }
mapfile -t installed < <(dpkg -L quillet | grep -vx /.)
useradd --create-home --shell /bin/bash ana

usr_listing > /tmp/usr-before
echo "== session of an ordinary user"
runuser -u ana -- env -i HOME=/home/ana USER=ana LOGNAME=ana PATH=/usr/bin:/bin LANG=C.UTF-8 \
  bash "$0" --session || failures=$((failures + 1))
usr_listing > /tmp/usr-after
diff /tmp/usr-before /tmp/usr-after >/tmp/usr-changes || {
  fail "the session changed /usr:"
  head -n 20 /tmp/usr-changes
}
for file in /home/ana/.config/quillet/quillet.cfg /home/ana/.local/share/quillet/engpor.dcu \
  /home/ana/.local/share/quillet/engpor.dtu; do
  [ -f "$file" ] || fail "$file is missing"
done
[ -s /home/ana/.local/share/quillet/engpor.dcu ] || fail "the saved entry is not in engpor.dcu"
echo "user's files:"
(cd /home/ana && find .config/quillet .local/share/quillet -type f -printf '  ~/%p %s bytes\n' 2>/dev/null)

echo "== apt-get purge quillet"
apt_get purge quillet || { tail -n 30 /tmp/apt.log; exit 1; }
! dpkg-query -W -f='${Status}' quillet 2>/dev/null | grep -q installed ||
  fail "quillet is still installed"
left=0
for path in "${installed[@]}"; do
  # Folders the package shares with others stay.
  if [ -e "$path" ] && ! dpkg -S "$path" >/dev/null 2>&1; then
    fail "left after the purge: $path"
    left=$((left + 1))
  fi
done
echo "${#installed[@]} installed paths checked after the purge, $left left"
[ "$failures" -eq 0 ] && echo "installed package: all checks passed"
[ "$failures" -eq 0 ]
