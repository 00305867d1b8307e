#!/usr/bin/env bash
# Runs the real game under a virtual screen and checks its sounds, message box and exit codes.
#
# Usage: run-real-program.sh ZELVO_EXECUTABLE SOUNDS_FOLDER [EVIDENCE_FOLDER]
#
# One copy of the program and its sounds goes to a temporary folder, and each run gets a
# fresh folder of its own for the player's files (--dir), so the check also sees that the
# game writes there and never beside itself. When a check fails, the runs' logs, recordings
# and screenshots are kept in EVIDENCE_FOLDER (by default smoke-failed beside the
# executable). Xvfb gives the game a screen and xdotool its keys; SDL's disk audio driver
# records everything it plays (raw 32-bit float little-endian stereo, the format the game
# mixes in, written at the real-time pace). HOME, the XDG folders and the session bus all
# point into the temporary folder, so the speech-dispatcher the game spawns is a private one
# that speaks into an ALSA file sink: no user daemon, screen reader or sound card is touched.
#
# First run: Enter three times (New game, Setup, Begin game), Space to start the clock,
# about four days, Space again, then SIGTERM. Second run: the speech outputs. A menu item
# reaches speech-dispatcher; Tab to the window title and to title and braille puts the next
# item in the title (no BRLTTY runs, so braille stays silent); Tab to the screen reader,
# with none on the session bus, brings the voice back with its message, which the window
# shows in large white letters, and the preferences keep the voice. Third run: no sound
# device, so the game must show why, with the sound system's reason and what to check, in
# its own window, in large letters, say it through speech-dispatcher, put it in the title
# and in the debug log, and end cleanly once Enter closes the message.
set -euo pipefail
# Background jobs must stay in this shell's process group, or setsid would fork and the
# pid kept for each game would be the wrong one.
set +m

readonly RATE=22050
readonly BYTES_PER_FRAME=8                      # 32-bit float stereo
readonly BYTES_PER_SECOND=$((RATE * BYTES_PER_FRAME))
readonly DAY_MS=750
readonly DAY_SLACK_MS=200   # sounds start on mixer-buffer boundaries, about 46 ms apart
readonly DAYS_WINDOW_S=3.2  # Space to Space: four days fall due, three are required
readonly LEVEL_TOLERANCE_DB=1.0
readonly DAY_VOLUME_DB=-20  # tick and tock play at -2000 hundredths of a decibel
readonly WELCOME_TEXT="Welcome to Zelvo, version 1.1, by Tarvik.  Main menu."
readonly WINDOW_TITLE="Tarvik's Zelvo (v1.1)"
readonly NO_READER_TEXT="Jaws does not seem to be responding, Sapi on."
# The no-sound message, around the sound system's own reason (SDL's words, which vary).
readonly NO_DEVICE_START="Zelvo could not open a sound device: "
readonly NO_DEVICE_END=".  Check that your sound server is running and that a sound card or headphones are connected, then start Zelvo again."

SELF=$(readlink -f "${BASH_SOURCE[0]}")
readonly SELF

die() {
    printf 'run-real-program: %s\n' "$*" >&2
    exit 1
}

now_ms() { date +%s%3N; }

# shellcheck source=private-session.sh
. "$(dirname "$SELF")/private-session.sh"
# shellcheck source=window-picture.sh
. "$(dirname "$SELF")/window-picture.sh"

# ---------------------------------------------------------------------------------------
# Outside the virtual screen: the temporary folder, Xvfb, and what is kept on failure.

