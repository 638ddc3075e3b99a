#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
# BUILD_DIR and extra CMake arguments (e.g. sanitizer flags) may be given;
# SKIP_LABEL leaves out the tests of some ctest labels (a regular expression,
# e.g. 'browser|win'). The build folder is configured with its tests and
# benchmarks whatever it held before (tools/play.sh leaves both out), and
# a ctest that finds no test fails.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh play web win test
build="${BUILD_DIR:-build}"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DZORBEL_BUILD_TESTS=ON -DZORBEL_BUILD_BENCH=ON "$@" >/dev/null
cmake --build "$build" -j"$(nproc)"
# The browser edition, painted by this build's make_sprites; its tests run
# from this build's ctest, which must run them all.
HOST_BUILD="$build" bash tools/build-web.sh
ZORBEL_WEB_REQUIRED=1 ctest --test-dir "$build" --output-on-failure --no-tests=error -j"$(nproc)" \
  ${SKIP_LABEL:+--label-exclude "$SKIP_LABEL"}
# The Windows edition and the core suites, cross-built with this build's
# painter and run under Wine, unless their label is left out; the packages
# first, as the tests install and remove the installer.
case "${SKIP_LABEL:-}" in
  *win*) ;;
  *) HOST_BUILD="$build" bash tools/build-win.sh -DZORBEL_BUILD_TESTS=ON -DZORBEL_BUILD_BENCH=ON
     cmake --build build-win --target package >/dev/null
     ctest --test-dir build-win --output-on-failure --no-tests=error ;;
esac
