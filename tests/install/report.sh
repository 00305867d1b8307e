# The check scripts' way of reporting, sourced by each with its name as the argument:
# `die` stops with a reason, `ok` and `fail` print a line each and `fail` counts in $failures.
checker=$1
die() {
    printf '%s: %s\n' "$checker" "$*" >&2
    exit 1
}
failures=0
ok() { printf 'ok   %s\n' "$*"; }
fail() {
    printf 'FAIL %s\n' "$*"
    failures=$((failures + 1))
}
