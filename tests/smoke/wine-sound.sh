# Sourced by the Windows sound checks: Wine's sound through a private ALSA set-up, for any
# Windows program run under Wine afterwards, so no sound card or sound server is touched.
#
# Wine picks its sound driver itself: PulseAudio when a server answers, else ALSA. Both
# functions turn the PulseAudio driver off for the programs started from this shell
# (WINEDLLOVERRIDES, so the shared Wine folder's registry is left alone) and give ALSA a
# configuration of its own (ALSA_CONFIG_PATH), whatever the machine or the user has set up.
#
# Wine keeps a server and its desktop process running for a few seconds after the last
# program of a Wine folder ends, bound to the display it started with: a check that starts
# Xvfb for a real window should first run `wineserver -w` for that folder.

# wine_sound_sink WORK: everything played goes to WORK/sink.raw, raw 16-bit signed
# little-endian stereo at 48000 frames a second (ALSA converts whatever Wine sends). Wine
# writes it ahead of real time, as fast as its mixer runs; a new stream truncates the file.
wine_sound_sink() {
    local work=$1
    mkdir -p "$work"
    cat >"$work/asound.conf" <<CONF
</usr/share/alsa/alsa.conf>
pcm.!default {
    type plug
    slave { pcm "zelvo_sink"; format S16_LE; channels 2; rate 48000 }
}
pcm.zelvo_sink { type file; slave.pcm "null"; file "$work/sink.raw"; format "raw" }
CONF
    : >"$work/sink.raw"
    wine_sound_driver_alsa "$work/asound.conf"
}

# wine_no_sound WORK: ALSA knows no device at all (not even the machine's sound cards), so
# Wine has no sound device, as on a computer without one.
wine_no_sound() {
    local work=$1
    mkdir -p "$work"
    : >"$work/no-sound.conf"
    wine_sound_driver_alsa "$work/no-sound.conf"
}

wine_sound_driver_alsa() {
    export ALSA_CONFIG_PATH=$1
    export WINEDLLOVERRIDES="winepulse.drv=d${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"
    unset PULSE_SERVER
}
