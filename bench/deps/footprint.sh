#!/usr/bin/env bash
# What a command's package sets would install on a fresh machine, without
# installing anything: the sets' packages that such a machine lacks, resolved
# by `apt-get -s` against a dpkg status holding only that machine's packages.
#
#   bash bench/deps/footprint.sh FRESH_NAMES SET...
#
# FRESH_NAMES lists the packages of a fresh machine, one name a line. Its
# stanzas are taken from this machine's dpkg status, so this machine must
# have them installed (the same Debian release).
set -euo pipefail
names=$1; shift
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
awk 'NR == FNR { fresh[$1] = 1; next }
     /^Package: / { keep = ($2 in fresh) }
     { if (keep) print }' "$names" /var/lib/dpkg/status > "$work/status"
missing=$(bash "$(dirname "$0")/../../tools/deps.sh" --list "$@" | sort -u | grep -vxFf "$names" || true)
# shellcheck disable=SC2086
apt-get -s -q -o Dir::State::status="$work/status" install --no-install-recommends $missing |
  awk '/^Inst /{print $2}' > "$work/installs"
kib=$(xargs -r apt-cache show --no-all-versions < "$work/installs" | awk '/^Installed-Size:/{s+=$2} END{print s+0}')
printf "%s: %d packages, %d MiB (not on a fresh machine: %s)\n" \
  "$*" "$(wc -l < "$work/installs")" $(( kib / 1024 )) "$(echo $missing)"
