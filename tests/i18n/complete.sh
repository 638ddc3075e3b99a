#!/usr/bin/env bash
# Fails when a text the player can meet has no finished translation: the
# translation file is brought up to date from the sources in a scratch copy,
# which must then hold no new, unfinished, empty or vanished message. Each
# file also names the language of its file name, and keeps the number's
# place (%1) in every text whose source has one.
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
    python3 - "$ts" <<'EOF' || status=1
import os
import sys
import xml.etree.ElementTree as ElementTree
path = sys.argv[1]
root = ElementTree.parse(path).getroot()
code = os.path.basename(path)[len("zorbel_"):-len(".ts")]
wrong = [] if root.get("language") == code else [f'language="{root.get("language")}", not "{code}"']
wrong += [f"{m.findtext('source')} -> {m.findtext('translation')}" for m in root.iter("message")
          if "%1" in m.findtext("source") and "%1" not in (m.findtext("translation") or "")]
for w in wrong:
    print(f"FAIL: {os.path.basename(path)}: {w}", file=sys.stderr)
sys.exit(1 if wrong else 0)
EOF
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
