# Where the game installs under its prefix.
#
# The game finds its word files beside its own executable, so both live in a
# directory of their own, and a launcher, a relative symbolic link, leads
# there. Two layouts:
#
# - by hand (the default): the launcher in bin/, the game and its word files
#   in lib/tanglewick/ under every prefix (not CMAKE_INSTALL_LIBDIR, which
#   would become lib/x86_64-linux-gnu or lib64 on some systems); the menu
#   entry runs the launcher through the PATH;
# - as Debian's games packages lay out (TANGLEWICK_GAMES_LAYOUT, which the
#   Debian package is built with): the launcher in games/, the game and its
#   word files in lib/games/tanglewick/; the menu entry runs the launcher by
#   its full path, since /usr/games is not on every PATH (root's, for one).
#   The word files there are links to the lists themselves in
#   /etc/tanglewick/, files an administrator may edit: the package marks
#   them as its configuration files, so dpkg keeps one that was changed
#   when the game is upgraded, and removes them only when it is purged.
#
# TANGLEWICK_INSTALL_LAUNCHERDIR and TANGLEWICK_INSTALL_PROGRAMDIR are
# relative to the prefix; TANGLEWICK_INSTALL_WORDLISTDIR, where the lists
# themselves go, is the program's directory or an absolute path;
# TANGLEWICK_DESKTOP_EXEC is the menu entry's Exec=.

option(TANGLEWICK_GAMES_LAYOUT
  "Install as Debian's games packages do: games/tanglewick leading to lib/games/tanglewick/" OFF)

if(TANGLEWICK_GAMES_LAYOUT)
  set(TANGLEWICK_INSTALL_LAUNCHERDIR games)
  set(TANGLEWICK_INSTALL_PROGRAMDIR lib/games/tanglewick)
  set(TANGLEWICK_INSTALL_WORDLISTDIR ${CMAKE_INSTALL_FULL_SYSCONFDIR}/tanglewick)
  set(TANGLEWICK_DESKTOP_EXEC ${CMAKE_INSTALL_PREFIX}/${TANGLEWICK_INSTALL_LAUNCHERDIR}/tanglewick)
else()
  set(TANGLEWICK_INSTALL_LAUNCHERDIR ${CMAKE_INSTALL_BINDIR})
  set(TANGLEWICK_INSTALL_PROGRAMDIR lib/tanglewick)
  set(TANGLEWICK_INSTALL_WORDLISTDIR ${TANGLEWICK_INSTALL_PROGRAMDIR})
  set(TANGLEWICK_DESKTOP_EXEC tanglewick)
endif()
