# Run by CPack on the staged files, just before it makes the .deb. The game
# is staged as `cmake --install` lays it out; a Debian package of a game
# differs in three ways, made good here:
# - the program lives in /usr/games, where Debian keeps games and where
#   every user's PATH looks;
# - /usr/share/doc/zorbel holds the copyright and the changelog;
# - manual pages and changelogs are compressed, without a time stamp so the
#   same sources give the same package.
set(usr ${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})

file(MAKE_DIRECTORY ${usr}/games)
file(RENAME ${usr}/bin/zorbel ${usr}/games/zorbel)
file(GLOB left_in_bin ${usr}/bin/*)
if(left_in_bin)
  message(FATAL_ERROR "DebianLayout: bin/ holds more than the game: ${left_in_bin}")
endif()
file(REMOVE_RECURSE ${usr}/bin)

set(doc ${usr}/share/doc/${CPACK_PACKAGE_NAME})
# file(COPY), not file(INSTALL): CPack has set DESTDIR, and `usr` is final.
file(COPY ${CPACK_ZORBEL_DEB_DOCS} DESTINATION ${doc}
     FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)

file(GLOB_RECURSE manual_pages ${usr}/share/man/*)
foreach(uncompressed IN LISTS manual_pages ITEMS ${doc}/changelog)
  execute_process(COMMAND gzip -9n ${uncompressed} RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "DebianLayout: cannot compress ${uncompressed}")
  endif()
endforeach()
