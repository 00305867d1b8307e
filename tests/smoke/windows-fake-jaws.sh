#!/bin/sh
# Registers the test stand-in for the JAWS API (fake-jaws.dll, built from
# tests/windows/fake-jaws/) under "FreedomSci.JawsApi" in a Wine prefix, or removes it:
#
#   windows-fake-jaws.sh register|unregister PREFIX DLL
#
# PREFIX is made first when it does not exist yet. Once registered, any program run in that
# prefix finds "JAWS" there. Its SayString appends each text, as one line of UTF-8, to the
# file named by ZELVO_FAKE_JAWS_LOG in the program's environment (a Windows path, such as
# `winepath -w` gives), and, when ZELVO_FAKE_JAWS_FLUSH_LOG names a file too, the call's
# flush flag to that one as a line "1" or "0". Without ZELVO_FAKE_JAWS_LOG, SayString
# fails. Register in a prefix of the test's own, or unregister afterwards: a program that
# finds JAWS speaks through it.
# ZELVO_WINE64 names wine64 when it is not on the PATH (Debian keeps it in /usr/lib/wine).
set -e
if [ $# -ne 3 ] || { [ "$1" != register ] && [ "$1" != unregister ]; }; then
    echo "usage: $0 register|unregister PREFIX DLL" >&2
    exit 2
fi
action=$1 dll=$3
WINEPREFIX=$(realpath -m "$2")
export WINEPREFIX WINEDEBUG=-all LC_ALL=C.UTF-8
wine=${ZELVO_WINE64:-$(command -v wine64 || echo /usr/lib/wine/wine64)}
[ -x "$wine" ] || { echo "$0: wine64 is not installed (scripts/install-deps --windows)" >&2; exit 1; }
[ -f "$dll" ] || { echo "$0: $dll does not exist" >&2; exit 1; }
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    flock "$WINEPREFIX/.making" sh -c \
        '[ -f "$WINEPREFIX/system.reg" ] || "$0" wineboot --init >/dev/null 2>&1' "$wine"
fi

# The stand-in's own class; fake_jaws.cpp holds the same.
clsid='{5E1D2C0B-7A41-4C8E-9B7D-3F6A2E91C4D8}'
progid='HKLM\Software\Classes\FreedomSci.JawsApi'
class="HKLM\\Software\\Classes\\CLSID\\$clsid"

if [ "$action" = register ]; then
    path=$("$wine" winepath -w "$(realpath "$dll")")
    "$wine" reg add "$progid\\CLSID" /ve /d "$clsid" /f >/dev/null
    "$wine" reg add "$class\\InprocServer32" /ve /d "$path" /f >/dev/null
    "$wine" reg add "$class\\InprocServer32" /v ThreadingModel /d Apartment /f >/dev/null
else
    # Absent keys are no failure: unregistering twice leaves the prefix as once.
    "$wine" reg delete "$progid" /f >/dev/null 2>&1 || true
    "$wine" reg delete "$class" /f >/dev/null 2>&1 || true
fi
# Wine keeps the registry in its server until it ends: wait for it, so that the change is
# on disk for whatever runs next, in whatever way.
"$(dirname "$wine")/wineserver" -w 2>/dev/null || true
