# The Windows download: `cmake --build build-win --target package` makes
# zorbel-<version>-windows-x64.zip with the program and its licence, nothing
# to install: unpack and start zorbel.exe.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME zorbel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Zorbel developers")
set(CPACK_PACKAGE_FILE_NAME zorbel-${PROJECT_VERSION}-windows-x64)
# The files at the top of the zip, not in a folder of the package's name.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
include(CPack)
