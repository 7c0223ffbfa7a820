# SPDX-License-Identifier: GPL-3.0-or-later
# Where the program goes when installed, its menu entry, icon, AppStream
# metadata, manual pages and licence notes, and the Debian package that CPack
# makes of it.
#
# The executable looks for its sound cues in suoni/ beside itself, so it lives
# in a folder of its own with suoni/ next to it; /usr/bin/frazioni is a link to it.
include(GNUInstallDirs)

set(FRAZIONI_PROGRAM_INSTALL_DIR lib/frazioni)
# Every library the program needs comes from the system's own folders.
set(CMAKE_INSTALL_RPATH "")
cmake_path(SET frazioni_packaging_dir NORMALIZE ${CMAKE_CURRENT_LIST_DIR}/../packaging)

# The link in bin/ is relative, so the installed tree can be moved as a whole
# (a staging folder, a package's data tree) and still work.
file(RELATIVE_PATH frazioni_link_target ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}
     ${CMAKE_INSTALL_PREFIX}/${FRAZIONI_PROGRAM_INSTALL_DIR}/frazioni)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/packaging)
file(CREATE_LINK ${frazioni_link_target} ${CMAKE_BINARY_DIR}/packaging/frazioni SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/packaging/frazioni DESTINATION ${CMAKE_INSTALL_BINDIR})

# Folders the installation makes on its own way get the usual rwxr-xr-x,
# whatever the umask of whoever builds.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The menu entry and the AppStream metadata share the program's reverse-DNS id.
set(FRAZIONI_APP_ID io.github.frazioni.frazioni)
install(FILES ${frazioni_packaging_dir}/${FRAZIONI_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${frazioni_packaging_dir}/${FRAZIONI_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${frazioni_packaging_dir}/frazioni.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Manual pages (English and Italian) and the changelog are installed gzipped,
# as Debian wants them. gzip -n leaves out the file name and time, so the same
# sources always give the same bytes.
find_program(FRAZIONI_GZIP gzip REQUIRED)
set(frazioni_gzipped "")
function(frazioni_gzip source target)
    add_custom_command(
        OUTPUT ${target}
        COMMAND sh -c "\"$1\" -9n <\"$2\" >\"$3\"" sh ${FRAZIONI_GZIP} ${source} ${target}
        DEPENDS ${source}
        COMMENT "Compressing ${source}"
        VERBATIM)
    set(frazioni_gzipped ${frazioni_gzipped} ${target} PARENT_SCOPE)
endfunction()
set(frazioni_doc_build_dir ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${frazioni_doc_build_dir}/man/it)
frazioni_gzip(${frazioni_packaging_dir}/man/frazioni.6 ${frazioni_doc_build_dir}/man/frazioni.6.gz)
frazioni_gzip(${frazioni_packaging_dir}/man/it/frazioni.6 ${frazioni_doc_build_dir}/man/it/frazioni.6.gz)
frazioni_gzip(${frazioni_packaging_dir}/changelog ${frazioni_doc_build_dir}/changelog.gz)
add_custom_target(frazioni_docs ALL DEPENDS ${frazioni_gzipped})

install(FILES ${frazioni_doc_build_dir}/man/frazioni.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${frazioni_doc_build_dir}/man/it/frazioni.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/it/man6)
install(FILES ${frazioni_packaging_dir}/copyright ${frazioni_doc_build_dir}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
# The school's own sounds go in /etc/frazioni/suoni/, the folder the program
# looks in by default. The package ships the folder with only its README, a
# conffile, so dpkg never installs, replaces or removes a cue file there: an
# upgrade keeps the school's sounds, and a purge leaves the folder while it
# holds them. tools/bootstrap package checks that the package holds nothing
# else there.
set(FRAZIONI_SCHOOL_SOUNDS_DIR /etc/frazioni/suoni)
install(FILES ${frazioni_packaging_dir}/suoni-scuola/README DESTINATION ${FRAZIONI_SCHOOL_SOUNDS_DIR})
file(WRITE ${CMAKE_BINARY_DIR}/packaging/conffiles "${FRAZIONI_SCHOOL_SOUNDS_DIR}/README\n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_BINARY_DIR}/packaging/conffiles)

# The exercise as one web page, for a school's site or a USB stick: built with
# Emscripten in a build of its own (tools/bootstrap package builds it and
# names it here) and shipped as it is, since it holds everything it needs.
set(FRAZIONI_WEB_PAGE "" CACHE FILEPATH "The web page frazioni.html to install in share/frazioni")
if(FRAZIONI_WEB_PAGE)
    install(FILES ${FRAZIONI_WEB_PAGE} DESTINATION ${CMAKE_INSTALL_DATADIR}/frazioni)
endif()

# Lintian's notes on tags that are false alarms for this package, each with why.
install(FILES ${frazioni_packaging_dir}/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME frazioni)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME frazioni)
set(CPACK_PACKAGE_VENDOR "Frazioni")
set(CPACK_PACKAGE_CONTACT "Frazioni <frazioni@frazioni.github.io>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://github.com/frazioni/frazioni")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "exercise on fractions of segments for primary school")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "A full-screen exercise in Italian for primary-school pupils on fractions of\n"
    "segments: 42 problems with segment strips and rectangles of coloured unit\n"
    "pieces, answers judged at once, and a results window that grades each series.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY frazioni)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# After CPack's own strip, drop the sections a stripped Debian binary leaves
# out too (.comment, .note), as dh_strip does.
set(CPACK_FRAZIONI_STRIP ${CMAKE_STRIP})
set(CPACK_FRAZIONI_EXECUTABLE ${FRAZIONI_PROGRAM_INSTALL_DIR}/frazioni)
set(CPACK_FRAZIONI_SPEECH_MODULE ${FRAZIONI_PROGRAM_INSTALL_DIR}/speech/frazioni_speech.so)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/StripSections.cmake)
# The control files (control, md5sums) get the modes dpkg-deb asks for.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps finds the libraries the executable and the speech module link
# (Qt Core, Gui and Widgets; Qt's small text-to-speech library, which needs Qt
# Core alone and is loaded only when a reading is asked for). What the program
# loads at run time is declared by hand: Qt's window-system plugin, the fonts
# the windows name, SDL2 (loaded by the sound player once the first window is
# up; 2.0.16 has every function it calls) and Qt's SVG image plugin, which
# draws the results window's picture. Debian 13 moved that plugin out of
# libqt6svg6 into qt6-svg-plugins (which Breaks libqt6svg6 before 6.7.2-5), so
# a libqt6svg6 older than that carries the plugin itself: Debian 12's 6.4.2.
# The speech engine and its Italian voice are only recommended: a normal
# install brings them, and a machine without them runs the program with the
# loudspeaker hidden; tools/bootstrap run installs them too.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, fonts-liberation, libsdl2-2.0-0 (>= 2.0.16), qt6-svg-plugins | libqt6svg6 (<< 6.7.2-5~)")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-speech-speechd-plugin, speech-dispatcher-espeak-ng")
# Qt's Wayland plugin, recommended: without it Qt runs the program on a Wayland
# desktop (Debian 13's GNOME) through XWayland, printing a warning line, with
# the picture upscaled and blurred at a fractional scale; natively it draws
# sharp at every scale. The program has one window only (the results window
# is drawn inside the exercise window), so a compositor's freedom to place
# windows costs nothing. Only recommended: an X11 classroom, or a machine set
# up without it, runs as before.
string(APPEND CPACK_DEBIAN_PACKAGE_RECOMMENDS ", qt6-wayland")
include(CPack)
