#!/usr/bin/env bash
# Installs the Debian packages of the sets a command needs, only those missing:
#   bash tools/deps.sh play web   (any of: play web win test)
# `--list SET...` prints the packages of those sets and installs nothing.
set -euo pipefail

# play: build and run the desktop game.
play=(cmake make g++            # the build
      qt6-base-dev              # Qt 6 Widgets, the window
      qt6-l10n-tools            # lrelease, which compiles the translations into the game
      fonts-crosextra-carlito)  # the labels' font, metric-compatible with Calibri

# web: compile the browser edition (its ball pictures come from a play build).
web=(emscripten)

# win: cross-compile the Windows edition (its pictures come from a play build).
win=(g++-mingw-w64-x86-64   # the compiler and Windows' headers and import libraries
     nsis)                 # makensis, which makes the installer (its 64-bit stubs run under Wine64 too)

# test: everything the tests, the package check, the fuzzer and the benchmarks use.
test=(libgtest-dev libbenchmark-dev        # GoogleTest and Google Benchmark
      xvfb xauth xdotool x11-utils         # end-to-end runs in a real X session
      imagemagick                          # screenshots read back cell by cell
      fonts-noto-cjk                       # the Chinese, Japanese and Korean texts, drawn and checked
      fonts-noto-core                      # ... and those in the other scripts Carlito lacks
      at-spi2-core python3-pyatspi dbus    # the board as a screen reader reads it
      qt6-wayland weston                   # the game on Wayland, under a headless weston
      desktop-file-utils appstream         # the desktop entry and metainfo validated
      dpkg-dev file lintian                # the Debian package made by CPack and checked
      clang libfuzzer-14-dev libclang-rt-14-dev  # the event-stream fuzzer and its sanitizers
      chromium                             # the browser edition in Chromium (Playwright)
      firefox-esr                          # ... in Firefox (puppeteer-core, WebDriver BiDi)
      webkit2gtk-driver libwebkit2gtk-4.1-0  # ... in WebKitGTK's MiniBrowser (selenium-webdriver)
      locales                              # the sources the browsers' and Wine's languages are built from
      googletest                           # GoogleTest's sources, cross-built for the Windows suites
      wine64 wine)                         # the Windows edition and its suites, run under Wine
# Debian's Node.js and npm drive the browsers, unless a Node.js with its own npm is installed.
command -v npm >/dev/null || test+=(nodejs npm)

# Players of a script that Carlito lacks get real glyphs: the font comes with
# play when one of the player's preferred languages (LANGUAGE, then the
# locale) is written in it. Noto Sans CJK for Chinese, Japanese and Korean;
# Noto's core fonts (42 MiB) for Arabic (ar fa ur ps), Hebrew (he yi),
# Devanagari (hi mr ne), Bengali (bn as), Thai, Georgian and Armenian.
wants() {
  local langs="${LANGUAGE:-}:${LC_ALL:-}:${LC_MESSAGES:-}:${LANG:-}"
  [[ ":$langs" =~ :($1)([_.@:-]|$) ]]
}
wants 'zh|ja|ko' && play+=(fonts-noto-cjk)
wants 'ar|fa|ur|ps|he|yi|hi|mr|ne|bn|as|th|ka|hy' && play+=(fonts-noto-core)

list=0
if [ "${1:-}" = "--list" ]; then list=1; shift; fi
[ $# -gt 0 ] || { echo "usage: $0 [--list] play|web|win|test ..." >&2; exit 2; }
packages=()
for set in "$@"; do
  case "$set" in
    play) packages+=("${play[@]}") ;;
    web) packages+=("${web[@]}") ;;
    win) packages+=("${win[@]}") ;;
    test) packages+=("${test[@]}") ;;
    *) echo "$0: no package set '$set' (play, web, win, test)" >&2; exit 2 ;;
  esac
done
if [ "$list" -eq 1 ]; then printf '%s\n' "${packages[@]}"; exit 0; fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The browser drivers from npm, only for the tests, exactly as package-lock.json
# pins them; they drive Debian's browsers and download none of their own.
case " $* " in *" test "*) ;; *) exit 0 ;; esac
cd "$(dirname "$0")/.."
if [ ! -d node_modules/puppeteer-core ] || [ ! -d node_modules/selenium-webdriver ] ||
   [ package-lock.json -nt node_modules/.package-lock.json ]; then
  PUPPETEER_SKIP_DOWNLOAD=1 PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error
fi
