#!/usr/bin/env bash
# Checks an installed game: its files are in place, and the game started from its games folder
# finds its sounds and keeps the player's files in the XDG folder, never beside itself.
#
# Usage: check-installed.sh PREFIX [xdg|home]
#        check-installed.sh --install BUILD_FOLDER [xdg|home]
#
# PREFIX is where the game was installed (a `cmake --install` prefix, or the usr/ folder of
# an unpacked package); with --install, the built game is first installed into a temporary
# prefix with `cmake --install`. With xdg (the default) XDG_DATA_HOME names the player's data folder;
# with home it is unset and ~/.local/share is used. The game runs with no screen and no
# sound card (SDL's dummy drivers) and with no speech-dispatcher to spawn, in a temporary
# HOME, so nothing of the person running the check is touched.
set -euo pipefail
set +m

here=$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")
# shellcheck source=report.sh
. "$here/report.sh" check-installed

usage="usage: $0 PREFIX [xdg|home], or $0 --install BUILD_FOLDER [xdg|home]"
build=
if [ "${1:-}" = --install ]; then
    [ $# -ge 2 ] || die "$usage"
    build=$2
    shift 2
fi
[ $# -ge 1 ] || [ -n "$build" ] || die "$usage"
[ -n "$build" ] && prefix= || { prefix=$1 && shift; }
[ $# -le 1 ] || die "$usage"
mode=${1:-xdg}
case "$mode" in xdg | home) ;; *) die "the last argument is xdg or home, not $mode" ;; esac

work=$(mktemp -d "${TMPDIR:-/tmp}/zelvo-installed.XXXXXX")
game_pid=
cleanup() {
    if [ -n "$game_pid" ] && kill -0 "$game_pid" 2>/dev/null; then
        kill -KILL "$game_pid" 2>/dev/null || true
        wait "$game_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

if [ -n "$build" ]; then
    prefix=$work/prefix
    cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 ||
        { cat "$work/install.log"; die "cmake --install $build failed"; }
    ok "cmake --install into a temporary prefix"
fi
prefix=$(readlink -f "$prefix")

# What is installed, and where.
for file in games/zelvo games/zelvo-headless share/zelvo/sounds/game/tick.wav \
    share/zelvo/sounds/menu/enter.wav share/applications/zelvo.desktop \
    share/icons/hicolor/scalable/apps/zelvo.svg share/man/man6/zelvo.6.gz \
    share/man/man6/zelvo-headless.6.gz share/doc/zelvo/copyright; do
    [ -f "$prefix/$file" ] || fail "installed: no $file under $prefix"
done
for program in zelvo zelvo-headless; do
    [ -x "$prefix/games/$program" ] || fail "installed: $program cannot be run"
done
# The launcher names the program by the path it has once installed: PREFIX/games/zelvo, or
# for a package unpacked into a scratch root, that path inside the root.
desktop=$prefix/share/applications/zelvo.desktop
launch=$(sed -n 's/^Exec=//p' "$desktop" 2>/dev/null)
# A path with blanks or other reserved characters is quoted: undo the string's escapes, then
# the quoting's.
if [[ "$launch" == \"*\" ]]; then
    launch=$(sed 's/^"//; s/"$//; s/%%/%/g; s/\\\\/\\/g; s/\\\(.\)/\1/g' <<<"$launch")
fi
root=${prefix%"${launch%/games/zelvo}"}
[[ "$launch" == /*/games/zelvo ]] && [ "$root$launch" -ef "$prefix/games/zelvo" ] &&
    grep -q '^Categories=Game;' "$desktop" ||
    fail "installed: the launcher does not start $prefix/games/zelvo from the Game category (Exec=$launch)"
[[ $'\n'$(gzip -dc "$prefix/share/man/man6/zelvo.6.gz" 2>/dev/null) == *$'\n.TH ZELVO 6'* ]] ||
    fail "installed: zelvo.6.gz is not the manual page"
[ "$failures" -eq 0 ] && ok "installed: programs, sounds, launcher ($launch), icon, manual pages, copyright"

mkdir -p "$work/home" "$work/run"
chmod 700 "$work/run"
export HOME=$work/home XDG_RUNTIME_DIR=$work/run XDG_CONFIG_HOME=$work/home/.config
export XDG_CACHE_HOME=$work/home/.cache TMPDIR=$work
if [ "$mode" = xdg ]; then
    export XDG_DATA_HOME=$work/data
    player=$work/data/zelvo
else
    unset XDG_DATA_HOME
    player=$work/home/.local/share/zelvo
fi
# No screen, no sound card, no session bus, and no speech-dispatcher: the game's voice falls
# back to espeak-ng, which speaks into the dummy sound device.
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-session-bus"
export SPEECHD_ADDRESS="unix_socket:$work/no-speech-dispatcher" SPEECHD_CMD=/bin/false
unset DISPLAY WAYLAND_DISPLAY XAUTHORITY

before=$(cd "$prefix" && find . | sort)

# The real game: its start notes the language in the debug log once it is past the sound
# device and has loaded every sound; then it is told to close, as a window manager would.
"$prefix/games/zelvo" >"$work/zelvo.log" 2>&1 </dev/null &
game_pid=$!
for ((i = 0; i < 300; i++)); do
    grep -qF "Using English." "$player/debuglog.txt" 2>/dev/null && break
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
done
kill -TERM "$game_pid" 2>/dev/null || true
status=0
for ((i = 0; i < 100; i++)); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$game_pid" 2>/dev/null; then
    fail "zelvo: did not end within 10 s of being told to close"
else
    wait "$game_pid" || status=$?
    game_pid=
    [ "$status" -eq 0 ] && ok "zelvo: started and ended cleanly" ||
        fail "zelvo: ended with status $status"
fi

if grep -qF "Using English." "$player/debuglog.txt" 2>/dev/null; then
    ok "zelvo: the player's files are in $player"
else
    fail "zelvo: nothing written to $player"
fi
if grep -q "File is missing" "$player/debuglog.txt" 2>/dev/null; then
    fail "zelvo: sounds not found: $(grep -m 3 "File is missing" "$player/debuglog.txt" | tr -d '\r' | tr '\n' ' ')"
else
    ok "zelvo: every sound found in $prefix/share/zelvo/sounds"
fi

# The installed runner plays a few keys in the folder it is given.
mkdir "$work/headless"
printf 'Down\nUp\n' | "$prefix/games/zelvo-headless" --dir "$work/headless" --seed 1 --year 2026 \
    >"$work/headless.log" 2>&1 || true
if grep -q '^say: Welcome to Zelvo' "$work/headless.log"; then
    ok "zelvo-headless: runs and speaks"
else
    fail "zelvo-headless: no welcome: $(head -c 300 "$work/headless.log")"
fi

after=$(cd "$prefix" && find . | sort)
if [ "$before" = "$after" ]; then
    ok "nothing written in the installed folders"
else
    fail "written in the installed folders: $(diff <(echo "$before") <(echo "$after") | grep '^>' | tr '\n' ' ')"
fi
stray=$(cd "$work" && find home data -type f 2>/dev/null | grep -v "^${player#"$work"/}/" | head -5 || true)
[ -z "$stray" ] && ok "nothing written outside $player" ||
    fail "written outside $player: $(tr '\n' ' ' <<<"$stray")"

if [ "$failures" -ne 0 ]; then
    echo "     the game's output:"
    tail -n 15 "$work/zelvo.log" | sed 's/^/     | /'
    echo "     its debug log:"
    tail -n 15 "$player/debuglog.txt" 2>/dev/null | tr -d '\r' | sed 's/^/     | /'
    echo "installed game check FAILED"
    exit 1
fi
echo "installed game check passed"
