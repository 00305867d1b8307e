#!/usr/bin/env bash
# Runs the real zelvo.exe under Wine and a virtual screen: its window, its keys and its title.
#
# Usage: windows-window.sh ZELVO_EXE ZELVO_HEADLESS_EXE WINE_RUN WINESERVER WINEPREFIX
#                          SOUNDS_FOLDER EVIDENCE_FOLDER
#
# A copy of the program and its sounds goes to a temporary folder, with a player's folder
# of its own (--dir) whose preferences choose output 1, the window title. xdotool finds the
# window and presses the keys of a short game: the Load game box (typing, Backspace, F2,
# Down, Escape), the About text, the Setup menu, Begin game, the Store menu's first items,
# Z, the Escape menu, quitting with Shift+Enter and Exit. After each key the title must be,
# word for word, what zelvo-headless gives for the same keys from the same seed and year
# (the game's --record names them), or in the box what it echoes of the typing. Pictures of the
# window at the start and on a store screen must show large white letters on black; Exit
# must say "Good bye." and end the program with status 0. Wine's sound goes to a file
# (wine-sound.sh), so no sound card is touched. The pictures
# are kept in EVIDENCE_FOLDER/last; on a failure, the whole run is kept beside them. A
# second run names a player's folder that cannot be made, which the system's message box
# must tell, the window too in large letters, before the program ends with status 1.
set -euo pipefail
set +m

SELF=$(readlink -f "${BASH_SOURCE[0]}")
readonly SELF
readonly WELCOME_TEXT="Welcome to Zelvo, version 1.1, by Tarvik.  Main menu."
readonly GOODBYE_TEXT="Good bye."
# The steps, one a line: what xdotool sends (a key, or "type:" and text), what the headless
# runner is given for it (its lines joined by ";"), and whose title the window must then
# carry: the runner's last (empty), the runner's last before its box opened ("prompt") or
# before the box answered ("choice"), or the text after "=" (the box's own echo of what was
# typed, which the runner cannot type). The box is Load game's: a folder without saves
# offers none, which Down says; Escape cancels it as an empty answer does. "days" is Space,
# about four days, and Space again; from then on the runner replays the game's recording.
readonly STEPS=(
    "Down|Down|"
    "Down|Down|"
    "Down|Down|"
    "Return|browse Down;Enter|prompt"
    "type:a||=a"
    "type:b||=b"
    "F2||=ab"
    "BackSpace||=b"
    "F2||=a"
    "Down||choice"
    "Escape||"
    "Up|Up|"
    "Return|Enter|"
    "Escape|Escape|"
    "Return|Enter|"
    "Return|Enter|"
    "Down|Down|"
    "Down|Down|"
    "z|Z|"
    "days||"
    "Escape|Escape|"
    "Down|Down|"
    "Return|Enter|"
    "shift+Return|Shift+Enter|"
)
# After which steps the box and the store screen (the store's summary) are pictured.
readonly BOX_STEP=7
readonly STORE_SCREEN_STEP=17

die() {
    printf 'windows-window: %s\n' "$*" >&2
    exit 1
}

now_ms() { date +%s%3N; }

# shellcheck source=private-session.sh
. "$(dirname "$SELF")/private-session.sh"
# shellcheck source=window-picture.sh
. "$(dirname "$SELF")/window-picture.sh"
# shellcheck source=wine-game.sh
. "$(dirname "$SELF")/wine-game.sh"
# shellcheck source=wine-sound.sh
. "$(dirname "$SELF")/wine-sound.sh"

wineserver=
wineprefix=

# ---------------------------------------------------------------------------------------
# Outside the virtual screen.

