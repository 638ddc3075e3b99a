#!/usr/bin/env bash
# Plays the scripted game of SameGame.cpp natively and as WebAssembly under
# Node.js, and fails at the first line where the two traces differ, or when
# either build answers a case of the language rule otherwise than the case says.
# Usage: same_game.sh <native driver> <driver.js of the web build>
set -uo pipefail
native=$1 wasm=$2
if [[ ! -f "$wasm" ]]; then
  echo "FAIL: $wasm is missing; build the web edition first (bash tools/build-web.sh)" >&2
  exit 1
fi
work=$(mktemp -d "${TMPDIR:-/tmp}/zorbel-same.XXXXXX")
trap 'rm -rf "$work"' EXIT
"$native" >"$work/native" || { echo "FAIL: the native game did not play through: $(tail -1 "$work/native")" >&2; exit 1; }
# Emscripten 3.1.6 would fetch() its .wasm under this Node.js; without fetch it reads the file.
node --no-experimental-fetch "$wasm" >"$work/wasm" || { echo "FAIL: the WebAssembly game did not play through" >&2; exit 1; }
if ! cmp -s "$work/native" "$work/wasm"; then
  echo "FAIL: the two builds part at this line (native <, WebAssembly >):" >&2
  diff "$work/native" "$work/wasm" | head -5 >&2
  exit 1
fi
echo "same game: $(grep -c -e '^language ' -e '^direction ' "$work/native") answers of the language rule, $(grep -c '|' "$work/native") states and $(grep -c '^r' "$work/native") draws alike; $(tail -1 "$work/native")"
