# Sourced by the scripts that run the game in a real X session.
#
# start_xvfb WORK TIMEOUT [SCREEN]: starts a private Xvfb and exports DISPLAY,
# its screen SCREEN (default 1024x768x24). The
# server picks a free display itself (-displayfd) and names it once it is
# ready, so there is neither a guessed number nor a race with other runs.
# Sets xvfb_pid; returns 1, with the server's log in WORK/xvfb.log, when no
# display comes up within TIMEOUT seconds.
start_xvfb() {
    local work=$1 timeout=$2 screen=${3:-1024x768x24} deadline
    Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset \
        3>"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    deadline=$(( $(date +%s) + timeout ))
    until [[ -s "$work/display" ]]; do
        kill -0 "$xvfb_pid" 2>/dev/null && (( $(date +%s) < deadline )) || return 1
        sleep 0.05
    done
    export DISPLAY=":$(head -n1 "$work/display")"
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY
    # The caption is Cyrillic: xdotool matches window names only under a
    # UTF-8 locale, and CI may run with none set.
    export LC_ALL=C.UTF-8
    # The single-copy lock lives here; a private folder keeps this run apart
    # from any game the user has open.
    export XDG_RUNTIME_DIR="$work/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
}

# shoot_still WINDOW FILE TIMEOUT: a screenshot of WINDOW in FILE, taken until
# two in a row agree (the first frame may still be on its way to the
# server); returns 1 when the window does not hold still within TIMEOUT
# seconds.
shoot_still() {
    local win=$1 file=$2 deadline=$(( $(date +%s) + $3 )) sum prev=
    while :; do
        import -window "$win" "$file"
        sum=$(convert "$file" -depth 8 rgb:- | md5sum)
        [[ "$sum" == "$prev" ]] && return 0
        prev=$sum
        (( $(date +%s) < deadline )) || return 1
        sleep 0.2
    done
}
