# Read by cpack for each generator: the Windows zip and installer carry their own names.
if(CPACK_GENERATOR STREQUAL "ZIP")
  set(CPACK_PACKAGE_FILE_NAME "velquist-${CPACK_PACKAGE_VERSION}-windows-x64")
elseif(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME "velquist-${CPACK_PACKAGE_VERSION}-setup")
endif()
