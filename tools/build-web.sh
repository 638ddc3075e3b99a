#!/usr/bin/env bash
# Builds the browser edition into build-web/site/ (static files only).
# The ball pictures are painted by the desktop's own painter, so a desktop
# build's make_sprites comes first: HOST_BUILD names a desktop build folder
# to take it from (default build-host, built here without tests).
set -euo pipefail
cd "$(dirname "$0")/.."
host="${HOST_BUILD:-build-host}"
if [ -z "${HOST_BUILD:-}" ]; then
  cmake -S . -B "$host" -DCMAKE_BUILD_TYPE=Release -DZORBEL_BUILD_TESTS=OFF -DZORBEL_BUILD_BENCH=OFF >/dev/null
fi
cmake --build "$host" -j"$(nproc)" --target make_sprites
# Debian's Emscripten runs its JavaScript tools with the system's Node.js
# modules; this machine's Node.js is not Debian's and needs to be told.
export NODE_PATH=/usr/share/nodejs
emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=MinSizeRel \
  -DZORBEL_MAKE_SPRITES="$(realpath "$host")/assets/make_sprites" >/dev/null
cmake --build build-web -j"$(nproc)"
