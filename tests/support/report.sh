# Sourced by the shell tests: how they report, and how they wait for the
# game to end. fail counts into $failures,
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

# Waits up to $TIMEOUT s for process $1 to end; sets $exit_status.
wait_exit() {
    local pid=$1 deadline=$(( $(now_ms) + TIMEOUT * 1000 ))
    while kill -0 "$pid" 2>/dev/null; do
        if (( $(now_ms) >= deadline )); then return 1; fi
        # Reap if it has become a zombie of ours.
        if [[ "$(awk '{print $3}' "/proc/$pid/stat" 2>/dev/null)" == Z ]]; then break; fi
        sleep 0.05
    done
    wait "$pid"
    exit_status=$?
    return 0
}
