# Sourced by the smoke tests that run the real zelvo.exe under Wine on a virtual screen.
# Needs now_ms, ok and fail (private-session.sh) and title_of (window-picture.sh); uses
# `wineserver` and `wineprefix` (the Wine folder's server and the folder), `work` (the
# test's temporary folder), `xvfb_pid` and `game_pid`, which the sourcing script sets.

# A Linux path as Wine's drive Z: names it.
winpath() { printf 'Z:%s' "${1//\//\\}"; }

# Waits for the Wine folder's server to end, its programs with it. Wine's desktop belongs
# to its server, which outlives a program by a few seconds, bound to the screen it started
# on: a server started without a screen would refuse the next game its window.
wait_wineserver() {
    WINEPREFIX=$wineprefix timeout 60 "$wineserver" -w 2>/dev/null || true
}

game_alive() { [ -n "$game_pid" ] && kill -0 "$game_pid" 2>/dev/null; }

# Ends a game still running, and then the server, while the screen is still there, so
# that the next run's Wine starts afresh on its own screen or none.
end_game_and_wine() {
    if game_alive; then
        kill -KILL "$game_pid" 2>/dev/null || true
        wait "$game_pid" 2>/dev/null || true
    fi
    game_pid=
    wait_wineserver
}

# The traps of the part outside the screen: the screen goes, and the temporary folder.
outer_cleanup() {
    if [ -n "${xvfb_pid:-}" ] && kill -0 "$xvfb_pid" 2>/dev/null; then
        kill -TERM "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    [ -n "${work:-}" ] && [ -d "$work" ] && rm -rf "$work"
}

# show_log LOG [LINES]: the end of a game's output, under a check that failed.
show_log() {
    [ -s "$1" ] || return 0
    echo "     the game's output:"
    grep -av XGetInputFocus "$1" | tail -n "${2:-15}" | sed 's/^/     | /'
}

# check_end STATUS WHAT [LOG]: the program must end within 10 s of WHAT, with STATUS; on a
# failure the end of LOG, the game's output, is shown.
check_end() {
    local want=$1 what=$2 log=${3:-} status=0 waited=0
    while game_alive && ((waited++ < 200)); do sleep 0.05; done
    if game_alive; then
        fail "$what: the program was still running 10 s later"
        return 1
    fi
    wait "$game_pid" || status=$?
    game_pid=
    if [ "$status" -eq "$want" ]; then
        ok "$what: the program ended with status $status"
    else
        fail "$what: the program ended with status $status, not $want"
        show_log "$log"
        return 1
    fi
}

# find_message_box LOG PREFIX: waits up to 60 s for the game's message that starts with
# PREFIX, which it writes to standard error (LOG) word for word before its box opens, then
# for the window titled with it and the system's box, titled Zelvo. Sets `message`,
# `message_window` and `message_box`; fails when one of them is not there.
find_message_box() {
    local log=$1 prefix=$2 start w
    message="" message_window="" message_box=""
    start=$(now_ms)
    # The game's window is titled Zelvo too until it takes the message as its title, just
    # before the box opens: all three are looked for afresh until all are there.
    while { [ -z "$message_window" ] || [ -z "$message_box" ]; } &&
        (($(now_ms) - start < 60000)) && game_alive; do
        message=$(tr -d '\r' <"$log" 2>/dev/null | awk -v p="$prefix" 'index($0, p) == 1 { print; exit }')
        message_window="" message_box=""
        for w in $(xdotool search --onlyvisible --class '^zelvo\.exe$' 2>/dev/null || true); do
            if [ -n "$message" ] && [ "$(title_of "$w")" = "$message" ]; then
                message_window=$w
            elif [ "$(title_of "$w")" = Zelvo ]; then
                message_box=$w
            fi
        done
        sleep 0.1
    done
    if [ -z "$message" ] || [ -z "$message_window" ] || [ -z "$message_box" ]; then
        local ended="" status=0
        if ! game_alive; then
            wait "$game_pid" || status=$?
            ended=", and the program ended with status $status"
        fi
        fail "no window titled with the message (\"${message:-none written}\") and no box titled Zelvo within 60 s$ended"
        show_log "$log" 5
        return 1
    fi
}

# keep_evidence EVIDENCE STATUS NAME [EXCLUDED...]: the run's pictures go to EVIDENCE/last;
# after a failure (STATUS not 0) the whole run too, but for the EXCLUDED folders of `work`,
# into a folder of its own beside them. Says how the test NAME ended, and ends the script.
keep_evidence() {
    local evidence=$1 status=$2 name=$3 keep folder excluded=()
    shift 3
    for folder in "$@"; do excluded+=("--exclude=./$folder"); done
    mkdir -p "$evidence" || die "cannot make $evidence"
    rm -rf "$evidence/last"
    mkdir -p "$evidence/last"
    cp "$work"/*.png "$evidence/last/" 2>/dev/null || true
    if [ "$status" -ne 0 ]; then
        [ "$status" -eq 124 ] && echo "FAIL the checks did not finish in time"
        keep=$(mktemp -d "$evidence/$(date +%Y%m%d-%H%M%S).XXXX")
        tar -C "$work" "${excluded[@]}" -cf - . 2>/dev/null | tar -C "$keep" -xf - 2>/dev/null || true
        echo "the run is kept in $keep"
        echo "$name smoke test FAILED after ${SECONDS}s"
        exit 1
    fi
    echo "pictures kept in $evidence/last"
    echo "$name smoke test passed in ${SECONDS}s"
}