outer_cleanup() {
    if [ -n "${xvfb_pid:-}" ] && kill -0 "$xvfb_pid" 2>/dev/null; then
        # timeout passes the signal on to xvfb-run, Xvfb and the checks beneath them.
        kill -TERM "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    if [ -n "${work:-}" ] && [ -d "$work" ]; then
        local rundir
        for rundir in "$work"/*/run; do
            [ -d "$rundir" ] && stop_speech_daemon "$rundir"
        done
        rm -rf "$work"
    fi
}

outer() {
    [ $# -eq 2 ] || [ $# -eq 3 ] || die "usage: $0 ZELVO_EXECUTABLE SOUNDS_FOLDER [EVIDENCE_FOLDER]"
    local zelvo=$1 sounds=$2 tool
    [ -x "$zelvo" ] || die "no executable at $zelvo"
    [ -d "$sounds" ] || die "no sounds folder at $sounds"
    local evidence=${3:-$(dirname "$(readlink -f "$zelvo")")/smoke-failed}
    for tool in xvfb-run xdotool sox timeout setsid; do
        command -v "$tool" >/dev/null || die "$tool is not installed"
    done

    # The runs themselves stay in the temporary folder: speech-dispatcher's socket lives
    # under each run's folder, and a socket's path must be short.
    work=$(mktemp -d "${TMPDIR:-/tmp}/zelvo-smoke.XXXXXX")
    xvfb_pid=
    trap outer_cleanup EXIT
    trap 'exit 129' HUP
    trap 'exit 130' INT
    trap 'exit 143' TERM

    mkdir -p "$work/program"
    cp "$zelvo" "$work/program/zelvo"
    cp -r "$sounds" "$work/program/sounds"
    private_session "$work"

    local status=0
    timeout -k 5 180 xvfb-run -a -s "-screen 0 1024x768x24" \
        "$SELF" --under-x "$work" "$(readlink -f "$sounds")" &
    xvfb_pid=$!
    wait "$xvfb_pid" || status=$?
    xvfb_pid=

    if [ "$status" -ne 0 ]; then
        [ "$status" -eq 124 ] && echo "FAIL the checks did not finish within 180 s"
        # Each run's folder, less the copies of the program and its sounds.
        local keep shot
        mkdir -p "$evidence" || die "cannot make $evidence to keep the evidence in"
        keep=$(mktemp -d "$evidence/$(date +%Y%m%d-%H%M%S).XXXX")
        { tar -C "$work" --exclude=./program --exclude=./home --exclude=./config \
            --exclude=./tmp -cf - . 2>/dev/null ||
            true; } | tar -C "$keep" -xf - 2>/dev/null || true
        while IFS= read -r shot; do
            echo "screenshot kept: $shot"
        done < <(find "$keep" -name '*.png' | sort)
        echo "logs and recordings kept in $keep"
        echo "real-program smoke test FAILED after ${SECONDS}s"
        exit 1
    fi
    echo "real-program smoke test passed in ${SECONDS}s"
}

# ---------------------------------------------------------------------------------------
# Under the virtual screen: the two runs of the game and the checks.

failures=0
work=
reference=
game_dir=
game_pid=
game_status=
game_log=

skip() { printf 'skip %s\n' "$*"; }

show_game_output() {
    [ -s "$game_log" ] || return 0
    echo "     the game's output:"
    tail -n 15 "$game_log" | sed 's/^/     | /'
}

# start_game NAME VAR=VALUE... starts the game with the folder NAME for the player's files
# and a private runtime folder, in a session of its own: the speech modules it spawns go
# with it.
start_game() {
    local name=$1
    shift
    game_dir=$work/$name
    if [ "${keep_game_dir:-}" != "$game_dir" ]; then
        rm -rf "$game_dir"
        mkdir "$game_dir"
        mkdir -m 700 "$game_dir/run"
    fi
    game_log=$game_dir/output.log
    env XDG_RUNTIME_DIR="$game_dir/run" "$@" \
        setsid "$work/program/zelvo" --dir "$game_dir" >"$game_log" 2>&1 </dev/null &
    game_pid=$!
}

# The player's files go to the folder given with --dir, never beside the program. With
# --log, the debug log must be there: a start that gets past the sound device notes its
# language in it.
check_files() {
    local stray
    stray=$(find "$work/program" -mindepth 1 -maxdepth 1 ! -name zelvo ! -name sounds)
    if [ -n "$stray" ]; then
        fail "files: the game wrote beside itself: $(tr '\n' ' ' <<<"$stray")"
    elif [ "${1:-}" != --log ]; then
        ok "files: nothing was written beside the program"
    elif grep -qF "Using English." "$game_dir/debuglog.txt" 2>/dev/null; then
        ok "files: the debug log went to the player's folder, nothing beside the program"
    else
        fail "files: no debuglog.txt with \"Using English.\" in the player's folder"
    fi
}

game_alive() { [ -n "$game_pid" ] && kill -0 "$game_pid" 2>/dev/null; }

# Waits up to SECONDS for the game to end and sets game_status; fails if it does not end.
await_exit() {
    local seconds=$1 i
    for ((i = 0; i < seconds * 20; i++)); do
        if ! game_alive; then
            game_status=0
            wait "$game_pid" || game_status=$?
            return 0
        fi
        sleep 0.05
    done
    return 1
}

# Ends what is left of the current game's session: the game itself if it hangs, a message
# box child, speech modules.
stop_game() {
    [ -n "$game_pid" ] || return 0
    kill -KILL -- "-$game_pid" 2>/dev/null || true
    wait "$game_pid" 2>/dev/null || true
    game_pid=
}

inner_cleanup() {
    stop_game
    local rundir
    for rundir in "$work"/*/run; do
        [ -d "$rundir" ] && stop_speech_daemon "$rundir"
    done
}

