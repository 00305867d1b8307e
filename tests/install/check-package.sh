#!/usr/bin/env bash
# Builds the Debian package from a build folder, checks what it declares and holds, unpacks
# it into a scratch root and runs the game from there.
#
# Usage: check-package.sh BUILD_FOLDER
#
# The build folder must hold a built game (cpack installs from it). The package is made in a
# temporary folder, so the build folder's own package, if any, is left alone.
set -euo pipefail
here=$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")

# shellcheck source=report.sh
. "$here/report.sh" check-package

[ $# -eq 1 ] || die "usage: $0 BUILD_FOLDER"
build=$(readlink -f "$1")
[ -f "$build/CPackConfig.cmake" ] || die "no CPackConfig.cmake in $build: configure it first"
for tool in cpack dpkg-deb dpkg readelf lintian; do
    command -v "$tool" >/dev/null || die "$tool is not installed"
done

work=$(mktemp -d "${TMPDIR:-/tmp}/zelvo-package.XXXXXX")
trap 'rm -rf "$work"' EXIT

if ! cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    die "cpack failed"
fi
debs=("$work"/out/zelvo_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || die "cpack made no zelvo_*.deb"
deb=${debs[0]}
ok "built ${deb##*/}"

# What it declares.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = zelvo ] || fail "control: Package is '$(field Package)'"
[ "$(field Section)" = games ] || fail "control: Section is '$(field Section)', not games"
[ -n "$(field Maintainer)" ] || fail "control: no Maintainer"
[ -n "$(field Description)" ] || fail "control: no Description"
depends=$(field Depends)
# Each package named in Depends, without versions or alternatives' bars.
declared=$(tr ',|' '\n\n' <<<"$depends" | sed 's/(.*//; s/[[:space:]]//g' | grep -v '^$' | sort -u)
for needed in speech-dispatcher speech-dispatcher-espeak-ng fonts-liberation2; do
    grep -qx "$needed" <<<"$declared" || fail "control: Depends lacks $needed"
done
# Every library the programs link is declared by the name of the Debian package that has it.
for program in zelvo zelvo-headless; do
    dpkg-deb --fsys-tarfile "$deb" | tar -xOf - "./usr/games/$program" >"$work/$program"
    while read -r soname; do
        # awk reads to the end: an early exit would end ldconfig with SIGPIPE.
        path=$(/sbin/ldconfig -p | awk -v so="$soname" '$1 == so && !found { print $NF; found = 1 }')
        [ -n "$path" ] || { fail "control: $program links $soname, which is not on this system"; continue; }
        owner=$(dpkg -S "$(readlink -f "$path")" 2>/dev/null || dpkg -S "$path" 2>/dev/null || true)
        owner=${owner%%:*}
        [ -n "$owner" ] || { fail "control: no Debian package has $path"; continue; }
        grep -qx "$owner" <<<"$declared" || fail "control: $program links $soname from $owner, which Depends lacks"
    done < <(readelf -d "$work/$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
done
[ "$failures" -eq 0 ] && ok "control: games section, maintainer, description; Depends: $depends"

# What it holds.
contents=$(dpkg-deb -c "$deb" | awk '{ print $NF }')
for file in ./usr/games/zelvo ./usr/games/zelvo-headless ./usr/share/zelvo/sounds/game/tick.wav \
    ./usr/share/applications/zelvo.desktop ./usr/share/icons/hicolor/scalable/apps/zelvo.svg \
    ./usr/share/man/man6/zelvo.6.gz ./usr/share/doc/zelvo/copyright \
    ./usr/share/doc/zelvo/changelog.gz; do
    grep -qxF "$file" <<<"$contents" || fail "contents: no $file"
done
stray=$(grep -v -e '^\./$' -e '^\./usr/$' -e '^\./usr/games/' -e '^\./usr/share/$' \
    -e '^\./usr/share/zelvo/' -e '^\./usr/share/applications/' -e '^\./usr/share/icons/' \
    -e '^\./usr/share/man/' -e '^\./usr/share/doc/$' -e '^\./usr/share/doc/zelvo/' \
    <<<"$contents" || true)
[ -z "$stray" ] || fail "contents: unexpected files: $(tr '\n' ' ' <<<"$stray")"
owners=$(dpkg-deb -c "$deb" | awk '{ print $2 }' | sort -u)
[ "$owners" = root/root ] || fail "contents: files not owned by root: $owners"
[ "$failures" -eq 0 ] && ok "contents: programs, sounds, launcher, icon, manual pages, copyright, changelog, all root's"

# The changelog's latest entry is this version: a new version of the game needs its entry.
latest=$(dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/doc/zelvo/changelog.gz |
    gzip -dc | sed -n 1p)
version=$(field Version)
if [[ "$latest" == "zelvo ($version) "* ]]; then
    ok "changelog: its latest entry is version $version"
else
    fail "changelog: its latest entry is '$latest', not version $version (data/debian/changelog)"
fi

# The copyright file gives the game's licence and points at the text every Debian system has.
copyright=$(dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/doc/zelvo/copyright)
grep -qx 'License: GPL-3.0-or-later' <<<"$copyright" &&
    grep -qF '"/usr/share/common-licenses/GPL-3"' <<<"$copyright" &&
    ok "copyright: GPL-3.0-or-later, its text in /usr/share/common-licenses/GPL-3" ||
    fail "copyright: no GPL-3.0-or-later licence pointing at /usr/share/common-licenses/GPL-3"

# Debian's own checks of the package: any error fails, and every tag is shown.
if lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1; then
    ok "lintian: no errors"
else
    fail "lintian: errors (or it could not run)"
fi
sed 's/^/     | /' "$work/lintian.log"

# Unpacked as dpkg would, and run from there.
dpkg -x "$deb" "$work/root"
"$here/check-installed.sh" "$work/root/usr" home || failures=$((failures + 1))

if [ "$failures" -ne 0 ]; then
    echo "package check FAILED"
    exit 1
fi
echo "package check passed"
