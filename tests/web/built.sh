#!/usr/bin/env bash
# Runs one of the browser edition's tests if the edition is built, and
# otherwise reports it skipped (exit 77, the tests' SKIP_RETURN_CODE) with
# the command that builds it. Where every test must run (tools/test.sh sets
# ZORBEL_WEB_REQUIRED=1) a missing edition fails instead.
# Usage: built.sh <file the build makes> <command that builds it> <test command ...>
set -uo pipefail
made=$1 how=$2
shift 2
if [[ ! -e "$made" ]]; then
  echo "the browser edition is not built (no $made); build it with: $how"
  [[ -n "${ZORBEL_WEB_REQUIRED:-}" ]] && exit 1
  exit 77
fi
exec "$@"
