#!/usr/bin/env bash
# The built game as a native Wayland client: a headless weston of its own on
# a private runtime folder and socket, the game on Qt's Wayland platform with
# the client's protocol log on (WAYLAND_DEBUG=1), read back to see what the
# game asked of the compositor and what the compositor answered.
#
# Usage: wayland.sh <path to zorbel> <Qt's Wayland platform plugin>
# Exit status: 0 all checks passed, 1 a check failed, 77 weston or Qt's
# Wayland platform is not installed.
set -uo pipefail

readonly SKIP=77
readonly APP_ID='io.github.zorbel.Zorbel'  # the desktop entry's name
readonly TIMEOUT=15                        # seconds for anything "at once"
readonly REST_SECONDS=5                    # at rest for this long, the game costs nothing
readonly SETTLED_SECONDS=1                 # no run for this long: start-up is over
# How libwayland stamps each line of its protocol log: milliseconds printed
# with %7u, so for the first 1000 s of every 71-minute wrap of its clock the
# number is padded with spaces ("[ 123456.789] ").
readonly STAMP='^\[ *[0-9]+\.[0-9]+\] '

zorbel=${1:-}
plugin=${2:-}
if [[ -z "$zorbel" || ! -x "$zorbel" || -z "$plugin" ]]; then
    echo "usage: $0 <path to zorbel> <Qt's Wayland platform plugin>" >&2
    exit 1
fi
zorbel=$(readlink -f "$zorbel")
command -v weston >/dev/null 2>&1 || { echo "SKIP: weston is not installed" >&2; exit "$SKIP"; }
[[ -e "$plugin" ]] || { echo "SKIP: Qt's Wayland platform is not installed (no $plugin; Debian: qt6-wayland)" >&2; exit "$SKIP"; }

work=$(mktemp -d "${TMPDIR:-/tmp}/zorbel-wayland.XXXXXX")
weston_pid=
game_pid=
failures=0
cleanup() {
    local pid
    for pid in $game_pid $weston_pid; do
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    if (( failures == 0 )); then rm -rf "$work"; else echo "logs kept in $work" >&2; fi
}
trap cleanup EXIT
trap 'fail "interrupted"; exit 1' INT TERM HUP

# shellcheck source=../support/report.sh
source "$(dirname "${BASH_SOURCE[0]}")/../support/report.sh"

# --- the compositor -----------------------------------------------------
# The runtime folder is private (mode 0700): the socket and the game's
# single-copy lock live there, apart from any session of the user's.
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
socket="zorbel-e2e-$$"
# --no-config: no weston.ini of the user's; --idle-time=0: the output never
# blanks while the game rests.
weston --backend=headless-backend.so --socket="$socket" --no-config --idle-time=0 \
    >"$work/weston.log" 2>&1 &
weston_pid=$!
deadline=$(( $(now_ms) + TIMEOUT * 1000 ))
until [[ -S "$XDG_RUNTIME_DIR/$socket" ]]; do
    kill -0 "$weston_pid" 2>/dev/null || die "weston ended at start: $(cat "$work/weston.log")"
    (( $(now_ms) < deadline )) || die "weston made no socket within ${TIMEOUT}s"
    sleep 0.05
done
export WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1
unset DISPLAY WAYLAND_SOCKET
log "weston on $XDG_RUNTIME_DIR/$socket"

# --- helpers ------------------------------------------------------------
game_log="$work/zorbel.log"