# Prints the id of the game's window once it exists (by class: the title changes).
find_main_window() {
    local limit_ms=$1 start w
    start=$(now_ms)
    while (($(now_ms) - start < limit_ms)); do
        game_alive || return 1
        w=$(xdotool search --class '^zelvo$' 2>/dev/null | head -n 1 || true)
        if [ -n "$w" ]; then
            echo "$w"
            return 0
        fi
        sleep 0.05
    done
    return 1
}

# Waits up to LIMIT_MS for the current game's speech-dispatcher to receive TEXT.
await_spoken() {
    local text=$1 limit_ms=$2 start log
    log=$game_dir/run/speech-dispatcher/log/speech-dispatcher.log
    start=$(now_ms)
    while (($(now_ms) - start < limit_ms)); do
        grep -qF -- "$text" "$log" 2>/dev/null && return 0
        sleep 0.1
    done
    return 1
}

have_speech_dispatcher() { [ -x /usr/bin/speech-dispatcher ]; }

screenshot() {
    command -v import >/dev/null || return 0
    import -window root "$game_dir/screen.png" 2>/dev/null || true
}

file_size() { stat -c %s "$1" 2>/dev/null || echo 0; }

# Cuts bytes FROM..TO (whole frames) of the recording into OUT.
cut_audio() {
    local from=$1 to=$2 out=$3
    from=$((from / BYTES_PER_FRAME * BYTES_PER_FRAME))
    to=$((to / BYTES_PER_FRAME * BYTES_PER_FRAME))
    dd if="$game_dir/audio.raw" of="$out" iflag=skip_bytes,count_bytes skip="$from" \
        count="$((to - from))" bs=64K status=none
}

# Peak level of a sound file in dBFS, over all its channels.
# Prints nothing for a file that is missing or unreadable.
peak_db() { { sox "$1" -n stats 2>&1 || true; } | awk '/^Pk lev dB/ {print $4; exit}'; }

