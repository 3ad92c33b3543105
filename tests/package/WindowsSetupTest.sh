#!/usr/bin/env bash
# The Windows setup program under Wine, in a fresh prefix: a silent install
# puts every file of the staged program folder into Program Files, with the
# uninstaller, the Start-menu shortcut and the entry in the list of installed
# programs. On an X display (scripts/with-display) the installed program then
# runs once: its settings go to %APPDATA%\Quillet and nothing is written
# under Program Files. A silent uninstall takes all of it away again but
# leaves what is not its own: the user's files in %APPDATA%\Quillet and a
# file a user put in the program's folder.
# Usage: WindowsSetupTest.sh SOURCE_DIR BUILD_DIR   (the Windows build, after
#        scripts/package-windows). Exits 77 without Wine or the setup program.
set -uo pipefail
source_dir=${1:?source folder}
build_dir=$(realpath "${2:?build folder}")
# shellcheck source-path=SCRIPTDIR source=../support/x11.sh
source "$source_dir/tests/support/x11.sh"

version=$(sed -n 's/^project(Quillet VERSION \([0-9.]*\).*/\1/p' "$source_dir/CMakeLists.txt")
setup=$build_dir/package/quillet-$version-setup.exe
stage=$build_dir/package/quillet-$version-win64
for tool in wine wineboot winepath wineserver; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
if [ ! -f "$setup" ] || [ ! -d "$stage" ]; then
  echo "SKIP: $setup or $stage is missing (scripts/package-windows makes them)"
  exit 77
fi

export WINEPREFIX=$build_dir/setup-test-wine WINEDEBUG=-all LC_ALL=C.UTF-8
# No menu entries in the host's desktop, no offer to install .NET or a browser engine.
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml="
rm -rf "$WINEPREFIX"
trap 'wineserver -k 2>/dev/null' EXIT
started=$SECONDS
# Wine's background services keep the output of the program that starts them
# open; started here on /dev/null, they cannot hold up the test's output.
wineboot -i >/dev/null 2>&1 || { echo "wineboot failed"; exit 1; }

win() { wine "$@" 2>/dev/null | tr -d '\r'; }
unix_path() { winepath -u "$1" 2>/dev/null | sed 's|/$||'; }
# The uninstaller copies itself away and returns at once: wait for every
# Windows process of the prefix to end, within a bound.
settle() { timeout 120 wineserver -w || fail "Wine's processes still run after 120 s"; }
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillet'
program_dir=$(unix_path 'C:\Program Files\Quillet')
shortcut=$(unix_path 'C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Quillet.lnk')
user_dir=$(unix_path "$(win cmd /c echo '%APPDATA%')\\Quillet")

# Starts the installed program and checks it writes nothing under Program Files.
check_installed_program() {
  [ -n "${DISPLAY:-}" ] || { echo "no DISPLAY: the installed program is not run"; return; }
  local before
  before=$(find "$program_dir" -printf '%P %s %T@\n' | LC_ALL=C sort)
  wine "$program_dir/quillet.exe" </dev/null >/dev/null 2>&1 &
  pid=$!
  if first_run_in_english; then
    check house "house -> casa, habitação, vivenda"
    close_bar
  fi
  kill "$pid" 2>/dev/null
  settle
  [ -f "$user_dir/quillet.cfg" ] || fail "the installed program wrote no quillet.cfg to $user_dir"
  [ "$(find "$program_dir" -printf '%P %s %T@\n' | LC_ALL=C sort)" = "$before" ] ||
    fail "the installed program changed its folder under Program Files"
}

echo "== setup /S"
win "$setup" /S || fail "the setup ended with status $?"
settle
mapfile -t staged < <(cd "$stage" && find . -type f -printf '%P\n' | LC_ALL=C sort)
for file in "${staged[@]}" ; do
  cmp -s "$stage/$file" "$program_dir/$file" || fail "$file is not installed as staged"
done
[ -f "$program_dir/uninstall.exe" ] || fail "no uninstall.exe beside quillet.exe"
[ -f "$shortcut" ] || fail "no Start-menu shortcut at $shortcut"
win reg query "$key" >"$build_dir/setup-test-key.txt"
location='C:\Program Files\Quillet'
while IFS='|' read -r value type data; do
  grep -qxF "    $value    $type    $data" "$build_dir/setup-test-key.txt" ||
    fail "the uninstall entry lacks $value = $data"
done <<EOF
DisplayName|REG_SZ|Quillet
DisplayVersion|REG_SZ|$version
Publisher|REG_SZ|The Quillet developers
DisplayIcon|REG_SZ|$location\\quillet.exe,0
InstallLocation|REG_SZ|$location
UninstallString|REG_SZ|"$location\\uninstall.exe"
QuietUninstallString|REG_SZ|"$location\\uninstall.exe" /S
NoModify|REG_DWORD|0x1
NoRepair|REG_DWORD|0x1
EOF
grep -qE '^    EstimatedSize    REG_DWORD    0x[1-9a-f]' "$build_dir/setup-test-key.txt" ||
  fail "the uninstall entry has no EstimatedSize"

check_installed_program

mkdir -p "$user_dir"
echo "[Quillet]" >"$user_dir/quillet.cfg"
echo "a user's notes" >"$program_dir/notes.txt"
echo "== uninstall.exe /S"
win "$program_dir/uninstall.exe" /S || fail "the uninstaller ended with status $?"
settle
left=$(cd "$program_dir" 2>/dev/null && find . -mindepth 1 -printf '%P\n')
[ "$left" = notes.txt ] || fail "the program folder holds other than the user's notes.txt: ${left:-nothing}"
[ ! -e "$shortcut" ] || fail "the Start-menu shortcut is still there"
! win reg query "$key" >/dev/null || fail "the uninstall entry is still there"
[ -f "$user_dir/quillet.cfg" ] || fail "the uninstaller removed the user's quillet.cfg"

echo "setup and uninstall under Wine: $((SECONDS - started)) s"
[ "$failures" -eq 0 ] && rm -rf "$WINEPREFIX" "$build_dir/setup-test-key.txt" && echo "all checks passed"
[ "$failures" -eq 0 ]
