#!/usr/bin/env bash
# quillet-dict as a program: exit statuses and messages, then the default
# dictionaries staged into a fresh folder find "house".
# Usage: cli-test.sh TOOL SOURCE_DIR BUILD_DIR [EMULATOR...]
# With an emulator (Wine, for the Windows build) only the dispatch part runs.
set -uo pipefail
tool=$1 source=$2 build=$3
emulator=("${@:4}")
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
failures=0
quillet_dict() { "${emulator[@]}" "$tool" "$@"; }

expect_status() {  # status command...
  local want=$1; shift
  "$@" >"$work/out" 2>"$work/err"
  local got=$?
  if [ "$got" != "$want" ]; then
    echo "FAIL: '$*' exited $got, expected $want"; cat "$work/err"; failures=$((failures + 1))
  fi
}

# Each command's own arguments and errors are the C++ tests'; here the
# program's dispatch of them.
expect_status 2 quillet_dict no-such-command
grep -q "usage:" "$work/err" || { echo "FAIL: no usage text"; failures=$((failures + 1)); }
expect_status 0 quillet_dict --help
grep -q "import-dictd" "$work/out" || { echo "FAIL: help lists no commands"; failures=$((failures + 1)); }
# A folder named outside ASCII, with spaces: the arguments reach the files
# as typed (on Windows through the wide command line).
mine="$work/Dicionários do usuário"
expect_status 0 quillet_dict build --tsv "$source/data/sample-en-pt.tsv" --out "$mine" --stem s
[ -s "$mine/s.qlc" ] || { echo "FAIL: no $mine/s.qlc"; failures=$((failures + 1)); }
# The report quotes a skipped line by its first 60 characters, and names a
# character by its code point.
{ printf 'cat\tgato\n'; printf '%0200d\tx\n' 0; printf 'smile\tsorriso \360\237\230\200\n'; } >"$work/long.tsv"
expect_status 0 quillet_dict build --tsv "$work/long.tsv" --out "$work/o" --stem long
grep -qx "  line 2 \"$(printf '%060d\342\200\246' 0)\": skipped: .*" "$work/out" ||
  { echo "FAIL: the report does not cut a long line"; cat "$work/out"; failures=$((failures + 1)); }
grep -qF "line 3 \"smile\": skipped: translation holds U+1F600 '$(printf '\360\237\230\200')'," "$work/out" ||
  { echo "FAIL: the report does not name an emoji by its code point"; cat "$work/out"; failures=$((failures + 1)); }
expect_status 0 quillet_dict dump "$mine/s.qlc"
[ "$(wc -l <"$work/out")" -eq "$(grep -c . "$source/data/sample-en-pt.tsv")" ] ||
  { echo "FAIL: dump does not give one line per sample entry"; failures=$((failures + 1)); }

# Windows keeps a user's files in %APPDATA%, not the XDG folders, and
# scripts/test-windows compares its FreeDict dictionaries with these byte for
# byte.
if [ ${#emulator[@]} -ne 0 ]; then exit $((failures != 0)); fi

# An installed tree nobody writes to, and the manual page's example of a
# dictionary added in the user's data folder, from which the read-only
# commands take the user's files; a missing one holds no entries.
data=$work/usr/share/quillet user=$work/xdg/quillet
mkdir -p "$work/usr/bin" "$data" && cp "$source"/data/pages/*.htm "$source/packaging/dictionaries.cfg" "$data"/
quillet_dict build --tsv "$source/data/sample-en-pt.tsv" --out "$data" --stem engpor >/dev/null
rm "$data"/engpor.d?u && chmod -R a-w "$data" && printf 'casa\thouse\n' >"$work/mine.tsv"
quillet_dict build --tsv "$work/mine.tsv" --out "$user" --stem mywords >/dev/null
cp "$data/dictionaries.cfg" "$user"/ && echo 'Minhas palavras|My words|mywords|2|S|S' >>"$user/dictionaries.cfg"
export XDG_DATA_HOME=$work/xdg
expect_status 0 quillet_dict lookup "$data" 2 casa
grep -qx "translation: house" "$work/out" || { echo "FAIL: lookup on an installed tree"; failures=$((failures + 1)); }
expect_status 0 quillet_dict translate "$data" 0 <<<books
grep -qF '"line": " ? books (! book ) -> livro"' "$work/out" ||
  { echo "FAIL: translate on an installed tree"; failures=$((failures + 1)); }
unset XDG_DATA_HOME

if [ "$failures" -ne 0 ]; then exit 1; fi

if [ ! -r /usr/share/dictd/freedict-eng-por.index ] || [ ! -r /usr/share/dictd/freedict-por-eng.index ]; then
  echo "FreeDict packages missing: staged-folder check skipped"
  exit 77
fi
"$source/scripts/build-dictionaries" "$work/app" "$build" >/dev/null || exit 1
quillet_dict lookup "$work/app" 0 house >"$work/out" || exit 1
grep -qx "found: yes" "$work/out" && grep -q "^translation: .*casa" "$work/out" ||
  { echo "FAIL: staged engpor does not find house -> casa"; cat "$work/out"; exit 1; }
quillet_dict lookup "$work/app" 1 casa >"$work/out" || exit 1
grep -q "^translation: .*house" "$work/out" ||
  { echo "FAIL: staged poreng does not find casa -> house"; cat "$work/out"; exit 1; }
echo "all checks passed"
