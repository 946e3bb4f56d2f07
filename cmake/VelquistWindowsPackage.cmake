# `cmake --install` of the Windows build: the program folder (velquist.exe with the updater inside,
# the windows platform plugin and style, Qt's Chinese translation, and every DLL they need that is
# not part of Windows); `cpack` makes velquist-<version>-windows-x64.zip and
# velquist-<version>-setup.exe from it.
set(VELQUIST_WINDOWS_QT_TRANSLATION /usr/share/qt6/translations/qtbase_zh_CN.qm
    CACHE FILEPATH "Qt's own Chinese texts (Debian's qt6-translations-l10n), shipped with the program")

install(TARGETS velquist RUNTIME_DEPENDENCY_SET velquist_dlls RUNTIME DESTINATION .)
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsIntegrationPlugin
        RUNTIME_DEPENDENCY_SET velquist_dlls LIBRARY DESTINATION platforms RUNTIME DESTINATION platforms)
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsVistaStylePlugin
        RUNTIME_DEPENDENCY_SET velquist_dlls LIBRARY DESTINATION styles RUNTIME DESTINATION styles)
if(EXISTS "${VELQUIST_WINDOWS_QT_TRANSLATION}")
  install(FILES "${VELQUIST_WINDOWS_QT_TRANSLATION}" DESTINATION translations)
else()
  message(WARNING "${VELQUIST_WINDOWS_QT_TRANSLATION} is missing: Qt's dialogs will speak English")
endif()

# The DLLs come from where the build linked them: Qt's, the compiler's runtime, mingw's own.
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
                OUTPUT_VARIABLE velquist_libstdcxx OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(velquist_gcc_dlls "${velquist_libstdcxx}" DIRECTORY)
# objdump's names are looked up in lower case, and Qt's DLLs are not: lower-case links to them
# let the search find them here (the links are taken out of the installed folder again below).
set(velquist_dll_links "${CMAKE_BINARY_DIR}/dll-links")
file(MAKE_DIRECTORY "${velquist_dll_links}")
file(GLOB velquist_qt_dlls "${VELQUIST_WINDOWS_DEPS}/qt6/bin/*.dll")
foreach(dll IN LISTS velquist_qt_dlls)
  get_filename_component(name "${dll}" NAME)
  string(TOLOWER "${name}" lower)
  file(CREATE_LINK "${dll}" "${velquist_dll_links}/${lower}" SYMBOLIC)
endforeach()
# Windows' own DLLs stay out; any other name that is not found fails the install, so a new
# dependency is never left out silently.
set(velquist_system_dlls advapi32 authz bcrypt comctl32 comdlg32 crypt32 d3d9 d3d11 dwmapi dwrite
    dxgi gdi32 imm32 iphlpapi kernel32 mpr msvcrt netapi32 normaliz ntdll ole32 oleaut32 secur32
    setupapi shcore shell32 shlwapi user32 userenv uxtheme version winmm winspool ws2_32 wtsapi32)
list(JOIN velquist_system_dlls "|" velquist_system_dlls)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND x86_64-w64-mingw32-objdump)
install(RUNTIME_DEPENDENCY_SET velquist_dlls DESTINATION .
        DIRECTORIES "${velquist_dll_links}" "${velquist_gcc_dlls}" /usr/x86_64-w64-mingw32/lib
        PRE_EXCLUDE_REGEXES "^api-ms-" "^ext-ms-" "^(${velquist_system_dlls})\\.(dll|drv)$")
install(CODE [[
  file(GLOB velquist_links LIST_DIRECTORIES false "${CMAKE_INSTALL_PREFIX}/*.dll")
  foreach(link IN LISTS velquist_links)
    if(IS_SYMLINK "${link}")
      file(REMOVE "${link}")
    endif()
  endforeach()
  # Installed DLLs are stripped like the program when the install strips (cpack does).
  if(CMAKE_INSTALL_DO_STRIP)
    file(GLOB_RECURSE velquist_binaries "${CMAKE_INSTALL_PREFIX}/*.dll")
    foreach(binary IN LISTS velquist_binaries)
      execute_process(COMMAND x86_64-w64-mingw32-strip --strip-unneeded "${binary}"
                      COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
  endif()
]])

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME velquist)
set(CPACK_PACKAGE_VENDOR Velquist)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Turns a picture into clickable HTML image-map code")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Velquist)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Velquist)
set(CPACK_PACKAGE_EXECUTABLES velquist Velquist)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_PACKAGE_NAME Velquist)
set(CPACK_NSIS_DISPLAY_NAME Velquist)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_INSTALLED_ICON_NAME velquist.exe)
set(CPACK_NSIS_MUI_ICON "${PROJECT_SOURCE_DIR}/resources/velquist.ico")
set(CPACK_NSIS_MUI_UNIICON "${PROJECT_SOURCE_DIR}/resources/velquist.ico")
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
# A 64-bit installer for a 64-bit program: it also runs under a 64-bit-only Wine, and its
# registry entries land where 64-bit Windows looks for them.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
# The zip and the installer are named apart (one CPack run makes both).
set(CPACK_PROJECT_CONFIG_FILE "${CMAKE_CURRENT_LIST_DIR}/VelquistPackageNames.cmake")
include(CPack)
