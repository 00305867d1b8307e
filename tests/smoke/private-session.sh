# Sourced by the smoke tests that run the real game: a desktop session of its own in a
# temporary folder, the ending of the daemons started in it, and the checks' lines.
#
# HOME, the XDG folders and the session bus all point into the folder, so the
# speech-dispatcher the game spawns is a private one that speaks into an ALSA file sink
# and keeps every text it receives in its log: no user daemon, screen reader or sound
# card is touched.

# private_session WORK: makes WORK/home, WORK/config and WORK/tmp and exports the session's
# environment (no display yet: xvfb-run gives one).
private_session() {
    local work=$1
    mkdir -p "$work/home" "$work/config/speech-dispatcher" "$work/tmp"
    cat >"$work/config/speech-dispatcher/speechd.conf" <<'EOF'
AudioOutputMethod "alsa"
AudioALSADevice "spdfile"
LogLevel 5
LogDir "default"
EOF
    cat >"$work/home/.asoundrc" <<EOF
pcm.spdfile { type file; slave.pcm "null"; file "$work/tmp/speech.raw"; format "raw" }
EOF
    export HOME=$work/home
    export XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/tmp/cache XDG_DATA_HOME=$work/tmp/data
    export XDG_RUNTIME_DIR=$work/tmp/run TMPDIR=$work/tmp
    # No session bus: Tab to the screen reader must fall back to the voice.
    export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/tmp/no-session-bus"
    unset SPEECHD_ADDRESS SPEECHD_CMD DISPLAY XAUTHORITY WAYLAND_DISPLAY
    mkdir -m 700 "$XDG_RUNTIME_DIR"
}

# stop_by_pidfile PIDFILE FOLDER: ends the process whose id is in PIDFILE, only if its
# command line names FOLDER, so that a stale pid file never ends someone else's process. A
# daemon can hang once told to quit, hence the KILL after a short wait.
stop_by_pidfile() {
    local pidfile=$1 folder=$2 pid i
    [ -f "$pidfile" ] || return 0
    pid=$(cat "$pidfile" 2>/dev/null || true)
    [[ "$pid" =~ ^[0-9]+$ ]] || return 0
    tr '\0' ' ' 2>/dev/null <"/proc/$pid/cmdline" | grep -qF -- "$folder" || return 0
    kill -TERM "$pid" 2>/dev/null || return 0
    for ((i = 0; i < 20; i++)); do
        # A daemon that ended may linger as a zombie of whoever adopted it.
        [ "$(awk '{print $3}' "/proc/$pid/stat" 2>/dev/null || echo Z)" = Z ] && return 0
        sleep 0.05
    done
    kill -KILL "$pid" 2>/dev/null || true
}

# stop_speech_daemon RUNDIR: ends a speech-dispatcher started with RUNDIR as its
# XDG_RUNTIME_DIR, by the pid file it keeps there.
stop_speech_daemon() {
    stop_by_pidfile "$1/speech-dispatcher/pid/speech-dispatcher.pid" "$1"
}

# ok TEXT, fail TEXT: one line a check; fail counts in `failures`, which the script sets to 0
# before its checks and tests at the end.
ok() { printf 'ok   %s\n' "$*"; }
fail() {
    printf 'FAIL %s\n' "$*"
    failures=$((failures + 1))
}
