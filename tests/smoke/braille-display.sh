#!/usr/bin/env bash
# Runs the real game under a virtual screen with a real BRLTTY and a braille display of 20
# cells, and checks what the display shows.
#
# Usage: braille-display.sh ZELVO_EXECUTABLE [EVIDENCE_FOLDER]
#
# BRLTTY runs with its virtual driver (vr), whose display is virtual-braille-display.py on
# a unix socket: it records every window BRLTTY shows and sends the display's keys. BRLTTY
# reads no configuration of the machine's, keeps its files in a temporary folder and
# serves BrlAPI on a free port of 127.0.0.1 without a key; the game finds it there through
# BRLAPI_HOST and BRLAPI_AUTH, and nothing else on the machine knows of it. Started by
# root, BRLTTY runs as nobody, so it loads no kernel module and opens no device.
#
# The player Tabs to output 2 (title and braille) and moves through the Main menu: each
# item is on the display. The first help text of the About menu is longer than the display:
# its first piece is shown, and the display's keys that pan right, left, to the end and to
# the start step through its pieces, while the game's own keys still reach the game. Then
# BRLTTY ends under the running game, which must go on and end cleanly. On failure the
# logs are kept in EVIDENCE_FOLDER (by default braille-failed beside the executable).
set -euo pipefail
# Background jobs stay in this shell's process group, so each pid kept is the process's own.
set +m

readonly CELLS=20
readonly NOBODY=65534
# The first help text of the About menu, in the pieces of a display of 20 cells.
readonly HELP_FIRST="Zelvo is a store"
readonly HELP_SECOND="managing game which"
readonly HELP_THIRD="focuses on spotting"
readonly HELP_LAST="come work for you!"
# The question of Load game.
readonly LOAD_FIRST="Enter the file name"
readonly LOAD_SECOND="to load, or leave"
readonly LOAD_LAST="blank to cancel."

SELF=$(readlink -f "${BASH_SOURCE[0]}")
readonly SELF
HERE=$(dirname "$SELF")
readonly HERE

die() {
    printf 'braille-display: %s\n' "$*" >&2
    exit 1
}

now_ms() { date +%s%3N; }

# shellcheck source=private-session.sh
. "$HERE/private-session.sh"

# ---------------------------------------------------------------------------------------
# Outside the virtual screen.

outer_cleanup() {
    if [ -n "${xvfb_pid:-}" ] && kill -0 "$xvfb_pid" 2>/dev/null; then
        kill -TERM "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    if [ -n "${work:-}" ] && [ -d "$work" ]; then
        stop_speech_daemon "$work/game/run"
        stop_by_pidfile "$work/brltty/brltty.pid" "$work/brltty"
        rm -rf "$work"
    fi
}

