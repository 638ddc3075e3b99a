# Read by CPack once for each of its generators: the installer's name says
# what it is, beside the zip's.
if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_FILE_NAME}-installer")
endif()
