# Sourced by the shell tests: how they report. fail counts into $failures,
# which the test sets to 0 first and sums up at its end; die stops at once.
log() { printf '%s\n' "$*"; }
fail() {
    printf 'FAIL: %s\n' "$*" >&2
    failures=$((failures + 1))
}
die() {
    fail "$*"
    exit 1
}
now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