# Lists the separate sounds in a stretch of the recording, one line each: onset in ms
# from the stretch's start, then the left and right peaks in dBFS. A sound is a run of
# 10 ms blocks reaching THRESHOLD_DB; 100 ms below it ends the sound.
list_sounds() {
    local raw=$1 threshold_db=$2
    [ -s "$raw" ] || return 0
    sox -t raw -r "$RATE" -e floating-point -b 32 -c 2 -L "$raw" -t dat - |
        awk -v rate="$RATE" -v thr_db="$threshold_db" '
        function db(x) { return x > 0 ? 20 * log(x) / log(10) : -999 }
        function emit() { printf "%d %.2f %.2f\n", onset * block * 1000 / rate, db(L), db(R) }
        function endblock() {
            if ((bl > br ? bl : br) >= thr) {
                if (!sounding) { sounding = 1; onset = b; L = 0; R = 0 }
                if (bl > L) L = bl
                if (br > R) R = br
                quiet = 0
            } else if (sounding && ++quiet >= 10) {
                emit(); sounding = 0
            }
            b++; n = 0; bl = 0; br = 0
        }
        BEGIN { block = 220; thr = exp(thr_db / 20 * log(10)) }
        /^;/ { next }
        {
            l = $2 < 0 ? -$2 : $2; r = $3 < 0 ? -$3 : $3
            if (l > bl) bl = l
            if (r > br) br = r
            if (++n == block) endblock()
        }
        END { if (n) endblock(); if (sounding) emit() }'
}

# Judges the sounds heard between the two presses of Space: the unpause sound at full
# volume, then one tick or tock per day at -20 dB, centred, alternating from a tick, about
# 750 ms apart. A day can bring an accident, which pauses the game with the pause sound at
# full volume; no day may follow it. Prints a line per sound and "problem: ..." lines; the
# last line is "DAYS PAUSED": the days heard, and 1 if the game paused itself.
judge_days() {
    local sounds=$1 window_ms=$2 tick_db tock_db unpause_db pause_db
    tick_db=$(peak_db "$reference/game/tick.wav")
    tock_db=$(peak_db "$reference/game/tock.wav")
    unpause_db=$(peak_db "$reference/game/unpause.wav")
    pause_db=$(peak_db "$reference/game/pause.wav")
    if [ -z "$tick_db" ] || [ -z "$tock_db" ] || [ -z "$unpause_db" ] || [ -z "$pause_db" ]; then
        echo "problem: tick, tock, pause or unpause.wav is missing from $reference/game"
        echo "0 0"
        return
    fi
    awk -v tick="$tick_db" -v tock="$tock_db" -v unpause="$unpause_db" -v pause="$pause_db" \
        -v vol="$DAY_VOLUME_DB" -v tol="$LEVEL_TOLERANCE_DB" -v window="$window_ms" \
        -v period="$DAY_MS" -v slack="$DAY_SLACK_MS" '
        function abs(x) { return x < 0 ? -x : x }
        function centred(what) {
            if (abs(left - right) > tol)
                printf "problem: %s at %d ms is not centred (%.1f dB left, %.1f dB right)\n", what, at, left, right
        }
        function ontime(what) {
            if (abs(at - last - period) > slack)
                printf "problem: %s at %d ms comes %d ms after the sound before it, not about %d ms\n", what, at, at - last, period
        }
        BEGIN {
            tick += vol; tock += vol
            ordered = abs(tick - tock) > 2 * tol   # tick and tock told apart by level
            days = 0; heard = 0; paused = 0
        }
        {
            at = $1; left = $2; right = $3; peak = left > right ? left : right
            if (at > window - 150) {
                printf "     %5d ms  cut off by the end of the recording, not judged\n", at
                next
            }
            heard++
            if (heard == 1) {
                printf "     %5d ms  %6.1f dB  unpause (expected %.1f dB)\n", at, peak, unpause
                if (abs(peak - unpause) > tol)
                    print "problem: the first sound after Space is not the unpause sound at full volume"
                centred("the unpause sound")
                last = at
                next
            }
            if (paused) {
                printf "     %5d ms  %6.1f dB\n", at, peak
                printf "problem: a sound at %d ms, after the game had paused itself\n", at
                next
            }
            if (abs(peak - pause) <= tol && abs(left - right) <= tol && abs(at - last - period) <= slack) {
                # An accident on this day: its tick is drowned by the pause sound.
                printf "     %5d ms  %6.1f dB  pause: the day brought an accident\n", at, peak
                paused = 1
                next
            }
            kind = abs(peak - tick) <= tol ? "tick" : abs(peak - tock) <= tol ? "tock" : "?"
            printf "     %5d ms  %6.1f dB left %6.1f dB right  %s\n", at, left, right, kind
            if (kind == "?") {
                printf "problem: a sound at %d ms peaks at %.1f dB; tick should be %.1f dB, tock %.1f dB\n", at, peak, tick, tock
                next
            }
            days++
            centred("the day sound")
            ontime("the day sound")
            if (ordered && kind != (days % 2 ? "tick" : "tock"))
                printf "problem: day %d plays %s; days alternate tick, tock, starting with tick\n", days, kind
            last = at
        }
        END {
            if (heard == 0) print "problem: nothing was heard after Space"
            if (!ordered) print "note: tick and tock peak alike, so their order is not checked"
            print days, paused
        }' "$sounds"
}

