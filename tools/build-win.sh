#!/usr/bin/env bash
# Builds the Windows edition into build-win/ (zorbel.exe, and the zip with
# `cmake --build build-win --target package`), cross-compiled by MinGW-w64.
# The ball pictures and the icon are painted by the desktop's own painter, so
# a desktop build's make_sprites and make_icons come first: HOST_BUILD names
# a desktop build folder to take them from (default build-host, built here
# without tests). Extra arguments go to CMake.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh play win
host="${HOST_BUILD:-build-host}"
if [ -z "${HOST_BUILD:-}" ]; then
  cmake -S . -B "$host" -DCMAKE_BUILD_TYPE=Release -DZORBEL_BUILD_TESTS=OFF -DZORBEL_BUILD_BENCH=OFF >/dev/null
fi
cmake --build "$host" -j"$(nproc)" --target make_sprites make_icons
# The tests are built by tools/test.sh, which asks for them (-DZORBEL_BUILD_TESTS=ON).
cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=MinSizeRel \
  -DZORBEL_BUILD_TESTS=OFF -DZORBEL_BUILD_BENCH=OFF -DZORBEL_MAKE_SPRITES="$(realpath "$host")/assets/make_sprites" "$@" >/dev/null
cmake --build build-win -j"$(nproc)"
