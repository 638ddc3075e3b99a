#!/usr/bin/env bash
# Runs a11y.py the way a screen reader meets the game: a private X display,
# a private session bus with the AT-SPI accessibility bus on it.
#
# Usage: a11y.sh <path to zorbel>
# Exit status: 0 passed, 1 a check failed, 77 a tool is missing.
set -uo pipefail
readonly SKIP=77
zorbel=$(readlink -f "${1:?usage: $0 <path to zorbel>}")
here=$(cd "$(dirname "$0")" && pwd)
launcher=/usr/libexec/at-spi-bus-launcher

for tool in Xvfb xdotool xwininfo import dbus-run-session; do
    command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is not installed" >&2; exit "$SKIP"; }
done
[[ -x "$launcher" ]] || { echo "SKIP: at-spi2-core is not installed" >&2; exit "$SKIP"; }
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is not installed" >&2; exit "$SKIP"; }

work=$(mktemp -d "${TMPDIR:-/tmp}/zorbel-a11y.XXXXXX")
xvfb_pid=
cleanup() {
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
# shellcheck source=../../tools/xvfb.sh
source "$here/../../tools/xvfb.sh"
start_xvfb "$work" 15 || { echo "Xvfb did not start: $(cat "$work/xvfb.log")" >&2; exit 1; }

# The session bus starts the accessibility bus on demand; it is started
# here first, as a desktop session would, so the game finds it at once.
# The bus daemons' chatter about file limits is of no interest.
dbus-run-session -- bash -c '
    "$1" --launch-immediately & launcher_pid=$!
    /usr/bin/python3 "$2" "$3"; status=$?
    kill "$launcher_pid" 2>/dev/null
    exit $status' _ "$launcher" "$here/a11y.py" "$zorbel" 2> >(grep -v -e "fd limit" -e "^dbus-daemon" -e "^X connection to" >&2)
