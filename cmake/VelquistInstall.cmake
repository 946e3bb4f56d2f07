# `cmake --install` on Linux: the program, its menu entry and its icon in the usual places; and
# CPack's .deb of the same (cpack -G DEB in the build folder gives velquist_<version>_amd64.deb).
include(GNUInstallDirs)
install(TARGETS velquist RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Where the program looks for its local-socket plugin (see src/app/CMakeLists.txt).
install(TARGETS velquist_local_socket LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/velquist)
install(FILES ${PROJECT_SOURCE_DIR}/resources/velquist.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/velquist.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velquist)
set(CPACK_PACKAGE_VENDOR Velquist)
set(CPACK_PACKAGE_CONTACT "Velquist <support@velquist.example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Turns a picture into clickable HTML image-map code")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
# Dependencies from the libraries the program links (dpkg-shlibdeps); the Qt platform plugin,
# libcurl and a CJK font are loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, libcurl4 (>= 7.85), fonts-wqy-microhei | fonts-noto-cjk")
include(CPack)
