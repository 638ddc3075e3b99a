#!/usr/bin/env bash
# Measures the game against a bare Qt window with the same menus and board
# size, side by side, each run on a fresh Xvfb of its own:
#   start-up  launch until the window is mapped (ms), stamped when the X
#             server reports the map (xev), or by polling without xev
#   RSS       resident memory 1 s after the window is mapped (MB)
#   idle CPU  user + system time spent over 10 s at rest (ms), from
#             /proc/PID/stat (clock ticks) and, finer, from the scheduler's
#             per-thread run time in /proc/PID/task/*/schedstat
# and prints the medians with the targets the game is held to:
#   start-up <= 1.2 x bare, RSS <= bare + 10 MB, idle CPU < 10 ms.
#
# Usage: bench/startup/compare.sh [build dir] [runs]
#   the build dir holds zorbel and bench/startup/bare_window (default: build)
#   ZORBEL=/usr/games/zorbel measures that game instead, e.g. as installed
#   by the package
#   A Windows build (build-win: zorbel.exe and the bare Win32 window
#   bare_window.exe) is measured under Wine, in a prefix of its own whose
#   wineserver stays up between runs, as Windows does between programs; its
#   CPU at rest counts the wineserver's too, which runs the timers.
set -euo pipefail
export LC_ALL=C.UTF-8  # xdotool matches the Cyrillic caption only under a UTF-8 locale
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(readlink -f "${1:-$root/build}")
runs=${2:-5}
idle_s=${IDLE_SECONDS:-10}
readonly TIMEOUT=20

zorbel=${ZORBEL:-$build/zorbel}
bare="$build/bench/startup/bare_window"
caption='Зорбель'
wine=
if [[ -z "${ZORBEL:-}" && -e "$build/zorbel.exe" ]]; then
    zorbel=$build/zorbel.exe
    bare=$bare.exe
    # Wine in the C locale speaks English to the game.
    caption=Zorbel
    wine=$(command -v wine) || { echo "wine is not installed" >&2; exit 1; }
fi
for exe in "$zorbel" "$bare"; do
    [[ -x "$exe" ]] || { echo "missing $exe; build targets zorbel and bare_window first" >&2; exit 1; }
done
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed" >&2; exit 1; }
done

xev=$(command -v xev && command -v xprop >/dev/null || true)

work=$(mktemp -d "${TMPDIR:-/tmp}/zorbel-startup.XXXXXX")
xvfb_pid=
app_pid=
xev_pid=
cleanup() {
    local pid
    for pid in $xev_pid $app_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    [[ -n "$wine" ]] && bash "$root/tests/win/wine.sh" "$work/prefix" --end
    rm -rf "$work"
}
trap cleanup EXIT
trap 'echo "compare.sh: a step failed at line $LINENO" >&2' ERR

now_ns() { date +%s%N; }
clk_tck=$(getconf CLK_TCK)

start_xvfb() {
    local attempt
    for attempt in 1 2 3; do
        rm -f "$work/display"
        Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
        xvfb_pid=$!
        local deadline=$(( $(now_ns) + TIMEOUT * 1000000000 ))
        until [[ -s "$work/display" ]] || ! kill -0 "$xvfb_pid" 2>/dev/null; do
            (( $(now_ns) < deadline )) || break
            sleep 0.02
        done
        if [[ -s "$work/display" ]]; then
            export DISPLAY=":$(head -n1 "$work/display")"
            # The server is ours only if a client can talk to it.
            if xprop -root _NET_SUPPORTED >/dev/null 2>&1; then return 0; fi
        fi
        echo "Xvfb attempt $attempt failed: $(tr '\n' ' ' <"$work/xvfb.log")" >&2
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=
    done
    echo "Xvfb did not start" >&2
    exit 1
}

stop_all() {
    kill "$app_pid" 2>/dev/null || true
    wait "$app_pid" 2>/dev/null || true
    app_pid=
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=
}

