#!/usr/bin/env bash
# Runs a program of the Windows build under Wine on a virtual screen of its own, for tests
# that need a real window.
#
# Usage: run-under-x.sh WINE_RUN WINESERVER WINEPREFIX PROGRAM.exe [ARGUMENTS...]
#
# Wine's desktop belongs to its server, which outlives a program by a few seconds: a server
# left by a test without a screen would refuse the program its window, and one left with
# this screen would outlive the screen. So the server is waited out before the program,
# and again after it, while the screen is still there.
set -euo pipefail
[ $# -ge 4 ] || { echo "usage: $0 WINE_RUN WINESERVER WINEPREFIX PROGRAM.exe [ARGUMENTS...]" >&2; exit 2; }
wine_run=$1
wineserver=$2
WINEPREFIX=$(realpath -m "$3")
export WINEPREFIX
shift 3
for tool in xvfb-run xauth "$wineserver"; do
    command -v "$tool" >/dev/null ||
        { echo "run-under-x: $tool is not installed (scripts/install-deps --windows)" >&2; exit 1; }
done
"$wine_run" cmd.exe /c exit 0 >/dev/null 2>&1 </dev/null || true  # makes Wine's folder once
timeout 60 "$wineserver" -w || true
export WINESERVER_PROGRAM=$wineserver
exec xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    status=0
    "$0" "$@" || status=$?
    timeout 60 "$WINESERVER_PROGRAM" -w || true
    exit "$status"' "$wine_run" "$@"
