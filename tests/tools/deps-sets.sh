#!/usr/bin/env bash
# What a player's commands install, resolved by apt as on an empty machine:
# the play set (play.sh) pulls in no browser, no Emscripten, no clang, no
# MinGW and no Wine, and the web set beside it (play-web.sh) no browser.
# A player's language adds the font of its script to the play set, and only then.
# Exit status: 0 passed, 1 failed, 77 no apt package lists to resolve against.
set -uo pipefail
deps="$(dirname "$0")/../../tools/deps.sh"
empty=$(mktemp); trap 'rm -f "$empty"' EXIT
closure() {  # every package the sets would install on a machine with nothing
  apt-get -s -q -o Dir::State::status="$empty" install --no-install-recommends \
    $(bash "$deps" --list "$@") 2>/dev/null | awk '/^Inst /{print $2}'
}
failed=0
fonts_for() {  # the fonts the play set adds for a player whose locale is $1
  env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG="$1" bash "$deps" --list play | grep -x 'fonts-noto-.*' | tr '\n' ' '
}
for wanted in 'ar_EG.UTF-8:fonts-noto-core ' 'ko_KR.UTF-8:fonts-noto-cjk ' 'hi_IN:fonts-noto-core ' 'de_DE.UTF-8:' 'C.UTF-8:'; do
  found=$(fonts_for "${wanted%%:*}")
  [ "$found" = "${wanted#*:}" ] || { echo "FAIL: LANG=${wanted%%:*} adds '$found' to the play set, not '${wanted#*:}'"; failed=1; }
done
[ $failed -eq 0 ] && echo "the play set adds fonts-noto-core for Arabic and Hindi, fonts-noto-cjk for Korean, no font for German or C"
play=$(closure play)
[ -n "$play" ] || { echo "SKIP: apt cannot resolve the play set (run apt-get update)"; exit $((failed ? 1 : 77)); }
browsers='chromium|firefox.*|libwebkit2gtk.*|webkit2gtk-driver'
check() {  # set, what it must not hold, the packages
  local found
  found=$(grep -xE "$2" <<<"$3" | tr '\n' ' ')
  if [ -n "$found" ]; then echo "FAIL: the $1 set pulls in $found"; failed=1; fi
}
check play "$browsers|emscripten|clang(-[0-9]+)?|.*mingw.*|wine.*|libwine" "$play"
check "play web" "$browsers" "$(closure play web)"
[ $failed -eq 0 ] && echo "the play set: $(wc -l <<<"$play") packages from nothing, none of them a browser, Emscripten, clang, MinGW or Wine"
exit $failed
