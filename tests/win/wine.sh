#!/usr/bin/env bash
# Runs Windows programs of the cross-build under Wine, each in the build's own
# prefix, never the user's ~/.wine.
#
#   wine.sh PREFIX --boot      makes PREFIX afresh (once per test run)
#   wine.sh PREFIX --end       ends the prefix's wineserver and removes it
#   wine.sh PREFIX PROGRAM...  runs PROGRAM in PREFIX with its exit status
#
# ZORBEL_WINE_LANG, when set, is the locale Wine takes the user's languages
# from (LC_ALL and LANG for Wine alone), whatever this shell's own.
# ZORBEL_WINE_DLLS, when set, adds to Wine's DLL overrides, e.g.
# 'oleacc,uxtheme=n,b' to take those from the program's folder first, as
# Windows does for a DLL that is not one of its KnownDLLs.
# Exit status 77 (skipped) when Wine is not installed or PREFIX was never made.
set -uo pipefail
readonly SKIP=77
prefix=${1:?usage: $0 PREFIX --boot|--end|PROGRAM...}
shift
command -v wine >/dev/null && command -v wineserver >/dev/null ||
    { echo "SKIP: wine is not installed" >&2; exit "$SKIP"; }
export WINEPREFIX=$prefix WINEDEBUG=-all
# No Mono and no Gecko: nothing here needs .NET or HTML, and a fresh prefix
# would otherwise offer to download them.
export WINEDLLOVERRIDES="mscoree,mshtml=${ZORBEL_WINE_DLLS:+;$ZORBEL_WINE_DLLS}"

case ${1:-} in
--boot)
    wineserver -k 2>/dev/null
    rm -rf "$prefix"
    wineboot -i && wineserver -w
    ;;
--end)
    wineserver -k 2>/dev/null
    rm -rf "$prefix"
    ;;
*)
    [[ -f "$prefix/system.reg" ]] || { echo "SKIP: no Wine prefix at $prefix" >&2; exit "$SKIP"; }
    if [[ -n "${ZORBEL_WINE_LANG:-}" ]]; then
        exec env LC_ALL="$ZORBEL_WINE_LANG" LANG="$ZORBEL_WINE_LANG" wine "$@"
    fi
    exec wine "$@"
    ;;
esac
