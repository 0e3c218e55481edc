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
configure_file(${CMAKE_SOURCE_DIR}/dist/zorvane.1.in ${CMAKE_BINARY_DIR}/dist/zorvane.1 @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/dist/zorvane.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_PACKAGE_NAME zorvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "world clock with a sunlight map")
set(CPACK_PACKAGE_DESCRIPTION "Zorvane shows the current local time of 224 countries and time zones in one
window, a country information window that shows and edits every entry, and a
world map with the line between day and night.")
set(CPACK_PACKAGE_CONTACT "The Zorvane developers")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# Library dependencies come from the linked libraries (dpkg-shlibdeps); the
# fonts and the zone data are read at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, tzdata")
set(CPACK_GENERATOR DEB)
include(CPack)
