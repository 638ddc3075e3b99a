# Sourced by tests/e2e/e2e.sh (ZORBEL_E2E_FRONT): its end-to-end run for the
# Windows edition under Wine, and the checks only this edition has a way to
# make: every cell against the painter's sheet, decoded into the board the
# game holds; moves by clicks and by a drag with the score; the hint, eight
# colours and automatic play; the board's MSAA table, its focus, selection
# and events; English at 200 %; Arabic, mirrored but for its board, and
# Korean, in real glyphs; every language's label texts fitting at 100 % and
# 200 %; a copy beside planted DLLs, with its ball sheets spoilt; the
# installer, silent, in and out.
#
# Environment: ZORBEL_WINE_PREFIX (made by wine.sh --boot), ZORBEL_MSAA_PROBE
# (msaa_probe.exe), ZORBEL_TEXT_PROBE (text_probe.exe), ZORBEL_I18N (the
# translations), ZORBEL_SHEETS (the folder of the painter's sheets),
# ZORBEL_PLANTED_DLL (planted_dll.dll) and ZORBEL_INSTALLER (made by
# `cmake --build build-win --target package`).

win_tests=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
for tool in wine wineserver localedef fc-match compare python3; do
    command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is not installed" >&2; exit "$SKIP"; }
done
[[ -f "${ZORBEL_WINE_PREFIX:-}/system.reg" ]] ||
    { echo "SKIP: no Wine prefix at '${ZORBEL_WINE_PREFIX:-}'" >&2; exit "$SKIP"; }

readonly HIGH_DPI=192  # the registry's LogPixels at 200 %
readonly SCALE=2
readonly SETTLE_TIMEOUT=$((3 * TIMEOUT))  # a cascade of ticks, then a quiet one
readonly AUTO_MOVES=3                     # board changes that show automatic play at work
readonly MOVES_WORD_RU='Ходов' SCORE_WORD_RU='Счёт'
readonly -a NAMES_RU=(пусто красный жёлтый зелёный голубой синий пурпурный 'слоновая кость' оранжевый)
readonly -a NAMES_EN=(empty red yellow green cyan blue magenta ivory orange)
readonly MENU_POINTS=8 MENU_TITLES_W=400  # the menu font; where the two titles lie at 200 %
readonly SOFTEN=0x2 TITLE_MATCH=0.9      # blur, and the normalized correlation of a word found
readonly MENU_EDGE=16                    # pixels from a title's text to its item's edge, at most
readonly LABEL_W=139 LABEL_H=19 LABEL_TOP=410 LABEL_GROUND='srgb(192,192,192)'
readonly -a LABEL_LEFT=(5 165)
readonly FRAME=4                          # the keyboard frame's two bands at 100 %, in pixels
readonly MOST_NAME_EVENTS=10              # a handful: a move used to tell up to 150 names a tick
readonly PLANTED_DLLS='oleacc dwmapi uxtheme windowscodecs'  # Wine itself loads imm32 and version
readonly SAMPLE=13                        # a point of a cell inside its ball, clear of net and plus
readonly UNINSTALL_KEY='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zorbel'
SCREEN=1600x1200x24  # room for the window at 200 %
# The frame shows on the focused cell; cells are told by what lies inside it.
TILE_INSET=$FRAME

# A prefix of the run's own, so that its wineserver, and with it the game's
# one-copy lock, is apart from any other test's: the fixture's files linked
# where they can be (one file system), its registry copied, which Wine rewrites.
prefixes=()
own_prefix() {
    cp -al "$ZORBEL_WINE_PREFIX" "$1" 2>/dev/null || { rm -rf "$1" && cp -a "$ZORBEL_WINE_PREFIX" "$1"; } || return 1
    local f
    for f in "$1"/*.reg; do cp --remove-destination "$ZORBEL_WINE_PREFIX/${f##*/}" "$f" || return 1; done
    prefixes+=("$1")
}
front_cleanup() {
    local p
    for p in "${prefixes[@]}"; do WINEPREFIX=$p wineserver -k 2>/dev/null; done
}

prefix=$work/prefix
own_prefix "$prefix" || die "cannot copy the Wine prefix $ZORBEL_WINE_PREFIX"
# Wine hands X the window's title in the codeset of its Unix locale, and
# xdotool finds the window by that title: without a Russian locale on the
# machine, the caption would reach X as question marks. One is made here.
# So are the Arabic and Korean ones, for Wine to take the player's language from.
mkdir "$work/locale"
for locale in ru_RU ar_EG ko_KR; do
    localedef -i "$locale" -f UTF-8 "$work/locale/$locale.UTF-8" >>"$work/locale.log" 2>&1 ||
        { echo "SKIP: cannot make a $locale.UTF-8 locale (Debian: locales): $(cat "$work/locale.log")" >&2; exit "$SKIP"; }
done
export ZORBEL_WINE_LANG=ru_RU.UTF-8
run=(env LOCPATH="$work/locale" bash "$win_tests/wine.sh" "$prefix" "$zorbel")

