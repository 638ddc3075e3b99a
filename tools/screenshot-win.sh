#!/usr/bin/env bash
# Takes the picture of the Windows edition shown in the README: runs an
# already built zorbel.exe under Wine, in a temporary prefix, on a private
# Xvfb (no window manager, so no decorations), and saves the window as it
# looks right after start-up.
#
# Usage: tools/screenshot-win.sh [zorbel.exe] [output png] [locale]
#   defaults: build-win/zorbel.exe, docs/screenshot-win.png and ru_RU.UTF-8.
# Wine takes the player's language from the locale, which glibc must know;
# one this machine lacks is made from Debian's locale sources into the
# temporary folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
exe=$(readlink -f "${1:-$root/build-win/zorbel.exe}")
out=${2:-$root/docs/screenshot-win.png}
locale=${3:-ru_RU.UTF-8}
readonly CAPTION='(Зорбель|Zorbel)'
readonly TIMEOUT=30

[[ -f "$exe" ]] || { echo "no zorbel.exe at $exe; run tools/build-win.sh first" >&2; exit 1; }
for tool in Xvfb xdotool import wine; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed" >&2; exit 1; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/zorbel-shot-win.XXXXXX")
xvfb_pid=
wine_sh=$root/tests/win/wine.sh
cleanup() {
    bash "$wine_sh" "$work/prefix" --end >/dev/null 2>&1 || true
    if [[ -n "$xvfb_pid" ]]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# shellcheck source=xvfb.sh
source "$root/tools/xvfb.sh"
start_xvfb "$work" "$TIMEOUT" || { echo "Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }

if ! locale -a 2>/dev/null | grep -qix "${locale/UTF-8/utf8}"; then
    mkdir -p "$work/locales"
    localedef -i "${locale%%.*}" -f UTF-8 "$work/locales/$locale"
    export LOCPATH=$work/locales
fi
bash "$wine_sh" "$work/prefix" --boot >"$work/wine.log" 2>&1
LC_ALL=$locale LANG=$locale bash "$wine_sh" "$work/prefix" "$exe" >>"$work/wine.log" 2>&1 &
win=$(timeout "$TIMEOUT" xdotool search --sync --onlyvisible --name "^${CAPTION}\$" | head -n1) || true
[[ -n "$win" ]] || { echo "the game window did not appear" >&2; cat "$work/wine.log" >&2; exit 1; }

shoot_still "$win" "$work/shot.png" "$TIMEOUT" || { echo "the window never held still" >&2; exit 1; }

mkdir -p "$(dirname "$out")"
# No dates or other chunks that would change the file on every run.
convert "$work/shot.png" -strip "png:$out"
echo "wrote $out ($(identify -format '%wx%h' "$out"))"
