# The Windows downloads, made by `cmake --build build-win --target package`:
# zorbel-<version>-windows-x64.zip with the program and its licence, nothing
# to install (unpack and start zorbel.exe), and beside it
# zorbel-<version>-windows-x64-installer.exe, which installs the same files
# for the player alone (NSIS.template.in).
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME Zorbel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Zorbel developers")
set(CPACK_PACKAGE_FILE_NAME zorbel-${PROJECT_VERSION}-windows-x64)
# The files at the top of the zip, not in a folder of the package's name.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
# The installer: its own script, its own name, the game's icon and version.
set(CPACK_MODULE_PATH ${PROJECT_SOURCE_DIR}/cmake)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/WinPackageNames.cmake)
set(CPACK_ZORBEL_ICON ${ZORBEL_ICO})
set(CPACK_ZORBEL_FILE_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.0.0)
set(CPACK_ZORBEL_COPYRIGHT "${ZORBEL_COPYRIGHT}")
# The script is UTF-8 (the copyright line is not ASCII); every warning fails.
set(CPACK_NSIS_EXECUTABLE_PRE_ARGUMENTS "INPUTCHARSET UTF8" WX)
# For the tests, which install and remove it under Wine.
set(ZORBEL_INSTALLER_NAME ${CPACK_PACKAGE_FILE_NAME}-installer.exe)
set(ZORBEL_INSTALLER_NAME ${ZORBEL_INSTALLER_NAME} PARENT_SCOPE)
include(CPack)