# --- what the game shows ------------------------------------------------
# picture_of[hash of a cell's pixels, less the frame's edge] = its picture
# number 1..24, from the painter's sheet of ratio $1.
load_sheet() {
    local side=$((CELL * $1)) inset=$((TILE_INSET * $1)) dir="$work/sheet-$1x" h f n
    declare -gA picture_of=()
    mkdir -p "$dir"
    convert "$ZORBEL_SHEETS/balls-$1x.png" -crop "${side}x${side}" +repage -shave "${inset}x${inset}" +repage \
        +adjoin -depth 8 "$dir/p_%02d.rgb" || return 1
    while read -r h f; do
        n=${f##*_}
        picture_of[$h]=$((10#${n%.rgb} + 1))
    done < <(md5sum "$dir"/p_*.rgb)
    (( ${#picture_of[@]} == 24 ))
}

# pic[1..150] and colour[1..150] from cell_hash; fails, with the cells that
# show no picture of the sheet in $unknown_cells, when it cannot.
decode_board() {
    local i n unknown=()
    pic=(0) colour=(0)
    for ((i = 1; i <= CELLS; i++)); do
        n=${picture_of[${cell_hash[i]}]:-0}
        (( n > 0 )) || unknown+=("$i")
        pic+=("$n")
        colour+=($(( n > 0 ? (n - 1) % 8 + 1 : 0 )))
    done
    unknown_cells=${unknown[*]}
    (( ${#unknown[@]} == 0 ))
}

marked_cells() {  # cells drawn with the net: selected or about to vanish
    local i out=()
    for ((i = 1; i <= CELLS; i++)); do (( pic[i] > 8 && pic[i] <= 16 )) && out+=("$i"); done
    echo "${out[*]}"
}

# On the decoded board, "line": 1 when a line of three stands, else 0;
# "moves": the game's own move count (every ball tried one step each way,
# counted when it completes a line there), then each move "from to".
board_awk() {
    awk -v mode="$1" -v b="${colour[*]:1}" '
    function line(   i, c, r) {
        for (i = 1; i <= 150; i++) {
            c = (i - 1) % 15 + 1; r = int((i - 1) / 15) + 1
            if (c > 1 && c < 15 && B[i - 1] == B[i] && B[i + 1] == B[i]) return 1
            if (r > 1 && r < 10 && B[i - 15] == B[i] && B[i + 15] == B[i]) return 1
        }
        return 0
    }
    function try(i, t,   old) {
        old = B[t]; B[t] = B[i]; B[i] = 0
        if (line()) { n++; found = found i " " t "\n" }
        B[i] = B[t]; B[t] = old
    }
    BEGIN {
        split(b, B, " ")
        if (mode == "line") { print line(); exit }
        for (i = 1; i <= 150; i++) {
            c = (i - 1) % 15 + 1; r = int((i - 1) / 15) + 1
            if (c > 1) try(i, i - 1)
            if (c < 15) try(i, i + 1)
            if (r > 1) try(i, i - 15)
            if (r < 10) try(i, i + 15)
        }
        printf "%d\n%s", n, found
    }'
}

# Screenshots until the board rests: every cell a picture of the sheet,
# none with the net, no line of three left to settle.
wait_quiet() {
    local deadline=$(( $(now_ms) + SETTLE_TIMEOUT * 1000 ))
    until screenshot && decode_board && [[ -z "$(marked_cells)" && "$(board_awk line)" == 0 ]]; do
        (( $(now_ms) < deadline )) || return 1
        sleep 0.1
    done
}

# The MSAA client run in prefix $1: its lines in probe_out, the labels'
# texts in steps_text and score_text.
probe() {
    probe_out=$(bash "$win_tests/wine.sh" "$1" "$ZORBEL_MSAA_PROBE" 2>>"$work/probe.log" | tr -d '\r')
    read_labels
}
read_labels() {
    steps_text=$(sed -n 's/^label //p' <<<"$probe_out" | sed -n 1p)
    score_text=$(sed -n 's/^label //p' <<<"$probe_out" | sed -n 2p)
}

score() {  # the score label's number, or nothing
    [[ "$score_text" =~ ^$SCORE_WORD_RU:\ ([0-9]+)\+?$ ]] && echo "${BASH_REMATCH[1]}"
}

# The probe listening to the game's events in prefix $1 until stop_watch;
# waits until it listens.
start_watch() {
    watch_stop=$work/watch.stop watch_file=$work/watch.out
    rm -f "$watch_stop"
    bash "$win_tests/wine.sh" "$1" "$ZORBEL_MSAA_PROBE" --watch "Z:${watch_stop//\//\\}" >"$watch_file" \
        2>>"$work/probe.log" &
    watch_pid=$!
    local deadline=$(( $(now_ms) + TIMEOUT * 1000 ))
    until grep -q '^watching' "$watch_file"; do
        (( $(now_ms) < deadline )) && kill -0 "$watch_pid" 2>/dev/null || return 1
        sleep 0.05
    done
}
stop_watch() {  # its lines, with the table read after, in probe_out
    touch "$watch_stop"
    wait "$watch_pid"
    probe_out=$(tr -d '\r' <"$watch_file")
    read_labels
}

place_of() { echo "$(( ($1 - 1) / COLS + 1 )),$(( ($1 - 1) % COLS + 1 ))"; }  # "row,column"

# Colour "r,g,b" of client pixel $1,$2 in $shot.
rgb() {
    local p="p{$((ox + $1)),$((oy + $2))}"
    convert "$shot" -format "%[fx:int(255*$p.r+0.5)],%[fx:int(255*$p.g+0.5)],%[fx:int(255*$p.b+0.5)]" info:
}

# The keyboard frame in $shot on cell $1: a black band, then a white one,
# just inside its left edge.
framed() {
    local x=$(( CELL * (($1 - 1) % COLS) + 5 )) y=$(( CELL * (($1 - 1) / COLS) + 5 + CELL / 2 ))
    [[ "$(rgb $((x + 1)) "$y"),$(rgb $((x + FRAME - 1)) "$y")" == 0,0,0,255,255,255 ]]
}

# The focus or the selection the probe read ($2: "focus" or "selection") is
# a cell of the table, cell $3 if given, and (for the focus) the one the frame
# shows on a fresh screenshot; sets pointed_cell. $1 tells when.
check_pointed() {
    local when=$1 what=$2 want=${3:-} line
    line=$(sed -n "s/^$what //p" <<<"$probe_out")
    if [[ ! "$line" =~ ^([0-9]+)\ ([0-9]+)\  ]]; then
        fail "MSAA $when: the $what is '$line', no cell of the table"
        return 1
    fi
    pointed_cell=$(( (BASH_REMATCH[1] - 1) * COLS + BASH_REMATCH[2] ))
    [[ -z "$want" || "$pointed_cell" == "$want" ]] || fail "MSAA $when: the $what is cell $pointed_cell, not $want"
    if [[ $what == focus ]]; then
        screenshot && framed "$pointed_cell" || fail "MSAA $when: the focus is cell $pointed_cell, which shows no frame"
    fi
}

# The table as the probe read it against the decoded board: 10 rows of 15
# cells, each named by the colour it shows, with "selected" on the net and
# "active" on the plus, and described by its place. $1: the table's name;
# $2, $3: the words for selected and active; $4: the words of a place, %1
# the row and %2 the column; the rest: the colour names.
check_table() {
    local board_name=$1 selected=$2 active=$3 place=$4
    shift 4
    local -a names=("$@")
    local r k i cell name want wrong=()
    grep -qx "table table $board_name rows 10" <<<"$probe_out" ||
        { fail "MSAA: no table '$board_name' of 10 rows: $(head -n 3 <<<"$probe_out")"; return; }
    for ((r = 1; r <= 10; r++)); do
        local line
        line=$(grep "^row $r row cells 15: " <<<"$probe_out") || { fail "MSAA: row $r is not a row of 15 cells"; continue; }
        IFS='|' read -r -a cells <<<"${line#*: }"
        for ((k = 1; k <= 15; k++)); do
            i=$(( (r - 1) * 15 + k ))
            cell=${cells[k - 1]}
            # Each cell's description tells its row and column.
            want=${place/\%1/$r}
            [[ "$cell" == *" [${want/\%2/$k}]" ]] || { wrong+=("$i:${cell##* [}"); continue; }
            cell=${cell% \[*}
            name=${cell#cell }
            [[ "$cell" == "cell $name" && "$name" == "${names[colour[i]]}"* ]] || { wrong+=("$i:$name"); continue; }
            if (( pic[i] > 8 && pic[i] <= 16 )); then [[ "$name" == *"$selected"* ]] || wrong+=("$i:$name"); fi
            if (( pic[i] > 16 )); then [[ "$name" == *"$active"* ]] || wrong+=("$i:$name"); fi
        done
    done
    (( ${#wrong[@]} == 0 )) || fail "MSAA: cells named unlike their pictures: ${wrong[*]:0:5}"
}

cell_centre() { echo $(( $(cell_x "$1") + CELL / 2 )) $(( $(cell_y "$1") + CELL / 2 )); }

# --- the checks -----------------------------------------------------------
front_checks() {
    load_sheet 1 || die "cannot read the painter's sheet in $ZORBEL_SHEETS"

    # The board: the painter's pictures, the screen reader's table and the
    # moves label all tell of one board.
    wait_quiet || die "the dealt board never came to rest as pictures of the sheet (unknown: $unknown_cells)"
    probe "$prefix"
    check_table 'Игровое поле' выбран активный 'строка %1, столбец %2' "${NAMES_RU[@]}"
    local moves count
    moves=$(board_awk moves)
    count=$(head -n1 <<<"$moves")
    [[ "$steps_text" == "$MOVES_WORD_RU: $count" ]] ||
        fail "the moves label reads '$steps_text'; the board on screen has $count moves"
    [[ -z "$(score)" ]] || fail "the score label reads '$score_text' before any move"
    # The board has the focus from the start, and shows it.
    check_pointed "at the start" focus
    grep -qx 'selection none' <<<"$probe_out" ||
        fail "MSAA: a selection before any click: $(grep '^selection' <<<"$probe_out")"
    log "board: pictures of the sheet, MSAA table and '$steps_text' agree; $(grep '^focus' <<<"$probe_out")"

    # A move by two clicks, heard as a screen reader hears it: the first
    # click's cell has the focus and is the selection; the whole move names
    # only the two cells, a handful of times, and reads the score out.
    local from to before s1 s2
    read -r from to < <(sed -n 2p <<<"$moves")
    before=$(board_signature)
    start_watch "$prefix" || fail "the MSAA probe does not listen to the game's events: $(cat "$watch_file")"
    click_at $(cell_centre "$from")
    if screenshot_after_change "$before"; then
        probe "$prefix"
        check_pointed "after a click on $from" selection "$from"
        check_pointed "after a click on $from" focus "$from"
    else
        fail "a click on $from changed nothing"
    fi
    before=$(board_signature)
    click_at $(cell_centre "$to")
    if screenshot_after_change "$before" && wait_quiet; then
        stop_watch
        s1=$(score)
        (( ${s1:-0} >= 3 )) || fail "after the move $from -> $to the score label reads '$score_text'"
        local names heard
        names=$(sed -n 's/^namechanges //p' <<<"$probe_out")
        for heard in ${names#* at}; do
            [[ $heard == "$(place_of "$from")" || $heard == "$(place_of "$to")" ]] ||
                fail "MSAA: the move told a new name of $heard, where no reader is"
        done
        (( ${names%% *} >= 1 && ${names%% *} <= MOST_NAME_EVENTS )) ||
            fail "MSAA: the move told $names names, not 1 to $MOST_NAME_EVENTS"
        grep -qx "focuses [0-9]* last $(place_of "$to")" <<<"$probe_out" ||
            fail "MSAA: the focus events did not end on $(place_of "$to"): $(grep '^focuses' <<<"$probe_out")"
        grep -qx "selections [1-9][0-9]* last $(place_of "$from")" <<<"$probe_out" ||
            fail "MSAA: no selection event named $(place_of "$from"): $(grep '^selections' <<<"$probe_out")"
        [[ "$(grep '^liveregions [1-9]' <<<"$probe_out")|" == *"|$score_text|"* ]] ||
            fail "MSAA: the new score '$score_text' was not read out: $(grep '^liveregions' <<<"$probe_out")"
        log "two clicks $from, $to: '$score_text'; heard" \
            "$(grep -E '^(namechanges|focuses|selections|liveregions)' <<<"$probe_out" | paste -sd';')"
    else
        stop_watch
        fail "the move by clicks $from -> $to did not settle"
    fi
    read -r from to < <(board_awk moves | sed -n 2p)
    before=$(board_signature)
    xdotool mousemove --sync $(cell_centre "$from") mousedown 1 mousemove --sync $(cell_centre "$to") mouseup 1
    if screenshot_after_change "$before" && wait_quiet; then
        probe "$prefix"
        s2=$(score)
        (( ${s2:-0} >= ${s1:-0} + 3 )) || fail "after the drag $from -> $to the score label reads '$score_text', it read ${s1:-nothing}"
        log "drag $from -> $to: '$score_text'"
    else
        fail "the drag $from -> $to did not settle"
    fi

    # F1 selects the first cell of a move.
    focus_game
    xdotool key F1
    local hint deadline=$(( $(now_ms) + TIMEOUT * 1000 ))
    until screenshot && decode_board && hint=$(marked_cells) && [[ -n "$hint" ]]; do
        (( $(now_ms) < deadline )) || break
        sleep 0.1
    done
    if [[ "$hint" =~ ^[0-9]+$ ]] && board_awk moves | awk -v h="$hint" 'NR > 1 && $1 == h {f = 1} END {exit !f}'; then
        probe "$prefix"
        check_table 'Игровое поле' выбран активный 'строка %1, столбец %2' "${NAMES_RU[@]}"
        log "F1: cell $hint selected, the first of a move"
    else
        fail "F1 selected [${hint:-nothing}], not the first cell of a move"
    fi

    # F8: a new game of eight colours, the score kept.
    before=$(board_signature)
    xdotool key F8
    if screenshot_after_change "$before" && wait_quiet; then
        local most
        most=$(printf '%s\n' "${colour[@]:1}" | sort -n | tail -n1)
        (( most == 8 )) || fail "after F8 the highest colour on the board is $most, not 8"
        probe "$prefix"
        [[ "$(score)" == "$s2" ]] || fail "F8's new game changed the score label to '$score_text'"
        check_table 'Игровое поле' выбран активный 'строка %1, столбец %2' "${NAMES_RU[@]}"
        log "F8: colours up to $most"
    else
        fail "F8 did not deal a board that came to rest"
    fi

    # Automatic play, from the keyboard through the menu bar (its item has
    # no key): the last but one item of the second menu, up from the first.
    # It moves and scores nothing.
    local changes=0 last
    last=$(board_signature)
    xdotool key --delay 200 F10 Right Down Up Up Return
    deadline=$(( $(now_ms) + SETTLE_TIMEOUT * 1000 ))
    while (( changes < AUTO_MOVES && $(now_ms) < deadline )); do
        screenshot && [[ "$(board_signature)" != "$last" ]] && { changes=$((changes + 1)); last=$(board_signature); }
        sleep 0.1
    done
    (( changes >= AUTO_MOVES )) || fail "automatic play changed the board only $changes times"
    probe "$prefix"
    [[ "$(score)" == "$s2" ]] || fail "automatic play scored: the label reads '$score_text', it read $s2"
    # F2 ends it with a new game: the board comes to rest and stays.
    xdotool key F2
    wait_quiet || fail "the board did not rest after F2 ended automatic play"
    last=$(board_signature)
    probe "$prefix"
    screenshot && [[ "$(board_signature)" == "$last" ]] || fail "the board still changes after F2 ended automatic play"
    log "automatic play: $changes moves seen, score kept at $s2, ended by F2"

    # Focus follows the keyboard's cursor: a cell to the right, or to the
    # left at the end of a row; the frame goes with it.
    if check_pointed "before an arrow key" focus; then
        local was=$pointed_cell key=Right step=1
        (( (was - 1) % COLS + 1 == COLS )) && { key=Left step=-1; }
        xdotool key "$key"
        probe "$prefix"
        check_pointed "after the key $key" focus $(( was + step ))
        framed "$was" && fail "MSAA: the frame stayed on cell $was after the key $key"
    fi

    english_at_200
    labels_fit_everywhere
    in_other_scripts ar ar_EG.UTF-8 right
    in_other_scripts ko ko_KR.UTF-8 left
    planted_copy
    installer
}

# The texts of translation $1 for the "context|source" keys that follow, one
# a line; the key "Menu|*" stands for every menu caption, in the file's order.
ts_texts() {
    python3 - "$ZORBEL_I18N/zorbel_$1.ts" "${@:2}" <<'EOF'
import sys
import xml.etree.ElementTree as ElementTree
texts = []
for context in ElementTree.parse(sys.argv[1]).getroot().iter("context"):
    for message in context.iter("message"):
        texts.append((context.findtext("name") + "|" + message.findtext("source"), message.findtext("translation")))
for key in sys.argv[2:]:
    print("\n".join(text for k, text in texts if k == key or (key == "Menu|*" and k.startswith("Menu|"))))
EOF
}

# The widest texts each label can show: the most moves a board can have,
# none, and the capped score.
widest_labels() {
    ts_texts "$1" 'Labels|Ходов: %1' 'Labels|Ходов нет!' 'Labels|Счёт: %1+' | sed 's/%1+/32000+/; s/%1/550/'
}

# The locale of a player of translation $1 ("pt_BR", or the first region
# glibc knows for "de"), made in $work/locale if it is not there yet; Wine
# chooses its fallback fonts by it.
locale_of() {
    local code=$1 found
    [[ $code == *_* ]] || { found=$(ls /usr/share/i18n/locales | grep -m1 -x "${code}_[A-Z][A-Z]") && code=$found; }
    [[ -d "$work/locale/$code.UTF-8" ]] ||
        localedef -i "$code" -f UTF-8 "$work/locale/$code.UTF-8" >>"$work/locale.log" 2>&1 || return 1
    echo "$code.UTF-8"
}

# Every translation's widest label texts, in the labels' font as Wine draws
# it for a player of that language at 100 % and at 200 %, fit their labels,
# with a glyph for every letter. Thai is the exception: Windows' Tahoma has
# Thai letters, Wine's has none and Wine links no other font to it, so under
# Wine alone they are boxes; that is said, and not held against the game.
readonly WINE_HAS_NO_FONT_FOR='th'
labels_fit_everywhere() {
    local ts code locale line dpi w h wrong=() unseen=()
    local -a texts
    for ts in "$ZORBEL_I18N"/zorbel_*.ts; do
        code=${ts##*/zorbel_}
        code=${code%.ts}
        locale=$(locale_of "$code") || { wrong+=("$code: no locale"); continue; }
        mapfile -t texts < <(widest_labels "$code")
        while read -r line; do
            [[ "$line" == missing* && " $WINE_HAS_NO_FONT_FOR " == *" $code "* ]] && { unseen+=("$code"); continue; }
            [[ "$line" =~ ^size\ ([0-9]+)\ ([0-9]+)x([0-9]+)\ (.*)$ ]] || { wrong+=("$code: $line"); continue; }
            dpi=${BASH_REMATCH[1]} w=${BASH_REMATCH[2]} h=${BASH_REMATCH[3]}
            (( w <= LABEL_W * dpi / 96 && h <= LABEL_H * dpi / 96 )) || wrong+=("$code at $dpi dpi: '${BASH_REMATCH[4]}' ${w}x$h")
        done < <(env LOCPATH="$work/locale" ZORBEL_WINE_LANG="$locale" bash "$win_tests/wine.sh" "$prefix" "$ZORBEL_TEXT_PROBE" \
            label "$code" "96,$HIGH_DPI" "$work/label.bmp" "${texts[@]}" 2>>"$work/probe.log" | tr -d '\r')
    done
    if (( ${#wrong[@]} > 0 )); then
        fail "label texts that do not fit or lack glyphs: ${wrong[*]}"
    else
        log "every language's widest label texts fit at 100 % and 200 %, in real glyphs${unseen:+ (but ${unseen[0]}, which Wine has no font for)}"
    fi
}

# A game in language $1 (locale $2), whose menu bar starts at its $3, in a
# prefix of its own: its menu titles and labels in real glyphs, the first
# title where the bar starts; right to left, its menu opening under it and
# the labels mirrored; the board never: a click selects the cell under the
# pointer, two clicks and a drag swap given cells.
in_other_scripts() {
    local code=$1 locale=$2 side=$3 p=$work/prefix-$1 pid w info wx wy ww wh caption missing
    local -a titles labels saved=("$ox" "$oy" "$win")
    own_prefix "$p" || { fail "cannot copy the Wine prefix"; return; }
    mapfile -t titles < <(ts_texts "$code" 'Menu|*')
    mapfile -t labels < <(widest_labels "$code")
    caption=$(ts_texts "$code" 'Window|Зорбель')
    local -a wine=(env LOCPATH="$work/locale" ZORBEL_WINE_LANG="$locale" bash "$win_tests/wine.sh" "$p")
    "${wine[@]}" "$zorbel" >>"$work/zorbel-$code.log" 2>&1 &
    pid=$!
    game_pids+=("$pid")
    w=$(timeout "$TIMEOUT" xdotool search --sync --onlyvisible --name "^$caption\$" 2>/dev/null | head -n1)
    [[ -n "$w" ]] || { fail "$code: no window named '$caption'"; return; }
    info=$(xwininfo -id "$w")
    ww=$(awk '/^ *Width:/ {print $2}' <<<"$info")
    wh=$(awk '/^ *Height:/ {print $2}' <<<"$info")
    wx=$(awk '/Absolute upper-left X:/ {print $4}' <<<"$info")
    wy=$(awk '/Absolute upper-left Y:/ {print $4}' <<<"$info")
    win=$w ox=$wx oy=$((wy + wh - CLIENT_H))
    load_sheet 1 || { fail "cannot read the painter's sheet"; return; }
    wait_quiet || fail "$code: the board never came to rest as pictures of the sheet (unknown: $unknown_cells)"

    # Menus and labels in glyphs Wine has, as the game's fonts draw them.
    missing=$("${wine[@]}" "$ZORBEL_TEXT_PROBE" menu "$code" 96 "$work/title-$code.bmp" "${titles[@]}" 2>>"$work/probe.log" |
        tr -d '\r' | grep '^missing')
    [[ -z "$missing" ]] || fail "$code: menu captions drawn without glyphs: $missing"
    missing=$("${wine[@]}" "$ZORBEL_TEXT_PROBE" label "$code" 96 "$work/label-$code.bmp" "${labels[@]}" 2>>"$work/probe.log" |
        tr -d '\r' | grep '^missing')
    [[ -z "$missing" ]] || fail "$code: label texts drawn without glyphs: $missing"

    # The first title as Wine draws it in the menu font, its ink alone,
    # found in the bar.
    local bar=$((wh - CLIENT_H)) found score tx tw
    screenshot
    convert "$shot" -crop "${ww}x${bar}+$wx+$wy" +repage -colorspace gray "$work/bar-$code.png"
    convert "$work/title-$code.bmp" -colorspace gray -trim +repage "$work/title-$code.png" ||
        { fail "$code: the probe drew no title"; return; }
    tw=$(identify -format '%w' "$work/title-$code.png")
    found=$(compare -dissimilarity-threshold 1 -metric NCC -subimage-search "$work/bar-$code.png" "$work/title-$code.png" null: 2>&1)
    [[ "$found" =~ ^([0-9.]+)\ @\ ([0-9]+),[0-9]+ ]] || { fail "$code: cannot look for the first title: $found"; return; }
    score=${BASH_REMATCH[1]} tx=${BASH_REMATCH[2]}
    awk -v s="$score" -v m="$TITLE_MATCH" 'BEGIN {exit !(s >= m)}' ||
        fail "$code: no menu title '${titles[0]}' in the menu bar (best match $found)"
    if [[ $side == right ]]; then
        (( ww - (tx + tw) < MENU_EDGE )) || fail "$code: the first title ends $((ww - tx - tw)) pixels from the bar's right"
    else
        (( tx < MENU_EDGE )) || fail "$code: the first title starts $tx pixels into the bar"
    fi
    log "$code: the first title '${titles[0]}' at x $tx of $ww (match $score); menus and labels in real glyphs"
    [[ $side == right ]] && mirrored_menu_and_labels "$code" "$pid" "$wx" "$wy" "$((tx + tw / 2))" "$((tx + tw))" "$bar"

    # The board is not mirrored: the cell under the pointer is the one the
    # game selects, and given moves swap their cells.
    local moves far from to s0 s1
    moves=$(board_awk moves)
    read -r from to < <(sed -n 2p <<<"$moves")
    far=$(( from <= CELLS / 2 ? CELLS : 1 ))
    click_at $(cell_centre "$far")
    screenshot_after_change "$(board_signature)" && decode_board && [[ "$(marked_cells)" == "$far" ]] ||
        fail "$code: a click on cell $far selected [$(marked_cells)]"
    click_at $(cell_centre "$from")
    click_at $(cell_centre "$to")
    sleep 0.3
    wait_quiet || fail "$code: the swap $from -> $to did not settle"
    probe "$p"
    s0=$(grep -o '[0-9]\+' <<<"$score_text" | head -n1)
    (( ${s0:-0} >= 3 )) || fail "$code: after the clicks $from, $to the score label reads '$score_text'"
    read -r from to < <(board_awk moves | sed -n 2p)
    xdotool mousemove --sync $(cell_centre "$from") mousedown 1 mousemove --sync $(cell_centre "$to") mouseup 1
    sleep 0.3
    wait_quiet || fail "$code: the drag $from -> $to did not settle"
    probe "$p"
    s1=$(grep -o '[0-9]\+' <<<"$score_text" | head -n1)
    (( ${s1:-0} >= ${s0:-0} + 3 )) || fail "$code: after the drag $from -> $to the score label reads '$score_text'"
    log "$code: a click on $far selected it; two clicks and a drag scored ${s0:-0}, then ${s1:-0}"

    xdotool windowfocus --sync "$w" 2>/dev/null
    xdotool key Escape
    wait_exit "$pid" || fail "$code: the game did not end on Escape"
    ox=${saved[0]} oy=${saved[1]} win=${saved[2]}
}

# Right to left: a click on the first title (game $2, window at $3,$4, the
# title's middle at $5 and its end at $6 in the bar of height $7) opens its
# menu under it, reaching leftwards from the title's right; the labels trade
# places, and the moves label's text ends at the label's right.
mirrored_menu_and_labels() {
    local code=$1 pid=$2 wx=$3 wy=$4 middle=$5 end=$6 bar=$7 shown drop info dx dy dw deadline k left lead
    shown=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | sort)
    click_at $((wx + middle)) $((wy + bar / 2))
    deadline=$(( $(now_ms) + TIMEOUT * 1000 ))
    until drop=$(comm -13 <(echo "$shown") <(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | sort) | head -n1) &&
        [[ -n "$drop" ]]; do
        (( $(now_ms) < deadline )) || break
        sleep 0.1
    done
    if [[ -n "$drop" ]]; then
        info=$(xwininfo -id "$drop")
        dx=$(awk '/Absolute upper-left X:/ {print $4}' <<<"$info")
        dy=$(awk '/Absolute upper-left Y:/ {print $4}' <<<"$info")
        dw=$(awk '/^ *Width:/ {print $2}' <<<"$info")
        (( dy >= oy && dy - oy <= MENU_EDGE && dx + dw >= wx + end && dx + dw - (wx + end) <= MENU_EDGE )) ||
            fail "$code: the first menu opens at ${dw} wide +$dx+$dy, not under its title ending at $((wx + end))"
        log "$code: the first menu opens at +$dx+$dy, $dw wide, under its title ending at $((wx + end))"
        xdotool key Escape
    else
        fail "$code: a click on the first title opened no menu"
    fi
    settled_screenshot
    for k in 0 1; do
        left=$(( CLIENT_W - LABEL_LEFT[k] - LABEL_W ))
        [[ "$(pixel $((left + 1)) $((LABEL_TOP + 1)))" == "$LABEL_GROUND" &&
           "$(pixel $((LABEL_LEFT[k] + 1)) $((LABEL_TOP + 1)))" == "$BACKGROUND" ]] || fail "$code: label $k is not at x $left"
    done
    lead=$(convert "$shot" -crop "${LABEL_W}x${LABEL_H}+$((ox + CLIENT_W - LABEL_LEFT[0] - LABEL_W))+$((oy + LABEL_TOP))" +repage \
        -fuzz 20% -trim -format '%[fx:page.width - page.x - w]' info:)
    (( lead <= MENU_EDGE )) || fail "$code: the moves label's text ends $lead pixels from its right"
    log "$code: labels mirrored, the moves label's text $lead pixels from its right"
}


# A second game in a prefix of its own: English (LANG=en_US.UTF-8) at 200 %
# (LogPixels 192). The window and the board twice the size, the board drawn
# from the 2x sheet, pixel for pixel, and the screen reader's texts English.
english_at_200() {
    local p=$work/prefix-en w pid info ww wh wx wy
    own_prefix "$p" || { fail "cannot copy the Wine prefix"; return; }
    bash "$win_tests/wine.sh" "$p" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$HIGH_DPI" /f \
        >>"$work/probe.log" 2>&1 || { fail "cannot set LogPixels in the prefix"; return; }
    ZORBEL_WINE_LANG=en_US.UTF-8 bash "$win_tests/wine.sh" "$p" "$zorbel" >>"$work/zorbel-en.log" 2>&1 &
    pid=$!
    game_pids+=("$pid")
    w=$(timeout "$TIMEOUT" xdotool search --sync --onlyvisible --name '^Zorbel$' 2>/dev/null | head -n1)
    [[ -n "$w" ]] || { fail "English at 200 %: no window named 'Zorbel'"; return; }
    info=$(xwininfo -id "$w")
    ww=$(awk '/^ *Width:/ {print $2}' <<<"$info")
    wh=$(awk '/^ *Height:/ {print $2}' <<<"$info")
    wx=$(awk '/Absolute upper-left X:/ {print $4}' <<<"$info")
    wy=$(awk '/Absolute upper-left Y:/ {print $4}' <<<"$info")
    log "English at 200 %: window ${ww}x${wh}+${wx}+${wy}"
    (( ww == SCALE * CLIENT_W && wh > SCALE * CLIENT_H )) ||
        fail "English at 200 %: the window is ${ww}x${wh}, not a client of $((SCALE * CLIENT_W))x$((SCALE * CLIENT_H)) and a menu bar"

    # Every cell one picture of the 2x sheet.
    load_sheet "$SCALE" || { fail "cannot read the painter's 2x sheet"; return; }
    local side=$((SCALE * CELL)) inset=$((SCALE * TILE_INSET)) deadline
    local x0=$((wx + SCALE * 5)) y0=$((wy + wh - SCALE * CLIENT_H + SCALE * 5))
    deadline=$(( $(now_ms) + TIMEOUT * 1000 ))
    while :; do
        rm -rf "$work/tiles2x" && mkdir "$work/tiles2x"
        import -window root "$work/shot-2x.png" &&
            convert "$work/shot-2x.png" -crop "$((COLS * side))x$((ROWS * side))+$x0+$y0" +repage \
                -crop "${side}x${side}" +repage -shave "${inset}x${inset}" +repage +adjoin -depth 8 \
                "$work/tiles2x/c_%03d.rgb"
        cell_hash=(none)
        local h
        while read -r h _; do cell_hash+=("$h"); done < <(md5sum "$work"/tiles2x/c_*.rgb)
        decode_board && break
        (( $(now_ms) < deadline )) || { fail "English at 200 %: cells $unknown_cells are no pictures of the 2x sheet"; break; }
        sleep 0.1
    done

    # The menu bar's titles, against the words drawn in the font Wine gives
    # menus (Tahoma's stand-in, 8 points), both softened a little so that a
    # pixel's difference in where a letter falls does not count.
    local font word best bar=$((wh - SCALE * CLIENT_H))
    font=$(fc-match -f '%{file}' Tahoma)
    convert "$work/shot-2x.png" -crop "${MENU_TITLES_W}x${bar}+$wx+$wy" +repage -colorspace gray -blur "$SOFTEN" "$work/menubar.png"
    for word in Game Settings Игра; do
        convert -density "$HIGH_DPI" -font "$font" -pointsize "$MENU_POINTS" -background white -fill black label:"$word" \
            -colorspace gray -blur "$SOFTEN" "$work/word.png"
        best=$(compare -dissimilarity-threshold 1 -metric NCC -subimage-search "$work/menubar.png" "$work/word.png" null: 2>&1 | cut -d' ' -f1)
        if [[ $word == Игра ]]; then
            awk -v s="$best" -v m="$TITLE_MATCH" 'BEGIN {exit !(s < m)}' || fail "English at 200 %: the Russian title '$word' is in the menu bar ($best)"
        else
            awk -v s="$best" -v m="$TITLE_MATCH" 'BEGIN {exit !(s >= m)}' || fail "English at 200 %: no menu title '$word' in the menu bar (best match $best)"
        fi
    done

    probe "$p"
    check_table 'Game board' selected active 'row %1, column %2' "${NAMES_EN[@]}"
    [[ "$steps_text" =~ ^Moves:\ [0-9]+$ ]] || fail "English at 200 %: the moves label reads '$steps_text'"
    log "English at 200 %: '$steps_text', MSAA names English, board from the 2x sheet"

    xdotool windowfocus --sync "$w" 2>/dev/null
    xdotool key Escape
    wait_exit "$pid" || fail "English at 200 %: the game did not end on Escape"
}

# Waits for the window named $1 of the game process $2, so that no other
# copy's window is taken for it: sets w and, for the helpers, ox and oy,
# which the caller declares local. Fails when it does not appear. A first
# start in a fresh prefix may take a while on a busy machine; how fast the
# game starts is the start-up bench's business, not this run's. The search
# is asked again and again rather than once with --sync: a window that
# closes while xdotool reads it (the last copy's Wine going away) ends
# xdotool with an X error.
own_window() {
    local deadline=$(( $(now_ms) + SETTLE_TIMEOUT * 1000 ))
    until w=$(xdotool search --onlyvisible --pid "$2" --name "^$1\$" 2>>"$work/xdotool.log" | head -n1) &&
        [[ -n "$w" ]]; do
        if (( $(now_ms) >= deadline )); then
            log "no window '$1' of process $2; xdotool said: $(tail -n 2 "$work/xdotool.log" | tr '\n' ' ')"
            return 1
        fi
        sleep 0.2
    done
    local info y h
    info=$(xwininfo -id "$w")
    ox=$(awk '/Absolute upper-left X:/ {print $4}' <<<"$info")
    y=$(awk '/Absolute upper-left Y:/ {print $4}' <<<"$info")
    h=$(awk '/^ *Height:/ {print $2}' <<<"$info")
    oy=$(( y + h - CLIENT_H ))
}

end_game() {  # Escape to window $w, and process $1 ends
    xdotool windowfocus --sync "$w" 2>/dev/null
    xdotool key Escape
    wait_exit "$1"
}

# A copy of the program in a folder of its own, beside DLLs planted under
# the names of ones it might load, run with Wine searching as Windows does
# for DLLs that are not KnownDLLs: the game starts and none of them runs,
# not even when a screen reader has it load oleacc. The copy's ball sheets
# are spoilt, so it draws its balls itself: each cell in the colour of its
# name, one colour to a name, and the net on a clicked one.
planted_copy() {
    local p=$work/prefix-planted dir=$work/planted pid w ox oy dll
    own_prefix "$p" || { fail "cannot copy the Wine prefix"; return; }
    mkdir "$dir"
    # Every PNG signature in the program broken, the sheets' among them.
    python3 -c 'import sys; open(sys.argv[2], "wb").write(open(sys.argv[1], "rb").read().replace(b"\x89PNG", b"\x89PNX"))' \
        "$zorbel" "$dir/zorbel.exe" && chmod +x "$dir/zorbel.exe" || { fail "cannot copy the program"; return; }
    for dll in $PLANTED_DLLS; do cp "$ZORBEL_PLANTED_DLL" "$dir/$dll.dll"; done
    ZORBEL_WINE_DLLS="${PLANTED_DLLS// /,}=n,b" ZORBEL_WINE_LANG=en_US.UTF-8 \
        bash "$win_tests/wine.sh" "$p" "$dir/zorbel.exe" >>"$work/zorbel-planted.log" 2>&1 &
    pid=$!
    game_pids+=("$pid")
    if own_window Zorbel "$pid"; then
        probe "$p"
        drawn_balls
        end_game "$pid" || fail "beside planted DLLs: the game did not end on Escape"
    else
        fail "beside planted DLLs: the game did not start"
        WINEPREFIX=$p wineserver -k 2>/dev/null  # nor comes up late, in the way of what follows
    fi
    local marks
    marks=$(cd "$dir" && ls -- *.ran 2>/dev/null)
    if [[ -z "$marks" ]]; then
        log "planted $PLANTED_DLLS: none of them ran"
    else
        fail "planted DLLs ran in the game's process: ${marks//$'\n'/ }"
    fi
}

# The balls the game draws itself (planted_copy): the colour inside each, by
# the name the table gives its cell, and the net on a clicked one.
drawn_balls() {
    local samples i name colour_word r k line before
    grep -q '^row 10 row cells 15: ' <<<"$probe_out" ||
        { fail "spoilt sheets: no table to name the cells: $(head -n 3 <<<"$probe_out")"; return; }
    settled_screenshot || { fail "spoilt sheets: the board never held still"; return; }
    samples=$(convert "$shot" -crop "$((COLS * CELL))x$((ROWS * CELL))+$((ox + 5))+$((oy + 5))" +repage \
        -crop "${CELL}x${CELL}" +repage -crop "1x1+$SAMPLE+$SAMPLE" +repage -append -depth 8 txt:- |
        grep -o '#[0-9A-Fa-f]\{6\}')
    local -a sample=(none $samples)
    declare -A colour_of=() name_of=()
    local wrong=()
    for ((r = 1; r <= ROWS; r++)); do
        line=$(grep "^row $r row cells 15: " <<<"$probe_out")
        IFS='|' read -r -a cells <<<"${line#*: }"
        for ((k = 1; k <= COLS; k++)); do
            i=$(( (r - 1) * COLS + k ))
            name=${cells[k - 1]:-}
            colour_word=${name#cell }
            colour_word=${colour_word%% \[*}
            colour_word=${colour_word%%,*}
            [[ ${sample[i]:-} == "#C0C0FF" || -z ${sample[i]:-} ]] && { wrong+=("$i:blank"); continue; }
            : "${colour_of[$colour_word]:=${sample[i]}}" "${name_of[${sample[i]}]:=$colour_word}"
            [[ ${colour_of[$colour_word]} == "${sample[i]}" && ${name_of[${sample[i]}]} == "$colour_word" ]] ||
                wrong+=("$i:$colour_word:${sample[i]}")
        done
    done
    (( ${#colour_of[@]} >= 5 && ${#wrong[@]} == 0 )) ||
        fail "spoilt sheets: cells drawn unlike their names (${#colour_of[@]} names): ${wrong[*]:0:5}"
    before=$(grey_pixels 23)
    click_at $(cell_centre 23)
    local deadline=$(( $(now_ms) + TIMEOUT * 1000 ))
    until screenshot && (( $(grey_pixels 23) >= before + 40 )); do
        (( $(now_ms) < deadline )) || { fail "spoilt sheets: a click on cell 23 shows no net"; break; }
        sleep 0.1
    done
    log "spoilt sheets: the balls drawn in ${#colour_of[@]} colours by name, a clicked one netted"
}

# The installer, silent, in a prefix of its own: the game in the player's
# programs folder with a Start-menu shortcut and an entry in Apps, started
# from there; its uninstaller, silent too, leaves nothing behind.
installer() {
    [[ -f "${ZORBEL_INSTALLER:-}" ]] ||
        { fail "no installer at '${ZORBEL_INSTALLER:-}' (cmake --build build-win --target package makes it)"; return; }
    local p=$work/prefix-install dir link entry pid w ox oy value
    own_prefix "$p" || { fail "cannot copy the Wine prefix"; return; }
    bash "$win_tests/wine.sh" "$p" "$ZORBEL_INSTALLER" /S >>"$work/install.log" 2>&1 ||
        fail "the installer ended with status $?"
    WINEPREFIX=$p timeout "$SETTLE_TIMEOUT" wineserver -w || fail "the installer did not end"
    dir=$(find "$p/drive_c/users" -path '*/AppData/Local/Programs/Zorbel' -type d)
    link=$(find "$p/drive_c/users" -path '*/Start Menu/Programs/Zorbel.lnk')
    [[ -n "$dir" && -f "$dir/zorbel.exe" && -f "$dir/LICENSE.txt" ]] ||
        { fail "the installer put no game into the player's programs folder"; return; }
    [[ -n "$link" ]] || fail "the installer made no Start-menu shortcut"
    entry=$(bash "$win_tests/wine.sh" "$p" reg query "$UNINSTALL_KEY" 2>>"$work/install.log" | tr -d '\r')
    for value in 'DisplayName REG_SZ Zorbel' 'DisplayVersion REG_SZ [0-9.]+' 'Publisher REG_SZ .+' \
                 'DisplayIcon REG_SZ .*\\zorbel\.exe,0' 'EstimatedSize REG_DWORD 0x[0-9a-f]+' \
                 'UninstallString REG_SZ .*uninstall\.exe"'; do
        awk '{$1 = $1} 1' <<<"$entry" | grep -qxE "$value" || fail "the entry in Apps lacks '$value': $entry"
    done

    ZORBEL_WINE_LANG=en_US.UTF-8 bash "$win_tests/wine.sh" "$p" "$dir/zorbel.exe" >>"$work/install.log" 2>&1 &
    pid=$!
    game_pids+=("$pid")
    if own_window Zorbel "$pid"; then
        end_game "$pid" || fail "the installed game did not end on Escape"
    else
        fail "the installed game did not start"
    fi
    WINEPREFIX=$p wineserver -k 2>/dev/null  # a game still running would keep the uninstaller waiting

    bash "$win_tests/wine.sh" "$p" "$dir/uninstall.exe" /S >>"$work/install.log" 2>&1
    # The uninstaller runs on from a copy of itself.
    WINEPREFIX=$p timeout "$SETTLE_TIMEOUT" wineserver -w || fail "the uninstaller did not end"
    local left
    left=$(cd "$p/drive_c/users" && find . -ipath '*zorbel*' -o -path '*/AppData/Local/Programs')
    [[ -z "$left" ]] || fail "the uninstaller left ${left//$'\n'/ }"
    bash "$win_tests/wine.sh" "$p" reg query "$UNINSTALL_KEY" >>"$work/install.log" 2>&1 &&
        fail "the uninstaller left the entry in Apps"
    log "installer: installed, started from $(basename "$(dirname "$dir")")/Zorbel, uninstalled without a trace"
}
