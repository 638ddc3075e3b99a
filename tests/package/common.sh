# Sourced by the package tests.

readonly SKIP=77

# Every file the package holds, and nothing else: the game where Debian
# keeps games, and what the desktop, software centres, man and a reader of
# the licence look for.
readonly PACKAGE_FILES=(
    /usr/games/zorbel
    /usr/share/applications/io.github.zorbel.Zorbel.desktop
    /usr/share/icons/hicolor/16x16/apps/io.github.zorbel.Zorbel.png
    /usr/share/icons/hicolor/24x24/apps/io.github.zorbel.Zorbel.png
    /usr/share/icons/hicolor/32x32/apps/io.github.zorbel.Zorbel.png
    /usr/share/icons/hicolor/48x48/apps/io.github.zorbel.Zorbel.png
    /usr/share/icons/hicolor/64x64/apps/io.github.zorbel.Zorbel.png
    /usr/share/metainfo/io.github.zorbel.Zorbel.metainfo.xml
    /usr/share/man/man6/zorbel.6.gz
    /usr/share/doc/zorbel/copyright
    /usr/share/doc/zorbel/changelog.gz
)

# Parses the arguments every package test takes and leaves with SKIP where
# the test cannot run: <cpack> <CPack config> <version> [--sanitized].
package_test_args() {
    cpack=${1:-} config=${2:-} version=${3:-}
    if [[ -z "$cpack" || ! -f "$config" || -z "$version" ]]; then
        echo "usage: $0 <cpack> <CPack config> <version> [--sanitized]" >&2
        exit 1
    fi
    if [[ "${4:-}" == --sanitized ]]; then
        echo "SKIP: a build with sanitizers is no package to ship; the plain build tests the package" >&2
        exit "$SKIP"
    fi
    local tool
    for tool in dpkg-deb dpkg-shlibdeps file; do
        command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is not installed" >&2; exit "$SKIP"; }
    done
    arch=$(dpkg --print-architecture)
}

# build_deb DIR: makes the package in DIR as `--target package` does, from
# the built tree; sets deb to its path. CPack's install step overwrites the
# build tree's install_manifest.txt with the staged paths; the list of what
# a `cmake --install` put on the machine is kept as it was.
build_deb() {
    local manifest status
    manifest="$(dirname "$config")/install_manifest.txt"
    if [[ -f "$manifest" ]]; then cp -p "$manifest" "$1/install_manifest.saved"; fi
    "$cpack" -G DEB --config "$config" -B "$1" >"$1/cpack.log" 2>&1
    status=$?
    if [[ -f "$1/install_manifest.saved" ]]; then mv "$1/install_manifest.saved" "$manifest"; else rm -f "$manifest"; fi
    (( status == 0 )) || { cat "$1/cpack.log" >&2; return 1; }
    deb="$1/zorbel_${version}_${arch}.deb"
    [[ -f "$deb" ]] || { echo "no $deb among: $(ls "$1")" >&2; return 1; }
}
