#!/usr/bin/env bash
# End-to-end run of the real game binary in a real X session: its own Xvfb,
# no window manager, real pointer and key events through XTEST (xdotool),
# and what the player would see read back from screenshots, cell by cell.
#
# Usage: e2e.sh <path to zorbel>
# Exit status: 0 all checks passed, 1 a check failed, 77 a tool is missing.
#
# Another edition of the game runs the same checks with a front file named by
# ZORBEL_E2E_FRONT, sourced once the helpers below are defined. It may set
# `run` (the command that starts the game), SCREEN (the X screen),
# TILE_INSET (pixels of each cell's edge left out of its hash, where an
# edition draws its keyboard frame), replace client_area (where the client
# area lies), and define front_checks (run after F2, with every helper at
# hand) and front_cleanup.
set -uo pipefail

readonly SKIP=77
readonly CAPTION='Зорбель'
readonly CLIENT_W=611 CLIENT_H=429
readonly CELL=40 COLS=15 ROWS=10 CELLS=150
readonly BACKGROUND='srgb(192,192,255)'
readonly TIMEOUT=15  # seconds for anything the game should do "at once"

zorbel=${1:-}
if [[ -z "$zorbel" || ! -x "$zorbel" ]]; then
    echo "usage: $0 <path to zorbel>" >&2
    exit 1
fi
zorbel=$(readlink -f "$zorbel")

for tool in Xvfb xdotool xwininfo xmessage import convert md5sum; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed" >&2
        exit "$SKIP"
    fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/zorbel-e2e.XXXXXX")
xvfb_pid=
game_pids=()
failures=0

cleanup() {
    local pid
    for pid in "${game_pids[@]}"; do kill -KILL "$pid" 2>/dev/null; done
    declare -F front_cleanup >/dev/null && front_cleanup
    if [[ -n "$xvfb_pid" ]]; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
    if (( failures == 0 )); then rm -rf "$work"; else echo "screenshots kept in $work" >&2; fi
}
trap cleanup EXIT

# shellcheck source=../support/report.sh
source "$(dirname "${BASH_SOURCE[0]}")/../support/report.sh"

# --- helpers ------------------------------------------------------------
launch() {  # starts the game in the background; sets $game_pid
    "${run[@]}" >>"$work/zorbel.log" 2>&1 &
    game_pid=$!
    game_pids+=("$game_pid")
}

# Waits for a visible window of the game's caption; sets $win.
find_window() {
    win=$(timeout "$TIMEOUT" xdotool search --sync --onlyvisible --name "^${CAPTION}\$" 2>/dev/null | head -n1)
    [[ -n "$win" ]]
}

visible_windows() {
    xdotool search --onlyvisible --name "^${CAPTION}\$" 2>/dev/null | wc -l
}


