#!/usr/bin/env bash
# Fails when a text the player can meet has no finished translation: the
# translation file is brought up to date from the sources in a scratch copy,
# which must then hold no new, unfinished, empty or vanished message.
#
# Usage: complete.sh <lupdate> <source folder> <translation.ts>...
set -uo pipefail
lupdate=$1 sources=$2
shift 2
work=$(mktemp -d "${TMPDIR:-/tmp}/zorbel-i18n.XXXXXX")
trap 'rm -rf "$work"' EXIT
status=0
for ts in "$@"; do
    copy="$work/$(basename "$ts")"
    cp "$ts" "$copy"
    "$lupdate" -silent "$sources" -ts "$copy" -locations none >/dev/null || { echo "FAIL: lupdate failed on $ts" >&2; exit 1; }
    problems=$(grep -n -e 'type="unfinished"' -e 'type="vanished"' -e 'type="obsolete"' -e '<translation></translation>' "$copy")
    if [[ -n "$problems" ]]; then
        echo "FAIL: $(basename "$ts") is missing translations:" >&2
        grep -B2 -e 'type="unfinished"' -e 'type="vanished"' -e 'type="obsolete"' -e '<translation></translation>' "$copy" |
            grep '<source>' >&2
        status=1
    else
        echo "$(basename "$ts"): $(grep -c '<message>' "$copy") texts, all translated"
    fi
done
exit "$status"
