# Read by cpack before it makes each package (CPACK_PROJECT_CONFIG_FILE).
if(CPACK_GENERATOR STREQUAL "DEB")
  # The Debian package must install in the games layout under /usr: the
  # launcher /usr/games/tanglewick, the game and its word files in
  # /usr/lib/games/tanglewick, a menu entry whose Exec= names
  # /usr/games/tanglewick. Those paths are fixed when the build is
  # configured, so a build configured for an install by hand is refused here
  # rather than packaged with the wrong ones.
  if(NOT CPACK_TANGLEWICK_GAMES_LAYOUT OR NOT CPACK_TANGLEWICK_INSTALL_PREFIX STREQUAL CPACK_PACKAGING_INSTALL_PREFIX)
    message(FATAL_ERROR
      "This build is not configured for the Debian package "
      "(TANGLEWICK_GAMES_LAYOUT=${CPACK_TANGLEWICK_GAMES_LAYOUT}, "
      "CMAKE_INSTALL_PREFIX=${CPACK_TANGLEWICK_INSTALL_PREFIX}). Configure it with\n"
      "  -DCMAKE_INSTALL_PREFIX=${CPACK_PACKAGING_INSTALL_PREFIX} -DTANGLEWICK_GAMES_LAYOUT=ON\n"
      "and build it again.")
  endif()
  # The members' times are the last commit's (cmake/Reproducible.cmake).
  if(NOT CPACK_TANGLEWICK_SOURCE_DATE_EPOCH STREQUAL "")
    set(ENV{SOURCE_DATE_EPOCH} ${CPACK_TANGLEWICK_SOURCE_DATE_EPOCH})
  endif()
  # Stripped as Debian strips the programs it packages.
  set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/DebianStrip.cmake)
endif()
