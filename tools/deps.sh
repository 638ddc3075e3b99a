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
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
