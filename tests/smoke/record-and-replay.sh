#!/usr/bin/env bash
# Records a session of the real game under a virtual screen and replays the recording with
# zelvo-headless: the replay must say what the player heard, line for line.
#
# Usage: record-and-replay.sh ZELVO ZELVO_HEADLESS SOUNDS_FOLDER [EVIDENCE_FOLDER]
#
# The game runs with `--record`, its keys come from xdotool (menus, a typed name with a
# correction, the global keys, Tab through every speech output, three days of play, quitting
# with Shift+Enter, Exit), its sound goes to SDL's disk driver and its voice to a private
# speech-dispatcher whose log keeps every text it receives. The recording must then replay
# in zelvo-headless, in a fresh folder (the game's folder held an earlier session's
# preferences, which the recording carries), to exactly the texts the game handed to its voice
# and its window title, and the texts the replay says at the chosen moments must be the ones speech-dispatcher
# received from the real game (money in words there). On failure the session and logs are
# kept in EVIDENCE_FOLDER.
set -euo pipefail
set +m

SELF=$(readlink -f "${BASH_SOURCE[0]}")
readonly SELF

die() {
    printf 'record-and-replay: %s\n' "$*" >&2
    exit 1
}

now_ms() { date +%s%3N; }

# shellcheck source=private-session.sh
. "$(dirname "$SELF")/private-session.sh"

# ---------------------------------------------------------------------------------------
# Outside the virtual screen.

outer_cleanup() {
    if [ -n "${xvfb_pid:-}" ] && kill -0 "$xvfb_pid" 2>/dev/null; then
        kill -TERM "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    if [ -n "${work:-}" ] && [ -d "$work" ]; then
        [ -d "$work/game/run" ] && stop_speech_daemon "$work/game/run"
        rm -rf "$work"
    fi
}