cpu_ticks() {  # utime + stime of process $1, in clock ticks
    # The command name may hold spaces; the fields after ") " are fixed.
    local stat
    stat=$(<"/proc/$1/stat")
    stat=${stat##*) }
    read -r -a f <<<"$stat"
    echo $(( f[11] + f[12] ))  # fields 14 and 15 of the full line
}

run_ns() {  # time all threads of process $1 have been on a CPU, in ns
    local total=0 t ns
    for t in /proc/"$1"/task/*/schedstat; do
        read -r ns _ <"$t" || continue
        total=$(( total + ns ))
    done
    echo "$total"
}

# Under Wine, the wineserver of the run's prefix: it runs every program's
# timers and messages, so its time at rest is shown beside the program's.
our_wineserver() {
    local p
    for p in $(pgrep -u "$(id -u)" wineserver); do
        tr '\0' '\n' <"/proc/$p/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" && echo "$p"
    done
}

# One measurement of program $1 whose window caption is $2; sets m_start
# (ms), m_rss (kB), m_cpu (ms, from stat) and m_sched (ms, from schedstat).
# Runs in this shell, not a subshell, so that cleanup knows every process.
measure() {
    local exe=$1 caption=$2
    start_xvfb
    export XDG_RUNTIME_DIR="$work/runtime.$RANDOM$RANDOM"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY

    local t0 t1 deadline
    if [[ -n "$xev" ]]; then
        # The server tells a listener on the root window the moment a
        # top-level window is mapped: no polling between launch and map.
        rm -f "$work/events"
        mkfifo "$work/events"
        xev -root -event substructure -event property >"$work/events" 2>/dev/null &
        xev_pid=$!
        exec 4<"$work/events"
        # Handshake: xev is listening once it reports a property change of
        # ours on the root window.
        local line ready=0
        for ((try = 0; try < 100 && !ready; try++)); do
            xprop -root -f _ZORBEL_BENCH 8s -set _ZORBEL_BENCH "$try" || true
            while read -r -t 0.1 line <&4; do
                [[ "$line" == PropertyNotify* ]] && { ready=1; break; }
            done
        done
        (( ready )) || { echo "xev did not start listening" >&2; exit 1; }
        t0=$(now_ns)
        $wine "$exe" >/dev/null 2>&1 &
        app_pid=$!
        local mapped=0
        while read -r -t "$TIMEOUT" line <&4; do
            if [[ "$line" == MapNotify* ]]; then
                t1=$(now_ns)
                read -r -t 1 line <&4 || true  # "event 0x.., window 0x.., override NO"
                [[ "$line" == *"override NO"* ]] && { mapped=1; break; }
            fi
        done
        exec 4<&-
        kill "$xev_pid" 2>/dev/null; wait "$xev_pid" 2>/dev/null || true
        xev_pid=
        (( mapped )) || { echo "$exe: no window within ${TIMEOUT}s" >&2; exit 1; }
        # The mapped window must be the one we launched.
        xdotool search --onlyvisible --name "^${caption}\$" >/dev/null ||
            { echo "$exe: the mapped window is not '$caption'" >&2; exit 1; }
    else
        t0=$(now_ns)
        $wine "$exe" >/dev/null 2>&1 &
        app_pid=$!
        # `xdotool search --sync` retries only twice a second, too coarse to
        # time a start-up; a tight poll of a few ms per round is not.
        deadline=$(( t0 + TIMEOUT * 1000000000 ))
        until xdotool search --onlyvisible --name "^${caption}\$" >/dev/null 2>&1; do
            (( $(now_ns) < deadline )) || { echo "$exe: no window within ${TIMEOUT}s" >&2; exit 1; }
            sleep 0.002
        done
        t1=$(now_ns)
    fi

    sleep 1  # settling after the first frame, before memory is read
    local rss
    rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$app_pid/status")

    local c0 c1 s0 s1 server= w0=0 w1=0
    [[ -n "$wine" ]] && server=$(our_wineserver)
    c0=$(cpu_ticks "$app_pid")
    s0=$(run_ns "$app_pid")
    [[ -n "$server" ]] && w0=$(run_ns "$server")
    sleep "$idle_s"  # the measured interval itself: the program is left alone
    c1=$(cpu_ticks "$app_pid")
    s1=$(run_ns "$app_pid")
    [[ -n "$server" ]] && w1=$(run_ns "$server")
    kill -0 "$app_pid" 2>/dev/null || { echo "$exe ended while at rest" >&2; exit 1; }
    stop_all
    m_start=$(( (t1 - t0) / 1000000 ))
    m_rss=$rss
    m_cpu=$(( (c1 - c0) * 1000 / clk_tck ))
    m_sched=$(awk "BEGIN {printf \"%.2f\", ($s1 - $s0) / 1e6}")
    m_server=$(awk "BEGIN {printf \"%.2f\", ($w1 - $w0) / 1e6}")
}

median() { printf '%s\n' "$@" | sort -g | awk '{a[NR] = $1} END {
    if (NR % 2) print a[(NR + 1) / 2]; else print (a[NR / 2] + a[NR / 2 + 1]) / 2 }'; }

if [[ -n "$wine" ]]; then
    export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
    bash "$root/tests/win/wine.sh" "$WINEPREFIX" --boot >/dev/null 2>&1 || { echo "cannot make a Wine prefix" >&2; exit 1; }
    wineserver -p
fi

declare -a z_start z_rss z_cpu z_sched z_server b_start b_rss b_cpu b_sched b_server
echo "measuring $runs runs of ${idle_s}s at rest each, for zorbel and bare_window ..." >&2
for ((k = 1; k <= runs; k++)); do
    # Alternate the order so neither program always runs on a warmer cache.
    if (( k % 2 )); then order="z b"; else order="b z"; fi
    for who in $order; do
        if [[ $who == z ]]; then
            measure "$zorbel" "$caption"
            z_start+=("$m_start"); z_rss+=("$m_rss"); z_cpu+=("$m_cpu"); z_sched+=("$m_sched"); z_server+=("$m_server")
            name=zorbel
        else
            measure "$bare" 'bare_window'
            b_start+=("$m_start"); b_rss+=("$m_rss"); b_cpu+=("$m_cpu"); b_sched+=("$m_sched"); b_server+=("$m_server")
            name=bare_window
        fi
        printf '  run %d %-11s start-up %4d ms, RSS %6d kB, at rest %3d ms (stat) %6.2f ms (schedstat)%s\n' \
            "$k" "$name" "$m_start" "$m_rss" "$m_cpu" "$m_sched" "${wine:+, wineserver $m_server ms}" >&2
    done
done

zs=$(median "${z_start[@]}"); bs=$(median "${b_start[@]}")
zr=$(median "${z_rss[@]}");   br=$(median "${b_rss[@]}")
zc=$(median "${z_cpu[@]}");   bc=$(median "${b_cpu[@]}")
zk=$(median "${z_sched[@]}"); bk=$(median "${b_sched[@]}")

verdict() { if awk "BEGIN {exit !($1)}"; then echo ok; else echo OVER; fi; }

printf '\nmedians of %d runs (CLK_TCK %d, so the stat column moves in steps of %d ms)\n' \
    "$runs" "$clk_tck" $(( 1000 / clk_tck ))
printf '%-28s %12s %12s %10s  %s\n' "" "zorbel" "bare_window" "ratio/diff" "target"
printf '%-28s %12s %12s %10s  %s\n' "start-up to mapped (ms)" "$zs" "$bs" \
    "$(awk "BEGIN {printf \"%.2fx\", $zs / ($bs > 0 ? $bs : 1)}")" \
    "<= 1.2x bare: $(verdict "$zs <= 1.2 * $bs")"
printf '%-28s %12s %12s %10s  %s\n' "RSS after start-up (MB)" \
    "$(awk "BEGIN {printf \"%.1f\", $zr / 1024}")" "$(awk "BEGIN {printf \"%.1f\", $br / 1024}")" \
    "$(awk "BEGIN {printf \"%+.1f MB\", ($zr - $br) / 1024}")" \
    "<= bare + 10 MB: $(verdict "$zr <= $br + 10240")"
printf '%-28s %12s %12s %10s  %s\n' "CPU in ${idle_s} s at rest (ms, stat)" "$zc" "$bc" "" \
    "< 10 ms: $(verdict "$zc < 10")"
printf '%-28s %12s %12s %10s  %s\n' "CPU in ${idle_s} s at rest (ms, sched)" "$zk" "$bk" "" \
    "< 10 ms: $(verdict "$zk < 10")"
if [[ -n "$wine" ]]; then
    printf '%-28s %12s %12s\n' "wineserver meanwhile (ms)" "$(median "${z_server[@]}")" "$(median "${b_server[@]}")"
fi