shot_no=0
TILE_INSET=0
# Takes a screenshot; sets $shot (png) and cell_hash[1..150], one hash of the
# raw pixels of each 40x40 cell (less TILE_INSET on each side) in row-major
# order.
screenshot() {
    shot_no=$((shot_no + 1))
    shot="$work/shot_$(printf '%03d' "$shot_no").png"
    local tiles="$work/tiles"
    rm -rf "$tiles"
    mkdir -p "$tiles"
    import -window root "$shot" || return 1
    convert "$shot" -crop "$((COLS * CELL))x$((ROWS * CELL))+$((ox + 5))+$((oy + 5))" +repage \
        -crop "${CELL}x${CELL}" +repage -shave "${TILE_INSET}x${TILE_INSET}" +repage +adjoin -depth 8 \
        "$tiles/c_%03d.rgb" || return 1
    cell_hash=(none)
    local h
    while read -r h _; do cell_hash+=("$h"); done < <(md5sum "$tiles"/c_*.rgb)
    (( ${#cell_hash[@]} == CELLS + 1 ))
}

board_signature() { local IFS=,; echo "${cell_hash[*]:1}"; }

# Screenshots until two in a row agree, so a drawing still in progress is
# never taken for the result.
settled_screenshot() {
    local deadline=$(( $(now_ms) + TIMEOUT * 1000 )) prev=
    while :; do
        screenshot || return 1
        local sig
        sig=$(board_signature)
        [[ "$sig" == "$prev" ]] && return 0
        prev=$sig
        (( $(now_ms) < deadline )) || return 1
        sleep 0.1
    done
}

# Screenshots until the board differs from signature $1, then until it holds
# still.
screenshot_after_change() {
    local before=$1 deadline=$(( $(now_ms) + TIMEOUT * 1000 ))
    while :; do
        screenshot || return 1
        [[ "$(board_signature)" != "$before" ]] && break
        (( $(now_ms) < deadline )) || return 1
        sleep 0.1
    done
    settled_screenshot
}

cell_x() { echo $(( ox + CELL * (($1 - 1) % COLS + 1) - 35 )); }  # left, screen
cell_y() { echo $(( oy + CELL * (($1 - 1) / COLS + 1) - 35 )); }  # top, screen

click_at() {  # real press and release at screen point $1,$2
    xdotool mousemove --sync "$1" "$2" click 1
}

pixel() {  # colour of client pixel $1,$2 in $shot
    convert "$shot" -format "%[pixel:p{$((ox + $1)),$((oy + $2))}]" info:
}

# Number of grey pixels (the net's colour: R = G = B give or take a little,
# neither near black nor near white) in cell $1 of $shot.
grey_pixels() {
    convert "$shot" -crop "${CELL}x${CELL}+$(cell_x "$1")+$(cell_y "$1")" +repage -depth 8 txt:- |
        awk -F'[(),]' 'NR > 1 {
            r = $3; g = $4; b = $5
            d1 = r - g; if (d1 < 0) d1 = -d1
            d2 = g - b; if (d2 < 0) d2 = -d2
            if (d1 <= 16 && d2 <= 16 && r >= 64 && r < 240) n++
        } END { print n + 0 }'
}

# Lists the cells whose hash differs between the saved array $1 and now.
changed_cells() {
    local -n old=$1
    local i out=()
    for ((i = 1; i <= CELLS; i++)); do
        [[ "${old[i]}" != "${cell_hash[i]}" ]] && out+=("$i")
    done
    echo "${out[*]}"
}

focus_game() {
    # No window manager runs, so the game gets the keyboard by being given
    # the X input focus directly.
    xdotool windowfocus --sync "$win" 2>/dev/null || xdotool windowfocus "$win"
}

run=("$zorbel")
SCREEN=1024x768x24

# Sets win_x, win_y, win_w, win_h from the X window $win; ox, oy (the client
# area's top left on the screen) and menu_y (a row through the menu bar).
client_area() {
    local info
    info=$(xwininfo -id "$win")
    win_w=$(awk '/^ *Width:/ {print $2}' <<<"$info")
    win_h=$(awk '/^ *Height:/ {print $2}' <<<"$info")
    win_x=$(awk '/Absolute upper-left X:/ {print $4}' <<<"$info")
    win_y=$(awk '/Absolute upper-left Y:/ {print $4}' <<<"$info")
    log "window geometry ${win_w}x${win_h}+${win_x}+${win_y}"
    (( win_w == CLIENT_W )) || fail "window is $win_w pixels wide, the client area must be $CLIENT_W"
    (( win_h >= CLIENT_H )) || die "window is $win_h pixels high, less than the client area's $CLIENT_H"
    # Everything above the client area is the menu bar.
    ox=$win_x
    oy=$(( win_y + win_h - CLIENT_H ))
    menu_y=$(( win_y + (win_h - CLIENT_H) / 2 ))
    log "client area origin $ox,$oy (menu bar $((win_h - CLIENT_H)) pixels)"
}

if [[ -n "${ZORBEL_E2E_FRONT:-}" ]]; then
    # shellcheck source=/dev/null
    source "$ZORBEL_E2E_FRONT"
fi

# --- the X session ------------------------------------------------------
# shellcheck source=../../tools/xvfb.sh
source "$(dirname "$0")/../../tools/xvfb.sh"
start_xvfb "$work" "$TIMEOUT" "$SCREEN" || die "Xvfb did not start: $(cat "$work/xvfb.log")"
log "X display $DISPLAY"

# --- 1. the window appears with its caption and client size ------------
launch
first_pid=$game_pid
find_window || die "no visible window named '$CAPTION' within ${TIMEOUT}s"
log "window $win of process $first_pid"

name=$(xdotool getwindowname "$win")
[[ "$name" == "$CAPTION" ]] || fail "caption is '$name', not '$CAPTION'"
client_area

settled_screenshot || die "the board never held still"
start_board=("${cell_hash[@]}")

# The ground shows in the margins around the grid: left, top, right, and
# below the labels.
for p in "2 200" "300 2" "608 200" "608 426"; do
    set -- $p
    c=$(pixel "$1" "$2")
    [[ "$c" == "$BACKGROUND" ]] || fail "client pixel ($1,$2) is $c, not the ground $BACKGROUND"
done

distinct=$(printf '%s\n' "${cell_hash[@]:1}" | sort -u | wc -l)
(( distinct >= 5 )) || fail "the first board shows only $distinct different cell pictures"

# --- 2. a click highlights exactly the clicked cell --------------------
# Cells 23 (row 2, column 8) and 128 (row 9, column 8) are no neighbours,
# so clicking one and then the other moves the selection and never swaps.
# The first click lands just inside the cell's top-left corner, the second
# just inside the bottom-right one: both must find their cell.
a=23
b=128
base_grey_a=$(grey_pixels "$a")
base_grey_b=$(grey_pixels "$b")
before=("${cell_hash[@]}")
click_at $(( $(cell_x $a) + 2 )) $(( $(cell_y $a) + 2 ))
if screenshot_after_change "$(board_signature)"; then
    changed=$(changed_cells before)
    [[ "$changed" == "$a" ]] || fail "a click on cell $a changed cell(s) [$changed], expected exactly [$a]"
    grey=$(grey_pixels "$a")
    (( grey >= base_grey_a + 40 )) ||
        fail "the selected cell $a shows no grey net ($base_grey_a grey pixels before, $grey after)"
    log "click on cell $a: changed [$changed], grey pixels $base_grey_a -> $grey"
else
    fail "a click on cell $a changed nothing on the board"
fi

before=("${cell_hash[@]}")
click_at $(( $(cell_x $b) + CELL - 3 )) $(( $(cell_y $b) + CELL - 3 ))
if screenshot_after_change "$(board_signature)"; then
    changed=$(changed_cells before)
    [[ "$changed" == "$a $b" ]] ||
        fail "a click on cell $b with $a selected changed [$changed], expected exactly [$a $b]"
    [[ "${cell_hash[a]}" == "${start_board[a]}" ]] ||
        fail "cell $a did not return to its plain picture when the selection moved on"
    grey=$(grey_pixels "$b")
    (( grey >= base_grey_b + 40 )) ||
        fail "the selected cell $b shows no grey net ($base_grey_b grey pixels before, $grey after)"
    log "click on cell $b: changed [$changed], grey pixels $base_grey_b -> $grey"
else
    fail "a click on cell $b changed nothing on the board"
fi

# Press on one cell, release on another: each counts as a click on the cell
# under the pointer. Cells 1 and 150 are far from everything selected so far.
before=("${cell_hash[@]}")
xdotool mousemove --sync $(( $(cell_x 1) + 20 )) $(( $(cell_y 1) + 20 )) mousedown 1 \
    mousemove --sync $(( $(cell_x 150) + 20 )) $(( $(cell_y 150) + 20 )) mouseup 1
if screenshot_after_change "$(board_signature)"; then
    changed=$(changed_cells before)
    # The press selects 1 (and frees 128), the release moves it on to 150.
    [[ "$changed" == "$b 150" ]] ||
        fail "press on cell 1, release on 150 changed [$changed], expected [$b 150]"
    [[ "${cell_hash[1]}" == "${start_board[1]}" ]] || fail "cell 1 stayed highlighted after the release on 150"
    log "press on 1, release on 150: changed [$changed]"
else
    fail "a press and release changed nothing on the board"
fi
selected_board=("${cell_hash[@]}")

# --- 3. F2 deals a different board -------------------------------------
focus_game
xdotool key F2
if screenshot_after_change "$(board_signature)"; then
    changed=$(changed_cells selected_board)
    n=$(wc -w <<<"$changed")
    # With six colours about five cells in six change; a board that kept
    # half its cells was not dealt afresh.
    (( n >= CELLS / 2 )) || fail "F2 changed only $n of $CELLS cells"
    grey=$(grey_pixels 150)
    (( grey < 40 )) || fail "cell 150 still shows a grey net ($grey grey pixels) after the new game"
    log "F2: $n of $CELLS cells changed"
else
    fail "F2 did not change the board"
fi
dealt_board=$(board_signature)

if declare -F front_checks >/dev/null; then
    front_checks
    # They leave a fresh board behind, unselected.
    settled_screenshot || die "the board never held still after the front's checks"
    dealt_board=$(board_signature)
fi

# --- 4. a second copy leaves at once; the first keeps running ----------
# and comes to the front: another window is put over the board first.
xmessage -geometry "$((CLIENT_W + 40))x$((CLIENT_H + 40))+$((win_x - 20))+$((win_y - 20))" \
    "a window over the game" >>"$work/xmessage.log" 2>&1 &
cover_pid=$!
game_pids+=("$cover_pid")
timeout "$TIMEOUT" xdotool search --sync --onlyvisible --name '^xmessage$' >/dev/null 2>&1 ||
    fail "the covering window did not appear"
settled_screenshot || fail "the covered screen never held still"
[[ "$(board_signature)" != "$dealt_board" ]] || fail "the window put over the game does not hide its board"
start=$(now_ms)
timeout "$TIMEOUT" "${run[@]}" >>"$work/zorbel.log" 2>&1
second_status=$?
elapsed=$(( $(now_ms) - start ))
log "second copy: status $second_status after $elapsed ms"
(( second_status == 0 )) || fail "the second copy ended with status $second_status, not 0"
(( elapsed < 5000 )) || fail "the second copy took $elapsed ms to leave"
kill -0 "$first_pid" 2>/dev/null || die "the first copy died when the second was started"
n=$(visible_windows)
(( n == 1 )) || fail "$n game windows are open after the second launch, expected 1"
# The first copy is asked to show itself; it comes up over the other window
# with its board untouched.
deadline=$(( $(now_ms) + TIMEOUT * 1000 ))
until settled_screenshot && [[ "$(board_signature)" == "$dealt_board" ]]; do
    (( $(now_ms) < deadline )) || { fail "the second launch did not bring the first copy's board to the front unchanged"; break; }
    sleep 0.1
done
kill "$cover_pid" 2>/dev/null

# --- 5. Escape ends the game -------------------------------------------
# even right after Alt was tapped, which hands the keyboard to the menu bar.
focus_game
xdotool key alt
xdotool key Escape
if wait_exit "$first_pid"; then
    log "Escape: the game ended with status $exit_status"
    (( exit_status == 0 )) || fail "after Escape the game ended with status $exit_status"
else
    die "the game was still running ${TIMEOUT}s after Escape"
fi
(( $(visible_windows) == 0 )) || fail "a game window is still shown after Escape"

# --- 6. after a kill the game starts again -----------------------------
launch
killed_pid=$game_pid
find_window || die "the game did not start again after a normal end"
kill -KILL "$killed_pid"
wait "$killed_pid" 2>/dev/null
# The window goes with the dead client's connection.
deadline=$(( $(now_ms) + TIMEOUT * 1000 ))
while (( $(visible_windows) > 0 )); do
    (( $(now_ms) < deadline )) || die "the killed game's window stayed on screen"
    sleep 0.05
done
launch
find_window || die "no window appeared when the game was started after being killed"
kill -0 "$game_pid" 2>/dev/null || die "the game started after a kill has ended"
log "after SIGKILL a new copy started: window $win"

# --- 7. a menu closed with Escape, then Escape ends the game -----------
# The first Escape is the drop-down's; the next one is the window's.
open_menus() { xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null | wc -l; }
wait_menus() {  # waits until the game shows $1 windows of its own
    local deadline=$(( $(now_ms) + TIMEOUT * 1000 ))
    until (( $(open_menus) == $1 )); do
        (( $(now_ms) < deadline )) || return 1
        sleep 0.05
    done
}
focus_game
shown=$(open_menus)
click_at $(( ox + 15 )) "$menu_y"
wait_menus $(( shown + 1 )) || fail "a click on the first menu title opened no drop-down"
xdotool key Escape
wait_menus "$shown" || fail "Escape did not close the drop-down"
kill -0 "$game_pid" 2>/dev/null || fail "the Escape that closed a drop-down also ended the game"
xdotool key Escape
wait_exit "$game_pid" || fail "the game did not end on the Escape after a drop-down was closed"

if (( failures > 0 )); then
    echo "$failures check(s) failed" >&2
    exit 1
fi
log "all end-to-end checks passed"