outer() {
    [ $# -eq 7 ] ||
        die "usage: $0 ZELVO_EXE ZELVO_HEADLESS_EXE WINE_RUN WINESERVER WINEPREFIX SOUNDS EVIDENCE"
    local zelvo=$1 headless=$2 wine_run=$3 sounds=$6 evidence=$7 tool
    wineserver=$4
    wineprefix=$(realpath -m "$5")
    command -v "$wineserver" >/dev/null || die "no wineserver at $wineserver (scripts/install-deps --windows)"
    [ -f "$zelvo" ] || die "no program at $zelvo"
    [ -f "$headless" ] || die "no headless runner at $headless"
    [ -x "$wine_run" ] || die "no Wine launcher at $wine_run"
    [ -d "$sounds" ] || die "no sounds folder at $sounds (make windows copies it)"
    # Everything the checks need is there, or the test fails: nothing is skipped.
    for tool in xvfb-run xdotool import timeout; do
        command -v "$tool" >/dev/null || die "$tool is not installed (scripts/install-deps --windows)"
    done
    image_convert >/dev/null || die "ImageMagick's convert is not installed (scripts/install-deps --windows)"

    work=$(mktemp -d "${TMPDIR:-/tmp}/zelvo-win-smoke.XXXXXX")
    xvfb_pid=
    trap outer_cleanup EXIT
    trap 'exit 129' HUP
    trap 'exit 130' INT
    trap 'exit 143' TERM
    mkdir -p "$work/program" "$work/player" "$work/runs"
    cp "$zelvo" "$work/program/zelvo.exe"
    cp "$headless" "$work/program/zelvo-headless.exe"
    cp -r "$sounds" "$work/program/sounds"
    # Output 1, the window title, at rate 2 (numbers with a blank each side, CR LF ends).
    printf ' 1 \r\n 2 \r\n' >"$work/player/progress.ini"
    cp "$work/player/progress.ini" "$work/progress.ini"
    # The Wine folder is made (or found), and its server, which has no screen, waited out.
    "$wine_run" cmd.exe /c exit 0 >/dev/null 2>&1 </dev/null || true
    wait_wineserver
    # The game's sound goes to a file, never to the machine's sound card.
    wine_sound_sink "$work/sink"
    local status=0
    timeout -k 5 200 xvfb-run -a -s "-screen 0 1024x768x24" \
        "$SELF" --under-x "$work" "$(readlink -f "$wine_run")" "$wineserver" "$wineprefix" &
    xvfb_pid=$!
    wait "$xvfb_pid" || status=$?
    xvfb_pid=

    keep_evidence "$evidence" "$status" "Windows window" program sink
}

# ---------------------------------------------------------------------------------------
# Under the virtual screen.

failures=0
work=
wine_run=
# Once days have run, the recording up to then (and how many steps it holds) stands in for
# the runner lines of those steps: the days' firings are only known from it.
played=
played_steps=0
game_dir=
game_pid=

# What the smoke tests on Linux may leave unchecked, this one may not.
skip() { fail "$*"; }

# The title zelvo-headless gives after the runner lines of the first N steps (MODE as in
# STEPS), from the seed and year of the recording, in a folder of its own holding the same
# preferences.
expected_title() {
    local n=$1 mode=$2 seed=$3 year=$4 dir=$work/runs/$1 i lines
    mkdir -p "$dir"
    if [ -n "$played" ]; then
        # The session as the game recorded it, files and days included, replays alone.
        cp "$played" "$dir/keys.txt"
    else
        cp "$work/progress.ini" "$dir/"
        : >"$dir/keys.txt"
    fi
    for ((i = played_steps; i < n; i++)); do
        IFS='|' read -r _ lines _ <<<"${STEPS[i]}"
        [ -n "$lines" ] && tr ';' '\n' <<<"$lines" >>"$dir/keys.txt"
    done
    (cd "$work/program" && "$wine_run" zelvo-headless.exe --dir "$(winpath "$dir")" \
        --seed "$seed" --year "$year" "$(winpath "$dir/keys.txt")") >"$dir/output.txt" 2>&1 || true
    tr -d '\r' <"$dir/output.txt" | awk -v mode="$mode" '
        /^title: / { last = substr($0, 8) }
        /^prompt: / && mode == "prompt" { before = last }
        /^answer: / && mode == "choice" { before = last }
        END { print (mode == "" ? last : before) }'
}

# Pictures the window WIN as NAME.png in the work folder and checks its letters.
picture() {
    local win=$1 name=$2 lines=$3
    game_dir=$work
    check_large_white "$win" "$lines" "$name"
}

inner() {
    work=$1
    wine_run=$2
    wineserver=$3
    wineprefix=$4
    trap end_game_and_wine EXIT
    trap 'exit 129' HUP
    trap 'exit 130' INT
    trap 'exit 143' TERM
    run_game || true
    run_unusable_folder || true
    [ "$failures" -eq 0 ]
}

# Space in a store menu, about four days of the day clock, Space again: the recording must
# hold three or more firings between the two, and from now on stands for the steps so far.
run_days() {
    local win=$1 recording=$2 steps=$3 before after
    before=$(grep -c '^tick' "$recording" || true)
    xdotool key --window "$win" space || fail "xdotool could not send Space"
    sleep 3.2
    xdotool key --window "$win" space || fail "xdotool could not send Space"
    sleep 0.5
    after=$(grep -c '^tick' "$recording" || true)
    if ((after - before >= 3)); then
        ok "days: Space started the day clock and $((after - before)) days fell due before Space stopped it"
    else
        fail "days: $((after - before)) firings of the day clock in 3.2 s after Space; 4 were due"
        return 1
    fi
    played=$work/played.keys
    cp "$recording" "$played"
    played_steps=$steps
}

# The game played from the start to Exit.
run_game() {
    echo "-- a game, on output 1"
    local recording=$work/session.keys
    (cd "$work/program" && exec "$wine_run" zelvo.exe --dir "$(winpath "$work/player")" \
        --record "$(winpath "$recording")") >"$work/game.log" 2>&1 </dev/null &
    game_pid=$!

    # The window of the program's class (beside Wine's hidden ones) that shows the welcome.
    local win="" start w
    start=$(now_ms)
    while [ -z "$win" ] && (($(now_ms) - start < 60000)) && game_alive; do
        for w in $(xdotool search --onlyvisible --class '^zelvo\.exe$' 2>/dev/null || true); do
            [ "$(title_of "$w")" = "$WELCOME_TEXT" ] && win=$w
        done
        sleep 0.1
    done
    if [ -z "$win" ]; then
        fail "start: no window titled \"$WELCOME_TEXT\" within 60 s (title: \"$(title_of "${win:-0}")\")"
        show_log "$work/game.log"
        return 1
    fi
    ok "start: the window opened with the welcome in its title"
    picture "$win" start 2

    local first seed year
    first=$(head -n 1 "$recording" 2>/dev/null | tr -d '\r' || true)
    if [[ "$first" =~ ^"# Zelvo recording: --seed "([0-9]+)" --year "([0-9]+)$ ]]; then
        seed=${BASH_REMATCH[1]}
        year=${BASH_REMATCH[2]}
    else
        fail "recording: its first line names no seed and year: \"$first\""
        return 1
    fi

    local i send lines mode want got
    for i in "${!STEPS[@]}"; do
        IFS='|' read -r send lines mode <<<"${STEPS[i]}"
        if [ "$send" = days ]; then
            run_days "$win" "$recording" $((i + 1)) || return 1
        fi
        if [[ "$mode" == =* ]]; then
            want=${mode#=}
        else
            want=$(expected_title $((i + 1)) "$mode" "$seed" "$year")
        fi
        if [ -z "$want" ]; then
            fail "runner: zelvo-headless gave no title for step $((i + 1)) (see runs/$((i + 1)))"
            return 1
        fi
        if [ "$send" = days ]; then
            :
        elif [[ "$send" == type:* ]]; then
            xdotool type --window "$win" "${send#type:}" || fail "xdotool could not type ${send#type:}"
        else
            xdotool key --window "$win" "$send" || fail "xdotool could not send $send"
        fi
        if await_title "$win" "$want" 5000; then
            ok "step $((i + 1)) $send: the title is \"$want\""
        else
            got=$(title_of "$win")
            fail "step $((i + 1)) $send: the title is \"$got\", not \"$want\""
            show_log "$work/game.log"
            return 1
        fi
        [ $((i + 1)) -eq "$BOX_STEP" ] && picture "$win" text-entry-box 2
        [ $((i + 1)) -eq "$STORE_SCREEN_STEP" ] && picture "$win" store-screen 2
    done

    # Quitting leaves the Main menu on its last item, which Enter chooses.
    if [ "$(title_of "$win")" != "Exit the game" ]; then
        fail "quit: the Main menu is not on \"Exit the game\" but \"$(title_of "$win")\""
        return 1
    fi
    xdotool key --window "$win" Return || true
    if await_title "$win" "$GOODBYE_TEXT" 5000; then
        ok "exit: the title said \"$GOODBYE_TEXT\""
    else
        fail "exit: the title never said \"$GOODBYE_TEXT\""
    fi
    check_end 0 "exit: Exit the game" "$work/game.log"
    if [ -f "$work/player/progress.ini" ] && [ ! -e "$work/program/progress.ini" ]; then
        ok "files: the player's files stayed in the player's folder"
    else
        fail "files: progress.ini is not where --dir put the player's files"
    fi
}

# A player's folder that cannot be made: the system's message box says why, the window
# shows it large behind the box and carries it in its title, and Enter ends the program
# with status 1.
run_unusable_folder() {
    echo "-- a player's folder that cannot be made"
    : >"$work/in-the-way"
    (cd "$work/program" && exec "$wine_run" zelvo.exe --dir "$(winpath "$work/in-the-way")") \
        >"$work/no-folder.log" 2>&1 </dev/null &
    game_pid=$!
    find_message_box "$work/no-folder.log" "Zelvo cannot start: " || return 1
    ok "message: the window's title is the message, and the system's box shows it: $message"
    picture "$message_window" message 3
    xdotool key --window "$message_box" Return 2>/dev/null || true
    check_end 1 "message: Enter on the box" "$work/no-folder.log"
}

if [ "${1:-}" = "--under-x" ]; then
    shift
    inner "$@"
else
    outer "$@"
fi
