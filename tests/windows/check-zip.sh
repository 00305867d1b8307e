#!/usr/bin/env bash
# The Windows download: check-zip.sh SOURCE BUILD-WINDOWS
# Makes the zip from the build as `make windows-zip` does, twice (the same bytes each time),
# and checks what a player unzips: exactly the programs, the sounds, the guide, the README and
# the licence; text a Windows editor reads (CR LF); programs that ask for no DLL but Windows's
# own; and a game that runs from the unzipped folder alone.
set -euo pipefail
src=$1
build=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

zip=$("$src/scripts/make-windows-zip" "$build" "$work/a")
"$src/scripts/make-windows-zip" "$build" "$work/b" >/dev/null
name=$(basename "$zip")
[[ $name =~ ^zelvo-[0-9.]+-windows-x64\.zip$ ]] || fail "the zip is named $name"
cmp -s "$zip" "$work/b/$name" || fail "two zips of one build differ"
echo "ok: $name, $(stat -c %s "$zip") bytes, the same bytes when made again"

# Exactly these entries: the sounds are the build's, one by one.
expected=$( (printf '%s\n' Guide.txt LICENSE.txt README.txt zelvo-headless.exe zelvo.exe
    cd "$build" && find sounds -type f) | LC_ALL=C sort)
actual=$(unzip -Z1 "$zip" | LC_ALL=C sort)
[ "$actual" = "$expected" ] ||
    fail "the zip holds other entries than it should:$(diff <(echo "$expected") <(echo "$actual") || true)"
for n in 1 50; do grep -qx "sounds/game/$n.wav" <<<"$actual" || fail "no aisle tone $n"; done
echo "ok: $(wc -l <<<"$actual") entries: the two programs, $(grep -c '^sounds/' <<<"$actual") sounds, Guide.txt, README.txt, LICENSE.txt"

unzip -q "$zip" -d "$work/game"
for t in Guide.txt README.txt LICENSE.txt; do
    [ -s "$work/game/$t" ] || fail "$t is empty"
    if LC_ALL=C grep -q $'[^\r]$' "$work/game/$t"; then fail "$t has a line not ended by CR LF"; fi
done
grep -q 'zelvo.exe' "$work/game/README.txt" || fail "README.txt does not say to run zelvo.exe"
grep -q '%APPDATA%\\Zelvo' "$work/game/README.txt" || fail "README.txt does not say where files go"
grep -q 'GNU GENERAL PUBLIC LICENSE' "$work/game/LICENSE.txt" || fail "LICENSE.txt is not the licence"
echo "ok: the text files end their lines in CR LF"

# Only DLLs that every 64-bit Windows carries; a mingw runtime DLL here would make the game
# fail to start on a player's machine.
system='^(KERNEL32|USER32|GDI32|ADVAPI32|SHELL32|ole32|OLEAUT32|WINMM|DSOUND|msvcrt|api-ms-win-[a-z0-9-]+)\.dll$'
for exe in zelvo.exe zelvo-headless.exe; do
    dlls=$(x86_64-w64-mingw32-objdump -p "$work/game/$exe" | sed -n 's/^\s*DLL Name: //p')
    [ -n "$dlls" ] || fail "$exe imports nothing: not a Windows program?"
    while read -r dll; do
        grep -Eiq "$system" <<<"$dll" || fail "$exe needs $dll, which Windows does not carry"
    done <<<"$dlls"
    echo "ok: $exe needs only $(tr '\n' ' ' <<<"$dlls")"
done

# The unzipped game runs on its own: the headless runner from the unzipped folder starts the
# game and walks into the Main menu.
mkdir "$work/folder"
printf 'Down\n' >"$work/script"
out=$("$build/wine-run" "$work/game/zelvo-headless.exe" --dir "$work/folder" --seed 1 \
    --year 2026 "$work/script" | tr -d '\r')
grep -qx 'say: Welcome to Zelvo, version 1.1, by Tarvik.  Main menu.' <<<"$out" ||
    fail "the unzipped zelvo-headless.exe did not start the game: $out"
grep -qx 'say: New game' <<<"$out" || fail "the unzipped game did not answer Down: $out"
echo "ok: the unzipped zelvo-headless.exe plays"
