# What `cmake --install` puts where, and the Debian package made from it by
# `cpack -G DEB`. The program finds its shipped data in share/zorvane beside
# its bin/ folder, whatever the prefix.
set(ZORVANE_APP_ID org.zorvane.Zorvane)
set(ZORVANE_ICON_SIZES 16 22 24 32 48 64 128 256)

install(TARGETS zorvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/data/countries.txt DESTINATION ${CMAKE_INSTALL_DATADIR}/zorvane)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/Maps DESTINATION ${CMAKE_INSTALL_DATADIR}/zorvane)
install(FILES ${CMAKE_SOURCE_DIR}/dist/${ZORVANE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/zorvane.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${ZORVANE_APP_ID}.svg)
foreach(size IN LISTS ZORVANE_ICON_SIZES)
  install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/zorvane-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${ZORVANE_APP_ID}.png)
endforeach()
configure_file(${CMAKE_SOURCE_DIR}/dist/${ZORVANE_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/dist/${ZORVANE_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/dist/${ZORVANE_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# Who answers for the package: its Maintainer field, the changelog's trailer
# and the copyright file's contact, as "Name <address>".
set(ZORVANE_MAINTAINER "The Zorvane developers" CACHE STRING "The package's maintainer, as Name <address>")
configure_file(${CMAKE_SOURCE_DIR}/dist/zorvane.1.in ${CMAKE_BINARY_DIR}/dist/zorvane.1 @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/dist/changelog.in ${CMAKE_BINARY_DIR}/dist/changelog @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/dist/copyright.in ${CMAKE_BINARY_DIR}/dist/copyright @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/dist/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zorvane)
# The package is its own upstream (a native package, version without a
# Debian revision), so its one changelog is changelog.gz. The manual page and
# the changelog are installed compressed as Debian wants them: gzip -9n,
# without a name or time stamp, so the bytes do not depend on when they were
# built. Without gzip they go in as they are.
find_program(ZORVANE_GZIP gzip)
if(ZORVANE_GZIP)
  set(ZORVANE_COMPRESSED)
  foreach(file zorvane.1 changelog)
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/dist/${file}.gz
                       COMMAND ${ZORVANE_GZIP} -9nkf ${file}
                       DEPENDS ${CMAKE_BINARY_DIR}/dist/${file}
                       WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/dist VERBATIM)
    list(APPEND ZORVANE_COMPRESSED ${CMAKE_BINARY_DIR}/dist/${file}.gz)
  endforeach()
  add_custom_target(zorvane_compressed_docs ALL DEPENDS ${ZORVANE_COMPRESSED})
  install(FILES ${CMAKE_BINARY_DIR}/dist/zorvane.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${CMAKE_BINARY_DIR}/dist/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zorvane)
else()
  install(FILES ${CMAKE_BINARY_DIR}/dist/zorvane.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${CMAKE_BINARY_DIR}/dist/changelog DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zorvane)
endif()

set(CPACK_PACKAGE_NAME zorvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "world clock with a sunlight map")
set(CPACK_PACKAGE_DESCRIPTION "Zorvane shows the current local time of 224 countries and time zones in one
window, a country information window that shows and edits every entry, and a
world map with the line between day and night.")
set(CPACK_PACKAGE_CONTACT "${ZORVANE_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# Library dependencies come from the linked libraries (dpkg-shlibdeps); the
# fonts and the zone data are read at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, tzdata")
# Qt's own translations: the standard buttons of message boxes in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_GENERATOR DEB)
include(CPack)
