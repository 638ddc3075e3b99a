#!/usr/bin/env bash
# The Debian package as `--target package` makes it, looked at without
# installing it: its name, its dependencies, the files it holds, one version
# throughout, the licence, and lintian's verdict on everything else (fields,
# stripped binary, compressed documentation ...). Needs no root.
#
# Usage: deb.sh <cpack> <CPack config> <version> [--sanitized]
# Exit status: 0 all checks passed, 1 a check failed, 77 skipped.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=common.sh
source "$here/common.sh"
package_test_args "$@"
command -v lintian >/dev/null 2>&1 || { echo "SKIP: lintian is not installed" >&2; exit "$SKIP"; }

work=$(mktemp -d "${TMPDIR:-/tmp}/zorbel-deb.XXXXXX")
failures=0
cleanup() {
    if (( failures == 0 )); then rm -rf "$work"; else echo "the package is kept in $work" >&2; fi
}
trap cleanup EXIT
log() { printf '%s\n' "$*"; }
fail() {
    printf 'FAIL: %s\n' "$*" >&2
    failures=$((failures + 1))
}

build_deb "$work" || { fail "cpack did not make zorbel_${version}_${arch}.deb"; exit 1; }
log "made $(basename "$deb"): $(stat -c %s "$deb") bytes, $(dpkg-deb -f "$deb" Installed-Size) KiB installed"
root="$work/root"
dpkg-deb -x "$deb" "$root"

# --- dependencies -------------------------------------------------------
# (The other fields are lintian's to judge, below.)
field() { dpkg-deb -f "$deb" "$1"; }
# The Wayland plugin and the fonts of the scripts Carlito lacks are loaded
# at run time, where dpkg-shlibdeps cannot see them.
for wanted in qt6-wayland fonts-noto-cjk fonts-noto-core; do
    [[ ", $(field Recommends), " == *", $wanted, "* || ", $(field Depends), " == *", $wanted, "* ]] ||
        fail "$wanted is neither a dependency nor a recommendation"
done

# Depends is exactly what dpkg-shlibdeps reads from the shipped binary.
mkdir -p "$work/shlibs/debian" && : >"$work/shlibs/debian/control"
computed=$(cd "$work/shlibs" && dpkg-shlibdeps -O "$root/usr/games/zorbel" 2>"$work/shlibdeps.log") ||
    fail "dpkg-shlibdeps failed on the packaged binary: $(cat "$work/shlibdeps.log")"
computed=${computed#shlibs:Depends=}
[[ "$(field Depends)" == "$computed" ]] ||
    fail "Depends is '$(field Depends)', dpkg-shlibdeps says '$computed'"
[[ "$computed" == *libqt6widgets6* ]] || fail "the binary's dependencies lack Qt Widgets: '$computed'"

# --- contents -----------------------------------------------------------
listed=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\./, "", $6); print $6 }' | sort)
expected=$(printf '%s\n' "${PACKAGE_FILES[@]}" | sort)
[[ "$listed" == "$expected" ]] ||
    fail "the package's files differ from the expected ones (< packaged, > expected):
$(diff <(echo "$listed") <(echo "$expected") | grep '^[<>]')"

# --- one version throughout --------------------------------------------
# The package, the metainfo's newest release, the changelog's newest entry
# and the manual page's header all name the project's version.
[[ "$(field Version)" == "$version" ]] || fail "the package's version is '$(field Version)', not $version"
metainfo=$(grep -o '<release version="[^"]*"' "$root/usr/share/metainfo/io.github.zorbel.Zorbel.metainfo.xml" | head -n1)
[[ "$metainfo" == "<release version=\"$version\"" ]] || fail "the metainfo's newest release is '$metainfo', not $version"
zcat "$root/usr/share/doc/zorbel/changelog.gz" >"$work/changelog"
changelog=$(dpkg-parsechangelog -l "$work/changelog" -S Version 2>&1)
[[ "$changelog" == "$version" ]] || fail "the changelog's newest entry is '$changelog', not $version"
manual=$(zcat "$root/usr/share/man/man6/zorbel.6.gz" | grep -m1 '^\.TH')
[[ "$manual" == *"\"zorbel $version\""* ]] || fail "the manual page's header '$manual' names no version $version"

# The copyright file holds the licence word for word.
licence=$(sed -n '/^License: Expat$/,$ { /^License:/d; s/^ \.$//; s/^ //; p }' "$root/usr/share/doc/zorbel/copyright")
terms=$(sed '1,/^Copyright (c)/d' "$here/../../LICENSE" | sed '/./,$!d')
[[ "$licence" == "$terms" ]] || fail "the copyright file's licence differs from LICENSE:
$(diff <(echo "$licence") <(echo "$terms"))"

# --- lintian ------------------------------------------------------------
# Informational tags are shown, not held against the package.
lintian --fail-on error,warning --display-info "$deb" >"$work/lintian.log" 2>&1
lintian_status=$?
grep -v 'running with root privileges' "$work/lintian.log"
(( lintian_status == 0 )) || fail "lintian found errors or warnings (status $lintian_status)"

if (( failures > 0 )); then
    echo "$failures check(s) failed" >&2
    exit 1
fi
log "all package checks passed"