outer() {
    [ $# -eq 1 ] || [ $# -eq 2 ] || die "usage: $0 ZELVO_EXECUTABLE [EVIDENCE_FOLDER]"
    local zelvo=$1 tool brltty
    [ -x "$zelvo" ] || die "no executable at $zelvo"
    zelvo=$(readlink -f "$zelvo")
    local evidence=${2:-$(dirname "$zelvo")/braille-failed}
    for tool in xvfb-run xdotool python3 timeout setsid setpriv; do
        command -v "$tool" >/dev/null || die "$tool is not installed"
    done
    # Not on a user's PATH as a rule.
    brltty=$(PATH=$PATH:/usr/sbin:/sbin command -v brltty) ||
        die "brltty is not installed (scripts/install-deps installs it)"

    work=$(mktemp -d "${TMPDIR:-/tmp}/zelvo-braille.XXXXXX")
    xvfb_pid=
    trap outer_cleanup EXIT
    trap 'exit 129' HUP
    trap 'exit 130' INT
    trap 'exit 143' TERM

    private_session "$work"
    mkdir -p "$work/brltty" "$work/game/files"
    mkdir -m 700 "$work/game/run"
    if [ "$(id -u)" -eq 0 ]; then
        # BRLTTY, run as nobody, reaches its own folder and the display's socket only.
        chmod 711 "$work"
        chown "$NOBODY:$NOBODY" "$work/brltty"
    fi
    unset BRLAPI_HOST BRLAPI_AUTH
    export LC_ALL=C.UTF-8

    local status=0
    timeout -k 5 90 xvfb-run -a -s "-screen 0 1024x768x24" \
        "$SELF" --under-x "$work" "$zelvo" "$brltty" &
    xvfb_pid=$!
    wait "$xvfb_pid" || status=$?
    xvfb_pid=

    if [ "$status" -ne 0 ]; then
        [ "$status" -eq 124 ] && echo "FAIL the checks did not finish within 90 s"
        local keep
        mkdir -p "$evidence" || die "cannot make $evidence to keep the evidence in"
        keep=$(mktemp -d "$evidence/$(date +%Y%m%d-%H%M%S).XXXX")
        cp -r "$work/brltty" "$keep/" 2>/dev/null || true
        cp "$work/game/output.log" "$work/game/files/debuglog.txt" "$keep/" 2>/dev/null || true
        echo "BRLTTY's log, the windows the display showed and the game's logs are kept in $keep"
        echo "braille smoke test FAILED after ${SECONDS}s"
        exit 1
    fi
    echo "braille smoke test passed in ${SECONDS}s"
}

# ---------------------------------------------------------------------------------------
# Under the virtual screen.

failures=0
game_pid=
display_pid=
brltty_pid=
win=
shown=

inner_cleanup() {
    if [ -n "$game_pid" ]; then
        kill -KILL -- "-$game_pid" 2>/dev/null || true
        wait "$game_pid" 2>/dev/null || true
    fi
    stop_speech_daemon "$work/game/run"
    local pid
    for pid in "$brltty_pid" "$display_pid"; do
        [ -n "$pid" ] || continue
        kill -TERM "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
}

alive() { [ -n "$1" ] && kill -0 "$1" 2>/dev/null; }

# The windows the display has shown, the text of the last one, and the count.
shown_count() { wc -l 2>/dev/null <"$shown" || echo 0; }
last_text() { tail -n 1 "$shown" 2>/dev/null | cut -f 1; }

# Waits up to LIMIT_MS for the display to show TEXT in a window after the first MARK ones.
await_shown() {
    local text=$1 mark=$2 limit_ms=$3 start
    start=$(now_ms)
    while (($(now_ms) - start < limit_ms)); do
        if [ "$(shown_count)" -gt "$mark" ] && [ "$(last_text)" = "$text" ]; then
            return 0
        fi
        sleep 0.05
    done
    return 1
}

# Presses KEY on the game's window (or types the text after "type:"), then checks that the
# display shows TEXT and, unless TITLE is "-", that the window's title is TITLE.
key_shows() {
    local key=$1 text=$2 title=$3 mark
    mark=$(shown_count)
    if [ "${key#type:}" != "$key" ]; then
        xdotool type --window "$win" --delay 150 "${key#type:}" ||
            fail "xdotool could not type ${key#type:}"
    else
        xdotool key --window "$win" "$key" || fail "xdotool could not send $key"
    fi
    if await_shown "$text" "$mark" 4000; then
        ok "game key $key: the display shows \"$text\""
    else
        fail "game key $key: the display shows \"$(last_text)\", not \"$text\""
    fi
    [ "$title" = - ] && return 0
    local now
    now=$(xdotool getwindowname "$win" 2>/dev/null || true)
    [ "$now" = "$title" ] || fail "game key $key: the window title is \"$now\", not \"$title\""
}

# Sends the display's key KEY to BRLTTY and checks that the display then shows TEXT.
pan_shows() {
    local key=$1 text=$2 mark
    mark=$(shown_count)
    # A display that has died no longer reads the FIFO, and opening it would wait for ever.
    if ! timeout 2 sh -c 'printf "%s\n" "$1" >"$2"' - "$key" "$work/brltty/keys"; then
        fail "display key $key: the display is no longer there to send it"
        return
    fi
    if await_shown "$text" "$mark" 4000; then
        ok "display key $key: the display shows \"$text\""
    else
        fail "display key $key: the display shows \"$(last_text)\", not \"$text\""
    fi
}

# A free port on 127.0.0.1 above BrlAPI's first, 4101.
free_port() {
    python3 -c 'import socket
s = socket.socket()
s.bind(("127.0.0.1", 0))
print(s.getsockname()[1])'
}

start_brltty() {
    local folder=$work/brltty brltty=$1 port start
    shown=$folder/shown.txt
    [ -p "$folder/keys" ] || mkfifo "$folder/keys"
    # A display that has served BRLTTY once leaves its socket behind.
    rm -f "$folder/display.sock"
    python3 "$HERE/virtual-braille-display.py" "$folder/display.sock" "$CELLS" \
        "$folder/keys" "$shown" 2>>"$folder/display.log" &
    display_pid=$!
    start=$(now_ms)
    until [ -S "$folder/display.sock" ] || (($(now_ms) - start > 5000)); do sleep 0.05; done

    if [ -z "${brlapi_host:-}" ]; then
        port=$(free_port)
        [ "$port" -gt 4101 ] || port=$(free_port)
        brlapi_host=127.0.0.1:$((port - 4101))
    fi
    local as=() mark
    mark=$(shown_count)
    [ "$(id -u)" -eq 0 ] && as=(setpriv --reuid="$NOBODY" --regid="$NOBODY" --clear-groups)
    # -f /dev/null: none of the machine's settings; -F, -W, -U, -P: its files stay in the
    # folder; no screen of its own and no speech.
    "${as[@]}" "$brltty" -n -e -q -l info -f /dev/null -F "$folder/preferences" \
        -W "$folder" -U "$folder" -P "$folder/brltty.pid" -b vr -d "client:$folder/display.sock" \
        -x no -s no -t en-nabcc -A "host=$brlapi_host,auth=none" \
        >>"$folder/brltty.log" 2>&1 </dev/null &
    brltty_pid=$!

    # BRLTTY's first window, its own, says that its driver reached the display.
    start=$(now_ms)
    until [ "$(shown_count)" -gt "$mark" ] || (($(now_ms) - start > 10000)); do
        alive "$brltty_pid" || break
        sleep 0.05
    done
    if [ "$(shown_count)" -gt "$mark" ]; then
        ok "BRLTTY's virtual driver reached the display of $CELLS cells (BrlAPI on $brlapi_host)"
        return 0
    fi
    fail "BRLTTY's virtual driver never showed a window on the display"
    tail -n 15 "$folder/brltty.log" | sed 's/^/     | /'
    return 1
}

start_game() {
    local zelvo=$1 game=$work/game start
    # Started first and waited for, so that the keys below do not race the voice's start.
    if [ -x /usr/bin/speech-dispatcher ]; then
        mkdir -p "$game/run/speech-dispatcher/pid"
        XDG_RUNTIME_DIR="$game/run" setsid speech-dispatcher --spawn \
            --pid-file "$game/run/speech-dispatcher/pid/speech-dispatcher.pid" \
            >/dev/null 2>&1 </dev/null || true
        start=$(now_ms)
        until [ -S "$game/run/speech-dispatcher/speechd.sock" ] || (($(now_ms) - start > 30000)); do
            sleep 0.1
        done
    fi
    env XDG_RUNTIME_DIR="$game/run" BRLAPI_HOST="$brlapi_host" BRLAPI_AUTH=none \
        SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$game/audio.raw" \
        setsid "$zelvo" --dir "$game/files" >"$game/output.log" 2>&1 </dev/null &
    game_pid=$!
    start=$(now_ms)
    while [ -z "$win" ] && (($(now_ms) - start < 15000)) && alive "$game_pid"; do
        win=$(xdotool search --class '^zelvo$' 2>/dev/null | head -n 1 || true)
        [ -n "$win" ] || sleep 0.05
    done
    # Keys wait for the sound device: until it is open the window may still change.
    while [ ! -s "$game/audio.raw" ] && (($(now_ms) - start < 15000)) && alive "$game_pid"; do
        sleep 0.05
    done
    win=$(xdotool search --class '^zelvo$' 2>/dev/null | head -n 1 || true)
    if [ -n "$win" ] && alive "$game_pid"; then
        ok "the game's window is up"
        return 0
    fi
    fail "no game window within 15 s"
    tail -n 15 "$game/output.log" | sed 's/^/     | /'
    return 1
}

inner() {
    work=$1
    local zelvo=$2 brltty=$3
    trap inner_cleanup EXIT
    start_brltty "$brltty" || return 1
    start_game "$zelvo" || return 1

    # Output 2 is two Tabs away; from then on every message reaches the display too.
    local mark
    mark=$(shown_count)
    local tab
    for tab in 1 2; do
        xdotool key --window "$win" Tab || fail "xdotool could not send Tab"
        sleep 0.3
    done
    [ "$(shown_count)" -eq "$mark" ] ||
        fail "the display changed before output 2 was chosen: \"$(last_text)\""
    key_shows Down "New game" "New game"
    key_shows Down "About the game" "About the game"

    # A message longer than the display, a piece at a time.
    key_shows Return "$HELP_FIRST" -
    local help
    help=$(xdotool getwindowname "$win" 2>/dev/null || true)
    [ "${help#"$HELP_FIRST"}" != "$help" ] ||
        fail "the window title, \"$help\", does not start with the display's first piece"
    pan_shows FWinRt "$HELP_SECOND"
    pan_shows FWinRt "$HELP_THIRD"
    pan_shows FWinLt "$HELP_SECOND"
    pan_shows Bot "$HELP_LAST"
    [ "${help%"$HELP_LAST"}" != "$help" ] ||
        fail "the window title, \"$help\", does not end with the display's last piece"
    pan_shows Top "$HELP_FIRST"

    # The game's keys are the game's still: Escape leaves the About menu for the Main menu.
    key_shows Escape "New game" "New game"

    # A question longer than the display, in a box that waits for a typed answer: the pan
    # keys read on, and the box still takes the game's keys.
    key_shows Down "About the game" "About the game"
    key_shows Down "Load game" "Load game"
    key_shows Return "$LOAD_FIRST" -
    pan_shows FWinRt "$LOAD_SECOND"
    pan_shows Bot "$LOAD_LAST"
    # A letter beyond ASCII reaches BRLTTY as one character. (xdotool maps it to a spare
    # key first, and the first key it maps may be lost: "a" goes before it.)
    key_shows type:aé "é" -
    key_shows Escape "Canceled." -

    # BRLTTY stops under the game (as on an upgrade of its package): the game goes on.
    kill -TERM "$brltty_pid" 2>/dev/null || true
    wait "$brltty_pid" 2>/dev/null || true
    brltty_pid=
    kill -TERM "$display_pid" 2>/dev/null || true
    wait "$display_pid" 2>/dev/null || true
    display_pid=
    # A game that has died leaves xdotool no window: the check below tells.
    xdotool key --window "$win" Down 2>/dev/null || true
    local gone title status=0
    gone=$(now_ms)
    sleep 0.5
    title=$(xdotool getwindowname "$win" 2>/dev/null || true)
    if ! alive "$game_pid"; then
        wait "$game_pid" || status=$?
        game_pid=
        fail "with BRLTTY gone the next message ended the game (status $status)"
        return 1
    elif [ "$title" = "Customize game items" ]; then
        ok "with BRLTTY gone the game goes on: Down brings \"Customize game items\" to the title"
    else
        fail "with BRLTTY gone the game's title is \"$title\", not \"Customize game items\""
    fi

    # BRLTTY back: the game finds it again, at most a few seconds after its last try.
    start_brltty "$brltty" || return 1
    while (($(now_ms) - gone < 5500)); do sleep 0.1; done
    key_shows Down "Customize AI" "Customize AI opponents"

    kill -TERM "$game_pid" 2>/dev/null || true
    local i
    for ((i = 0; i < 100; i++)); do
        alive "$game_pid" || break
        sleep 0.05
    done
    if alive "$game_pid"; then
        fail "the game was still running 5 s after SIGTERM"
    else
        wait "$game_pid" || status=$?
        game_pid=
        [ "$status" -eq 0 ] && ok "SIGTERM ended the game with status 0" ||
            fail "SIGTERM ended the game with status $status"
    fi

    echo "the windows the display showed (text, then the cells):"
    sed 's/^/     | /' "$shown"
    [ "$failures" -eq 0 ]
}

if [ "${1:-}" = "--under-x" ]; then
    shift
    inner "$@"
else
    outer "$@"
fi