# One game with the clock running: the menus, Space, about four days, Space, SIGTERM.
# Returns 2 when an accident paused the game before three days had passed, so that the
# clock could not be judged.
days_attempt() {
    start_game days SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/days/audio.raw"
    local t0 win
    t0=$(now_ms)
    if ! win=$(find_main_window 15000); then
        if game_alive; then fail "no game window appeared within 15 s"; else fail "the game ended before its window appeared"; fi
        show_game_output
        return 1
    fi
    ok "window: found by its class after $(($(now_ms) - t0)) ms"

    if have_speech_dispatcher; then
        # A speech-dispatcher still starting after half a second leaves the welcome to
        # espeak-ng, and takes over once it answers.
        if await_spoken "$WELCOME_TEXT" 1500; then
            ok "voice: speech-dispatcher received the welcome"
        elif grep -qF "espeak-ng speaks until it does" "$game_log"; then
            local waited=0
            until grep -qF "speech-dispatcher answered" "$game_log" || ((waited++ > 80)); do
                sleep 0.1
            done
            if grep -qF "speech-dispatcher answered" "$game_log"; then
                ok "voice: espeak-ng said the welcome while speech-dispatcher started; it then took over"
            else
                fail "voice: speech-dispatcher never answered after espeak-ng said the welcome"
            fi
        else
            fail "voice: neither speech-dispatcher nor espeak-ng said the welcome"
        fi
    else
        skip "voice: speech-dispatcher is not installed"
    fi

    # Keys wait for the sound device, so that the recording holds their clicks; the window
    # must still be the game's.
    local i=0
    while [ "$(file_size "$game_dir/audio.raw")" -eq 0 ] && ((i++ < 50)); do sleep 0.1; done
    if ! win=$(find_main_window 5000); then
        fail "the game's window went away"
        show_game_output
        return 1
    fi

    # New game, Setup, then Begin game (Enter straight away on a freshly opened Setup).
    local key
    for key in Return Return Return; do
        xdotool key --window "$win" "$key" || fail "xdotool could not send $key"
        sleep 0.3
    done
    sleep 0.5

    local before after t_start t_end
    before=$(file_size "$game_dir/audio.raw")
    t_start=$(now_ms)
    xdotool key --window "$win" space || fail "xdotool could not send Space"
    sleep "$DAYS_WINDOW_S"
    after=$(file_size "$game_dir/audio.raw")
    t_end=$(now_ms)
    xdotool key --window "$win" space || fail "xdotool could not send Space"
    sleep 0.3
    screenshot

    kill -TERM "$game_pid" 2>/dev/null || true
    if await_exit 5; then
        if [ "$game_status" -eq 0 ]; then
            ok "exit: SIGTERM ended the game with status 0"
        else
            fail "exit: SIGTERM ended the game with status $game_status"
            show_game_output
        fi
    else
        fail "exit: the game was still running 5 s after SIGTERM"
        show_game_output
    fi
    stop_game
    stop_speech_daemon "$game_dir/run"
    check_files --log

    # The recording up to the first Space holds the menu clicks; the stretch between the
    # two presses holds the days.
    local floor_db threshold_db menu_sounds
    floor_db=$(awk -v a="$(peak_db "$reference/game/tick.wav")" -v b="$(peak_db "$reference/game/tock.wav")" \
        'BEGIN { print (a < b ? a : b) }')
    threshold_db=$(awk -v f="${floor_db:--40}" -v v="$DAY_VOLUME_DB" 'BEGIN { print f + v - 12 }')
    cut_audio 0 "$before" "$game_dir/menus.raw"
    menu_sounds=$(list_sounds "$game_dir/menus.raw" "$threshold_db" | wc -l)
    if [ "$menu_sounds" -ge 2 ]; then
        ok "sound: $menu_sounds menu clicks were played while Enter was pressed"
    else
        fail "sound: $menu_sounds sounds before Space, expected the clicks of two Enter presses (did the keys reach the game?)"
    fi

    local bytes wall_ms ratio
    bytes=$((after - before))
    wall_ms=$((t_end - t_start))
    ratio=$(awk -v b="$bytes" -v ms="$wall_ms" -v bps="$BYTES_PER_SECOND" 'BEGIN { printf "%.2f", b / (ms * bps / 1000) }')
    if awk -v r="$ratio" 'BEGIN { exit !(r >= 0.7 && r <= 1.2) }'; then
        ok "recording: $bytes bytes in $wall_ms ms, ${ratio}x the real-time pace of $RATE Hz stereo"
    else
        fail "recording: $bytes bytes in $wall_ms ms is ${ratio}x the pace of $RATE Hz float stereo; the analysis below assumes it"
    fi

    cut_audio "$before" "$after" "$game_dir/days.raw"
    list_sounds "$game_dir/days.raw" "$threshold_db" >"$game_dir/days-sounds.txt"
    local window_ms verdict last days paused problems
    window_ms=$((bytes * 1000 / BYTES_PER_SECOND))
    verdict=$(judge_days "$game_dir/days-sounds.txt" "$window_ms")
    last=$(tail -n 1 <<<"$verdict")
    read -r days paused <<<"$last"
    [[ "${days:-}" =~ ^[0-9]+$ ]] || days=0
    [[ "${paused:-}" =~ ^[01]$ ]] || paused=0
    problems=$(grep -c '^problem:' <<<"$verdict" || true)
    if [ "$problems" -eq 0 ] && [ "$days" -ge 3 ]; then
        ok "days: unpause, then $days days ticking and tocking at $DAY_VOLUME_DB dB, centred, about $DAY_MS ms apart"
        grep '^note:' <<<"$verdict" | sed 's/^/     /' || true
        return 0
    fi
    if [ "$problems" -eq 0 ] && [ "$paused" -eq 1 ]; then
        echo "     an accident paused the game after $days day(s); the clock cannot be judged from this game"
        return 2
    fi
    fail "days: the sounds after Space are not those of a running clock:"
    [ "$days" -ge 3 ] || echo "     only $days day sounds in the ${window_ms} ms after Space; at least 3 were due"
    sed '$d' <<<"$verdict"
    return 1
}

