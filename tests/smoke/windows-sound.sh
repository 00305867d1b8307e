#!/usr/bin/env bash
# DirectSound under Wine, heard: every sound of the game loaded into the Windows sound
# buffers, its aisle tone played into a private ALSA file sink and read back for its stereo
# place and loudness; then the same buffers with no sound device at all, which must tell
# the player why in words.
#
# Usage: windows-sound.sh WINE_RUN SOUND_CHECK_EXE SOUNDS_FOLDER WORK
set -euo pipefail

wine_run=$1 check=$2 sounds=$3 work=$4
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=wine-sound.sh
. "$here/wine-sound.sh"

readonly NO_DEVICE_MESSAGE="Zelvo could not open a sound device: no sound device was found \
(DirectSound lists none).  Check that your sound server is running and that a sound card or \
headphones are connected, then start Zelvo again."

if [ ! -f "$sounds/game/1.wav" ]; then
    echo "FAIL the game's sounds are not in $sounds (make windows puts them beside the build)"
    exit 1
fi
if [ ! -f /usr/share/alsa/alsa.conf ]; then
    echo "FAIL ALSA's configuration is missing (scripts/install-deps --windows installs it)"
    exit 1
fi
rm -rf "$work"
mkdir -p "$work"
failures=0

# Wine takes Z: for the root of the Linux file system.
winpath() { printf 'Z:%s' "$1"; }

(
    wine_sound_sink "$work/sink"
    # A Windows program ends its lines with CR LF.
    "$wine_run" "$check" play "$(winpath "$work/sink/sink.raw")" "$(winpath "$sounds")" \
        "$(winpath "$work")" | tr -d '\r'
) || {
    echo "FAIL the played sound's checks (status $?)"
    failures=$((failures + 1))
}

message=$(
    wine_no_sound "$work/none"
    "$wine_run" "$check" no-device 2>"$work/no-device.err"
) || true
message=${message%$'\r'}
if [ "$message" = "$NO_DEVICE_MESSAGE" ]; then
    echo "ok   with no sound device, the player is told: $message"
else
    echo "FAIL with no sound device, the player is told: \"$message\", not \"$NO_DEVICE_MESSAGE\""
    failures=$((failures + 1))
fi

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed; the sink is in $work/sink"; exit 1; }