outer() {
    [ $# -eq 3 ] || [ $# -eq 4 ] || die "usage: $0 ZELVO ZELVO_HEADLESS SOUNDS_FOLDER [EVIDENCE_FOLDER]"
    local zelvo=$1 headless=$2 sounds=$3 tool
    [ -x "$zelvo" ] || die "no executable at $zelvo"
    [ -x "$headless" ] || die "no executable at $headless"
    [ -d "$sounds" ] || die "no sounds folder at $sounds"
    local evidence=${4:-$(dirname "$(readlink -f "$zelvo")")/record-failed}
    for tool in xvfb-run xdotool timeout setsid; do
        command -v "$tool" >/dev/null || die "$tool is not installed"
    done

    work=$(mktemp -d "${TMPDIR:-/tmp}/zelvo-record.XXXXXX")
    xvfb_pid=
    trap outer_cleanup EXIT
    trap 'exit 129' HUP
    trap 'exit 130' INT
    trap 'exit 143' TERM

    mkdir -p "$work/program"
    cp "$zelvo" "$work/program/zelvo"
    cp "$headless" "$work/program/zelvo-headless"
    cp -r "$sounds" "$work/program/sounds"
    private_session "$work"

    local status=0
    timeout -k 5 100 xvfb-run -a -s "-screen 0 1024x768x24" "$SELF" --under-x "$work" &
    xvfb_pid=$!
    wait "$xvfb_pid" || status=$?
    xvfb_pid=

    if [ "$status" -ne 0 ]; then
        [ "$status" -eq 124 ] && echo "FAIL the checks did not finish within 100 s"
        local keep
        mkdir -p "$evidence" || die "cannot make $evidence to keep the evidence in"
        keep=$(mktemp -d "$evidence/$(date +%Y%m%d-%H%M%S).XXXX")
        cp -r "$work/game" "$keep/" 2>/dev/null || true
        cp "$work"/*.txt "$keep/" 2>/dev/null || true
        echo "the session, its replay and the logs are kept in $keep"
        echo "record-and-replay FAILED after ${SECONDS}s"
        exit 1
    fi
    echo "record-and-replay passed in ${SECONDS}s"
}

# ---------------------------------------------------------------------------------------
# Under the virtual screen.

failures=0
game_pid=

inner_cleanup() {
    if [ -n "$game_pid" ]; then
        kill -KILL -- "-$game_pid" 2>/dev/null || true
        wait "$game_pid" 2>/dev/null || true
    fi
    stop_speech_daemon "$work/game/run"
}

game_alive() { [ -n "$game_pid" ] && kill -0 "$game_pid" 2>/dev/null; }

# Waits up to LIMIT_MS for FILE to hold the line LINE.
await_line() {
    local file=$1 line=$2 limit_ms=$3 start
    start=$(now_ms)
    while (($(now_ms) - start < limit_ms)); do
        grep -qxF -- "$line" "$file" 2>/dev/null && return 0
        game_alive || return 1
        sleep 0.05
    done
    return 1
}

# Sends each key to the window, a little apart, as a player would press them.
keys() {
    local key
    for key in "$@"; do
        xdotool key --window "$win" "$key" || fail "xdotool could not send $key"
        sleep 0.35
    done
}

inner() {
    work=$1
    trap inner_cleanup EXIT
    local game=$work/game session=$work/session.txt
    mkdir -p "$game/files"
    mkdir -m 700 "$game/run"
    # An earlier session's preferences (another store's name, on Hard): the recording carries
    # them, or its replay in an empty folder would name the store otherwise.
    printf ' 0 \r\n 2 \r\nBea Stone\r\nBea'"'"'s Goods\r\n 3 \r\n' >"$game/files/progress.ini"
    # speech-dispatcher is started first, so that on a busy machine it is not still
    # starting when the game gives up waiting for it and lets espeak-ng speak instead.
    if [ -x /usr/bin/speech-dispatcher ]; then
        # Its pid file named on its command line lets the clean-up know it for ours.
        mkdir -p "$game/run/speech-dispatcher/pid"
        XDG_RUNTIME_DIR="$game/run" setsid speech-dispatcher --spawn \
            --pid-file "$game/run/speech-dispatcher/pid/speech-dispatcher.pid" \
            >/dev/null 2>&1 </dev/null || true
        local waited=0
        until [ -S "$game/run/speech-dispatcher/speechd.sock" ] || ((waited++ > 300)); do
            sleep 0.1
        done
    fi
    env XDG_RUNTIME_DIR="$game/run" SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$game/audio.raw" \
        setsid "$work/program/zelvo" --dir "$game/files" --record "$session" \
        >"$game/output.log" 2>&1 </dev/null &
    game_pid=$!

    local start
    start=$(now_ms)
    win=
    while [ -z "$win" ] && (($(now_ms) - start < 15000)) && game_alive; do
        # The welcome is in the recording once the game has started and the window is
        # the one that stays.
        if grep -qF "# say: Welcome to Zelvo" "$session" 2>/dev/null; then
            win=$(xdotool search --class '^zelvo$' 2>/dev/null | head -n 1 || true)
        fi
        [ -n "$win" ] || sleep 0.1
    done
    if [ -z "$win" ]; then
        fail "the game did not start recording within 15 s"
        sed 's/^/     | /' "$game/output.log" | tail -n 15
        return 1
    fi
    ok "the game started and writes its recording"
    # Until speech-dispatcher answers, espeak-ng speaks for it; the texts checked below must
    # all go to speech-dispatcher, so the keys wait for it.
    local speechd=0
    if [ -x /usr/bin/speech-dispatcher ]; then
        start=$(now_ms)
        while (($(now_ms) - start < 20000)) && game_alive; do
            if grep -qF "Welcome to Zelvo" "$game/run/speech-dispatcher/log/speech-dispatcher.log" \
                2>/dev/null || grep -qF "speech-dispatcher answered" "$game/output.log"; then
                speechd=1
                break
            fi
            sleep 0.1
        done
        [ "$speechd" -eq 1 ] || echo "skip speech-dispatcher did not answer; espeak-ng spoke instead"
    fi

    # New game, Setup; the name box: "Anb", Backspace, "a", Enter gives "Ana".
    keys Return Return Down Return
    sleep 0.3
    xdotool type --window "$win" --delay 150 "Anb"
    keys BackSpace
    xdotool type --window "$win" --delay 150 "a"
    keys Return
    await_line "$session" "answer Ana" 3000 || fail "the typed name is not in the recording"
    # Begin game, the global keys, every output and back, three days, then quit and exit.
    keys Up Return z x c Tab Tab Tab Next Prior bracketright bracketleft space
    sleep 2.6
    keys space Down Down Escape Down shift+Return
    # The game ends on this Return's key-down, so its window may be gone before xdotool
    # sends the key-up (X's BadWindow): whether the key arrived, the game's end tells.
    xdotool key --window "$win" Return 2>"$work/last-key.txt" || true
    local i
    for ((i = 0; i < 60; i++)); do
        game_alive || break
        sleep 0.1
    done
    if game_alive; then
        fail "the game did not end after Exit the game"
        [ -s "$work/last-key.txt" ] && sed 's/^/     xdotool: /' "$work/last-key.txt"
        return 1
    fi
    local status=0
    wait "$game_pid" || status=$?
    game_pid=
    [ "$status" -eq 0 ] || fail "the game ended with status $status"
    ok "the game ended; the recording holds $(grep -cv '^#' "$session") commands"

    mkdir "$work/replay"
    if ! "$work/program/zelvo-headless" --dir "$work/replay" "$session" >"$work/replay.txt" \
        2>"$work/replay-errors.txt"; then
        fail "zelvo-headless could not replay the recording: $(cat "$work/replay-errors.txt")"
        return 1
    fi
    grep -E '^# (say|title|message): ' "$session" | sed 's/^# //' >"$work/heard.txt" || true
    grep -E '^(say|title|message): ' "$work/replay.txt" >"$work/replayed.txt" || true
    if cmp -s "$work/heard.txt" "$work/replayed.txt"; then
        ok "the replay tells the $(wc -l <"$work/heard.txt") texts the player was told, in order"
    else
        fail "the replay says other texts than the player heard:"
        diff "$work/heard.txt" "$work/replayed.txt" | head -n 20 | sed 's/^/     /'
    fi

    # What the replay says at these moments must be what speech-dispatcher got from the
    # real game; the texts come from the replay, so a replay that went astray fails here.
    local log=$game/run/speech-dispatcher/log/speech-dispatcher.log text voiced
    if [ ! -x /usr/bin/speech-dispatcher ]; then
        echo "skip speech-dispatcher is not installed"
    elif [ "$speechd" -eq 0 ]; then
        :  # said above
    else
        for pattern in '^say: Name set to ' '^say: Bea.s Goods has \$' '^say: Your credit rating ' \
            '^say: Jaws does not seem' '^say: Good bye\.$'; do
            text=$(grep -m 1 -e "$pattern" "$work/replay.txt" | sed 's/^say: //' || true)
            # The voice is given money in words ("50,000 dollars" for "$50,000.00"); the
            # cash this session hears is whole dollars, more than one.
            voiced=$(sed -E 's/\$([0-9][0-9,]*)\.00/\1 dollars/g' <<<"$text")
            if [ -z "$text" ]; then
                fail "the replay never says a line like /$pattern/"
            elif grep -qF -- "$voiced" "$log" 2>/dev/null; then
                ok "speech-dispatcher received \"$voiced\""
            else
                fail "speech-dispatcher never received \"$voiced\""
            fi
            if [ "$voiced" != "$text" ] && grep -qF -- "$text" "$log" 2>/dev/null; then
                fail "speech-dispatcher was given the amount as the game writes it: \"$text\""
            fi
        done
    fi
    [ "$failures" -eq 0 ]
}

if [ "${1:-}" = "--under-x" ]; then
    shift
    inner "$@"
else
    outer "$@"
fi
