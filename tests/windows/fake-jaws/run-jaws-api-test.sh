#!/bin/sh
# run-jaws-api-test.sh WINE64 PREFIX FAKE-JAWS-DLL TEST-EXE
# The JAWS output's tests in a Wine prefix of their own, so that no other test running
# beside them finds "JAWS": first with the stand-in registered, then with it removed.
set -e
wine=$1 prefix=$2 dll=$3 tests=$4
here=$(cd "$(dirname "$0")" && pwd)
register="$here/../../smoke/windows-fake-jaws.sh"
export ZELVO_WINE64="$wine" WINEPREFIX="$prefix" WINEDEBUG=-all LC_ALL=C.UTF-8

trap '"$register" unregister "$prefix" "$dll"' EXIT
"$register" register "$prefix" "$dll"
"$wine" "$tests" --gtest_filter='JawsWithServer.*'
"$register" unregister "$prefix" "$dll"
"$wine" "$tests" --gtest_filter='JawsWithoutServer.*'
