#!/usr/bin/env bash
# The package the way a player gets it: installed by apt-get, which resolves
# its dependencies; every file in place; the installed game started in a
# real X session until its window shows and Escape ends it; then purged,
# with nothing of it left. Whatever happens, the machine is left as it was
# found: on the way out the package, and anything apt-get brought along for
# it, are purged again and the list of installed packages is compared.
#
# Usage: install.sh <cpack> <CPack config> <version> [--sanitized]
# Exit status: 0 all checks passed, 1 a check failed, 77 skipped.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=common.sh
source "$here/common.sh"
package_test_args "$@"
readonly CAPTION='Зорбель'
readonly TIMEOUT=15  # seconds for anything the game should do "at once"
readonly LOCK_WAIT=300  # seconds apt-get waits for another user of dpkg

if (( EUID != 0 )); then
    echo "SKIP: installing a package needs root; this runs as $(id -un)" >&2
    exit "$SKIP"
fi
for tool in apt-get Xvfb xdotool; do
    command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is not installed" >&2; exit "$SKIP"; }
done
package_state() { dpkg-query -W -f='${Status}' zorbel 2>/dev/null; }
state=$(package_state)
if [[ -n "$state" && "$state" != *not-installed ]]; then
    echo "SKIP: a zorbel package is already on this machine ($state); it is not ours to replace" >&2
    exit "$SKIP"
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/zorbel-install.XXXXXX")
# apt-get reads the package as its own unprivileged user.
chmod 755 "$work"
failures=0
touched=0
xvfb_pid=
game_pid=

# shellcheck source=../support/report.sh
source "$(dirname "${BASH_SOURCE[0]}")/../support/report.sh"
apt_get() {
    DEBIAN_FRONTEND=noninteractive apt-get -y -q -o DPkg::Lock::Timeout="$LOCK_WAIT" "$@" >>"$work/apt.log" 2>&1 ||
        { tail -n 30 "$work/apt.log" >&2; return 1; }
}
installed_packages() {
    dpkg-query -W -f='${binary:Package} ${Status}\n' | awk '$NF == "installed" { print $1 }' | sort
}

# Puts the package database back as it was: the game purged, then whatever
# was installed along with it. Fails if the list of installed packages still
# differs from the one taken before.
restore_packages() {
    local state added
    state=$(package_state)
    if [[ -n "$state" && "$state" != *not-installed ]]; then
        apt_get purge zorbel || return 1
    fi
    added=$(comm -13 "$work/packages.before" <(installed_packages))
    if [[ -n "$added" ]]; then
        log "purging what came with the game: $(echo $added)"
        # shellcheck disable=SC2086  # one package name a word
        apt_get purge $added || return 1
    fi
    diff "$work/packages.before" <(installed_packages) >"$work/packages.diff" || {
        echo "installed packages differ from before the test (< before, > now):" >&2
        cat "$work/packages.diff" >&2
        return 1
    }
}

cleanup() {
    local pid
    for pid in $game_pid $xvfb_pid; do
        kill -KILL "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    if (( touched )) && ! restore_packages; then
        fail "the machine's packages could not be put back as they were"
    fi
    if (( failures == 0 )); then rm -rf "$work"; else echo "logs kept in $work" >&2; exit 1; fi
}
trap cleanup EXIT
# Interrupted or stopped, it still cleans up on the way out.
trap 'fail "interrupted"; exit 1' INT TERM HUP

build_deb "$work" || die "cpack did not make zorbel_${version}_${arch}.deb"

# Each path of the package (folders too) that is already there before the
# install, so that after the purge it can be told apart from one left over.
dpkg-deb -c "$deb" | awk '{ p = $6; sub(/^\./, "", p); sub(/\/$/, "", p); if (p != "") print p }' |
    sort -u >"$work/paths"
while read -r path; do
    [[ -e "$path" ]] && echo "$path"
done <"$work/paths" >"$work/present.before"
installed_packages >"$work/packages.before"

# --- 1. apt-get installs it ---------------------------------------------
touched=1
start=$(now_ms)
apt_get install "$deb" || die "apt-get could not install $(basename "$deb")"
log "installed by apt-get in $(( $(now_ms) - start )) ms: $(comm -13 "$work/packages.before" <(installed_packages) | tr '\n' ' ')"
[[ "$(package_state)" == "install ok installed" ]] || fail "after apt-get the package is '$(package_state)'"

# --- 2. every file is in place ------------------------------------------
dpkg -L zorbel >"$work/listed"
for file in "${PACKAGE_FILES[@]}"; do
    grep -qxF "$file" "$work/listed" || fail "dpkg -L does not list $file"
    [[ -f "$file" ]] || fail "$file is not on disk"
done
outside=$(grep -v -e '^/\.$' -e '^/usr$' -e '^/usr/' "$work/listed")
[[ -z "$outside" ]] || fail "the package put files outside /usr: $outside"
game=/usr/games/zorbel
log "dpkg -L lists all ${#PACKAGE_FILES[@]} files"

# --- 3. the installed game runs and Escape ends it ----------------------
# Started by its full path: a `cmake --install` copy in /usr/local/bin
# comes first on PATH and must not stand in for the packaged one.
# shellcheck source=../../tools/xvfb.sh
source "$here/../../tools/xvfb.sh"
start_xvfb "$work" "$TIMEOUT" || die "Xvfb did not start: $(cat "$work/xvfb.log")"
"$game" >"$work/zorbel.log" 2>&1 &
game_pid=$!
win=$(timeout "$TIMEOUT" xdotool search --sync --onlyvisible --name "^${CAPTION}\$" 2>/dev/null | head -n1)
[[ -n "$win" ]] || die "the installed game showed no window within ${TIMEOUT}s: $(cat "$work/zorbel.log")"
[[ "$(readlink "/proc/$game_pid/exe")" == "$game" ]] ||
    fail "the window belongs to $(readlink "/proc/$game_pid/exe"), not to $game"
log "the installed game shows window $win"
# No window manager runs: the game gets the keyboard by being given the focus.
xdotool windowfocus --sync "$win" 2>/dev/null || xdotool windowfocus "$win"
xdotool key Escape
wait_exit "$game_pid" || die "the installed game was still running ${TIMEOUT}s after Escape"
status=$exit_status
game_pid=
(( status == 0 )) || fail "after Escape the installed game ended with status $status"
log "Escape: the installed game ended with status $status"
kill "$xvfb_pid" 2>/dev/null
wait "$xvfb_pid" 2>/dev/null
xvfb_pid=

# --- 4. purged, nothing of it is left -----------------------------------
start=$(now_ms)
apt_get purge zorbel || die "apt-get could not purge the package"
log "purged in $(( $(now_ms) - start )) ms"
state=$(package_state)
[[ -z "$state" || "$state" == *not-installed ]] || fail "after the purge dpkg still knows the package: $state"
while read -r path; do
    [[ -e "$path" ]] && echo "$path"
done <"$work/paths" >"$work/present.after"
left=$(comm -13 "$work/present.before" "$work/present.after")
gone=$(comm -23 "$work/present.before" "$work/present.after")
[[ -z "$left" ]] || fail "left behind by the purge: $left"
[[ -z "$gone" ]] || fail "there before the install, gone after the purge: $gone"

if (( failures > 0 )); then
    echo "$failures check(s) failed" >&2
    exit 1
fi
log "all install checks passed"
