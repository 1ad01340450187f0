# Installation and the Debian package (`cpack -G DEB` in the build folder):
# the programs in /opt/Tolvane/Quillmar with links in /usr/bin, the desktop
# entry, the .qmr MIME type and the icon.
set(QUILLMAR_PROGRAM_DIR opt/Tolvane/Quillmar)
set(QUILLMAR_LINKS ${CMAKE_CURRENT_BINARY_DIR}/links)
file(MAKE_DIRECTORY ${QUILLMAR_LINKS})
file(CREATE_LINK ../../${QUILLMAR_PROGRAM_DIR}/Quillmar ${QUILLMAR_LINKS}/Quillmar SYMBOLIC)
file(CREATE_LINK ../../${QUILLMAR_PROGRAM_DIR}/setup ${QUILLMAR_LINKS}/quillmar-setup SYMBOLIC)

install(TARGETS Quillmar setup RUNTIME DESTINATION ${QUILLMAR_PROGRAM_DIR})
install(FILES ${QUILLMAR_LINKS}/Quillmar ${QUILLMAR_LINKS}/quillmar-setup DESTINATION usr/bin)
install(FILES package/tolvane-quillmar.desktop DESTINATION usr/share/applications)
install(FILES package/tolvane-quillmar.xml DESTINATION usr/share/mime/packages)
install(FILES package/tolvane-quillmar.svg DESTINATION usr/share/icons/hicolor/scalable/apps)
install(FILES package/tolvane-quillmar-48.png DESTINATION usr/share/icons/hicolor/48x48/apps
  RENAME tolvane-quillmar.png)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillmar)
set(CPACK_PACKAGE_VENDOR Tolvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Tolvane <support@tolvane.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Year-end Forms W-2 and W-3 for small employers")
set(CPACK_PACKAGING_INSTALL_PREFIX /)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# The Qt and C++ libraries come from dpkg-shlibdeps; the platform plugin and
# the Arial-metric fonts are loaded at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
include(CPack)
