# Where the program goes when installed, its menu entry and icon, and the
# Debian package that CPack makes of it.
#
# The executable looks for its sound cues in suoni/ beside itself, so it lives
# in a folder of its own with suoni/ next to it; /usr/bin/frazioni is a link to it.
include(GNUInstallDirs)

set(FRAZIONI_PROGRAM_INSTALL_DIR lib/frazioni)
# Every library the program needs comes from the system's own folders.
set(CMAKE_INSTALL_RPATH "")
set(frazioni_packaging_dir ${CMAKE_CURRENT_LIST_DIR}/../packaging)

# The link in bin/ is relative, so the installed tree can be moved as a whole
# (a staging folder, a package's data tree) and still work.
file(RELATIVE_PATH frazioni_link_target ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}
     ${CMAKE_INSTALL_PREFIX}/${FRAZIONI_PROGRAM_INSTALL_DIR}/frazioni)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/packaging)
file(CREATE_LINK ${frazioni_link_target} ${CMAKE_BINARY_DIR}/packaging/frazioni SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/packaging/frazioni DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${frazioni_packaging_dir}/frazioni.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${frazioni_packaging_dir}/frazioni.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME frazioni)
set(CPACK_PACKAGE_VENDOR "Frazioni")
set(CPACK_PACKAGE_CONTACT "Frazioni <frazioni@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Esercizi sulle frazioni di segmenti per la scuola primaria")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "A full-screen exercise in Italian for primary-school pupils on fractions of\n"
    "segments: 42 problems with segment strips and rectangles of coloured unit\n"
    "pieces, answers judged at once, and a results window that grades each series.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY frazioni)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps finds the libraries the executable links (Qt, SDL2);
# Qt's window-system plugin and the fonts the windows name are loaded at run
# time, so they are declared by hand.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
include(CPack)
