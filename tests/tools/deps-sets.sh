#!/usr/bin/env bash
# What a player's commands install, resolved by apt as on an empty machine:
# the play set (play.sh) pulls in no browser, no Emscripten, no clang, no
# MinGW and no Wine, and the web set beside it (play-web.sh) no browser.
# Exit status: 0 passed, 1 failed, 77 no apt package lists to resolve against.
set -uo pipefail
deps="$(dirname "$0")/../../tools/deps.sh"
empty=$(mktemp); trap 'rm -f "$empty"' EXIT
closure() {  # every package the sets would install on a machine with nothing
  apt-get -s -q -o Dir::State::status="$empty" install --no-install-recommends \
    $(bash "$deps" --list "$@") 2>/dev/null | awk '/^Inst /{print $2}'
}
play=$(closure play)
[ -n "$play" ] || { echo "SKIP: apt cannot resolve the play set (run apt-get update)"; exit 77; }
browsers='chromium|firefox.*|libwebkit2gtk.*|webkit2gtk-driver'
failed=0
check() {  # set, what it must not hold, the packages
  local found
  found=$(grep -xE "$2" <<<"$3" | tr '\n' ' ')
  if [ -n "$found" ]; then echo "FAIL: the $1 set pulls in $found"; failed=1; fi
}
check play "$browsers|emscripten|clang(-[0-9]+)?|.*mingw.*|wine.*|libwine" "$play"
check "play web" "$browsers" "$(closure play web)"
[ $failed -eq 0 ] && echo "the play set: $(wc -l <<<"$play") packages from nothing, none of them a browser, Emscripten, clang, MinGW or Wine"
exit $failed
