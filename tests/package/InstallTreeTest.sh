#!/usr/bin/env bash
# `cmake --install` gives the system layout: exactly the files of the golden
# list, and dictionaries built at build time that answer as FreeDict does
# (house -> casa in English-Portuguese, casa -> house in Portuguese-English).
# Usage: InstallTreeTest.sh SOURCE_DIR BUILD_DIR
set -uo pipefail
source_dir=${1:?source folder}
build_dir=${2:?build folder}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cmake --install "$build_dir" --prefix "$work/usr" >"$work/install.log" 2>&1 ||
  { cat "$work/install.log"; exit 1; }
(cd "$work/usr" && find . -type f | sed 's|^\./||' | LC_ALL=C sort) >"$work/tree.txt"
diff -u "$source_dir/tests/package/install-tree.txt" "$work/tree.txt" ||
  fail "the install tree differs from tests/package/install-tree.txt"

# The tool opens a folder with its user files, which an installed program
# keeps in the user's home: look up in a copy with empty ones.
cp -r "$work/usr/share/quillet" "$work/data"
touch "$work"/data/{engpor,poreng}.{dcu,dtu}
lookup() {  # row word expected-translation-part
  "$work/usr/bin/quillet-dict" lookup "$work/data" "$1" "$2" >"$work/out" 2>&1
  grep -qx "found: yes" "$work/out" && grep -q "^translation: .*$3" "$work/out" ||
    { fail "row $1 does not find $2 -> $3"; cat "$work/out"; }
}
lookup 0 house casa
lookup 1 casa house

[ "$failures" -eq 0 ] && echo "all checks passed"
[ "$failures" -eq 0 ]
