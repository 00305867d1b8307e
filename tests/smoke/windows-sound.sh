#!/usr/bin/env bash
# DirectSound under Wine, heard: the game's aisle tone played through the Windows sound
# buffers into a private ALSA file sink, and read back for its stereo place and loudness;
# then the same buffers with no sound device at all, which must say why in words.
#
# Usage: windows-sound.sh WINE_RUN SOUND_CHECK_EXE AISLE_TONE_WAV WORK
set -euo pipefail

wine_run=$1 check=$2 tone=$3 work=$4
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=wine-sound.sh
. "$here/wine-sound.sh"

readonly NO_DEVICE_REASON="no sound device was found (DirectSound lists none)"

if [ ! -f "$tone" ]; then
    echo "FAIL the game's aisle tone $tone is missing (make windows puts the sounds beside the build)"
    exit 1
fi
rm -rf "$work"
mkdir -p "$work"
failures=0

# Wine takes Z: for the root of the Linux file system.
winpath() { printf 'Z:%s' "$1"; }

(
    wine_sound_sink "$work/sink"
    "$wine_run" "$check" play "$(winpath "$work/sink/sink.raw")" "$(winpath "$tone")" \
        "$(winpath "$work")"
) || {
    echo "FAIL the played sound's checks (status $?)"
    failures=$((failures + 1))
}

reason=$(
    wine_no_sound "$work/none"
    "$wine_run" "$check" no-device 2>"$work/no-device.err"
) || true
reason=${reason%$'\r'}  # a Windows program ends its lines with CR LF
if [ "$reason" = "$NO_DEVICE_REASON" ]; then
    echo "ok   with no sound device, opening says: $reason"
else
    echo "FAIL with no sound device, opening said: \"$reason\", not \"$NO_DEVICE_REASON\""
    failures=$((failures + 1))
fi

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed; the sink is in $work/sink"; exit 1; }
