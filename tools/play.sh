#!/usr/bin/env bash
# Installs what is missing, builds the game in Release and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh play
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DZORBEL_BUILD_TESTS=OFF -DZORBEL_BUILD_BENCH=OFF >/dev/null
cmake --build build -j"$(nproc)" --target zorbel
exec ./build/zorbel