# Succeeds once the protocol log shows the window mapped under the app id:
# an xdg toplevel given $APP_ID whose surface, after the client acked a
# configure, was committed with a buffer and then put on an output by the
# compositor (wl_surface.enter, the compositor's own word that it shows it).
# Sets seen_app_id to the last toplevel's app id.
mapped_with_app_id() {
    local line xdg= toplevel= surface= app_id= acked= attached= committed= entered=
    local -A surface_of=()
    local create='-> xdg_wm_base@[0-9]+\.get_xdg_surface\(new id xdg_surface@([0-9]+), wl_surface@([0-9]+)\)'
    local role='-> xdg_surface@([0-9]+)\.get_toplevel\(new id xdg_toplevel@([0-9]+)\)'
    while IFS= read -r line; do
        if [[ $line =~ $create ]]; then
            surface_of[${BASH_REMATCH[1]}]=${BASH_REMATCH[2]}
        elif [[ $line =~ $role ]]; then
            xdg=${BASH_REMATCH[1]} toplevel=${BASH_REMATCH[2]}
            surface=${surface_of[$xdg]:-} app_id= acked= attached= committed= entered=
        elif [[ -z $toplevel ]]; then
            continue
        elif [[ $line =~ "-> xdg_toplevel@$toplevel.set_app_id(\""(.*)"\")" ]]; then
            app_id=${BASH_REMATCH[1]}
        elif [[ $line == *"-> xdg_surface@$xdg.ack_configure("* ]]; then
            acked=1
        elif [[ -n $acked && $line == *"-> wl_surface@$surface.attach(wl_buffer@"* ]]; then
            attached=1
        elif [[ -n $attached && $line == *"-> wl_surface@$surface.commit()"* ]]; then
            committed=1
        elif [[ -n $committed && $line =~ ${STAMP}wl_surface@$surface\.enter\(wl_output@ ]]; then
            entered=1
        fi
    done <"$game_log"
    seen_app_id=$app_id
    [[ $app_id == "$APP_ID" && -n $entered ]]
}

cpu_ticks() {  # utime + stime of process $1, in clock ticks
    local stat
    stat=$(<"/proc/$1/stat")
    stat=${stat##*) }  # the command name may hold spaces
    read -r -a f <<<"$stat"
    echo $(( f[11] + f[12] ))
}

# "run time (ns) and times scheduled" of all threads of process $1.
sched() {
    awk '{ ns += $1; slices += $3 } END { printf "%d %d\n", ns, slices }' /proc/"$1"/task/*/schedstat
}

# --- 1. the window maps with the desktop entry's app id ---------------
"$zorbel" >"$game_log" 2>&1 &
game_pid=$!
deadline=$(( $(now_ms) + TIMEOUT * 1000 ))
until mapped_with_app_id; do
    kill -0 "$game_pid" 2>/dev/null || die "the game ended before its window was mapped: $(grep -Ev "$STAMP" "$game_log")"
    (( $(now_ms) < deadline )) ||
        die "no window with app id $APP_ID was mapped within ${TIMEOUT}s (app id seen: '${seen_app_id:-none}')"
    sleep 0.05
done
log "window mapped with app id $APP_ID: set_app_id, configure acked, buffer committed, surface on an output"

# --- 2. at rest it costs nothing ----------------------------------------
# Start-up is over once no thread of the game has run for a while.
deadline=$(( $(now_ms) + TIMEOUT * 1000 ))
read -r _ slices < <(sched "$game_pid")
quiet_since=$(now_ms)
while (( $(now_ms) - quiet_since < SETTLED_SECONDS * 1000 )); do
    (( $(now_ms) < deadline )) ||
        die "the game never rested ${SETTLED_SECONDS}s in the ${TIMEOUT}s after its window was mapped"
    sleep 0.1
    read -r _ now < <(sched "$game_pid")
    if (( now != slices )); then slices=$now; quiet_since=$(now_ms); fi
done
t0=$(cpu_ticks "$game_pid")
read -r ns0 s0 < <(sched "$game_pid")
sleep "$REST_SECONDS"  # the measured interval itself: the game is left alone
t1=$(cpu_ticks "$game_pid")
read -r ns1 s1 < <(sched "$game_pid")
log "at rest for ${REST_SECONDS}s: $((t1 - t0)) clock ticks (stat), $((ns1 - ns0)) ns run in $((s1 - s0)) time slices (schedstat)"
(( t1 == t0 )) || fail "the game spent $((t1 - t0)) clock ticks of CPU in ${REST_SECONDS}s at rest"
(( s1 == s0 )) || fail "a thread of the game ran $((s1 - s0)) times ($((ns1 - ns0)) ns) in ${REST_SECONDS}s at rest"

# --- 3. a second copy ends at once, without a word ----------------------
# With WAYLAND_DEBUG still set, a copy that so much as connected to the
# compositor would print its protocol log.
start=$(now_ms)
timeout "$TIMEOUT" "$zorbel" >"$work/second.log" 2>&1
second_status=$?
elapsed=$(( $(now_ms) - start ))
log "second copy: status $second_status after $elapsed ms"
(( second_status == 0 )) || fail "the second copy ended with status $second_status, not 0"
[[ ! -s "$work/second.log" ]] || fail "the second copy printed: $(head -c 500 "$work/second.log")"
kill -0 "$game_pid" 2>/dev/null || die "the first copy ended when the second was started"

# --- 4. SIGTERM ends the game -------------------------------------------
kill -TERM "$game_pid"
wait_exit "$game_pid" || die "the game was still running ${TIMEOUT}s after SIGTERM"
status=$exit_status
game_pid=
log "SIGTERM: the game ended with status $status"
(( status == 128 + 15 )) || fail "after SIGTERM the game ended with status $status, not by the signal"

# Everything the game said besides its protocol log: Qt's warnings and the
# like, which a player's session log should not collect.
said=$(grep -Ev "$STAMP" "$game_log")
[[ -z "$said" ]] || fail "the game printed besides its protocol log: $said"
kill -0 "$weston_pid" 2>/dev/null || fail "weston ended while the game ran: $(tail -n 5 "$work/weston.log")"

if (( failures > 0 )); then
    echo "$failures check(s) failed" >&2
    exit 1
fi
log "all Wayland checks passed"
