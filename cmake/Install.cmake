# What `cmake --install` puts where, besides the programs and their data files: the desktop
# entry, the icon and the software centre's description, in their XDG places. And the Debian
# package made from that installation by `scripts/package` (CPack).

set(TALLMARK_DESKTOP_DIR ${PROJECT_SOURCE_DIR}/data/desktop)
set(TALLMARK_METAINFO ${CMAKE_BINARY_DIR}/share/metainfo/${TALLMARK_APP_ID}.metainfo.xml)
configure_file(${TALLMARK_DESKTOP_DIR}/${TALLMARK_APP_ID}.metainfo.xml.in ${TALLMARK_METAINFO}
  @ONLY)

if(TALLMARK_GUI)
  install(FILES ${TALLMARK_DESKTOP_DIR}/${TALLMARK_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${TALLMARK_DESKTOP_DIR}/${TALLMARK_APP_ID}.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${TALLMARK_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tallmark)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tallmark developers")
set(CPACK_PACKAGE_CONTACT "Tallmark developers <tallmark@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "bowling league records: scores, standings and reports")
set(CPACK_PACKAGE_DESCRIPTION "Keeps a bowling league's records through a season: teams, players
and substitutes, the weekly schedule and lanes, each week's scores, and from them averages,
handicaps, points, standings, special awards, statistics, reports and graphs.
The tallmark-cli command runs the same operations without windows.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# The libraries' packages are read from the programs themselves; without dpkg-shlibdeps they
# are the ones the programs link on Debian 12.
find_program(TALLMARK_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(TALLMARK_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6, libstdc++6, libzip4")
  if(TALLMARK_GUI)
    string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), \
libqt6widgets6 (>= 6.4), libqt6printsupport6 (>= 6.4), libqt6charts6 (>= 6.4), \
libqt6svg6 (>= 6.4)")
  endif()
endif()
include(CPack)
