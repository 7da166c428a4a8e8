# Desktop integration (menu entry, AppStream metadata, icon, manual page) and the Debian
# package built by CPack:
#   cmake --build build && (cd build && cpack)      ->  build/tikanda_<version>-1_<arch>.deb
# The binary, its sound module and its data files (CILILINK.WAV, TIKANDA.HLP) are
# installed by the top-level CMakeLists.txt.
if(NOT TIKANDA_BUILD_UI)
  return()
endif()

set(TIKANDA_PACKAGING_DIR ${CMAKE_CURRENT_SOURCE_DIR}/packaging)

# Where the installed program finds its data, relative to its binary: an install under
# another prefix than the configured one (cmake --install --prefix, or the package, which
# always installs under /usr) keeps bin/ and share/ side by side.
file(RELATIVE_PATH TIKANDA_RELATIVE_DATA_DIR ${CMAKE_INSTALL_FULL_BINDIR}
  ${CMAKE_INSTALL_FULL_DATADIR}/tikanda)
file(RELATIVE_PATH TIKANDA_RELATIVE_MODULE_DIR ${CMAKE_INSTALL_FULL_BINDIR}
  ${CMAKE_INSTALL_FULL_LIBDIR}/tikanda)
target_compile_definitions(tikanda_ui PRIVATE
  TIKANDA_RELATIVE_DATA_DIR="${TIKANDA_RELATIVE_DATA_DIR}"
  TIKANDA_RELATIVE_MODULE_DIR="${TIKANDA_RELATIVE_MODULE_DIR}")

install(FILES ${TIKANDA_PACKAGING_DIR}/tikanda.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TIKANDA_PACKAGING_DIR}/cz.tikanda.Tikanda.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/src/ui/windows/images/Tikanda.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME tikanda.svg)

# The manual page, compressed as Debian installs manual pages (gzip -n: no name or time
# stamp, so the package is reproducible).
find_program(TIKANDA_GZIP gzip)
if(TIKANDA_GZIP)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/tikanda.1.gz
    COMMAND ${TIKANDA_GZIP} -9n -c ${TIKANDA_PACKAGING_DIR}/tikanda.1 > ${CMAKE_BINARY_DIR}/tikanda.1.gz
    DEPENDS ${TIKANDA_PACKAGING_DIR}/tikanda.1 COMMENT "Compressing the manual page" VERBATIM)
  add_custom_target(tikanda_manpage ALL DEPENDS ${CMAKE_BINARY_DIR}/tikanda.1.gz)
  install(FILES ${CMAKE_BINARY_DIR}/tikanda.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
  install(FILES ${TIKANDA_PACKAGING_DIR}/tikanda.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

# --- Debian package -----------------------------------------------------------------------
# The Maintainer field; -DTIKANDA_MAINTAINER="Name <address>" gives another.
if(NOT DEFINED TIKANDA_MAINTAINER)
  set(TIKANDA_MAINTAINER "Tikanda developers <tikanda@example.org>")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tikanda)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tikanda developers")
set(CPACK_PACKAGE_CONTACT "${TIKANDA_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "desktop timer: alarm at a set time of day, countdown and stopwatch")
# The long description; CPack puts the summary above it and formats it for the control file.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Tikanda is a small desktop timer with a Czech user interface. One window does three
jobs: an alarm at a set time of day, an alarm when a set period has run out (a
countdown), and a stopwatch.

A due alarm plays a sound and opens a small window above all others with the alarm text
and the time elapsed since the alarm. The program keeps the last five alarm texts, shows
the time as figures or on an analog dial, can minimise itself while a count runs, and
keeps its settings between runs.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_NAME tikanda)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # tikanda_<version>-<release>_<arch>.deb
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TIKANDA_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# Shared libraries come from dpkg-shlibdeps. The plugins Qt loads at run time are not
# linked, so shlibdeps cannot see them: the SVG icon engine and image plugin (libqt6svg6;
# the window icon and every image are SVG), the multimedia backends (libqt6multimedia6,
# which the sound module links), and the X11 platform plugin, which Debian 12 ships in
# libqt6gui6. Qt's Czech texts for its own dialogs are a recommendation only.
# (shlibdeps names the same packages again with versions while the program links them.)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, libqt6multimedia6, libqt6gui6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
