#!/usr/bin/env bash
# The real zelvo.exe's speech outputs and sound device under Wine and a virtual screen.
#
# Usage: windows-outputs.sh ZELVO_EXE SOUNDS_FOLDER FAKE_JAWS_DLL WINE64 WINEPREFIX EVIDENCE
#
# Three runs of the game, each with a player's folder of its own, in a Wine folder of this
# test's own (WINEPREFIX, made on first use), so that the stand-in JAWS registered there is
# seen by no other test:
# - JAWS: the stand-in for the JAWS API (fake-jaws.dll) is registered as
#   "FreedomSci.JawsApi" and the preferences choose output 3. Every message the game says, as
#   its --record gives them ("# say:" lines), must reach JAWS's SayString, in order, word for
#   word, with nothing cut off (the flush flag 0).
# - The voice: no JAWS, output 0. Wine's voice refuses to speak ("not implemented"): the
#   debug log must name that once, however many messages follow; Tab must still reach output
#   1, where the title follows the keys word for word, and Tab to output 3 must fall back to
#   the voice with "Jaws does not seem to be responding, Sapi on.", which the preferences
#   then record as output 0.
# - No sound device: ALSA given none, the game must say so in the system's message box, its
#   title and large letters in its window, and in debuglog.txt, and end with status 0 when
#   Enter closes the box.
# Sound goes to a file (tests/smoke/wine-sound.sh), never to the machine's sound card. The
# pictures are kept in EVIDENCE/last; on a failure, the whole run is kept beside them.
set -euo pipefail
set +m

SELF=$(readlink -f "${BASH_SOURCE[0]}")
readonly SELF
readonly WELCOME_TEXT="Welcome to Zelvo, version 1.1, by Tarvik.  Main menu."
readonly NO_JAWS_TEXT="Jaws does not seem to be responding, Sapi on."
readonly NO_SOUND_TEXT="Zelvo could not open a sound device: no sound device was found (DirectSound lists none).  Check that your sound server is running and that a sound card or headphones are connected, then start Zelvo again."

die() {
    printf 'windows-outputs: %s\n' "$*" >&2
    exit 1
}

now_ms() { date +%s%3N; }

here=$(dirname "$SELF")
# shellcheck source=private-session.sh
. "$here/private-session.sh"
# shellcheck source=window-picture.sh
. "$here/window-picture.sh"
# shellcheck source=wine-sound.sh
. "$here/wine-sound.sh"
# shellcheck source=wine-game.sh
. "$here/wine-game.sh"

wine=
wineserver=
wineprefix=

# ---------------------------------------------------------------------------------------
# Outside the virtual screen.

