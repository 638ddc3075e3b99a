#!/usr/bin/env bash
# Installs what is missing, builds the browser edition into build-web/site/
# and serves it on http://127.0.0.1:${PORT:-8000}/ until stopped.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh play web
bash tools/build-web.sh
port="${PORT:-8000}"
echo "Зорбель: http://127.0.0.1:$port/"
exec python3 -m http.server "$port" --bind 127.0.0.1 --directory build-web/site
