# Sourced by the smoke tests that look at the real game's window: its title, and is its
# last message drawn in large white letters on black? Needs now_ms, ok, fail and skip
# (private-session.sh) and game_dir, the folder the pictures are kept in.

# The window's letters: 28 points at 96 dpi make lines of ink 25 to 40 pixels high, where
# a small bitmap font makes lines of 10 to 15.
readonly LARGE_LINE_MIN_PX=20
readonly LARGE_LINE_MAX_PX=44

# ImageMagick's own convert: a convert earlier on the PATH may be something else.
image_convert() {
    local c
    for c in /usr/bin/convert /usr/bin/convert-im6.q16 "$(command -v convert || true)"; do
        [ -n "$c" ] && [ -x "$c" ] && "$c" -version 2>/dev/null | grep -q ImageMagick &&
            { echo "$c"; return 0; }
    done
    return 1
}

# Prints the height in pixels of each band of rows holding light pixels in a picture of a
# window, top to bottom: one band a line of text.
ink_bands() {
    local convert
    convert=$(image_convert) || return 0
    "$convert" "$1" -colorspace Gray -threshold 50% -filter box -resize '1x!' -depth 16 txt:- |
        awk 'NR > 1 {
            split($1, at, /[,:]/); y = at[2]; lit = substr($2, 2) + 0 > 0
            if (lit && !was) top = y
            if (!lit && was) print y - top
            was = lit
        }
        END { if (was) print y + 1 - top }'
}

# Checks that the window WIN shows its last message in large white letters on black: at
# least LINES bands of ink of a large line's height, the brightest ink white and none of
# it coloured.
check_large_white() {
    local win=$1 lines=$2 what=$3 shot bands large convert colour
    if ! convert=$(image_convert) || ! command -v import >/dev/null; then
        skip "$what: ImageMagick is not installed, the window is not looked at"
        return
    fi
    shot=$game_dir/$(tr ' ' '-' <<<"$what").png
    # import waits without end on a window that has gone away.
    timeout 10 import -window "$win" "$shot" 2>/dev/null || true
    bands=$(ink_bands "$shot" | tr '\n' ' ')
    large=$(awk -v lo="$LARGE_LINE_MIN_PX" -v hi="$LARGE_LINE_MAX_PX" \
        '{ for (i = 1; i <= NF; i++) if ($i >= lo && $i <= hi) n++ } END { print n + 0 }' <<<"$bands")
    # The brightest red, green and blue, and the strongest colour of any pixel (0 to 1).
    colour=$("$convert" "$shot" -format '%[fx:maxima.r] %[fx:maxima.g] %[fx:maxima.b] ' info: \
        2>/dev/null || true)
    colour+=$("$convert" "$shot" -colorspace HSL -channel G -separate -format '%[fx:maxima]' \
        info: 2>/dev/null || true)
    if [ "$large" -lt "$lines" ]; then
        fail "$what: the window shows ${large} lines of large letters (rows of ink: ${bands:-none}); its text needs $lines or more"
    elif ! awk '{ exit !(NF == 4 && $1 >= 0.9 && $2 >= 0.9 && $3 >= 0.9 && $4 <= 0.1) }' <<<"$colour"; then
        fail "$what: the letters are not white on black (brightest red, green, blue and strongest colour: ${colour:-unknown})"
    else
        ok "$what: drawn in $large lines of large white letters (ink ${bands% }px high)"
    fi
}

title_of() { xdotool getwindowname "$1" 2>/dev/null || true; }

# Waits up to LIMIT_MS for the window WIN to carry the title TEXT.
await_title() {
    local win=$1 text=$2 limit_ms=$3 start
    start=$(now_ms)
    while (($(now_ms) - start < limit_ms)); do
        [ "$(title_of "$win")" = "$text" ] && return 0
        sleep 0.05
    done
    return 1
}