outer() {
    [ $# -eq 6 ] || die "usage: $0 ZELVO_EXE SOUNDS FAKE_JAWS_DLL WINE64 WINEPREFIX EVIDENCE"
    local zelvo=$1 sounds=$2 jaws=$3 evidence=$6 tool
    wine=$4
    wineserver=$(dirname "$wine")/wineserver
    wineprefix=$(realpath -m "$5")
    export WINEPREFIX=$wineprefix WINEDEBUG=-all LC_ALL=C.UTF-8 ZELVO_WINE64=$wine
    [ -x "$wine" ] || die "no wine64 at $wine (scripts/install-deps --windows)"
    [ -f "$zelvo" ] || die "no program at $zelvo"
    [ -f "$jaws" ] || die "no JAWS stand-in at $jaws"
    [ -d "$sounds" ] || die "no sounds folder at $sounds (make windows copies it)"
    for tool in xvfb-run xdotool import timeout; do
        command -v "$tool" >/dev/null || die "$tool is not installed (scripts/install-deps --windows)"
    done

    work=$(mktemp -d "${TMPDIR:-/tmp}/zelvo-win-outputs.XXXXXX")
    xvfb_pid=
    trap outer_cleanup EXIT
    trap 'exit 129' HUP
    trap 'exit 130' INT
    trap 'exit 143' TERM
    mkdir -p "$work/program"
    cp "$zelvo" "$work/program/zelvo.exe"
    cp -r "$sounds" "$work/program/sounds"
    # The stand-in is registered before the screen exists; the Wine server that did it is
    # waited out, so that the game's own starts on the virtual screen.
    "$here/windows-fake-jaws.sh" register "$wineprefix" "$jaws" >/dev/null
    wait_wineserver

    local status=0
    timeout -k 5 200 xvfb-run -a -s "-screen 0 1024x768x24" \
        "$SELF" --under-x "$work" "$wine" "$jaws" "$wineprefix" &
    xvfb_pid=$!
    wait "$xvfb_pid" || status=$?
    xvfb_pid=
    "$here/windows-fake-jaws.sh" unregister "$wineprefix" "$jaws" >/dev/null || true

    keep_evidence "$evidence" "$status" "Windows outputs" program
}

# ---------------------------------------------------------------------------------------
# Under the virtual screen.

failures=0
work=
game_pid=
game_dir=
run=

skip() { fail "$*"; }
# What the game has told the player so far in this run, from its recording: by the voice
# ("say"), the title or the screen reader, whichever output was chosen at the time; with
# HOW, only what went that way.
said() {
    local how=${1:-say|title|screen reader}
    [ -f "$run/session.keys" ] || return 0
    tr -d '\r' <"$run/session.keys" | sed -En "s/^# ($how): //p"
}
said_count() { said | wc -l; }
last_said() { said | tail -n 1; }

# Starts the game in the run's folder RUN (its player's folder is RUN/player), recording.
start_game() {
    run=$1
    mkdir -p "$run/player"
    (cd "$work/program" && exec "$wine" zelvo.exe --dir "$(winpath "$run/player")" \
        --record "$(winpath "$run/session.keys")") >"$run/game.log" 2>&1 </dev/null &
    game_pid=$!
}

# Prints the game's window once it is there and has said its welcome; empty after 60 s.
find_window() {
    local start w
    start=$(now_ms)
    while (($(now_ms) - start < 60000)) && game_alive; do
        if [ "$(said_count)" -ge 1 ]; then
            for w in $(xdotool search --onlyvisible --class '^zelvo\.exe$' 2>/dev/null || true); do
                echo "$w"
                return 0
            done
        fi
        sleep 0.1
    done
}

# Sends KEY and waits until the game has said one more thing.
press() {
    local win=$1 key=$2 before start
    before=$(said_count)
    xdotool key --window "$win" "$key" || fail "xdotool could not send $key"
    start=$(now_ms)
    while (($(now_ms) - start < 5000)); do
        [ "$(said_count)" -gt "$before" ] && return 0
        sleep 0.05
    done
    fail "$key: the game said nothing within 5 s"
    return 1
}

# Enter on "Exit the game": "Good bye.", then the program ends with status 0.
exit_game() {
    local win=$1 what=$2
    [ "$(last_said)" = "Exit the game" ] || { fail "$what: not on Exit the game but \"$(last_said)\""; return 1; }
    xdotool key --window "$win" Return || true
    check_end 0 "$what: Exit the game" "$run/game.log" || return 1
    if [ "$(last_said)" = "Good bye." ]; then
        ok "$what: Exit said \"Good bye.\""
    else
        fail "$what: Exit said \"$(last_said)\", not \"Good bye.\""
    fi
}

run_jaws() {
    echo "-- output 3 with JAWS"
    local dir=$work/jaws win
    mkdir -p "$dir/player"
    printf ' 3 \r\n 2 \r\n' >"$dir/player/progress.ini"
    : >"$dir/jaws.txt"
    : >"$dir/flush.txt"
    ZELVO_FAKE_JAWS_LOG=$(winpath "$dir/jaws.txt") ZELVO_FAKE_JAWS_FLUSH_LOG=$(winpath "$dir/flush.txt") \
        start_game "$dir"
    win=$(find_window)
    [ -n "$win" ] || { fail "jaws: no window within 60 s"; return 1; }
    local key
    for key in Down Down z x Up Up; do press "$win" "$key" || return 1; done
    exit_game "$win" jaws || return 1
    local spoken
    spoken=$(tr -d '\r' <"$dir/jaws.txt")
    if [ "$spoken" = "$(said 'screen reader')" ] && [ "$(said)" = "$spoken" ] && [ "$(head -n 1 <<<"$spoken")" = "$WELCOME_TEXT" ]; then
        ok "jaws: JAWS received every message the game said, in order, word for word ($(wc -l <<<"$spoken") messages, the welcome and \"$(sed -n 4p <<<"$spoken")\" among them)"
    else
        fail "jaws: JAWS received other texts than the game said:$(diff <(said) <(echo "$spoken") | sed 's/^/ | /')"
    fi
    if [ -s "$dir/flush.txt" ] && ! grep -qv '^0' "$dir/flush.txt"; then
        ok "jaws: no message cut off the one before (flush flag 0 each time)"
    else
        fail "jaws: SayString's flush flags were $(tr '\n' ' ' <"$dir/flush.txt")"
    fi
}

run_voice() {
    echo "-- output 0, Wine's voice, then Tab"
    # No JAWS for this run or the next.
    "$here/windows-fake-jaws.sh" unregister "$wineprefix" "$jaws_dll" >/dev/null || true
    local dir=$work/voice win log
    mkdir -p "$dir/player"
    printf ' 0 \r\n 2 \r\n' >"$dir/player/progress.ini"
    start_game "$dir"
    win=$(find_window)
    [ -n "$win" ] || { fail "voice: no window within 60 s"; return 1; }
    local key
    for key in Down Down z x c; do press "$win" "$key" || return 1; done
    log=$dir/player/debuglog.txt
    local speaks
    speaks=$(grep -c '^error in sayit: the SAPI voice could not speak: ' "$log" 2>/dev/null || true)
    if [ "$speaks" = 1 ]; then
        ok "voice: six messages, and the voice's refusal logged once: $(grep -m1 'could not speak' "$log" | tr -d '\r')"
    else
        fail "voice: the voice's refusal is logged $speaks times in debuglog.txt"
    fi
    # Tab: output 1, the title.
    xdotool key --window "$win" Tab || fail "xdotool could not send Tab"
    sleep 0.5
    press "$win" Down || return 1
    if await_title "$win" "$(last_said)" 5000; then
        ok "voice: Tab reached output 1, and the title follows: \"$(last_said)\""
    else
        fail "voice: after Tab and Down the title is \"$(title_of "$win")\", not \"$(last_said)\""
    fi
    # Tab, Tab: output 2, then 3, which without JAWS or a screen reader falls back.
    xdotool key --window "$win" Tab || fail "xdotool could not send Tab"
    press "$win" Tab || return 1
    if [ "$(last_said)" = "$NO_JAWS_TEXT" ] && await_title "$win" "Tarvik's Zelvo (v1.1)" 5000; then
        ok "voice: Tab to output 3 without a screen reader said \"$NO_JAWS_TEXT\" and gave the title back"
    else
        fail "voice: Tab to output 3 said \"$(last_said)\" with the title \"$(title_of "$win")\""
    fi
    if head -n 1 "$dir/player/progress.ini" | grep -q '^ 0 '; then
        ok "voice: the preferences record output 0"
    else
        fail "voice: the preferences record $(head -n 1 "$dir/player/progress.ini")"
    fi
    # Up wraps from the first item to the last, Exit the game.
    local n=0
    while [ "$(last_said)" != "Exit the game" ] && ((n++ < 15)); do press "$win" Up || return 1; done
    exit_game "$win" voice || return 1
    speaks=$(grep -c '^error in sayit: the SAPI voice could not speak: ' "$log" 2>/dev/null || true)
    [ "$speaks" = 1 ] || fail "voice: by the end the voice's refusal is logged $speaks times"
}

run_no_sound() {
    echo "-- no sound device"
    local dir=$work/no-sound
    mkdir -p "$dir/player"
    # The last run: ALSA is left with no device from here on.
    wine_no_sound "$dir/alsa"
    start_game "$dir"
    find_message_box "$dir/game.log" "Zelvo could not open a sound device: " || return 1
    if [ "$message" = "$NO_SOUND_TEXT" ]; then
        ok "no sound: the system's box opened, and the window's title is the message"
    else
        fail "no sound: the message is \"$message\", not \"$NO_SOUND_TEXT\""
    fi
    # The whole screen, the box over the window, for whoever looks at the evidence.
    timeout 10 import -window root "$work/no-sound-screen.png" 2>/dev/null || true
    game_dir=$work
    check_large_white "$message_window" 3 no-sound-device
    if grep -qxF "$NO_SOUND_TEXT" <(tr -d '\r' <"$dir/player/debuglog.txt" 2>/dev/null); then
        ok "no sound: debuglog.txt holds the message"
    else
        fail "no sound: debuglog.txt does not hold the message"
    fi
    xdotool key --window "$message_box" Return 2>/dev/null || true
    check_end 0 "no sound: Enter on the box" "$dir/game.log"
}

inner() {
    work=$1
    wine=$2
    jaws_dll=$3
    wineprefix=$4
    wineserver=$(dirname "$wine")/wineserver
    trap end_game_and_wine EXIT
    trap 'exit 129' HUP
    trap 'exit 130' INT
    trap 'exit 143' TERM
    # The first two runs play into a file, never the machine's sound card.
    wine_sound_sink "$work/sink"
    run_jaws || true
    end_game_and_wine
    run_voice || true
    end_game_and_wine
    run_no_sound || true
    [ "$failures" -eq 0 ]
}

if [ "${1:-}" = "--under-x" ]; then
    shift
    inner "$@"
else
    outer "$@"
fi
