#!/usr/bin/env bash
# Takes the picture of the game window shown in the README and the software
# centre: runs an already built zorbel on a private Xvfb (no window manager,
# so no decorations) and saves the window as it looks right after start-up.
#
# Usage: tools/screenshot.sh [path to zorbel] [output png] [locale]
#   defaults: build/zorbel, docs/screenshot.png and the C locale (Russian),
#   from the repository root; en_GB.UTF-8 shows the game in English.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
zorbel=$(readlink -f "${1:-$root/build/zorbel}")
out=${2:-$root/docs/screenshot.png}
locale=${3:-C.UTF-8}
readonly CAPTION='(Зорбель|Zorbel)'
readonly TIMEOUT=15

[[ -x "$zorbel" ]] || { echo "no game binary at $zorbel; build it first" >&2; exit 1; }
for tool in Xvfb xdotool import; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed" >&2; exit 1; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/zorbel-shot.XXXXXX")
xvfb_pid=
game_pid=
cleanup() {
    local pid
    for pid in $game_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

# shellcheck source=xvfb.sh
source "$root/tools/xvfb.sh"
start_xvfb "$work" "$TIMEOUT" || { echo "Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }

LC_ALL=$locale "$zorbel" >"$work/zorbel.log" 2>&1 &
game_pid=$!
win=$(timeout "$TIMEOUT" xdotool search --sync --onlyvisible --name "^${CAPTION}\$" | head -n1) || true
[[ -n "$win" ]] || { echo "the game window did not appear" >&2; cat "$work/zorbel.log" >&2; exit 1; }

shoot_still "$win" "$work/shot.png" "$TIMEOUT" || { echo "the window never held still" >&2; exit 1; }

mkdir -p "$(dirname "$out")"
# No dates or other chunks that would change the file on every run.
convert "$work/shot.png" -strip "png:$out"
echo "wrote $out ($(identify -format '%wx%h' "$out"))"
