#!/usr/bin/env bash
# Installs the Debian packages the game and its tests need, only those missing.
set -euo pipefail
packages=(cmake g++ make qt6-base-dev libgtest-dev libbenchmark-dev fonts-crosextra-carlito
          xvfb xauth xdotool imagemagick x11-utils desktop-file-utils appstream
          at-spi2-core python3-pyatspi dbus qt6-l10n-tools)
# The Chinese and Japanese translations are drawn and tested in Noto Sans CJK.
packages+=(fonts-noto-cjk)
# The Debian package is made (CPack asks dpkg-shlibdeps and file) and checked
# (lintian); the game runs natively on Wayland and is tested under weston.
packages+=(dpkg-dev file lintian qt6-wayland weston)
# The event-stream fuzzer is built with clang and libFuzzer.
packages+=(clang libfuzzer-14-dev libclang-rt-14-dev)
# The browser edition is compiled by Emscripten and tested in Debian's
# Chromium, driven from Node.js (npm below).
packages+=(emscripten chromium)
# The browser edition is also tested in Firefox and in WebKitGTK's MiniBrowser
# (which libwebkit2gtk-4.1-0 ships) through WebKitWebDriver, under Xvfb with
# xdotool's mouse; locales has the sources the browser's language is built from.
packages+=(firefox-esr webkit2gtk-driver libwebkit2gtk-4.1-0 locales)
# Debian's Node.js and npm, unless a Node.js with its own npm is installed.
command -v npm >/dev/null || packages+=(nodejs npm)
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
# The browser drivers from npm, exactly as package-lock.json pins them; they
# drive Debian's browsers and download none of their own.
cd "$(dirname "$0")/.."
if [ ! -d node_modules/puppeteer-core ] || [ ! -d node_modules/selenium-webdriver ] ||
   [ package-lock.json -nt node_modules/.package-lock.json ]; then
  PUPPETEER_SKIP_DOWNLOAD=1 PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error
fi