# The first run, again with a new game when an accident (about one day in a hundred)
# paused the last one too early.
run_days() {
    local attempt result
    for attempt in 1 2 3; do
        if [ "$attempt" -eq 1 ]; then
            echo "-- a game with the day clock running"
        else
            echo "-- a game with the day clock running, again (attempt $attempt)"
        fi
        result=0
        days_attempt || result=$?
        [ "$result" -eq 2 ] || return 0
    done
    fail "days: an accident paused the game within three days in each of 3 games"
}

# Sends KEY to the window WIN, and gives the game a moment to take it.
press() {
    xdotool key --window "$1" "$2" || fail "xdotool could not send $2"
    sleep 0.3
}

# The second run: the speech outputs, switched with Tab as a player would.
run_outputs() {
    echo "-- the speech outputs"
    # This run is about where each message goes, not about how the game bridges a slow
    # start of speech-dispatcher (the first run checks that), so speech-dispatcher is
    # started first, where the game will look for it, and waited for.
    game_dir=$work/outputs
    rm -rf "$game_dir"
    mkdir "$game_dir"
    mkdir -m 700 "$game_dir/run"
    if have_speech_dispatcher; then
        local started log=$game_dir/run/speech-dispatcher/log/speech-dispatcher.log
        # The socket named in full, as the game's own spawn names it, so that the clean-up
        # knows the daemon by its command line.
        XDG_RUNTIME_DIR="$game_dir/run" setsid speech-dispatcher --spawn \
            --socket-path "$game_dir/run/speech-dispatcher/speechd.sock" \
            >"$game_dir/speechd-start.log" 2>&1 </dev/null || true
        started=$(now_ms)
        until grep -qF "waiting for clients" "$log" 2>/dev/null || (($(now_ms) - started > 30000)); do
            sleep 0.1
        done
        grep -qF "waiting for clients" "$log" 2>/dev/null ||
            fail "voice: speech-dispatcher was not ready 30 s after it was started"
    fi
    keep_game_dir=$game_dir
    start_game outputs SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/outputs/audio.raw"
    keep_game_dir=
    local win i=0
    if ! win=$(find_main_window 15000); then
        fail "no game window appeared within 15 s"
        show_game_output
        return
    fi
    # Keys wait for the sound device, and the window must still be the game's.
    while [ "$(file_size "$game_dir/audio.raw")" -eq 0 ] && ((i++ < 50)); do sleep 0.1; done
    if ! win=$(find_main_window 5000); then
        fail "the game's window went away"
        show_game_output
        return
    fi

    # Output 0, the voice: the welcome, then the first item of the Main menu.
    if have_speech_dispatcher; then
        if await_spoken "$WELCOME_TEXT" 8000; then
            ok "voice: speech-dispatcher received the welcome"
        else
            fail "voice: speech-dispatcher never received the welcome"
            show_game_output
        fi
    fi
    press "$win" Down
    if ! have_speech_dispatcher; then
        skip "voice: speech-dispatcher is not installed"
    elif await_spoken "New game" 8000; then
        ok "voice: speech-dispatcher received the menu item \"New game\""
    else
        fail "voice: speech-dispatcher never received the menu item \"New game\""
    fi

    # Outputs 1 and 2 put each message in the title; output 2 writes to a braille display
    # too, which is quietly absent here.
    local output item
    for output in "1 About the game" "2 Load game"; do
        item=${output#* }
        press "$win" Tab
        press "$win" Down
        if await_title "$win" "$item" 3000; then
            ok "title: with output ${output%% *} the next item, \"$item\", is the window title"
        else
            fail "title: with output ${output%% *} the title is \"$(xdotool getwindowname "$win" 2>/dev/null || true)\", not \"$item\""
            show_game_output
        fi
    done

    # Output 3 with no screen reader on the session bus: the voice comes back and says so.
    press "$win" Tab
    if await_title "$win" "$WINDOW_TITLE" 3000; then
        ok "title: with no screen reader the title is the game's own again"
    else
        fail "title: after Tab to the screen reader the title is \"$(xdotool getwindowname "$win" 2>/dev/null || true)\""
    fi
    if ! have_speech_dispatcher; then
        skip "voice: speech-dispatcher is not installed"
    elif await_spoken "$NO_READER_TEXT" 8000; then
        ok "voice: speech-dispatcher received \"$NO_READER_TEXT\""
    else
        fail "voice: speech-dispatcher never received \"$NO_READER_TEXT\""
    fi
    local chosen
    chosen=$(head -n 1 "$game_dir/progress.ini" 2>/dev/null | tr -d ' \r' || true)
    if [ "$chosen" = 0 ]; then
        ok "preferences: progress.ini keeps output 0, the voice"
    else
        fail "preferences: progress.ini holds output \"$chosen\", not 0"
    fi
    # "Jaws does not seem to be responding, Sapi" and "on.", whose letters are short.
    check_large_white "$win" 1 "last message"

    kill -TERM "$game_pid" 2>/dev/null || true
    if await_exit 5 && [ "$game_status" -eq 0 ]; then
        ok "exit: SIGTERM ended the game with status 0"
    else
        fail "exit: the game did not end with status 0 after SIGTERM"
        show_game_output
    fi
    stop_game
    stop_speech_daemon "$game_dir/run"
    check_files
}

# The third run: no sound device. The game shows why in its own window and says it, and
# ends once Enter closes the message.
run_no_device() {
    echo "-- no sound device"
    start_game no-device SDL_AUDIODRIVER=no-such-driver
    local win
    if ! win=$(find_main_window 15000); then
        fail "no game window appeared within 15 s"
        show_game_output
        return
    fi
    # The message goes to the debug log before the box opens; the log gives the exact text
    # (with SDL's reason) that the title and speech-dispatcher must carry too.
    local message="" i
    for ((i = 0; i < 100; i++)); do
        message=$(grep -aF -- "$NO_DEVICE_START" "$game_dir/debuglog.txt" 2>/dev/null |
            tail -n 1 | tr -d '\r' || true)
        [ -n "$message" ] && break
        sleep 0.1
    done
    if [[ "$message" == "$NO_DEVICE_START"?*"$NO_DEVICE_END" ]]; then
        ok "message: the debug log in the player's folder holds it: $message"
    else
        fail "message: the debug log holds no line \"$NO_DEVICE_START...$NO_DEVICE_END\" (it has: \"$message\")"
        show_game_output
        message=$NO_DEVICE_START
    fi
    if await_title "$win" "$message" 10000; then
        ok "message: the window title carries it"
    else
        fail "message: the window title is \"$(xdotool getwindowname "$win" 2>/dev/null || true)\", not the message"
        show_game_output
    fi
    if have_speech_dispatcher; then
        if await_spoken "$message" 8000; then
            ok "message: speech-dispatcher received it"
        else
            fail "message: speech-dispatcher never received it"
        fi
    else
        skip "message: speech-dispatcher is not installed"
    fi

    check_large_white "$win" 3 "message"

    # The box closes on the key-down and the game ends, so its window may be gone before
    # xdotool sends the key-up (X's BadWindow): whether Enter arrived, the game's end tells.
    xdotool key --window "$win" Return 2>"$game_dir/last-key.txt" || true
    if await_exit 5; then
        if [ "$game_status" -eq 0 ]; then
            ok "exit: Enter closed the message and the game ended with status 0"
        else
            fail "exit: the game ended with status $game_status after the message was closed"
            show_game_output
        fi
    else
        fail "exit: the game was still running 5 s after Enter on its message"
        [ -s "$game_dir/last-key.txt" ] && sed 's/^/     xdotool: /' "$game_dir/last-key.txt"
        show_game_output
    fi
    stop_game
    stop_speech_daemon "$game_dir/run"
    check_files
}

# WORK is the temporary folder; REFERENCE the sounds folder the game's copy was made from,
# whose files give the levels the recording is held to.
inner() {
    work=$1
    reference=$2
    trap inner_cleanup EXIT
    trap 'exit 129' HUP
    trap 'exit 130' INT
    trap 'exit 143' TERM
    run_days
    run_outputs
    run_no_device
    [ "$failures" -eq 0 ]
}

if [ "${1:-}" = "--under-x" ]; then
    shift
    inner "$@"
else
    outer "$@"
fi
