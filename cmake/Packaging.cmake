# The Debian package: `cmake --build build --target package` makes
# zorbel_<version>_<arch>.deb. CPack stages the game with the same install
# rules as `cmake --install`; deb/DebianLayout.cmake then arranges the staged
# files the way Debian keeps a game, and CPack makes the package from them.

set(ZORBEL_MAINTAINER "The Zorbel developers <zorbel@zorbel.github.io>" CACHE STRING
    "Maintainer of the Debian package, as: Name <address>")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zorbel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Zorbel developers")
set(CPACK_PACKAGE_CONTACT ${ZORBEL_MAINTAINER})
set(CPACK_PACKAGE_HOMEPAGE_URL https://zorbel.github.io/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "match-three puzzle with glossy balls")
set(CPACK_PACKAGE_DESCRIPTION [[
Зорбель (Zorbel) is a relaxed match-three puzzle for one player in a small
window. The board holds 150 balls, 15 columns by 10 rows. Swap two
neighbouring balls to line up three or more of one colour in a row or a
column: the line vanishes, the balls above fall down and new ones drop in
from the top. Every new ball is a point.

When no move is left, three rows are cleared and the game goes on, so a game
never ends by itself. The menus offer a hint, an automatic player, active
balls that clear stretches of their row or column, five to eight colours and
five speeds.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# The libraries, and the least versions of them, that the binary needs are
# read from the binary itself by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt opens its Wayland platform as a plugin at run time, which no linker and
# so no dpkg-shlibdeps sees. A recommendation, not a dependency: without it
# the game still runs on any Wayland desktop, through XWayland.
# The Chinese, Japanese and Korean texts are drawn in Noto Sans CJK, and
# those in Arabic, Hebrew, Devanagari, Bengali, Thai, Georgian and Armenian
# letters in Noto's core fonts: no font the desktop is sure to have (Carlito,
# the labels' font, least of all) has them all.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, fonts-noto-cjk, fonts-noto-core")

# The package's documentation in Debian's formats, made here and put in place
# by DebianLayout.cmake. The copyright file wraps the words of LICENSE, so
# the licence is written down once.
set(deb_docs ${PROJECT_BINARY_DIR}/deb)
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
if(NOT licence MATCHES "\nCopyright \\(c\\) ([^\n]+)\n\n(.+)")
  message(FATAL_ERROR "LICENSE: expected a 'Copyright (c) ...' line followed by the licence's terms")
endif()
set(ZORBEL_COPYRIGHT ${CMAKE_MATCH_1})
string(STRIP "${CMAKE_MATCH_2}" terms)
# Debian's format: the terms indented by one space, an empty line as " .".
string(REPLACE "\n\n" "\n.\n" terms "${terms}")
string(REPLACE "\n" "\n " ZORBEL_LICENSE_TEXT " ${terms}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/deb/copyright.in ${deb_docs}/copyright @ONLY)

# A Debian changelog entry is dated in the form of an e-mail header.
execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C date -u -R -d ${ZORBEL_RELEASE_DATE}
                OUTPUT_VARIABLE ZORBEL_CHANGELOG_DATE OUTPUT_STRIP_TRAILING_WHITESPACE
                RESULT_VARIABLE date_failed)
if(date_failed)
  message(FATAL_ERROR "cannot write the release date ${ZORBEL_RELEASE_DATE} as a changelog date")
endif()
configure_file(${CMAKE_CURRENT_LIST_DIR}/deb/changelog.in ${deb_docs}/changelog @ONLY)

# Names starting with CPACK_ reach the scripts CPack runs.
set(CPACK_ZORBEL_DEB_DOCS ${deb_docs}/copyright ${deb_docs}/changelog)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/deb/DebianLayout.cmake)

include(CPack)
